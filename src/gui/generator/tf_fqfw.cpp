#include "gui/generator/tf_fqfw.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "common/numbers.h"
#include "gui/app/app_context.h"
#include "gui/app/masked_edit.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"

namespace dlt::gui {

namespace {

MaskedEdit* RangeEdit(QWidget* parent, const char* name, int value) {
  auto* e = new MaskedEdit(QStringLiteral("000; "), parent);
  e->setObjectName(name);
  e->SetNumber(value);
  e->setFixedWidth(48);
  return e;
}

}  // namespace

QString Tf_fqfw::ZoneListing(int k, int32_t from, int32_t to) {
  const std::vector<int> z = ZoneBounds(k, from, to);
  QString zones;
  for (int j = 1; j <= k && j < static_cast<int>(z.size()); ++j) {
    const int lower = j == 1 ? from : z[j - 1] + 1;
    zones += QStringLiteral("第%1分区<%2..%3>;  ").arg(j).arg(lower).arg(z[j]);
  }
  return QStringLiteral("(%1分区的分区设定)\n").arg(k) + zones + QStringLiteral("\n\n");
}

Tf_fqfw::Tf_fqfw(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_fqfw");
  setWindowTitle(QStringLiteral("取值范围及分区"));
  resize(620, 420);
  auto* layout = new QVBoxLayout(this);

  auto* rangeRow = new QHBoxLayout;
  fromEdit_ = RangeEdit(this, "me_zbqzfrom", 1);
  toEdit_ = RangeEdit(this, "me_zbqzto", 16);
  QPushButton* apply = NamedButton(this, "b_apply", QStringLiteral("应用"));
  connect(apply, &QPushButton::clicked, this, &Tf_fqfw::Apply);
  rangeRow->addWidget(fromEdit_);
  rangeRow->addWidget(new QLabel(QStringLiteral("<=指标取值范围<="), this));
  rangeRow->addWidget(toEdit_);
  rangeRow->addWidget(apply);
  rangeRow->addStretch();
  layout->addLayout(rangeRow);

  auto* zoneRow = new QHBoxLayout;
  common_ = new QRadioButton(QStringLiteral("显示常用分区"), this);
  common_->setObjectName("rb_regu_fq");
  chosen_ = new QRadioButton(QStringLiteral("显示指定分区"), this);
  chosen_->setObjectName("rb_zd_fq");
  zoneCount_ = new QComboBox(this);
  zoneCount_->setObjectName("cb_zd_fq");
  for (int k = 2; k <= 1000; ++k) zoneCount_->addItem(QString::number(k));
  zoneCount_->setCurrentText(QStringLiteral("20"));
  common_->setChecked(true);
  zoneRow->addWidget(common_);
  zoneRow->addWidget(chosen_);
  zoneRow->addWidget(zoneCount_);
  zoneRow->addStretch();
  layout->addLayout(zoneRow);

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  layout->addWidget(memo_, 1);

  QPushButton* close = NamedButton(this, "b_close", QStringLiteral("关闭"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignRight);
}

void Tf_fqfw::SetRange(int32_t from, int32_t to) {
  fromEdit_->SetNumber(from);
  toEdit_->SetNumber(to);
}

QString Tf_fqfw::Listing() const {
  return memo_->toPlainText();
}

void Tf_fqfw::showEvent(QShowEvent* event) {
  common_->setChecked(true);
  Apply();
  QDialog::showEvent(event);
}

void Tf_fqfw::Apply() {
  bool fromOk = false, toOk = false;
  const int from = fromEdit_->text().trimmed().toInt(&fromOk);
  const int to = toEdit_->text().trimmed().toInt(&toOk);
  // A blank or reversed range would list nonsense zones; the applied range stays.
  if (!fromOk || !toOk) {
    app_.shell.Inform(this, QStringLiteral("取值范围未输入数据"));
    return;
  }
  if (from > to) {
    app_.shell.Inform(this, QStringLiteral("取值范围的下限不能大于上限"));
    return;
  }
  from_ = from;
  to_ = to;
  QString listing;
  if (chosen_->isChecked()) {
    listing = ZoneListing(zoneCount_->currentText().toInt(), from_, to_);
  } else {
    for (int k = 2; k <= 15; ++k) listing += ZoneListing(k, from_, to_);
  }
  memo_->setPlainText(listing);
  memo_->moveCursor(QTextCursor::Start);
}

}  // namespace dlt::gui
