#include "gui/generator/tf_getchoiceextend_plus.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/generator/picker_rule_group.h"
#include "gui/generator/picker_study_aid.h"

namespace dlt::gui {

namespace {
constexpr int kCellWidth = 46;
constexpr int kCellHeight = 18;
}  // namespace

Tf_getchoiceextend_plus::Tf_getchoiceextend_plus(AppContext& app, QWidget* parent)
    : QDialog(parent), app_(app) {
  setObjectName("Tf_getchoiceextend_plus");
  setWindowTitle(QStringLiteral("选择"));
  auto* layout = new QVBoxLayout(this);

  list_ = new QListWidget(this);
  list_->setObjectName("CheckListBox1");
  // Items run left to right, 20 to a row, like a check list with 20 columns.
  list_->setFlow(QListView::LeftToRight);
  list_->setWrapping(true);
  list_->setResizeMode(QListView::Adjust);
  list_->setUniformItemSizes(true);
  list_->setGridSize(QSize(kCellWidth, kCellHeight));
  list_->setSelectionMode(QAbstractItemView::NoSelection);
  for (int v = 0; v < kItemCount; ++v) {
    auto* item = new QListWidgetItem(QString::number(v), list_);
    item->setFlags(Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  const int frame = 2 * list_->frameWidth();
  list_->setMinimumSize(kColumns * kCellWidth + frame + 24, 16 * kCellHeight);
  layout->addWidget(list_, 1);

  auto* buttons = new QWidget(this);
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  connect(AddButton(buttons, "b_selall", QStringLiteral("全选")), &QPushButton::clicked, this,
          &Tf_getchoiceextend_plus::SelectAll);
  connect(AddButton(buttons, "b_selnone", QStringLiteral("全不选")), &QPushButton::clicked, this,
          &Tf_getchoiceextend_plus::SelectNone);
  connect(AddButton(buttons, "b_inverse", QStringLiteral("反选")), &QPushButton::clicked, this,
          &Tf_getchoiceextend_plus::Invert);
  connect(AddButton(buttons, "b_reset", QStringLiteral("重置")), &QPushButton::clicked, this,
          &Tf_getchoiceextend_plus::ResetSelection);
  study_ = AddButton(buttons, "b_filterzs", QStringLiteral("过滤助手"));
  connect(study_, &QPushButton::clicked, this, &Tf_getchoiceextend_plus::Study);
  row->addStretch();
  QPushButton* ok = AddButton(buttons, "b_ok", QStringLiteral("确定"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(AddButton(buttons, "b_cancel", QStringLiteral("取消")), &QPushButton::clicked, this,
          &QDialog::reject);
  layout->addWidget(buttons);

  rules_ = new PickerRuleGroup(true, this);
  connect(rules_->ChooseButton(), &QPushButton::clicked, this,
          &Tf_getchoiceextend_plus::ChooseByRules);
  layout->addWidget(rules_);
  Prepare(0, 0, 0);
}

QPushButton* Tf_getchoiceextend_plus::AddButton(QWidget* row, const char* name,
                                                const QString& caption) {
  auto* b = new QPushButton(caption, row);
  b->setObjectName(name);
  b->setAutoDefault(false);
  row->layout()->addWidget(b);
  return b;
}

void Tf_getchoiceextend_plus::Prepare(int first, int last, int current) {
  first_ = std::clamp(first, 0, kItemCount - 1);
  last_ = std::clamp(last, 0, kItemCount - 1);
  current_ = current;
  for (int v = 0; v < kItemCount; ++v) {
    QListWidgetItem* item = list_->item(v);
    item->setCheckState(Qt::Unchecked);
    const bool inRange = v >= first_ && v <= last_;
    item->setFlags(inRange ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled : Qt::ItemIsUserCheckable);
  }
  ResetSelection();
}

void Tf_getchoiceextend_plus::SetStudySubject(const StudySubject& subject) {
  subject_ = subject;
  study_->setEnabled(subject.kind != StudySubject::Kind::kNone);
}

void Tf_getchoiceextend_plus::Begin(const std::vector<int>& selected) {
  for (int v : selected)
    if (v >= first_ && v <= last_) SetChecked(v, true);
  if (first_ <= last_) list_->scrollToItem(list_->item(first_), QAbstractItemView::PositionAtTop);
}

bool Tf_getchoiceextend_plus::IsChecked(int value) const {
  return list_->item(value)->checkState() == Qt::Checked;
}

void Tf_getchoiceextend_plus::SetChecked(int value, bool checked) {
  list_->item(value)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

std::vector<int> Tf_getchoiceextend_plus::SelectedValues() const {
  std::vector<int> values;
  for (int v = first_; v <= last_; ++v)
    if (IsChecked(v)) values.push_back(v);
  return values;
}

void Tf_getchoiceextend_plus::SetAll(bool checked) {
  for (int v = first_; v <= last_; ++v) SetChecked(v, checked);
}

void Tf_getchoiceextend_plus::Invert() {
  for (int v = first_; v <= last_; ++v) SetChecked(v, !IsChecked(v));
}

void Tf_getchoiceextend_plus::ResetSelection() {
  SetAll(false);
  rules_->Reset();
}

void Tf_getchoiceextend_plus::ChooseByRules() {
  std::vector<int> values;
  QString message;
  const bool complete = rules_->Select(first_, last_, current_, &values, &message);
  SetAll(false);
  for (int v : values) SetChecked(v, true);
  if (!complete) app_.shell.Inform(this, message);
}

void Tf_getchoiceextend_plus::Study() {
  RunStudyAid(app_, this, subject_);
}

}  // namespace dlt::gui
