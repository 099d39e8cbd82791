// The one chart painter at the screen's device pixel ratio: a chart painted
// for a scaled screen has that many device pixels per chart pixel and is
// painted at them, not stretched from a picture of chart pixels. CTest runs
// this file once more on a screen scaled by two (QT_SCALE_FACTOR=2).
#include "gui/trend/chart_painter.h"

#include <QPainter>
#include <QTest>
#include <QtMath>

#include "gui/trend/chart_view.h"
#include "gui_test_support.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

// Lines, a disc and a box: shapes whose edges fall inside chart pixels.
Chart Shapes() {
  Chart chart;
  chart.width = 120;
  chart.height = 80;
  ChartPanel panel;
  panel.items.push_back(ChartLine{{5, 70}, {115, 10}});
  panel.items.push_back(ChartLine{{10, 40.5}, {110, 40.5}, colours::kPurple, 1, LineStyle::Dash});
  panel.items.push_back(ChartDisc{{60, 40}, 7.3});
  panel.items.push_back(ChartBox{20.25, 15.5, 30, 12, colours::kRed, colours::kBlack});
  chart.panels.push_back(std::move(panel));
  return chart;
}

// The chart painted on a picture `ratio` times as large with the painter
// scaled by `ratio`: what painting at device pixels gives.
QImage PaintedAt(const Chart& chart, int ratio) {
  QImage image(chart.width * ratio, chart.height * ratio, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(ratio, ratio);
  PaintChart(p, chart, nullptr);
  return image;
}

// The 2x2 blocks of a picture twice the chart's size whose four pixels differ:
// detail finer than one chart pixel, which a stretched picture never has.
int DetailedBlocks(const QImage& image) {
  int n = 0;
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb a = image.pixel(x, y);
      if (image.pixel(x + 1, y) != a || image.pixel(x, y + 1) != a ||
          image.pixel(x + 1, y + 1) != a)
        ++n;
    }
  return n;
}

}  // namespace

class ChartPainterTest : public QObject {
  Q_OBJECT
 private slots:
  void paintsAtTheDevicePixelRatio();
  void aViewPaintsAtItsScreensRatio();
};

void ChartPainterTest::paintsAtTheDevicePixelRatio() {
  const Chart chart = Shapes();
  const QFont font;
  const QImage plain = RenderChart(chart, font, nullptr, 1);
  QCOMPARE(plain.size(), QSize(120, 80));
  QCOMPARE(plain.convertToFormat(QImage::Format_RGB32), PaintedAt(chart, 1));

  const QImage sharp = RenderChart(chart, font, nullptr, 2);
  QCOMPARE(sharp.size(), QSize(240, 160));
  QCOMPARE(sharp.devicePixelRatio(), 2.0);
  QCOMPARE(sharp.deviceIndependentSize(), QSizeF(120, 80));
  QImage atDevicePixels = sharp.convertToFormat(QImage::Format_RGB32);
  atDevicePixels.setDevicePixelRatio(1);  // the pixels alone against the reference
  QCOMPARE(atDevicePixels, PaintedAt(chart, 2));

  // Not the plain picture stretched: that has no detail inside a chart pixel
  // when copied, and is a blurred copy when smoothed.
  const QImage copied = plain.scaled(240, 160);
  QCOMPARE(DetailedBlocks(copied), 0);
  QVERIFY(DetailedBlocks(sharp) > 100);
  const QImage smoothed = plain.scaled(240, 160, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QVERIFY(smoothed.convertToFormat(QImage::Format_RGB32) != atDevicePixels);

  // A fractional ratio rounds the picture up to whole device pixels.
  QCOMPARE(RenderChart(chart, font, nullptr, 1.5).size(), QSize(180, 120));
}

void ChartPainterTest::aViewPaintsAtItsScreensRatio() {
  FakeShell shell;
  ChartView view(shell, nullptr);
  view.SetSource([](int w, int h, const TextMetrics&) {
    Chart chart = Shapes();
    chart.width = w;
    chart.height = h;
    return chart;
  });
  view.resize(300, 200);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  const qreal ratio = view.devicePixelRatioF();
  if (qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2) QCOMPARE(ratio, 2.0);
  QCOMPARE(view.Image().devicePixelRatio(), ratio);
  QCOMPARE(view.Image().size(), QSize(qCeil(300 * ratio), qCeil(200 * ratio)));
  // What the screen shows is the picture painted at its pixels.
  const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(shown.size(), view.Image().size());
  QCOMPARE(shown, view.Image().convertToFormat(QImage::Format_RGB32));
}

DLT_GUI_TEST(ChartPainterTest);
#include "chart_painter_test.moc"
