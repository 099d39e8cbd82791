#include "gui/generator/zh_condition_lists.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "formula/formula_check.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/generator/zh_condition_text.h"
#include "gui/generator/zh_front_dialogs.h"
#include "gui/generator/zh_session.h"

namespace dlt::gui {
namespace {

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

QListWidget* MakeList(const char* name, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

// The selected line, or -1 when none is.
int SelectedRow(QListWidget* list) {
  const auto items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.front());
}

QString Line(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

ZhConditionLists::ZhConditionLists(AppContext& app, ZhSession& session, ZhFrontDialogs& dialogs,
                                   QWidget* owner)
    : QObject(owner), app_(app), session_(session), dialogs_(dialogs), owner_(owner) {}

void ZhConditionLists::Inform(const std::string& text) {
  if (!text.empty()) app_.shell.Inform(owner_, QString::fromStdString(text));
}

void ZhConditionLists::BuildSelfConditions(QWidget* page) {
  auto* layout = new QHBoxLayout(page);
  cb_selfcond = new QCheckBox(QStringLiteral("自设条件"), page);
  cb_selfcond->setObjectName("cb_selfcond");
  lb_selfcond = MakeList("lb_selfcond", page);
  b_addanyzh = MakeButton("b_addanyzh", QStringLiteral("增加  "), page);
  b_selfcondsub = MakeButton("b_selfcondsub", QStringLiteral("删除"), page);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(b_addanyzh);
  buttons->addWidget(b_selfcondsub);
  buttons->addStretch(1);
  layout->addWidget(cb_selfcond, 0, Qt::AlignTop);
  layout->addWidget(lb_selfcond, 1);
  layout->addLayout(buttons);
  connect(cb_selfcond, &QCheckBox::clicked, this, [this](bool on) {
    session_.set.SetSelfConditionsEnabled(on);
    if (!on) lb_selfcond->clear();
    RefreshControls();
  });
  connect(b_addanyzh, &QPushButton::clicked, this, &ZhConditionLists::AddSelfCondition);
  connect(b_selfcondsub, &QPushButton::clicked, this, &ZhConditionLists::DeleteSelfCondition);
}

void ZhConditionLists::BuildTailSettings(QWidget* page) {
  auto* layout = new QHBoxLayout(page);
  cb_wsset = new QCheckBox(QStringLiteral("尾数设置"), page);
  cb_wsset->setObjectName("cb_wsset");
  lb_wsset = MakeList("lb_wsset", page);
  b_wsset_add = MakeButton("b_wsset_add", QStringLiteral("增加  "), page);
  b_wsset_delete = MakeButton("b_wsset_delete", QStringLiteral("删除"), page);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(b_wsset_add);
  buttons->addWidget(b_wsset_delete);
  buttons->addStretch(1);
  layout->addWidget(cb_wsset, 0, Qt::AlignTop);
  layout->addWidget(lb_wsset, 1);
  layout->addLayout(buttons);
  connect(cb_wsset, &QCheckBox::clicked, this, [this](bool on) {
    session_.set.SetTailSettingsEnabled(on);
    if (!on) lb_wsset->clear();
    RefreshControls();
  });
  connect(b_wsset_add, &QPushButton::clicked, this, &ZhConditionLists::AddTailSetting);
  connect(b_wsset_delete, &QPushButton::clicked, this, &ZhConditionLists::DeleteTailSetting);
}

void ZhConditionLists::BuildCustomIndicators(QWidget* page) {
  auto* grid = new QGridLayout(page);
  cb_selfzb = new QCheckBox(QStringLiteral("自定义指标"), page);
  cb_selfzb->setObjectName("cb_selfzb");
  e_selfzb = new QLineEdit(page);
  e_selfzb->setObjectName("e_selfzb");
  b_fzsr = MakeButton("b_fzsr", QStringLiteral(" 辅助输入 "), page);
  e_selfzbqz = new QLineEdit(page);
  e_selfzbqz->setObjectName("e_selfzbqz");
  e_selfzbqz->setReadOnly(true);
  b_selfzb = MakeButton("b_selfzb", QStringLiteral("取值"), page);
  cb_selfzbrc = new QCheckBox(QStringLiteral("容错"), page);
  cb_selfzbrc->setObjectName("cb_selfzbrc");
  b_addselfzb = MakeButton("b_addselfzb", QStringLiteral("添加"), page);
  b_deleteselfzb = MakeButton("b_deleteselfzb", QStringLiteral("删除"), page);
  lb_selfzb = MakeList("lb_selfzb", page);
  grid->addWidget(cb_selfzb, 0, 0);
  grid->addWidget(e_selfzb, 0, 1);
  grid->addWidget(b_fzsr, 0, 2);
  grid->addWidget(e_selfzbqz, 1, 1);
  grid->addWidget(b_selfzb, 1, 2);
  grid->addWidget(cb_selfzbrc, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(b_addselfzb);
  buttons->addWidget(b_deleteselfzb);
  buttons->addStretch(1);
  grid->addLayout(buttons, 2, 1, 1, 3);
  grid->addWidget(lb_selfzb, 3, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(3, 1);
  connect(cb_selfzb, &QCheckBox::clicked, this, [this](bool on) {
    session_.set.SetCustomIndicatorsEnabled(on);
    if (!on) {
      e_selfzb->clear();
      e_selfzbqz->clear();
      pendingValues_ = ValueSet();
      cb_selfzbrc->setChecked(false);
      lb_selfzb->clear();
    }
    RefreshControls();
  });
  connect(b_fzsr, &QPushButton::clicked, this, [this] {
    if (auto formula = dialogs_.formula(owner_))
      e_selfzb->setText(QString::fromStdString(*formula));
  });
  connect(b_selfzb, &QPushButton::clicked, this, &ZhConditionLists::PickCustomValues);
  connect(b_addselfzb, &QPushButton::clicked, this, &ZhConditionLists::AddCustomIndicator);
  connect(b_deleteselfzb, &QPushButton::clicked, this, &ZhConditionLists::DeleteCustomIndicator);
}

void ZhConditionLists::RefreshControls() {
  const ConditionSet& set = session_.set;
  cb_selfcond->setChecked(set.SelfConditionsEnabled());
  b_addanyzh->setEnabled(set.SelfConditionsEnabled());
  b_selfcondsub->setEnabled(set.SelfConditionsEnabled());
  cb_wsset->setChecked(set.TailSettingsEnabled());
  b_wsset_add->setEnabled(set.TailSettingsEnabled());
  b_wsset_delete->setEnabled(set.TailSettingsEnabled());
  const bool custom = set.CustomIndicatorsEnabled();
  cb_selfzb->setChecked(custom);
  for (QWidget* w : std::initializer_list<QWidget*>{e_selfzb, b_fzsr, b_selfzb, cb_selfzbrc,
                                                    b_addselfzb, b_deleteselfzb})
    w->setEnabled(custom);
}

void ZhConditionLists::Refresh(ListLineWording wording) {
  const ConditionSet& set = session_.set;
  lb_selfcond->clear();
  for (const SelfCondition& e : set.SelfConditions())
    lb_selfcond->addItem(Line(SelfConditionLine(e, wording)));
  lb_wsset->clear();
  for (const TailSetting& e : set.TailSettings())
    lb_wsset->addItem(Line(TailSettingLine(e, wording)));
  lb_selfzb->clear();
  for (const CustomIndicator& e : set.CustomIndicators())
    lb_selfzb->addItem(Line(CustomIndicatorLine(e, wording)));
  if (!set.CustomIndicatorsEnabled()) {
    e_selfzb->clear();
    e_selfzbqz->clear();
    pendingValues_ = ValueSet();
    cb_selfzbrc->setChecked(false);
  }
  RefreshControls();
}

namespace {

template <class Entry, class LineFn>
void SyncLines(QListWidget* list, const std::vector<Entry>& entries, LineFn line) {
  if (list->count() > static_cast<int>(entries.size())) list->clear();
  for (size_t i = static_cast<size_t>(list->count()); i < entries.size(); ++i)
    list->addItem(QString::fromStdString(line(entries[i], ListLineWording::kAdded)));
}

}  // namespace

void ZhConditionLists::ShowAppended() {
  const ConditionSet& set = session_.set;
  SyncLines(lb_selfcond, set.SelfConditions(), SelfConditionLine);
  SyncLines(lb_wsset, set.TailSettings(), TailSettingLine);
  SyncLines(lb_selfzb, set.CustomIndicators(), CustomIndicatorLine);
  RefreshControls();
}

void ZhConditionLists::ShowAppendedSelfCondition(const QString& line) {
  ShowAppended();
  if (lb_selfcond->count() > 0) lb_selfcond->item(lb_selfcond->count() - 1)->setText(line);
}

void ZhConditionLists::ShowAppendedCustomIndicator(const QString& line) {
  ShowAppended();
  if (lb_selfzb->count() > 0) lb_selfzb->item(lb_selfzb->count() - 1)->setText(line);
  ClearCustomEntry();
}

void ZhConditionLists::ClearCustomEntry() {
  e_selfzb->clear();
  e_selfzbqz->clear();
  pendingValues_ = ValueSet();
  cb_selfzbrc->setChecked(false);
}

void ZhConditionLists::OfferFormula(const QString& formula) {
  session_.set.SetCustomIndicatorsEnabled(true);
  RefreshControls();
  e_selfzb->setText(formula);
}

void ZhConditionLists::AddSelfCondition() {
  auto entry = dialogs_.selfCondition(owner_);
  if (!entry) return;
  std::string error;
  if (!session_.set.AddSelfCondition(*entry, &error)) return Inform(error);
  lb_selfcond->addItem(
      Line(SelfConditionLine(session_.set.SelfConditions().back(), ListLineWording::kAdded)));
  RefreshControls();
}

void ZhConditionLists::DeleteSelfCondition() {
  const int row = SelectedRow(lb_selfcond);
  std::string error;
  if (!session_.set.RemoveSelfCondition(row, &error)) return Inform(error);
  delete lb_selfcond->takeItem(row);
}

void ZhConditionLists::AddTailSetting() {
  auto entry = dialogs_.tailSetting(owner_);
  if (!entry) return;
  std::string error;
  if (!session_.set.AddTailSetting(*entry, &error)) return Inform(error);
  lb_wsset->addItem(
      Line(TailSettingLine(session_.set.TailSettings().back(), ListLineWording::kAdded)));
  RefreshControls();
}

void ZhConditionLists::DeleteTailSetting() {
  const int row = SelectedRow(lb_wsset);
  std::string error;
  if (!session_.set.RemoveTailSetting(row, &error)) return Inform(error);
  delete lb_wsset->takeItem(row);
}

void ZhConditionLists::PickCustomValues() {
  PickRequest request;
  request.first = 0;
  request.last = 1000;
  request.owner = kFrontConditionCount + 1;  // the pending custom values
  for (int32_t v : pendingValues_.Values()) request.selected.push_back(v);
  request.study.kind = StudySubject::Kind::kFormula;
  request.study.formula = e_selfzb->text().trimmed().toStdString();
  const auto picked = dialogs_.pick(owner_, request);
  if (!picked) return;
  std::string error;
  auto values = ValueSet::From(std::vector<int32_t>(picked->begin(), picked->end()), &error);
  if (!values) return Inform(error);
  pendingValues_ = std::move(*values);
  e_selfzbqz->setText(ValuesText(pendingValues_));
}

void ZhConditionLists::AddCustomIndicator() {
  CustomIndicator entry;
  entry.formula = e_selfzb->text().toStdString();
  // The filter passes over a formula it cannot compute: one that never can
  // is refused here, where the user can still mend it.
  // Checked as the set would store it (only ASCII blanks are trimmed).
  if (const auto stored = ConditionSet::CheckFormula(entry.formula))
    if (auto problem = CheckFormula(*stored)) return Inform(*problem);
  entry.values = pendingValues_;
  entry.tolerant = cb_selfzbrc->isChecked();
  std::string error;
  if (!session_.set.AddCustomIndicator(std::move(entry), &error)) return Inform(error);
  lb_selfzb->addItem(
      Line(CustomIndicatorLine(session_.set.CustomIndicators().back(), ListLineWording::kAdded)));
  e_selfzb->clear();
  e_selfzbqz->clear();
  pendingValues_ = ValueSet();
  cb_selfzbrc->setChecked(false);
  RefreshControls();
}

void ZhConditionLists::DeleteCustomIndicator() {
  const int row = SelectedRow(lb_selfzb);
  std::string error;
  if (!session_.set.RemoveCustomIndicator(row, &error)) return Inform(error);
  delete lb_selfzb->takeItem(row);
}

}  // namespace dlt::gui
