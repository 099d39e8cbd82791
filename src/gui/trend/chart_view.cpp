#include "gui/trend/chart_view.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "gui/app/shell_services.h"
#include "gui/trend/chart_painter.h"

namespace dlt::gui {
namespace {

QString WithPngSuffix(QString path) {
  if (QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) != 0)
    path += QStringLiteral(".png");
  return path;
}

ChartPoint ChartPointOf(QPoint p) {
  return ChartPoint{static_cast<double>(p.x()), static_cast<double>(p.y())};
}

}  // namespace

ChartView::ChartView(ShellServices& shell, const SpritePainter* sprites, QWidget* parent)
    : QWidget(parent), shell_(shell), sprites_(sprites) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
  menu_ = new QMenu(this);
  QAction* exportItem = menu_->addAction(QStringLiteral("导出图片"));
  exportItem->setObjectName("n_exportpicture");
  connect(exportItem, &QAction::triggered, this, [this] { ExportImage(); });
  exportReadout_ = menu_->addAction(QStringLiteral("导出图片（含读数）"));
  exportReadout_->setObjectName("n_exportpicturereadout");
  connect(exportReadout_, &QAction::triggered, this, [this] { ExportImage(menuPoint_); });
}

void ChartView::SetSource(Source source) {
  source_ = std::move(source);
  stale_ = true;
  if (isVisible()) Redraw();
}

void ChartView::Redraw() {
  stale_ = false;
  crosshair_ = {-1, -1};
  overlay_ = {};
  const QtTextMetrics metrics(font());
  chart_ = source_ ? source_(width(), height(), metrics) : Chart{};
  chart_.width = width();
  chart_.height = height();
  image_ = RenderChart(chart_, font(), sprites_, devicePixelRatioF());
  update();
  emit redrawn();
}

std::optional<ChartReadout> ChartView::Readout() const {
  if (crosshair_.x() < 0) return std::nullopt;
  return ReadoutAt(chart_, ChartPointOf(crosshair_));
}

QImage ChartView::PictureWithReadout(QPoint at) const {
  const ChartPanel overlay = ReadoutOverlay(chart_, ChartPointOf(at), QtTextMetrics(font()));
  return RenderChart(chart_, font(), sprites_, image_.devicePixelRatio(), &overlay);
}

QAction* ChartView::ExportAction() const {
  return menu_->findChild<QAction*>("n_exportpicture");
}

bool ChartView::SaveImage(const QString& path, std::optional<QPoint> readoutAt) const {
  return (readoutAt ? PictureWithReadout(*readoutAt) : image_).save(path, "PNG");
}

bool ChartView::ExportImage(std::optional<QPoint> readoutAt) {
  const QString chosen = shell_.SaveFileName(this, QStringLiteral("导出图片"), QString(),
                                             QStringLiteral("PNG 图片 (*.png)"));
  if (chosen.isEmpty()) return false;
  const QString path = WithPngSuffix(chosen);
  if (!SaveImage(path, readoutAt)) {
    shell_.Inform(this, QStringLiteral("无法写入文件：") + path);
    return false;
  }
  return true;
}

void ChartView::paintEvent(QPaintEvent*) {
  // Moved to a screen of another scale: paint again at its pixel ratio.
  if (!image_.isNull() && image_.devicePixelRatio() != devicePixelRatioF())
    image_ = RenderChart(chart_, font(), sprites_, devicePixelRatioF());
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.drawImage(0, 0, image_);
  if (crosshair_.x() >= 0) PaintPanel(p, overlay_, sprites_);
}

void ChartView::resizeEvent(QResizeEvent*) {
  // A hidden page is drawn when it is shown again.
  if (isVisible())
    Redraw();
  else
    stale_ = true;
}

void ChartView::showEvent(QShowEvent*) {
  if (stale_) Redraw();
}

void ChartView::mouseMoveEvent(QMouseEvent* e) {
  crosshair_ = e->position().toPoint();
  overlay_ = ReadoutOverlay(chart_, ChartPointOf(crosshair_), QtTextMetrics(font()));
  update();
}

void ChartView::leaveEvent(QEvent*) {
  crosshair_ = {-1, -1};
  overlay_ = {};
  update();
}

void ChartView::contextMenuEvent(QContextMenuEvent* e) {
  menuPoint_ = e->pos();
  exportReadout_->setEnabled(ReadoutAt(chart_, ChartPointOf(menuPoint_)).has_value());
  menu_->popup(e->globalPos() + QPoint(5, 0));
}

}  // namespace dlt::gui
