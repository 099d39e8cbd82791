// Draws the program's icon: a glossy red ball of the front zone in front of a
// smaller blue ball of the back zone, each with the white disc a drawn ball
// carries its number on. Every size is painted afresh rather than scaled, so
// the small ones stay sharp.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <array>
#include <cstdio>

namespace {

const QColor kFront(220, 30, 35);  // the colours of the program's ball sprites
const QColor kBack(30, 80, 215);

// One ball in a unit square: centre and radius as fractions of the side.
void Ball(QPainter& p, double side, QPointF centre, double radius, const QColor& colour) {
  const QPointF c = centre * side;
  const double r = radius * side;
  // A soft shadow under the ball lifts it off any background.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 45));
  p.drawEllipse(c + QPointF(0, r * 0.06), r * 1.02, r * 1.02);

  QRadialGradient body(c - QPointF(r * 0.35, r * 0.4), r * 1.45);
  body.setColorAt(0, colour.lighter(170));
  body.setColorAt(0.45, colour);
  body.setColorAt(1, colour.darker(190));
  p.setBrush(body);
  p.drawEllipse(c, r, r);

  // The number disc, a little off centre as on a ball turning towards us.
  const QPointF disc = c + QPointF(-r * 0.08, -r * 0.06);
  QRadialGradient paper(disc - QPointF(r * 0.1, r * 0.1), r * 0.55);
  paper.setColorAt(0, QColor(255, 255, 255));
  paper.setColorAt(1, QColor(222, 222, 228));
  p.setBrush(paper);
  p.drawEllipse(disc, r * 0.42, r * 0.42);

  // Highlight: skipped where it would only blur a few pixels.
  if (side >= 32) {
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawEllipse(c + QPointF(-r * 0.48, -r * 0.62), r * 0.22, r * 0.12);
  }
}

QImage Icon(int side) {
  QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  Ball(p, side, QPointF(0.70, 0.68), 0.27, kBack);
  Ball(p, side, QPointF(0.41, 0.42), 0.37, kFront);
  return img;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon <folder>\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  for (int side : std::array{16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString dir = root + QStringLiteral("/%1x%1/apps").arg(side);
    const QString path = dir + "/dlt.png";
    if (!QDir().mkpath(dir) || !Icon(side).save(path, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
