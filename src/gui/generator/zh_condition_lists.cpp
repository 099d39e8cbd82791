#include "gui/generator/zh_condition_lists.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>
#include <string>

#include "formula/formula_check.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/generator/zh_condition_text.h"
#include "gui/generator/zh_front_dialogs.h"
#include "gui/generator/zh_session.h"

namespace dlt::gui {
namespace {

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

void ZhConditionLists::EntryList::Show(bool enabled) {
  box->setChecked(enabled);
  add->setEnabled(enabled);
  remove->setEnabled(enabled);
}

ZhConditionLists::EntryList ZhConditionLists::BuildEntryList(QWidget* page,
                                                             const EntryListNames& names,
                                                             void (ConditionSet::*setEnabled)(bool),
                                                             void (ZhConditionLists::*add)(),
                                                             void (ZhConditionLists::*remove)()) {
  EntryList e;
  auto* layout = new QHBoxLayout(page);
  e.box = new QCheckBox(names.caption, page);
  e.box->setObjectName(names.box);
  e.list = MakeList(names.list, page);
  e.add = NamedButton(page, names.add, QStringLiteral("增加  "));
  e.remove = NamedButton(page, names.remove, QStringLiteral("删除"));
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(e.add);
  buttons->addWidget(e.remove);
  buttons->addStretch(1);
  layout->addWidget(e.box, 0, Qt::AlignTop);
  layout->addWidget(e.list, 1);
  layout->addLayout(buttons);
  QListWidget* list = e.list;
  connect(e.box, &QCheckBox::clicked, this, [this, list, setEnabled](bool on) {
    (session_.set.*setEnabled)(on);
    if (!on) list->clear();
    RefreshControls();
  });
  connect(e.add, &QPushButton::clicked, this, add);
  connect(e.remove, &QPushButton::clicked, this, remove);
  return e;
}

void ZhConditionLists::BuildSelfConditions(QWidget* page) {
  selfConditions_ = BuildEntryList(
      page,
      {QStringLiteral("自设条件"), "cb_selfcond", "lb_selfcond", "b_addanyzh", "b_selfcondsub"},
      &ConditionSet::SetSelfConditionsEnabled, &ZhConditionLists::AddSelfCondition,
      &ZhConditionLists::DeleteSelfCondition);
}

void ZhConditionLists::BuildTailSettings(QWidget* page) {
  tailSettings_ = BuildEntryList(
      page, {QStringLiteral("尾数设置"), "cb_wsset", "lb_wsset", "b_wsset_add", "b_wsset_delete"},
      &ConditionSet::SetTailSettingsEnabled, &ZhConditionLists::AddTailSetting,
      &ZhConditionLists::DeleteTailSetting);
}

void ZhConditionLists::BuildCustomIndicators(QWidget* page) {
  auto* grid = new QGridLayout(page);
  cb_selfzb = new QCheckBox(QStringLiteral("自定义指标"), page);
  cb_selfzb->setObjectName("cb_selfzb");
  e_selfzb = new QLineEdit(page);
  e_selfzb->setObjectName("e_selfzb");
  b_fzsr = NamedButton(page, "b_fzsr", QStringLiteral(" 辅助输入 "));
  e_selfzbqz = new QLineEdit(page);
  e_selfzbqz->setObjectName("e_selfzbqz");
  e_selfzbqz->setReadOnly(true);
  b_selfzb = NamedButton(page, "b_selfzb", QStringLiteral("取值"));
  cb_selfzbrc = new QCheckBox(QStringLiteral("容错"), page);
  cb_selfzbrc->setObjectName("cb_selfzbrc");
  b_addselfzb = NamedButton(page, "b_addselfzb", QStringLiteral("添加"));
  b_deleteselfzb = NamedButton(page, "b_deleteselfzb", QStringLiteral("删除"));
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
  selfConditions_.Show(set.SelfConditionsEnabled());
  tailSettings_.Show(set.TailSettingsEnabled());
  const bool custom = set.CustomIndicatorsEnabled();
  cb_selfzb->setChecked(custom);
  for (QWidget* w : std::initializer_list<QWidget*>{e_selfzb, b_fzsr, b_selfzb, cb_selfzbrc,
                                                    b_addselfzb, b_deleteselfzb})
    w->setEnabled(custom);
}

void ZhConditionLists::Refresh(ListLineWording wording) {
  const ConditionSet& set = session_.set;
  selfConditions_.list->clear();
  for (const SelfCondition& e : set.SelfConditions())
    selfConditions_.list->addItem(Line(SelfConditionLine(e, wording)));
  tailSettings_.list->clear();
  for (const TailSetting& e : set.TailSettings())
    tailSettings_.list->addItem(Line(TailSettingLine(e, wording)));
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
  SyncLines(selfConditions_.list, set.SelfConditions(), SelfConditionLine);
  SyncLines(tailSettings_.list, set.TailSettings(), TailSettingLine);
  SyncLines(lb_selfzb, set.CustomIndicators(), CustomIndicatorLine);
  RefreshControls();
}

void ZhConditionLists::ShowAppendedSelfCondition(const QString& line) {
  ShowAppended();
  QListWidget* list = selfConditions_.list;
  if (list->count() > 0) list->item(list->count() - 1)->setText(line);
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

namespace {

// One entry appended to the set and its line to the list box; false (and
// the set's message in `error`) when the set refuses it.
template <class Entry, class AddFn, class LineFn>
bool AppendEntry(const std::optional<Entry>& entry, AddFn add, LineFn line, QListWidget* list,
                 std::string* error) {
  if (!entry) return true;
  if (!add(*entry, error)) return false;
  list->addItem(Line(line()));
  return true;
}

// The selected entry removed from the set and its line from the list box.
template <class RemoveFn>
bool RemoveSelectedEntry(QListWidget* list, RemoveFn remove, std::string* error) {
  const int row = SelectedRow(list);
  if (!remove(row, error)) return false;
  delete list->takeItem(row);
  return true;
}

}  // namespace

void ZhConditionLists::AddSelfCondition() {
  std::string error;
  ConditionSet& set = session_.set;
  if (!AppendEntry(
          dialogs_.selfCondition(owner_),
          [&](const SelfCondition& e, std::string* m) { return set.AddSelfCondition(e, m); },
          [&] { return SelfConditionLine(set.SelfConditions().back(), ListLineWording::kAdded); },
          selfConditions_.list, &error))
    return Inform(error);
  RefreshControls();
}

void ZhConditionLists::DeleteSelfCondition() {
  std::string error;
  ConditionSet& set = session_.set;
  if (!RemoveSelectedEntry(
          selfConditions_.list,
          [&](int row, std::string* m) { return set.RemoveSelfCondition(row, m); }, &error))
    Inform(error);
}

void ZhConditionLists::AddTailSetting() {
  std::string error;
  ConditionSet& set = session_.set;
  if (!AppendEntry(
          dialogs_.tailSetting(owner_),
          [&](const TailSetting& e, std::string* m) { return set.AddTailSetting(e, m); },
          [&] { return TailSettingLine(set.TailSettings().back(), ListLineWording::kAdded); },
          tailSettings_.list, &error))
    return Inform(error);
  RefreshControls();
}

void ZhConditionLists::DeleteTailSetting() {
  std::string error;
  ConditionSet& set = session_.set;
  if (!RemoveSelectedEntry(
          tailSettings_.list,
          [&](int row, std::string* m) { return set.RemoveTailSetting(row, m); }, &error))
    Inform(error);
}

void ZhConditionLists::PickCustomValues() {
  PickRequest request;
  request.first = 0;
  request.last = 1000;
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
  std::string error;
  ConditionSet& set = session_.set;
  if (!RemoveSelectedEntry(
          lb_selfzb, [&](int row, std::string* m) { return set.RemoveCustomIndicator(row, m); },
          &error))
    Inform(error);
}

}  // namespace dlt::gui
