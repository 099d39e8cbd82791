#include "gui/analysis/tf_tyzsd_modify.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/app/named_button.h"

namespace dlt::gui {

Tf_tyzsd_modify::Tf_tyzsd_modify(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_tyzsd_modify");
  setWindowTitle(QStringLiteral("田野走势图修改"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  static const char* rows[] = {"第一行：", "第二行：", "第三行：", "第四行：", "第五行：",
                               "第六行：", "第七行：", "第八行：", "第九行：", "第十行："};
  for (int i = 0; i < 10; ++i) {
    edits_[i] = new QLineEdit(this);
    edits_[i]->setObjectName(QStringLiteral("e_tyd_%1").arg(i + 1));
    edits_[i]->setMinimumWidth(360);
    form->addRow(QString::fromUtf8(rows[i]), edits_[i]);
  }
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* ok = NamedButton(this, "b_tyd_modify", QStringLiteral("确认修改"));
  auto* cancel = NamedButton(this, "b_cancel", QStringLiteral("取消"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
}

void Tf_tyzsd_modify::SetTexts(const QStringList& texts) {
  for (int i = 0; i < 10; ++i) {
    edits_[i]->setText(i < texts.size() ? texts[i] : QString());
    edits_[i]->setEnabled(i < texts.size());
  }
}

QStringList Tf_tyzsd_modify::Texts() const {
  QStringList texts;
  for (QLineEdit* e : edits_)
    if (e->isEnabled()) texts << e->text().trimmed();
  return texts;
}

}  // namespace dlt::gui
