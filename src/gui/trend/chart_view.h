#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <optional>

#include "chart/chart_panel.h"
#include "chart/chart_readout.h"

class QMenu;

namespace dlt::gui {

class ShellServices;
class SpritePainter;

// A chart picture: holds the chart the engine computed for its size, paints
// it at the screen's device pixel ratio, draws the crosshair and the hover
// readout as an overlay on mouse move, and saves itself as PNG from its
// context menu ("导出图片", or "导出图片（含读数）" with the readout where the
// menu was opened). Pages give it a source that computes the chart for a
// size; a resize or Redraw() asks it again.
class ChartView : public QWidget {
  Q_OBJECT
 public:
  using Source = std::function<Chart(int width, int height, const TextMetrics& metrics)>;

  ChartView(ShellServices& shell, const SpritePainter* sprites, QWidget* parent = nullptr);

  // The chart is computed when the view is next shown or redrawn.
  void SetSource(Source source);
  // Computes the chart again (the crosshair is reset).
  void Redraw();
  const Chart& CurrentChart() const { return chart_; }
  // The picture without the crosshair, in device pixels.
  const QImage& Image() const { return image_; }
  // The last mouse position drawn, (-1, -1) when none.
  QPoint Crosshair() const { return crosshair_; }
  // What the crosshair reads off where it stands; none without a crosshair
  // or away from every column.
  std::optional<ChartReadout> Readout() const;
  // The picture with the crosshair and readout at a position, as exported.
  QImage PictureWithReadout(QPoint at) const;
  // The context menu; pages may put their own items before "导出图片".
  QMenu* Menu() const { return menu_; }
  QAction* ExportAction() const;
  // "导出图片": asks for a file and writes the picture as PNG, with the
  // readout at `readoutAt` when given; false when cancelled or the file
  // cannot be written (the user is told).
  bool ExportImage(std::optional<QPoint> readoutAt = std::nullopt);
  bool SaveImage(const QString& path, std::optional<QPoint> readoutAt = std::nullopt) const;

 signals:
  void redrawn();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  ShellServices& shell_;
  const SpritePainter* sprites_;
  Source source_;
  Chart chart_;
  QImage image_;
  QPoint crosshair_{-1, -1};
  ChartPanel overlay_;        // crosshair and readout at crosshair_
  QPoint menuPoint_{-1, -1};  // where the context menu was opened
  QAction* exportReadout_ = nullptr;
  QMenu* menu_ = nullptr;
  bool stale_ = true;
};

}  // namespace dlt::gui
