#pragma once

#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <array>

class QPainter;

namespace dlt::gui {

// Paints marker sprites cut from the four strips pic1..pic4 (sprite k of a
// strip is the square at x = k times the strip's height). Kinds 1 and 3 are
// copied stretched to the cell; kinds 2 and 4 go through the mask in sprite 9
// of their strip into the centred square of the cell's shorter side, so the
// corners keep the background. A missing strip paints a plain stand-in.
class SpritePainter {
 public:
  static constexpr int kMaskSprite = 9;
  // The kinds, one per strip.
  static constexpr int kSquare = 1;        // pic1, stretched
  static constexpr int kBall = 2;          // pic2, masked
  static constexpr int kPicture = 3;       // pic3, stretched
  static constexpr int kMaskedSquare = 4;  // pic4, masked

  explicit SpritePainter(const std::array<QPixmap, 4>& strips);

  // kind 1..4, index 0..8 (0 front red, 1 back blue, 2 marked hits).
  void Paint(QPainter& painter, const QRectF& cell, int kind, int index) const;
  // The sprite as painted for a kind (with transparency where masked); null
  // when the strip is missing.
  QImage Sprite(int kind, int index) const;

 private:
  std::array<std::array<QImage, kMaskSprite>, 4> sprites_;
};

}  // namespace dlt::gui
