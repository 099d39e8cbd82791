#include "gui/book/tf_srjj.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "generator/prizes.h"
#include "gui/app/named_button.h"
#include "gui/app/utf8_text.h"

namespace dlt::gui {

Tf_srjj::Tf_srjj(QWidget* parent) : QDialog(parent) {
  setObjectName("Tf_srjj");
  setWindowTitle(QStringLiteral("输入奖金"));
  auto* layout = new QVBoxLayout(this);
  l_draw = new QLabel(this);
  l_draw->setObjectName("l_draw");
  layout->addWidget(l_draw);
  auto* form = new QFormLayout;
  cb_level = new QComboBox(this);
  cb_level->setObjectName("cb_level");
  e_amount = new QLineEdit(this);
  e_amount->setObjectName("e_amount");
  e_amount->setPlaceholderText(QStringLiteral("每注奖金(元), 空为未知"));
  form->addRow(QStringLiteral("奖级"), cb_level);
  form->addRow(QStringLiteral("每注奖金(元)"), e_amount);
  layout->addLayout(form);
  AddOkCancelRow(this, layout);
}

void Tf_srjj::Prepare(int32_t draw, const std::vector<int>& levels) {
  l_draw->setText(QStringLiteral("第%1期").arg(draw));
  cb_level->clear();
  for (int level : levels) cb_level->addItem(Q(PrizeText(level)), level);
  e_amount->clear();
  e_amount->setFocus();
}

int Tf_srjj::Level() const {
  return cb_level->currentData().toInt();
}

QString Tf_srjj::AmountText() const {
  return e_amount->text().trimmed();
}

}  // namespace dlt::gui
