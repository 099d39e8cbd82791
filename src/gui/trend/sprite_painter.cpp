#include "gui/trend/sprite_painter.h"

#include <QColor>
#include <QPainter>
#include <algorithm>

namespace dlt::gui {
namespace {

bool Masked(int kind) {
  return kind == SpritePainter::kBall || kind == SpritePainter::kMaskedSquare;
}

// Combining the mask and the sprite: white mask pixels let the background
// show, the others take the sprite's pixel.
QImage Cut(const QImage& strip, int kind, int index) {
  const int size = strip.height();
  if (strip.isNull() || size <= 0 || strip.width() < size * (SpritePainter::kMaskSprite + 1))
    return {};
  QImage sprite = strip.copy(index * size, 0, size, size).convertToFormat(QImage::Format_ARGB32);
  if (!Masked(kind)) return sprite;
  const QImage mask = strip.copy(SpritePainter::kMaskSprite * size, 0, size, size)
                          .convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < size; ++y) {
    auto* out = reinterpret_cast<QRgb*>(sprite.scanLine(y));
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < size; ++x)
      if (qGray(m[x]) >= 128) out[x] = qRgba(0, 0, 0, 0);
  }
  return sprite;
}

QColor StandIn(int index) {
  static const QColor colours[] = {QColor(220, 30, 35), QColor(30, 80, 215), QColor(30, 160, 60)};
  return index >= 0 && index < 3 ? colours[index] : QColor(120, 120, 120);
}

}  // namespace

SpritePainter::SpritePainter(const std::array<QPixmap, 4>& strips) {
  for (int k = 0; k < 4; ++k) {
    const QImage strip = strips[k].toImage();
    for (int i = 0; i < kMaskSprite; ++i) sprites_[k][i] = Cut(strip, k + 1, i);
  }
}

QImage SpritePainter::Sprite(int kind, int index) const {
  if (kind < kSquare || kind > kMaskedSquare || index < 0 || index >= kMaskSprite) return {};
  return sprites_[kind - 1][index];
}

void SpritePainter::Paint(QPainter& painter, const QRectF& cell, int kind, int index) const {
  QRectF target = cell;
  if (Masked(kind)) {
    const double side = std::min(cell.width(), cell.height());
    target = QRectF(cell.center().x() - side / 2, cell.center().y() - side / 2, side, side);
  }
  const QImage sprite = Sprite(kind, index);
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!sprite.isNull()) {
    painter.drawImage(target, sprite);
  } else {
    painter.setPen(Qt::NoPen);
    painter.setBrush(StandIn(index));
    painter.setRenderHint(QPainter::Antialiasing);
    if (kind == 2)
      painter.drawEllipse(target.adjusted(1, 1, -1, -1));
    else
      painter.drawRect(target.adjusted(1, 1, -1, -1));
  }
  painter.restore();
}

}  // namespace dlt::gui
