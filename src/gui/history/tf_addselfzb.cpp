#include "gui/history/tf_addselfzb.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "history/custom_indicator_list.h"

namespace dlt::gui {

Tf_addselfzb::Tf_addselfzb(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_addselfzb");
  setWindowTitle(QStringLiteral("添加自定义指标"));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setMinimumWidth(320);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  aid_ = new QPushButton(QStringLiteral("辅助输入"), this);
  aid_->setObjectName("b_fzsr");

  auto* formulaRow = new QHBoxLayout;
  formulaRow->addWidget(Edit1);
  formulaRow->addWidget(aid_);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("自定义指标公式："), formulaRow);
  form->addRow(QStringLiteral("自定义指标命名："), Edit2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  QPushButton* ok = AddOkCancelRow(this, layout, false);

  connect(ok, &QPushButton::clicked, this, &Tf_addselfzb::Confirm);
  connect(aid_, &QPushButton::clicked, this, [this] {
    if (!app_.hooks.formulaInputAid) return;
    if (auto formula = app_.hooks.formulaInputAid(this)) Edit1->setText(formula->trimmed());
  });
}

void Tf_addselfzb::SetFields(const QString& formula, const QString& name) {
  Edit1->setText(formula);
  Edit2->setText(name);
  // The input aid belongs to the generator's dialogs; without it the button rests.
  aid_->setEnabled(static_cast<bool>(app_.hooks.formulaInputAid));
  Edit1->setFocus();
}

QString Tf_addselfzb::Formula() const {
  return Edit1->text().trimmed();
}

QString Tf_addselfzb::Name() const {
  return Edit2->text().trimmed();
}

void Tf_addselfzb::Confirm() {
  // The list splits a line at its first space: a formula with one would be
  // stored broken, so it is refused here.
  if (auto problem = CheckCustomIndicatorFormula(Formula().toStdString())) {
    app_.shell.Inform(this, QString::fromStdString(*problem));
    return;
  }
  accept();
}

}  // namespace dlt::gui
