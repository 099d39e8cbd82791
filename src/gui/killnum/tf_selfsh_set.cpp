#include "gui/killnum/tf_selfsh_set.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/killnum/killnum_widgets.h"
#include "indicators/catalogue.h"

namespace dlt::gui {

Tf_selfsh_set::Tf_selfsh_set(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_selfsh_set");
  setWindowTitle(QStringLiteral("自定义杀号设置"));
  auto* layout = new QGridLayout(this);
  rb_xtzb = new QRadioButton(QStringLiteral("系统已有指标"), this);
  rb_xtzb->setObjectName("rb_xtzb");
  rb_xtzb->setChecked(true);
  cb_gszb = new QComboBox(this);
  cb_gszb->setObjectName("cb_gszb");
  FillIndicatorCombo(*cb_gszb);
  rb_selfzb = new QRadioButton(QStringLiteral("用户自定义指标"), this);
  rb_selfzb->setObjectName("rb_selfzb");
  e_selfzb = new QLineEdit(this);
  e_selfzb->setObjectName("e_selfzb");
  auto* aid = NamedButton(this, "b_fzsr", QStringLiteral("辅助输入"));
  layout->addWidget(rb_xtzb, 0, 0);
  layout->addWidget(cb_gszb, 0, 1, 1, 3);
  layout->addWidget(rb_selfzb, 1, 0);
  layout->addWidget(e_selfzb, 1, 1, 1, 2);
  layout->addWidget(aid, 1, 3);

  cb_qzfrom = new QComboBox(this);
  cb_qzfrom->setObjectName("cb_qzfrom");
  cb_qzto = new QComboBox(this);
  cb_qzto->setObjectName("cb_qzto");
  for (int v = 0; v <= 999; ++v) {
    cb_qzfrom->addItem(QString::number(v));
    cb_qzto->addItem(QString::number(v));
  }
  layout->addWidget(cb_qzfrom, 2, 0);
  layout->addWidget(new QLabel(QStringLiteral("<=指标取值范围<="), this), 2, 1, Qt::AlignCenter);
  layout->addWidget(cb_qzto, 2, 2);

  auto* ok = NamedButton(this, "b_ok", QStringLiteral("确定"));
  auto* cancel = NamedButton(this, "b_cancel", QStringLiteral("取消"));
  layout->addWidget(ok, 3, 2);
  layout->addWidget(cancel, 3, 3);
  connect(cb_gszb, &QComboBox::activated, this, &Tf_selfsh_set::EntryChosen);
  connect(aid, &QPushButton::clicked, this, &Tf_selfsh_set::OpenFormulaAid);
  connect(ok, &QPushButton::clicked, this, &Tf_selfsh_set::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString Tf_selfsh_set::Indicator() const {
  return rb_xtzb->isChecked() ? IndicatorOfEntry(cb_gszb->currentText())
                              : e_selfzb->text().trimmed();
}

int Tf_selfsh_set::From() const {
  return cb_qzfrom->currentIndex();
}
int Tf_selfsh_set::To() const {
  return cb_qzto->currentIndex();
}

void Tf_selfsh_set::showEvent(QShowEvent* event) {
  cb_qzfrom->setCurrentIndex(0);
  cb_qzto->setCurrentIndex(9);
  QDialog::showEvent(event);
}

void Tf_selfsh_set::EntryChosen() {
  const tsetaccostr* row = FindCatalogueRow(IndicatorOfEntry(cb_gszb->currentText()).toStdString());
  if (!row) return;
  cb_qzfrom->setCurrentIndex(std::clamp(row->min, 0, 999));
  cb_qzto->setCurrentIndex(std::clamp(row->max, 0, 999));
}

void Tf_selfsh_set::OpenFormulaAid() {
  if (!app_.hooks.formulaInputAid) return;
  if (auto formula = app_.hooks.formulaInputAid(this)) {
    e_selfzb->setText(formula->trimmed());
    rb_selfzb->setChecked(true);
  }
}

void Tf_selfsh_set::Confirm() {
  if (rb_selfzb->isChecked()) {
    // A formula is checked before anything is computed from it.
    if (const QString error = FormulaEntryError(app_, e_selfzb->text().trimmed());
        !error.isEmpty()) {
      app_.shell.Inform(this, QStringLiteral("公式有误:") + error);
      return;
    }
  }
  accept();
}

}  // namespace dlt::gui
