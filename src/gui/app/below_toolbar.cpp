#include "gui/app/below_toolbar.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace dlt::gui {
namespace {

// Before the window manager has framed a window its frame is unknown: room
// for a title bar of this height is kept.
constexpr int kAssumedTitleBar = 32;

QMargins FrameMargins(const QWidget& w) {
  const QRect frame = w.frameGeometry();
  const QRect inner = w.geometry();
  return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                  frame.right() - inner.right(), frame.bottom() - inner.bottom());
}

class MaximiseBelowToolbar : public QObject {
 public:
  explicit MaximiseBelowToolbar(QWidget& window) : QObject(&window), window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::WindowStateChange &&
        (window_.windowState() & Qt::WindowMaximized))
      // The state is changed back once the platform has finished this change.
      QMetaObject::invokeMethod(
          this, [this] { Fill(); }, Qt::QueuedConnection);
    return false;
  }

 private:
  void Fill() {
    if (!(window_.windowState() & Qt::WindowMaximized)) return;
    const QRect before = window_.normalGeometry();
    window_.setWindowState(window_.windowState() & ~Qt::WindowMaximized);
    const QRect area = AreaBelowToolbar(window_);
    // A second maximise of a window that fills the area restores it.
    if (before == area && restore_.isValid()) {
      window_.setGeometry(restore_);
      return;
    }
    restore_ = before;
    window_.setGeometry(area);
  }

  QWidget& window_;
  QRect restore_;
};

}  // namespace

QRect AreaBelowToolbar(const QWidget& window) {
  const QScreen* screen = window.screen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  QRect area = available;
  area.setTop(std::max(available.top(), kFeatureWindowTop));
  return area.marginsRemoved(FrameMargins(window));
}

void PlaceBelowToolbar(QWidget& window, QSize preferred) {
  QRect area = AreaBelowToolbar(window);
  if (FrameMargins(window).isNull()) area.setTop(area.top() + kAssumedTitleBar);
  window.resize(preferred.boundedTo(area.size()).expandedTo(window.minimumSize()));
  window.move(0, kFeatureWindowTop);
}

void KeepBelowToolbarWhenMaximised(QWidget& window) {
  window.installEventFilter(new MaximiseBelowToolbar(window));
}

}  // namespace dlt::gui
