#include "gui/generator/picker_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/generator/picker_rule_group.h"
#include "gui/generator/picker_study_aid.h"

namespace dlt::gui {

ValuePickerDialog::ValuePickerDialog(AppContext& app, bool checkList, QWidget* parent)
    : QDialog(parent), app_(app) {
  rules_ = new PickerRuleGroup(checkList, this);
  connect(rules_->ChooseButton(), &QPushButton::clicked, this, &ValuePickerDialog::ChooseByRules);
}

void ValuePickerDialog::AddButtonRow(QWidget* row) {
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto add = [&](const char* name, const QString& caption) {
    QPushButton* b = NamedButton(row, name, caption);
    layout->addWidget(b);
    return b;
  };
  connect(add("b_selall", QStringLiteral("全选")), &QPushButton::clicked, this,
          &ValuePickerDialog::SelectAll);
  connect(add("b_selnone", QStringLiteral("全不选")), &QPushButton::clicked, this,
          &ValuePickerDialog::SelectNone);
  connect(add("b_inverse", QStringLiteral("反选")), &QPushButton::clicked, this,
          &ValuePickerDialog::Invert);
  connect(add("b_reset", QStringLiteral("重置")), &QPushButton::clicked, this,
          &ValuePickerDialog::ResetSelection);
  study_ = add("b_filterzs", QStringLiteral("过滤助手"));
  connect(study_, &QPushButton::clicked, this, &ValuePickerDialog::Study);
  layout->addStretch();
  QPushButton* ok = add("b_ok", QStringLiteral("确定"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(add("b_cancel", QStringLiteral("取消")), &QPushButton::clicked, this, &QDialog::reject);
}

void ValuePickerDialog::SetRange(int first, int last, int current) {
  first_ = first;
  last_ = last;
  current_ = current;
}

void ValuePickerDialog::SetStudySubject(const StudySubject& subject) {
  subject_ = subject;
  if (study_) study_->setEnabled(subject.kind != StudySubject::Kind::kNone);
}

std::vector<int> ValuePickerDialog::SelectedValues() const {
  std::vector<int> values;
  for (int v = first_; v <= last_; ++v)
    if (IsSelected(v)) values.push_back(v);
  return values;
}

void ValuePickerDialog::SetAll(bool selected) {
  for (int v = first_; v <= last_; ++v) SetSelected(v, selected);
}

void ValuePickerDialog::Invert() {
  for (int v = first_; v <= last_; ++v) SetSelected(v, !IsSelected(v));
}

void ValuePickerDialog::ResetSelection() {
  SetAll(false);
  rules_->Reset();
}

void ValuePickerDialog::ChooseByRules() {
  std::vector<int> values;
  QString message;
  const bool complete = rules_->Select(first_, last_, current_, &values, &message);
  SetAll(false);
  for (int v : values) SetSelected(v, true);
  if (!complete) app_.shell.Inform(this, message);
}

void ValuePickerDialog::Study() {
  RunStudyAid(app_, this, subject_);
}

}  // namespace dlt::gui
