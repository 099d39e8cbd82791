#include "gui/book/tf_jrtz.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/app/masked_edit.h"
#include "gui/app/named_button.h"

namespace dlt::gui {

Tf_jrtz::Tf_jrtz(QWidget* parent) : QDialog(parent) {
  setObjectName("Tf_jrtz");
  setWindowTitle(QStringLiteral("加入投注记录"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  e_name = new QLineEdit(this);
  e_name->setObjectName("e_name");
  e_name->setMaxLength(60);
  e_qs = new MaskedEdit(QStringLiteral("9999999;_"), this);
  e_qs->setObjectName("e_qs");
  form->addRow(QStringLiteral("名称"), e_name);
  form->addRow(QStringLiteral("投注的期数"), e_qs);
  layout->addLayout(form);
  l_summary = new QLabel(this);
  l_summary->setObjectName("l_summary");
  layout->addWidget(l_summary);
  AddOkCancelRow(this, layout);
}

void Tf_jrtz::Prepare(const QString& name, int32_t draw, const QString& summary) {
  e_name->setText(name);
  e_qs->setText(draw > 0 ? QString::number(draw) : QString());
  l_summary->setText(summary);
  e_qs->setFocus();
}

QString Tf_jrtz::Name() const {
  return e_name->text().trimmed();
}

QString Tf_jrtz::DrawText() const {
  return e_qs->text().trimmed();
}

}  // namespace dlt::gui
