#include "gui/generator/tf_getchoiceextend.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/generator/picker_rule_group.h"
#include "gui/generator/picker_study_aid.h"
#include "gui/generator/picker_tile.h"

namespace dlt::gui {

Tf_getchoiceextend::Tf_getchoiceextend(AppContext& app, QWidget* parent)
    : QDialog(parent), app_(app) {
  setObjectName("Tf_getchoiceextend");
  setWindowTitle(QStringLiteral("选择"));
  for (int v = 0; v < kTileCount; ++v) {
    tiles_[v] = new PickerTile(v, this);
    tiles_[v]->hide();
  }

  buttons_ = new QWidget(this);
  buttons_->setObjectName("p_buttons");
  auto* row = new QHBoxLayout(buttons_);
  row->setContentsMargins(0, 0, 0, 0);
  connect(AddButton("b_selall", QStringLiteral("全选")), &QPushButton::clicked, this,
          &Tf_getchoiceextend::SelectAll);
  connect(AddButton("b_selnone", QStringLiteral("全不选")), &QPushButton::clicked, this,
          &Tf_getchoiceextend::SelectNone);
  connect(AddButton("b_inverse", QStringLiteral("反选")), &QPushButton::clicked, this,
          &Tf_getchoiceextend::Invert);
  connect(AddButton("b_reset", QStringLiteral("重置")), &QPushButton::clicked, this,
          &Tf_getchoiceextend::ResetSelection);
  study_ = AddButton("b_filterzs", QStringLiteral("过滤助手"));
  connect(study_, &QPushButton::clicked, this, &Tf_getchoiceextend::Study);
  row->addStretch();
  QPushButton* ok = AddButton("b_ok", QStringLiteral("确定"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(AddButton("b_cancel", QStringLiteral("取消")), &QPushButton::clicked, this,
          &QDialog::reject);

  rules_ = new PickerRuleGroup(false, this);
  connect(rules_->ChooseButton(), &QPushButton::clicked, this, &Tf_getchoiceextend::ChooseByRules);
  Prepare(0, 0, std::nullopt);
}

QPushButton* Tf_getchoiceextend::AddButton(const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, buttons_);
  b->setObjectName(name);
  b->setAutoDefault(false);
  static_cast<QHBoxLayout*>(buttons_->layout())->addWidget(b);
  return b;
}

void Tf_getchoiceextend::Prepare(int first, int last, std::optional<int> current) {
  first_ = std::clamp(first, 0, kTileCount - 1);
  last_ = std::clamp(last, 0, kTileCount - 1);
  current_ = current.value_or(0);
  for (PickerTile* t : tiles_) t->hide();
  int rows = 0;
  for (int v = first_; v <= last_; ++v) {
    const int i = v - first_;
    tiles_[v]->move(kTileOrigin + (i % kTilesPerRow) * kTileStep,
                    kTileOrigin + (i / kTilesPerRow) * kTileStep);
    tiles_[v]->show();
    rows = i / kTilesPerRow + 1;
  }
  const int width = kTileOrigin * 2 + kTilesPerRow * kTileStep;
  int y = kTileOrigin + rows * kTileStep + 5;
  buttons_->setGeometry(kTileOrigin, y, width - 2 * kTileOrigin, buttons_->sizeHint().height());
  y += buttons_->height() + 5;
  rules_->setVisible(current.has_value());
  if (current) {
    rules_->setGeometry(kTileOrigin, y, width - 2 * kTileOrigin, rules_->sizeHint().height());
    y += rules_->height() + 5;
  }
  setFixedSize(width, y);
}

void Tf_getchoiceextend::SetStudySubject(const StudySubject& subject) {
  subject_ = subject;
  study_->setEnabled(subject.kind != StudySubject::Kind::kNone);
}

void Tf_getchoiceextend::Begin(const std::vector<int>& selected) {
  ResetSelection();
  for (int v : selected)
    if (v >= first_ && v <= last_) tiles_[v]->SetSelected(true);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

std::vector<int> Tf_getchoiceextend::SelectedValues() const {
  std::vector<int> values;
  for (int v = first_; v <= last_; ++v)
    if (tiles_[v]->Selected()) values.push_back(v);
  return values;
}

PickerTile* Tf_getchoiceextend::Tile(int value) const {
  return value >= 0 && value < kTileCount ? tiles_[value] : nullptr;
}

void Tf_getchoiceextend::SetAll(bool selected) {
  for (int v = first_; v <= last_; ++v) tiles_[v]->SetSelected(selected);
}

void Tf_getchoiceextend::Invert() {
  for (int v = first_; v <= last_; ++v) tiles_[v]->Toggle();
}

void Tf_getchoiceextend::ResetSelection() {
  SetAll(false);
  rules_->Reset();
}

void Tf_getchoiceextend::ChooseByRules() {
  std::vector<int> values;
  QString message;
  const bool complete = rules_->Select(first_, last_, current_, &values, &message);
  SetAll(false);
  for (int v : values) tiles_[v]->SetSelected(true);
  if (!complete) app_.shell.Inform(this, message);
}

void Tf_getchoiceextend::Study() {
  RunStudyAid(app_, this, subject_);
}

}  // namespace dlt::gui
