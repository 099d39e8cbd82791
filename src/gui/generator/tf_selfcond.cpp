#include "gui/generator/tf_selfcond.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/generator/picker_study_aid.h"
#include "gui/generator/value_pickers.h"

namespace dlt::gui {

namespace {

// The quick choices in combo order: (divisor, remainder).
struct QuickChoice {
  const char* caption;
  int divisor;
  int remainder;
};
constexpr QuickChoice kQuickChoices[] = {
    {"除三余零数", 3, 0}, {"除三余一数", 3, 1}, {"除三余二数", 3, 2}, {"除四余零数", 4, 0},
    {"除四余一数", 4, 1}, {"除四余二数", 4, 2}, {"除四余三数", 4, 3}, {"除五余零数", 5, 0},
    {"除五余一数", 5, 1}, {"除五余二数", 5, 2}, {"除五余三数", 5, 3}, {"除五余四数", 5, 4},
};

}  // namespace

QString CountText(const std::vector<int>& counts) {
  QString text;
  for (int c : counts) text += QString::number(c) + QStringLiteral("  ");
  return text;
}

Tf_selfcond::Tf_selfcond(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_selfcond");
  setWindowTitle(QStringLiteral("自设条件"));
  auto* layout = new QVBoxLayout(this);

  auto* grid = new QGridLayout;
  for (int n = 1; n <= 35; ++n) {
    auto* box = new QCheckBox(QString::number(n).rightJustified(2, '0'), this);
    box->setObjectName(QStringLiteral("cb_%1").arg(n));
    connect(box, &QCheckBox::toggled, this, [this, n](bool on) { flags_[n] = on; });
    boxes_[n] = box;
    grid->addWidget(box, (n - 1) / 7, (n - 1) % 7);
  }
  layout->addLayout(grid);

  auto* countRow = new QHBoxLayout;
  countLabel_ = new QLabel(QStringLiteral("出现个数选择"), this);
  countEdit_ = new QLineEdit(this);
  countEdit_->setObjectName("e_choosegs");
  countEdit_->setReadOnly(true);
  countButton_ = NamedButton(this, "b_choosegs", QStringLiteral("  ...  "));
  connect(countButton_, &QPushButton::clicked, this, &Tf_selfcond::PickCounts);
  countRow->addWidget(countLabel_);
  countRow->addWidget(countEdit_, 1);
  countRow->addWidget(countButton_);
  layout->addLayout(countRow);

  auto* quickRow = new QHBoxLayout;
  quick_ = new QComboBox(this);
  quick_->setObjectName("cb_quickchoose");
  for (const QuickChoice& q : kQuickChoices) quick_->addItem(QString::fromUtf8(q.caption));
  quick_->setCurrentIndex(-1);
  connect(quick_, &QComboBox::activated, this, &Tf_selfcond::QuickChoose);
  tolerant_ = new QCheckBox(QStringLiteral("容错"), this);
  tolerant_->setObjectName("cb_selfcondrc");
  quickRow->addWidget(quick_, 1);
  quickRow->addWidget(tolerant_);
  layout->addLayout(quickRow);

  auto* buttons = new QHBoxLayout;
  QPushButton* all = NamedButton(this, "b_selall", QStringLiteral("全选"));
  connect(all, &QPushButton::clicked, this, &Tf_selfcond::SelectAll);
  QPushButton* reset = NamedButton(this, "b_reset", QStringLiteral("复位"));
  connect(reset, &QPushButton::clicked, this, &Tf_selfcond::ResetBoxes);
  QPushButton* study = NamedButton(this, "b_filterzs", QStringLiteral("过滤助手"));
  connect(study, &QPushButton::clicked, this, &Tf_selfcond::Study);
  QPushButton* ok = NamedButton(this, "b_ok", QStringLiteral("确定"));
  connect(ok, &QPushButton::clicked, this, &Tf_selfcond::TryAccept);
  for (QPushButton* b : {all, reset, study, ok}) buttons->addWidget(b);
  layout->addLayout(buttons);
}

void Tf_selfcond::SetCountRowVisible(bool visible) {
  countRowVisible_ = visible;
  countLabel_->setVisible(visible);
  countEdit_->setVisible(visible);
  countButton_->setVisible(visible);
}

void Tf_selfcond::Begin() {
  tolerant_->setChecked(false);
  ResetBoxes();
}

std::vector<int> Tf_selfcond::Numbers() const {
  std::vector<int> numbers;
  for (int n = 1; n <= 35; ++n)
    if (flags_[n]) numbers.push_back(n);
  return numbers;
}

bool Tf_selfcond::Tolerant() const {
  return tolerant_->isChecked();
}

void Tf_selfcond::PickCounts() {
  PickRequest request;
  request.first = 0;
  request.last = 5;
  request.selected = counts_;
  request.study.kind = StudySubject::Kind::kNumberGroup;
  request.study.group = Numbers();
  if (request.study.group.empty()) request.study.kind = StudySubject::Kind::kNone;
  const auto picked = PickValues(app_, this, request);
  if (!picked) return;
  counts_ = *picked;
  countEdit_->setText(CountText(counts_));
}

void Tf_selfcond::QuickChoose(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kQuickChoices))) return;
  const QuickChoice& q = kQuickChoices[index];
  for (int n = 1; n <= 35; ++n) boxes_[n]->setChecked(n % q.divisor == q.remainder);
}

void Tf_selfcond::SelectAll() {
  for (int n = 1; n <= 35; ++n) boxes_[n]->setChecked(true);
}

void Tf_selfcond::ResetBoxes() {
  for (int n = 1; n <= 35; ++n) boxes_[n]->setChecked(false);
  countEdit_->clear();
  quick_->setCurrentIndex(-1);
  counts_.clear();
}

void Tf_selfcond::TryAccept() {
  if (countRowVisible_ && counts_.empty()) {
    app_.shell.Inform(this, QStringLiteral("未选择号码组应出现的次数"));
    return;
  }
  if (Numbers().empty()) {
    app_.shell.Inform(this, QStringLiteral("未选择号码"));
    return;
  }
  accept();
}

void Tf_selfcond::Study() {
  StudySubject subject;
  subject.kind = StudySubject::Kind::kNumberGroup;
  subject.group = Numbers();
  if (subject.group.empty()) {
    app_.shell.Inform(this, QStringLiteral("未选择号码"));
    return;
  }
  RunStudyAid(app_, this, subject);
}

}  // namespace dlt::gui
