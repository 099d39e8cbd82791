#include "gui/generator/tf_wsset.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/generator/picker_study_aid.h"
#include "gui/generator/tf_selfcond.h"
#include "gui/generator/value_pickers.h"

namespace dlt::gui {

namespace {}  // namespace

Tf_wsset::Tf_wsset(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_wsset");
  setWindowTitle(QStringLiteral("尾数设置"));
  auto* layout = new QVBoxLayout(this);

  digits_ = new QListWidget(this);
  digits_->setObjectName("cb1");
  digits_->setFlow(QListView::LeftToRight);
  digits_->setWrapping(true);
  digits_->setGridSize(QSize(40, 20));
  digits_->setSelectionMode(QAbstractItemView::NoSelection);
  for (int d = 0; d <= 9; ++d) {
    auto* item = new QListWidgetItem(QString::number(d), digits_);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(Qt::Unchecked);
  }
  digits_->setFixedHeight(52);
  layout->addWidget(digits_);

  auto* countRow = new QHBoxLayout;
  countEdit_ = new QLineEdit(this);
  countEdit_->setObjectName("e_choosegs");
  countEdit_->setReadOnly(true);
  QPushButton* pick = NamedButton(this, "b_choosegs", QStringLiteral("  ...  "));
  connect(pick, &QPushButton::clicked, this, &Tf_wsset::PickCounts);
  countRow->addWidget(new QLabel(QStringLiteral("出现个数选择"), this));
  countRow->addWidget(countEdit_, 1);
  countRow->addWidget(pick);
  layout->addLayout(countRow);

  auto* boxRow = new QHBoxLayout;
  tolerant_ = new QCheckBox(QStringLiteral("容错"), this);
  tolerant_->setObjectName("cb_selfcond_ws_rc");
  distinct_ = new QCheckBox(QStringLiteral("相同尾数仅计算一次"), this);
  distinct_->setObjectName("cb_onlyone");
  distinct_->setChecked(true);
  boxRow->addWidget(tolerant_);
  boxRow->addWidget(distinct_);
  boxRow->addStretch();
  layout->addLayout(boxRow);

  auto* buttons = new QHBoxLayout;
  QPushButton* all = NamedButton(this, "b_selall", QStringLiteral("全选"));
  connect(all, &QPushButton::clicked, this, &Tf_wsset::SelectAll);
  QPushButton* reset = NamedButton(this, "b_reset", QStringLiteral("复位"));
  connect(reset, &QPushButton::clicked, this, &Tf_wsset::ResetBoxes);
  QPushButton* study = NamedButton(this, "b_filterzs", QStringLiteral("过滤助手"));
  connect(study, &QPushButton::clicked, this, &Tf_wsset::Study);
  QPushButton* ok = NamedButton(this, "b_ok", QStringLiteral("确定"));
  connect(ok, &QPushButton::clicked, this, &Tf_wsset::TryAccept);
  for (QPushButton* b : {all, reset, study, ok}) buttons->addWidget(b);
  layout->addLayout(buttons);
}

void Tf_wsset::Begin() {
  tolerant_->setChecked(false);
  ResetBoxes();
}

std::vector<int> Tf_wsset::Digits() const {
  std::vector<int> digits;
  for (int d = 0; d <= 9; ++d)
    if (digits_->item(d)->checkState() == Qt::Checked) digits.push_back(d);
  return digits;
}

bool Tf_wsset::Tolerant() const {
  return tolerant_->isChecked();
}
bool Tf_wsset::Distinct() const {
  return distinct_->isChecked();
}

void Tf_wsset::PickCounts() {
  PickRequest request;
  request.first = 0;
  request.last = 5;
  request.selected = counts_;
  request.study.group = Digits();
  request.study.distinct = Distinct();
  if (!request.study.group.empty()) request.study.kind = StudySubject::Kind::kTailGroup;
  const auto picked = PickValues(app_, this, request);
  if (!picked) return;
  counts_ = *picked;
  countEdit_->setText(CountText(counts_));
}

void Tf_wsset::SelectAll() {
  for (int d = 0; d <= 9; ++d) digits_->item(d)->setCheckState(Qt::Checked);
}

void Tf_wsset::ResetBoxes() {
  for (int d = 0; d <= 9; ++d) digits_->item(d)->setCheckState(Qt::Unchecked);
  countEdit_->clear();
  counts_.clear();
}

void Tf_wsset::TryAccept() {
  if (Digits().empty()) {
    app_.shell.Inform(this, QStringLiteral("未选择号码"));
    return;
  }
  if (counts_.empty()) {
    app_.shell.Inform(this, QStringLiteral("未选择尾号组应出现的次数"));
    return;
  }
  accept();
}

void Tf_wsset::Study() {
  StudySubject subject;
  subject.kind = StudySubject::Kind::kTailGroup;
  subject.group = Digits();
  subject.distinct = Distinct();
  if (subject.group.empty()) {
    app_.shell.Inform(this, QStringLiteral("未选择号码"));
    return;
  }
  RunStudyAid(app_, this, subject);
}

}  // namespace dlt::gui
