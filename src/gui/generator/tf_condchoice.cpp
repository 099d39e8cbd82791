#include "gui/generator/tf_condchoice.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dlt::gui {

Tf_condchoice::Tf_condchoice(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_condchoice");
  setWindowTitle(QStringLiteral("选择"));
  auto* layout = new QVBoxLayout(this);
  rb_1 = new QRadioButton(QStringLiteral("全部显示"), this);
  rb_1->setObjectName("rb_1");
  rb_1->setChecked(true);
  rb_2 = new QRadioButton(QStringLiteral("只显示对"), this);
  rb_2->setObjectName("rb_2");
  rb_3 = new QRadioButton(QStringLiteral("只显示错"), this);
  rb_3->setObjectName("rb_3");
  auto* b_ok = new QPushButton(QStringLiteral("确定"), this);
  b_ok->setObjectName("b_ok");
  for (QWidget* w : {static_cast<QWidget*>(rb_1), static_cast<QWidget*>(rb_2),
                     static_cast<QWidget*>(rb_3), static_cast<QWidget*>(b_ok)})
    layout->addWidget(w);
  connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
}

CheckMode Tf_condchoice::Mode() const {
  if (rb_2->isChecked()) return CheckMode::kRight;
  if (rb_3->isChecked()) return CheckMode::kWrong;
  return CheckMode::kAll;
}

}  // namespace dlt::gui
