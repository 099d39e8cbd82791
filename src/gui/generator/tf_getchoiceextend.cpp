#include "gui/generator/tf_getchoiceextend.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "gui/generator/picker_rule_group.h"
#include "gui/generator/picker_tile.h"

namespace dlt::gui {

Tf_getchoiceextend::Tf_getchoiceextend(AppContext& app, QWidget* parent)
    : ValuePickerDialog(app, false, parent) {
  setObjectName("Tf_getchoiceextend");
  setWindowTitle(QStringLiteral("选择"));
  for (int v = 0; v < kTileCount; ++v) {
    tiles_[v] = new PickerTile(v, this);
    tiles_[v]->hide();
  }
  buttons_ = new QWidget(this);
  buttons_->setObjectName("p_buttons");
  AddButtonRow(buttons_);
  Prepare(0, 0, std::nullopt);
}

void Tf_getchoiceextend::Prepare(int first, int last, std::optional<int> current) {
  SetRange(std::clamp(first, 0, kTileCount - 1), std::clamp(last, 0, kTileCount - 1),
           current.value_or(0));
  for (PickerTile* t : tiles_) t->hide();
  int rows = 0;
  for (int v = First(); v <= Last(); ++v) {
    const int i = v - First();
    tiles_[v]->move(kTileOrigin + (i % kTilesPerRow) * kTileStep,
                    kTileOrigin + (i / kTilesPerRow) * kTileStep);
    tiles_[v]->show();
    rows = i / kTilesPerRow + 1;
  }
  const int width = kTileOrigin * 2 + kTilesPerRow * kTileStep;
  int y = kTileOrigin + rows * kTileStep + 5;
  buttons_->setGeometry(kTileOrigin, y, width - 2 * kTileOrigin, buttons_->sizeHint().height());
  y += buttons_->height() + 5;
  Rules()->setVisible(current.has_value());
  if (current) {
    Rules()->setGeometry(kTileOrigin, y, width - 2 * kTileOrigin, Rules()->sizeHint().height());
    y += Rules()->height() + 5;
  }
  setFixedSize(width, y);
}

void Tf_getchoiceextend::Begin(const std::vector<int>& selected) {
  ResetSelection();
  for (int v : selected)
    if (v >= First() && v <= Last()) tiles_[v]->SetSelected(true);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

PickerTile* Tf_getchoiceextend::Tile(int value) const {
  return value >= 0 && value < kTileCount ? tiles_[value] : nullptr;
}

bool Tf_getchoiceextend::IsSelected(int value) const {
  return tiles_[value]->Selected();
}

void Tf_getchoiceextend::SetSelected(int value, bool selected) {
  tiles_[value]->SetSelected(selected);
}

}  // namespace dlt::gui
