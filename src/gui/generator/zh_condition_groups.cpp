#include "gui/generator/zh_condition_groups.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <vector>

#include "gui/app/app_context.h"
#include "gui/app/masked_edit.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/generator/zh_condition_text.h"
#include "gui/generator/zh_front_dialogs.h"
#include "gui/generator/zh_session.h"
#include "history/draw_table.h"
#include "history/eval_contexts.h"
#include "indicators/indicator.h"

namespace dlt::gui {
namespace {

constexpr const char* kTabs[] = {"常规1",    "常规2",    "常规3",     "常规4", "振幅系列",
                                 "自设条件", "尾数设置", "线和",      "线差",  "余数",
                                 "和值系列", "遗漏系列", "自定义指标"};
// Rows of one column of groups; longer pages continue in a second column.
constexpr int kRowsPerColumn = 9;

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

}  // namespace

ZhConditionGroups::ZhConditionGroups(AppContext& app, ZhSession& session, ZhFrontDialogs& dialogs,
                                     QWidget* owner)
    : QObject(owner), app_(app), session_(session), dialogs_(dialogs), owner_(owner) {}

QTabWidget* ZhConditionGroups::Build(QWidget* parent) {
  auto* control = new QTabWidget(parent);
  control->setObjectName("PageControl2");
  for (const char* tabName : kTabs) {
    const QString tab = QString::fromUtf8(tabName);
    // The conditions of this tab, grouped by sub-tab in table order.
    std::vector<QString> subTabs;
    std::map<QString, std::vector<const FrontCondition*>> bySub;
    for (const FrontCondition& c : FrontConditions()) {
      if (!c.Selectable() || Q(c.tab) != tab) continue;
      const QString sub = Q(c.subTab);
      if (!bySub.count(sub)) subTabs.push_back(sub);
      bySub[sub].push_back(&c);
    }
    QWidget* page = nullptr;
    if (subTabs.empty()) {
      page = new QWidget;
    } else if (subTabs.size() == 1 && subTabs.front().isEmpty()) {
      page = BuildRows(bySub[subTabs.front()]);
    } else {
      page = new QWidget;
      auto* layout = new QVBoxLayout(page);
      layout->setContentsMargins(2, 2, 2, 2);
      auto* inner = new QTabWidget(page);
      inner->setDocumentMode(true);  // flat sub-tabs
      for (const QString& sub : subTabs) inner->addTab(BuildRows(bySub[sub]), sub);
      layout->addWidget(inner);
    }
    pages_[tab] = page;
    if (tab == QStringLiteral("自定义指标")) page->setObjectName("ts_zh_selfzb");
    control->addTab(page, tab);
  }
  Refresh();
  return control;
}

QWidget* ZhConditionGroups::Page(const QString& caption) const {
  auto it = pages_.find(caption);
  return it == pages_.end() ? nullptr : it->second;
}

QWidget* ZhConditionGroups::BuildRows(const std::vector<const FrontCondition*>& conditions) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(3);
  const int columns = (static_cast<int>(conditions.size()) + kRowsPerColumn - 1) / kRowsPerColumn;
  for (int block = 0; block < columns; ++block) {
    auto* label = new QLabel(QStringLiteral("容错"), page);
    grid->addWidget(label, 0, block * 5 + 3, Qt::AlignCenter);
  }
  for (size_t i = 0; i < conditions.size(); ++i) {
    const int block = static_cast<int>(i) / kRowsPerColumn;
    AddGroup(*conditions[i], grid, static_cast<int>(i) % kRowsPerColumn + 1, block * 5);
  }
  for (int block = 0; block + 1 < columns; ++block) grid->setColumnMinimumWidth(block * 5 + 4, 16);
  grid->setRowStretch(kRowsPerColumn + 1, 1);
  grid->setColumnStretch(columns * 5, 1);
  return page;
}

void ZhConditionGroups::AddGroup(const FrontCondition& c, QGridLayout* grid, int row, int column) {
  QWidget* page = grid->parentWidget();
  const QString stem = Q(c.stem);
  const int number = c.number;
  Group& g = groups_[static_cast<size_t>(number)];
  g.enable = new QCheckBox(Q(c.caption), page);
  g.enable->setObjectName("cb_" + stem);
  g.tolerant = new QCheckBox(page);
  g.tolerant->setObjectName("cb_" + stem + "rc");
  grid->addWidget(g.enable, row, column);
  if (c.IsRange()) {
    auto* box = new QWidget(page);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    auto makeBound = [&](const QString& name) {
      auto* e = new MaskedEdit(QStringLiteral("99;_"), box);  // two digits, 0..99
      e->setObjectName(name);
      e->setFixedWidth(36);
      connect(e, &QLineEdit::textChanged, this, [this, number] { BoundsEdited(number); });
      return e;
    };
    g.from = makeBound("me_" + stem + "from");
    g.to = makeBound("me_" + stem + "to");
    const QString between =
        number == kStdDevCondition ? QStringLiteral("<=标准差<=") : QStringLiteral("<=离散系数<=");
    h->addWidget(g.from);
    h->addWidget(new QLabel(between, box));
    h->addWidget(g.to);
    h->addStretch(1);
    grid->addWidget(box, row, column + 1, 1, 2);
  } else {
    g.values = new QLineEdit(page);
    g.values->setObjectName("e_" + stem);
    g.values->setReadOnly(true);
    g.values->setMinimumWidth(150);
    g.pick = new QPushButton(QStringLiteral("..."), page);
    g.pick->setObjectName("b_" + stem);
    g.pick->setFixedWidth(28);
    grid->addWidget(g.values, row, column + 1);
    grid->addWidget(g.pick, row, column + 2);
    connect(g.pick, &QPushButton::clicked, this, [this, number] { Pick(number); });
  }
  grid->addWidget(g.tolerant, row, column + 3, Qt::AlignCenter);
  connect(g.enable, &QCheckBox::clicked, this, [this, number](bool on) { Toggle(number, on); });
  connect(g.tolerant, &QCheckBox::clicked, this,
          [this, number](bool on) { SetTolerant(number, on); });
}

void ZhConditionGroups::Refresh() {
  for (const FrontCondition& c : FrontConditions())
    if (c.Selectable()) RefreshGroup(c.number);
}

void ZhConditionGroups::RefreshGroup(int number) {
  if (number < 1 || number > kFrontConditionCount) return;
  Group& g = groups_[static_cast<size_t>(number)];
  if (!g.enable) return;
  const ConditionSet& set = session_.set;
  const bool on = set.IsEnabled(number);
  g.enable->setChecked(on);
  g.tolerant->setChecked(set.IsTolerant(number));
  g.tolerant->setEnabled(on);
  if (g.values) {
    ShowValueSet(g.values, set.Indicator(number).values);
    g.pick->setEnabled(on);
  }
  if (g.from) {
    const RangeCondition& range = set.Range(number);
    const QSignalBlocker blockFrom(g.from);
    const QSignalBlocker blockTo(g.to);
    // Only rewrite an edit whose text says something else, so typing keeps
    // its cursor.
    auto show = [](MaskedEdit* e, std::optional<int32_t> v) {
      if (BoundFromText(e->text()) == v) return;
      if (v)
        e->SetNumber(*v);
      else
        e->clear();
    };
    show(g.from, range.from);
    show(g.to, range.to);
    g.from->setEnabled(on);
    g.to->setEnabled(on);
  }
}

void ZhConditionGroups::Refuse(const std::string& error, int number) {
  if (!error.empty()) app_.shell.Inform(owner_, QString::fromStdString(error));
  RefreshGroup(number);
}

void ZhConditionGroups::Toggle(int number, bool on) {
  std::string error;
  if (!session_.set.SetEnabled(number, on, &error)) return Refuse(error, number);
  RefreshGroup(number);
}

void ZhConditionGroups::SetTolerant(int number, bool on) {
  std::string error;
  if (!session_.set.SetTolerant(number, on, &error)) return Refuse(error, number);
  RefreshGroup(number);
}

void ZhConditionGroups::BoundsEdited(int number) {
  Group& g = groups_[static_cast<size_t>(number)];
  if (!session_.set.IsEnabled(number)) return;
  std::string error;
  if (!session_.set.SetRangeBounds(number, BoundFromText(g.from->text()),
                                   BoundFromText(g.to->text()), &error))
    Refuse(error, number);
}

void ZhConditionGroups::Pick(int number) {
  const FrontCondition* c = FindFrontCondition(number);
  if (!c || !session_.set.IsEnabled(number)) return;
  // The picker's study buttons open the indicator analysis again for this
  // indicator; an open one would show the previous subject.
  if (app_.windows)
    if (QWidget* analysis = app_.windows->Find(QStringLiteral("Tf_zbpxz"))) analysis->close();
  PickRequest request;
  request.first = c->pickerFrom;
  request.last = c->pickerTo;
  request.checkList = c->checkList;
  request.owner = number;
  for (int32_t v : session_.set.Indicator(number).values.Values()) request.selected.push_back(v);
  request.study.kind = StudySubject::Kind::kIndicator;
  request.study.key = std::string(c->key);
  if (c->pickerCurrent) {
    const DrawTable& table = app_.Table();
    const int last = table.LastRealIndex();
    if (last >= 0) {
      EvalContext at = TableContext(table, &app_.env);
      at.pos = last;
      const int32_t value = IndicatorValue(at, c->key);
      if (value != kNoValue) request.current = value;
    }
  }
  const auto picked = dialogs_.pick(owner_, request);
  if (!picked) return;  // 取消 changes nothing
  std::string error;
  auto values = ValueSet::From(std::vector<int32_t>(picked->begin(), picked->end()), &error);
  if (!values || !session_.set.SetValues(number, std::move(*values), &error))
    return Refuse(error, number);
  RefreshGroup(number);
}

}  // namespace dlt::gui
