// Draws the four sprite strips and writes the two spiral layout files.
//
// Strips (sprite k at x = k * size): pic1 18-pixel squares, pic2 46-pixel
// balls with their mask in sprite 9, pic3 25-pixel cell pictures, pic4
// 18-pixel rounded squares with their mask in sprite 9. Colour index 0 is
// the front-zone red, 1 the back-zone blue, 2 the colour of marked hits.
// Masks are white where the background shows and black under the sprite;
// masked sprites are black outside their shape, so a mask combined with
// AND and the sprite with OR keep the background in the corners.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cstdio>

namespace {

constexpr int kSprites = 10;
constexpr int kMaskSprite = 9;

const std::array<QColor, 9> kColours = {
    QColor(220, 30, 35),    // 0 front zone
    QColor(30, 80, 215),    // 1 back zone
    QColor(30, 160, 60),    // 2 marked hits
    QColor(240, 150, 20),   // 3
    QColor(140, 60, 190),   // 4
    QColor(120, 120, 120),  // 5
    QColor(225, 200, 30),   // 6
    QColor(20, 170, 190),   // 7
    QColor(235, 100, 170)   // 8
};

QImage Strip(int size) {
  QImage img(size * kSprites, size, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

void Bevel(QPainter& p, QRect r, QColor c) {
  p.fillRect(r, c);
  p.setPen(c.lighter(150));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(c.darker(160));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

// pic1: plain squares, copied stretched into a cell.
QImage Squares() {
  constexpr int s = 18;
  QImage img = Strip(s);
  QPainter p(&img);
  for (int k = 0; k < kSprites; ++k) {
    const QColor c = k < 9 ? kColours[k] : QColor(250, 250, 250);
    Bevel(p, QRect(k * s, 0, s, s).adjusted(0, 0, -1, -1), c);
  }
  return img;
}

// pic2: glossy balls on black, mask in sprite 9.
QImage Balls() {
  constexpr int s = 46;
  QImage img = Strip(s);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF disc(1.5, 1.5, s - 3, s - 3);
  for (int k = 0; k < kSprites; ++k) {
    const QRect cell(k * s, 0, s, s);
    if (k == kMaskSprite) {
      p.fillRect(cell, Qt::white);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::black);
      p.drawEllipse(disc.translated(cell.topLeft()));
      continue;
    }
    p.fillRect(cell, Qt::black);
    const QPointF centre = cell.topLeft() + QPointF(s / 2.0, s / 2.0);
    QRadialGradient g(centre - QPointF(s / 6.0, s / 6.0), s * 0.62);
    g.setColorAt(0, kColours[k].lighter(175));
    g.setColorAt(0.55, kColours[k]);
    g.setColorAt(1, kColours[k].darker(170));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(disc.translated(cell.topLeft()));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(cell.left() + s * 0.24, s * 0.14, s * 0.26, s * 0.16));
  }
  return img;
}

// pic3: cell pictures; sprite 4 is the pale background of matrix cells.
QImage Pictures() {
  constexpr int s = 25;
  QImage img = Strip(s);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  for (int k = 0; k < kSprites; ++k) {
    const QRect cell(k * s, 0, s, s);
    if (k == 4) {
      QLinearGradient g(cell.topLeft(), cell.bottomRight());
      g.setColorAt(0, QColor(255, 252, 235));
      g.setColorAt(1, QColor(236, 228, 200));
      p.fillRect(cell, g);
      p.setPen(QColor(190, 180, 150));
      p.drawRect(cell.adjusted(0, 0, -1, -1));
      continue;
    }
    const QColor c = k < 9 ? kColours[k] : QColor(245, 245, 245);
    QLinearGradient g(cell.topLeft(), cell.bottomLeft());
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(1, c.darker(120));
    p.fillRect(cell, g);
    p.setPen(c.darker(170));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
  }
  return img;
}

// pic4: rounded squares on black, mask in sprite 9.
QImage RoundedSquares() {
  constexpr int s = 18;
  QImage img = Strip(s);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF shape(1, 1, s - 2, s - 2);
  for (int k = 0; k < kSprites; ++k) {
    const QRect cell(k * s, 0, s, s);
    QPainterPath path;
    path.addRoundedRect(shape.translated(cell.topLeft()), 4, 4);
    if (k == kMaskSprite) {
      p.fillRect(cell, Qt::white);
      p.fillPath(path, Qt::black);
      continue;
    }
    p.fillRect(cell, Qt::black);
    QLinearGradient g(cell.topLeft(), cell.bottomLeft());
    g.setColorAt(0, kColours[k].lighter(150));
    g.setColorAt(1, kColours[k].darker(120));
    p.fillPath(path, g);
  }
  return img;
}

// A 6 x 6 spiral: position of each cell along a clockwise walk from the
// top-left corner inwards (1..36); cells 37..40 keep their own numbers.
std::array<int, 40> InwardSpiral() {
  std::array<int, 40> cells{};
  int top = 0, left = 0, bottom = 5, right = 5, step = 1;
  while (top <= bottom && left <= right) {
    for (int c = left; c <= right; ++c) cells[top * 6 + c] = step++;
    for (int r = top + 1; r <= bottom; ++r) cells[r * 6 + right] = step++;
    if (top < bottom)
      for (int c = right - 1; c >= left; --c) cells[bottom * 6 + c] = step++;
    if (left < right)
      for (int r = bottom - 1; r > top; --r) cells[r * 6 + left] = step++;
    ++top, ++left, --bottom, --right;
  }
  for (int k = 36; k < 40; ++k) cells[k] = k + 1;
  return cells;
}

bool WriteLayout(const QString& path, const std::array<int, 40>& cells) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QByteArray text;
  for (int line = 0; line < 4; ++line) {
    for (int i = line * 10; i < line * 10 + 10; ++i)
      text += QByteArray::number(cells[i]).rightJustified(2, '0') + "  ";
    text += "\r\n";
  }
  return f.write(text) == text.size();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sprites <data folder>\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(root + "/pic");
  QDir().mkpath(root + "/database");
  const std::array<QImage, 4> strips = {Squares(), Balls(), Pictures(), RoundedSquares()};
  for (int i = 0; i < 4; ++i) {
    const QString path = root + QStringLiteral("/pic/pic%1.bmp").arg(i + 1);
    if (!strips[i].save(path, "BMP")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  const std::array<int, 40> inward = InwardSpiral();
  std::array<int, 40> outward = inward;
  for (int k = 0; k < 36; ++k) outward[k] = 37 - inward[k];
  if (!WriteLayout(root + "/database/lx.hls", inward) ||
      !WriteLayout(root + "/database/wx.hls", outward)) {
    std::fprintf(stderr, "cannot write the layout files\n");
    return 1;
  }
  return 0;
}
