#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

#include "chart/chart_panel.h"

class QPainter;

namespace dlt::gui {

class SpritePainter;

// Text sizes in a Qt font, for the engine's chart layout.
class QtTextMetrics : public TextMetrics {
 public:
  explicit QtTextMetrics(const QFont& font) : metrics_(font) {}
  double Width(const std::string& text) const override;
  double Height(const std::string& text) const override;

 private:
  QFontMetricsF metrics_;
};

// The one chart painter: clears to the background and draws every item of
// every panel in order. Sprites need a sprite painter (none: stand-ins).
void PaintChart(QPainter& painter, const Chart& chart, const SpritePainter* sprites);
// The items of one panel over what is painted already (the hover readout).
void PaintPanel(QPainter& painter, const ChartPanel& panel, const SpritePainter* sprites);
// The chart as a picture of its own size, painted at `devicePixelRatio`
// device pixels per chart pixel so that it stays sharp on a scaled screen,
// with the hover readout's overlay on top when one is given.
QImage RenderChart(const Chart& chart, const QFont& font, const SpritePainter* sprites,
                   double devicePixelRatio = 1, const ChartPanel* overlay = nullptr);

}  // namespace dlt::gui
