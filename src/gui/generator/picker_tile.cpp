#include "gui/generator/picker_tile.h"

#include <QMouseEvent>

namespace dlt::gui {

PickerTile::PickerTile(int value, QWidget* parent) : QLabel(parent), value_(value) {
  setObjectName(QStringLiteral("tile_%1").arg(value));
  setText(QString::number(value));
  setAlignment(Qt::AlignCenter);
  setFixedSize(kSize, kSize);
  setAutoFillBackground(true);
  SetSelected(false);
}

void PickerTile::SetSelected(bool selected) {
  selected_ = selected;
  QPalette p = palette();
  p.setColor(QPalette::Window, selected ? SelectedColour() : UnselectedColour());
  setPalette(p);
}

void PickerTile::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Toggle();
  QLabel::mousePressEvent(event);
}

}  // namespace dlt::gui
