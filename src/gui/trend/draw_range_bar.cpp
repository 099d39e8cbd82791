#include "gui/trend/draw_range_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <algorithm>

#include "history/draw_table.h"

namespace dlt::gui {

DrawRangeBar::DrawRangeBar(const DrawTable& table, const RangeBarNames& names, QWidget* parent)
    : QWidget(parent), table_(table) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  near_ = new QRadioButton(QStringLiteral("近"), this);
  near_->setObjectName(names.nearRadio);
  near_->setChecked(true);
  count_ = new QComboBox(this);
  count_->setObjectName(names.countBox);
  count_->setEditable(true);
  count_->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& t : NearCountTexts()) count_->addItem(QString::fromStdString(t));
  count_->setCurrentText(QString::number(kDefaultNearCount));
  // A count the user types, or the scroll bar's, besides the items.
  count_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("^(\\d{0,6}|%1)$").arg(QString::fromUtf8(kAllDrawsText))),
      count_));
  count_->setFixedWidth(70);
  scroll_ = new QScrollBar(Qt::Horizontal, this);
  scroll_->setObjectName(names.scrollBar);
  scroll_->setMinimumWidth(160);
  self_ = new QRadioButton(QStringLiteral("自定义"), this);
  self_->setObjectName(names.selfRadio);
  from_ = new QComboBox(this);
  from_->setObjectName(names.from);
  to_ = new QComboBox(this);
  to_->setObjectName(names.to);
  label_ = new QLabel(this);
  label_->setObjectName(names.label);
  label_->setMinimumWidth(70);

  row->addWidget(near_);
  row->addWidget(count_);
  row->addWidget(new QLabel(QStringLiteral("期"), this));
  row->addWidget(scroll_);
  row->addSpacing(12);
  row->addWidget(self_);
  row->addWidget(from_);
  row->addWidget(new QLabel(QStringLiteral("至"), this));
  row->addWidget(to_);
  row->addWidget(label_);
  EnableFor(true);

  connect(near_, &QRadioButton::clicked, this, &DrawRangeBar::NearChosen);
  connect(self_, &QRadioButton::clicked, this, &DrawRangeBar::SelfChosen);
  connect(count_, &QComboBox::currentTextChanged, this, &DrawRangeBar::CountEdited);
  connect(scroll_, &QScrollBar::valueChanged, this, &DrawRangeBar::ScrollMoved);
  for (QComboBox* box : {from_, to_})
    connect(box, &QComboBox::currentIndexChanged, this, &DrawRangeBar::SelfChosen);
}

void DrawRangeBar::FillIssues() {
  Refill(false);
}

void DrawRangeBar::FollowTable() {
  Refill(true);
}

void DrawRangeBar::Refill(bool keepChoice) {
  const QSignalBlocker a(from_), b(to_), c(scroll_);
  const QString from = from_->currentText(), to = to_->currentText();
  from_->clear();
  to_->clear();
  QStringList issues;
  issues.reserve(table_.RecordCount());
  for (const Draw& d : table_.Draws()) issues << QString::number(d.qs);
  from_->addItems(issues);
  to_->addItems(issues);
  const auto pick = [&](QComboBox* box, const QString& chosen, int fallback) {
    const int kept = keepChoice ? box->findText(chosen) : -1;
    box->setCurrentIndex(issues.isEmpty() ? -1 : kept >= 0 ? kept : fallback);
  };
  pick(from_, from, DefaultRangeStart(table_.RecordCount()));
  pick(to_, to, static_cast<int>(issues.size()) - 1);
  scroll_->setRange(0, table_.RecordCount());
  scroll_->setValue(NearCountOfText(count_->currentText().toStdString(), table_.RecordCount()));
  if (self_->isChecked()) label_->setText(QStringLiteral("共%1期").arg(std::max(Range().count, 0)));
}

DrawRange DrawRangeBar::Range() const {
  if (near_->isChecked())
    return NearRange(table_.RecordCount(),
                     NearCountOfText(count_->currentText().toStdString(), table_.RecordCount()));
  return CustomRange(table_.Draws(), from_->currentText().toInt(), to_->currentText().toInt());
}

int32_t DrawRangeBar::LastIssue() const {
  const DrawRange r = Range();
  return r.last >= 0 && r.last < table_.RecordCount() ? table_.Draws()[r.last].qs : 0;
}

void DrawRangeBar::EnableFor(bool near) {
  from_->setEnabled(!near);
  to_->setEnabled(!near);
  count_->setEnabled(near);
  scroll_->setEnabled(near);
}

void DrawRangeBar::NearChosen() {
  label_->clear();
  EnableFor(true);
  emit changed();
}

void DrawRangeBar::SelfChosen() {
  if (!self_->isChecked()) self_->setChecked(true);
  EnableFor(false);
  label_->setText(QStringLiteral("共%1期").arg(Range().count));
  emit changed();
}

void DrawRangeBar::CountEdited(const QString& text) {
  {
    // "所有" moves the scroll bar to its end.
    const QSignalBlocker quiet(scroll_);
    scroll_->setValue(NearCountOfText(text.toStdString(), table_.RecordCount()));
  }
  emit changed();
}

void DrawRangeBar::ScrollMoved(int position) {
  {
    const QSignalBlocker quiet(count_);
    count_->setEditText(QString::number(position));
  }
  emit changed();
}

}  // namespace dlt::gui
