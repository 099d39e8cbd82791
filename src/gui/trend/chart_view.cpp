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
}

void ChartView::SetSource(Source source) {
  source_ = std::move(source);
  stale_ = true;
  if (isVisible()) Redraw();
}

void ChartView::Redraw() {
  stale_ = false;
  crosshair_ = {-1, -1};
  const QtTextMetrics metrics(font());
  chart_ = source_ ? source_(width(), height(), metrics) : Chart{};
  chart_.width = width();
  chart_.height = height();
  image_ = RenderChart(chart_, font(), sprites_);
  update();
  emit redrawn();
}

QAction* ChartView::ExportAction() const {
  return menu_->findChild<QAction*>("n_exportpicture");
}

bool ChartView::SaveImage(const QString& path) const {
  return image_.save(path, "PNG");
}

bool ChartView::ExportImage() {
  const QString chosen = shell_.SaveFileName(this, QStringLiteral("导出图片"), QString(),
                                             QStringLiteral("PNG 图片 (*.png)"));
  if (chosen.isEmpty()) return false;
  const QString path = WithPngSuffix(chosen);
  if (!SaveImage(path)) {
    shell_.Inform(this, QStringLiteral("无法写入文件：") + path);
    return false;
  }
  return true;
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.drawImage(0, 0, image_);
  if (crosshair_.x() >= 0) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawLine(crosshair_.x(), 0, crosshair_.x(), height());
    p.drawLine(0, crosshair_.y(), width(), crosshair_.y());
  }
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
  update();
}

void ChartView::leaveEvent(QEvent*) {
  crosshair_ = {-1, -1};
  update();
}

void ChartView::contextMenuEvent(QContextMenuEvent* e) {
  menu_->popup(e->globalPos() + QPoint(5, 0));
}

}  // namespace dlt::gui
