#include "gui/trend/chart_painter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <variant>

#include "gui/trend/sprite_painter.h"

namespace dlt::gui {
namespace {

QColor ToQt(ChartColour c) {
  return QColor(c.r, c.g, c.b);
}

Qt::PenStyle ToQt(LineStyle s) {
  switch (s) {
    case LineStyle::Dash:
      return Qt::DashLine;
    case LineStyle::Dot:
      return Qt::DotLine;
    case LineStyle::Solid:
      break;
  }
  return Qt::SolidLine;
}

QPen PenOf(ChartColour colour, double width, LineStyle style) {
  QPen pen(ToQt(colour), width, ToQt(style));
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

struct ItemPainter {
  QPainter& p;
  const SpritePainter* sprites;

  void operator()(const ChartLine& l) const {
    p.setPen(PenOf(l.colour, l.width, l.style));
    p.drawLine(QPointF(l.from.x, l.from.y), QPointF(l.to.x, l.to.y));
  }
  void operator()(const ChartDisc& d) const {
    p.setPen(QPen(ToQt(d.outline), 1));
    p.setBrush(ToQt(d.fill));
    p.drawEllipse(QPointF(d.centre.x, d.centre.y), d.radius, d.radius);
    p.setBrush(Qt::NoBrush);
  }
  void operator()(const ChartBox& b) const {
    const QRectF r(b.x, b.y, b.width, b.height);
    if (b.fill) p.fillRect(r, ToQt(*b.fill));
    if (b.outline) {
      p.setPen(PenOf(*b.outline, 1, b.style));
      p.setBrush(Qt::NoBrush);
      p.drawRect(r);
    }
  }
  void operator()(const ChartText& t) const {
    QFont font = p.font();
    const bool bold = font.bold();
    if (t.bold != bold) {
      font.setBold(t.bold);
      p.setFont(font);
    }
    const QString text = QString::fromStdString(t.text);
    const QFontMetricsF fm(p.font());
    const double w = fm.horizontalAdvance(text), h = fm.height();
    double x = t.at.x, y = t.at.y;
    if (t.h == HAlign::Centre) x -= w / 2;
    if (t.h == HAlign::Right) x -= w;
    if (t.v == VAlign::Centre) y -= h / 2;
    if (t.v == VAlign::Bottom) y -= h;
    p.setPen(ToQt(t.colour));
    p.drawText(QRectF(x, y, w + 1, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    if (t.bold != bold) {
      font.setBold(bold);
      p.setFont(font);
    }
  }
  void operator()(const ChartSprite& s) const {
    const QRectF cell(s.x, s.y, s.width, s.height);
    if (sprites) {
      sprites->Paint(p, cell, s.kind, s.index);
    } else {
      const SpritePainter none(std::array<QPixmap, 4>{});
      none.Paint(p, cell, s.kind, s.index);
    }
  }
};

}  // namespace

double QtTextMetrics::Width(const std::string& text) const {
  return metrics_.horizontalAdvance(QString::fromStdString(text));
}

double QtTextMetrics::Height(const std::string&) const {
  return metrics_.height();
}

void PaintPanel(QPainter& painter, const ChartPanel& panel, const SpritePainter* sprites) {
  const ItemPainter draw{painter, sprites};
  for (const ChartItem& item : panel.items) std::visit(draw, item);
}

void PaintChart(QPainter& painter, const Chart& chart, const SpritePainter* sprites) {
  painter.save();
  painter.fillRect(QRectF(0, 0, chart.width, chart.height), ToQt(chart.background));
  for (const ChartPanel& panel : chart.panels) PaintPanel(painter, panel, sprites);
  painter.restore();
}

QImage RenderChart(const Chart& chart, const QFont& font, const SpritePainter* sprites,
                   double devicePixelRatio, const ChartPanel* overlay) {
  const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
  const auto device = [ratio](int size) {
    return std::max(static_cast<int>(std::ceil(std::max(size, 1) * ratio)), 1);
  };
  QImage image(device(chart.width), device(chart.height), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setFont(font);
  p.setRenderHint(QPainter::Antialiasing);
  PaintChart(p, chart, sprites);
  if (overlay) PaintPanel(p, *overlay, sprites);
  return image;
}

}  // namespace dlt::gui
