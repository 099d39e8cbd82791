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

#include "generator/picker_values.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/app_context.h"
#include "gui/app/masked_edit.h"
#include "gui/app/shell_services.h"
#include "gui/app/utf8_text.h"
#include "gui/app/window_set.h"
#include "gui/generator/condition_row.h"
#include "gui/generator/zh_condition_text.h"
#include "gui/generator/zh_front_dialogs.h"
#include "gui/generator/zh_session.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

constexpr const char* kTabs[] = {"常规1",    "常规2",    "常规3",     "常规4", "振幅系列",
                                 "自设条件", "尾数设置", "线和",      "线差",  "余数",
                                 "和值系列", "遗漏系列", "自定义指标"};
// Rows of one column of groups; longer pages continue in a second column.
constexpr int kRowsPerColumn = 9;

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
  g.row = AddConditionRow(grid, row, column, c.stem, c.caption, !c.IsRange());
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
    g.row.values->setMinimumWidth(150);
    connect(g.row.pick, &QPushButton::clicked, this, [this, number] { Pick(number); });
  }
  connect(g.row.enable, &QCheckBox::clicked, this, [this, number](bool on) { Toggle(number, on); });
  connect(g.row.tolerant, &QCheckBox::clicked, this,
          [this, number](bool on) { SetTolerant(number, on); });
}

void ZhConditionGroups::Refresh() {
  for (const FrontCondition& c : FrontConditions())
    if (c.Selectable()) RefreshGroup(c.number);
}

void ZhConditionGroups::RefreshGroup(int number) {
  if (number < 1 || number > kFrontConditionCount) return;
  Group& g = groups_[static_cast<size_t>(number)];
  if (!g.row.enable) return;
  const ConditionSet& set = session_.set;
  const bool on = set.IsEnabled(number);
  ShowConditionRow(g.row, on, set.IsTolerant(number),
                   g.row.values ? &set.Indicator(number).values : nullptr);
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
    if (auto* analysis = app_.windows->Get<Tf_zbpxz>()) analysis->close();
  const PickRequest request =
      ConditionPickRequest({c->pickerFrom, c->pickerTo, c->checkList, c->pickerCurrent, c->key},
                           session_.set.Indicator(number).values, app_.Table(), app_.env);
  const auto picked = dialogs_.pick(owner_, request);
  if (!picked) return;  // 取消 changes nothing
  std::string error;
  auto values = ValueSet::From(std::vector<int32_t>(picked->begin(), picked->end()), &error);
  if (!values || !session_.set.SetValues(number, std::move(*values), &error))
    return Refuse(error, number);
  RefreshGroup(number);
}

}  // namespace dlt::gui
