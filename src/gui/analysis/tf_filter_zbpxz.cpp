#include "gui/analysis/tf_filter_zbpxz.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/common/edit_values.h"

namespace dlt::gui {
Tf_filter_zbpxz::Tf_filter_zbpxz(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_filter_zbpxz");
  setWindowTitle(QStringLiteral("过滤设置"));
  auto* layout = new QVBoxLayout(this);
  auto* range = new QHBoxLayout;
  me_qzfwfrom = new QLineEdit(this);
  me_qzfwfrom->setObjectName("me_qzfwfrom");
  me_qzfwto = new QLineEdit(this);
  me_qzfwto->setObjectName("me_qzfwto");
  for (QLineEdit* e : {me_qzfwfrom, me_qzfwto}) {
    // Five digits: every value an analysed series may take.
    e->setInputMask(QStringLiteral("99999;_"));
    e->setFixedWidth(66);
  }
  range->addWidget(me_qzfwfrom);
  range->addWidget(new QLabel(QStringLiteral("<=取值范围<="), this));
  range->addWidget(me_qzfwto);
  range->addStretch(1);
  layout->addLayout(range);

  auto* options = new QGridLayout;
  auto option = [&](int row, const char* boxName, const char* caption, QRadioButton*& first,
                    const char* firstName, const char* firstCaption, QRadioButton*& second,
                    const char* secondName, const char* secondCaption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), this);
    box->setObjectName(boxName);
    first = new QRadioButton(QString::fromUtf8(firstCaption), this);
    first->setObjectName(firstName);
    second = new QRadioButton(QString::fromUtf8(secondCaption), this);
    second->setObjectName(secondName);
    auto* group = new QButtonGroup(this);
    group->addButton(first);
    group->addButton(second);
    first->setChecked(true);
    options->addWidget(box, row, 0);
    options->addWidget(first, row, 1);
    options->addWidget(second, row, 2);
    // The two choices count only while their box is checked.
    for (QRadioButton* rb : {first, second}) {
      rb->setEnabled(false);
      connect(box, &QCheckBox::toggled, rb, &QWidget::setEnabled);
    }
    return box;
  };
  cb_sj = option(0, "cb_sj", "升降", rb_s, "rb_s", "升", rb_j, "rb_j", "降");
  cb_jo = option(1, "cb_jo", "奇偶", rb_js, "rb_js", "奇数", rb_os, "rb_os", "偶数");
  cb_zh = option(2, "cb_zh", "质合", rb_zs, "rb_zs", "质数", rb_hs, "rb_hs", "合数");
  cb_rc = new QCheckBox(QStringLiteral("是否容错"), this);
  cb_rc->setObjectName("cb_rc");
  options->addWidget(cb_rc, 3, 0);
  layout->addLayout(options);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* ok = NamedButton(this, "b_ok", QStringLiteral("确定"));
  auto* cancel = NamedButton(this, "b_cancel", QStringLiteral("取消"));
  connect(ok, &QPushButton::clicked, this, &Tf_filter_zbpxz::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
}

void Tf_filter_zbpxz::Prepare(int32_t from, int32_t to) {
  me_qzfwfrom->setText(QString::number(from));
  me_qzfwto->setText(QString::number(to));
  for (QCheckBox* b : {cb_sj, cb_jo, cb_zh, cb_rc}) b->setChecked(false);
  for (QRadioButton* rb : {rb_s, rb_js, rb_zs}) rb->setChecked(true);
}

TransferOptions Tf_filter_zbpxz::Options() const {
  TransferOptions o;
  o.min = IntegerOf(*me_qzfwfrom);
  o.max = IntegerOf(*me_qzfwto);
  if (cb_sj->isChecked()) o.rise = rb_s->isChecked();
  if (cb_jo->isChecked()) o.odd = rb_js->isChecked();
  if (cb_zh->isChecked()) o.prime = rb_zs->isChecked();
  o.tolerant = cb_rc->isChecked();
  return o;
}

// A range that cannot be used keeps the dialog open with its message.
void Tf_filter_zbpxz::Confirm() {
  const TransferValues check = AllowedValues(Options(), 0);
  if (!check.ok()) {
    app_.shell.Inform(this, QString::fromStdString(check.error));
    return;
  }
  accept();
}

}  // namespace dlt::gui
