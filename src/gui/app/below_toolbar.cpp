#include "gui/app/below_toolbar.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "gui/app/app_context.h"

namespace dlt::gui {
namespace {

// Before the window manager has framed any window its frame is unknown:
// room for a title bar and borders this wide is kept.
constexpr QMargins kAssumedFrame(4, 32, 4, 4);

QMargins FrameMargins(const QWidget& w) {
  const QRect frame = w.frameGeometry();
  const QRect inner = w.geometry();
  return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                  frame.right() - inner.right(), frame.bottom() - inner.bottom());
}

const QWidget* ShownToolbar(const AppContext& app) {
  const QWidget* toolbar = app.hooks.toolbar ? app.hooks.toolbar() : nullptr;
  return toolbar && toolbar->isVisible() ? toolbar : nullptr;
}

int TopBelowToolbar(const AppContext& app) {
  const QWidget* toolbar = ShownToolbar(app);
  return toolbar ? std::max(kFeatureWindowTop, toolbar->frameGeometry().bottom() + 1)
                 : kFeatureWindowTop;
}

// The window's own frame once it has one, else the toolbar's, else room
// for a title bar.
QMargins ExpectedFrame(const QWidget& window, const AppContext& app) {
  QMargins frame = FrameMargins(window);
  if (!frame.isNull()) return frame;
  if (const QWidget* toolbar = ShownToolbar(app)) frame = FrameMargins(*toolbar);
  if (!frame.isNull()) return frame;
  return kAssumedFrame;
}

QRect Available(const QWidget& window) {
  const QScreen* screen = window.screen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

class PlaceOnShow : public QObject {
 public:
  PlaceOnShow(QWidget& window, QSize preferred, const AppContext& app, bool everyShow)
      : QObject(&window),
        window_(window),
        preferred_(preferred),
        app_(app),
        everyShow_(everyShow) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    // Before the window manager maps the window; a show of the restored
    // window from the task bar keeps its place.
    if (watched != &window_) return false;
    if (event->type() == QEvent::Show && !event->spontaneous() && (everyShow_ || !placed_)) {
      placed_ = true;
      framePending_ = true;
      Place();
    } else if (framePending_ && event->type() == QEvent::Paint) {
      // Painted, the window is mapped and framed by now: placed on a guess
      // of its frame, it is placed again when the real frame passes the
      // screen (after this paint).
      framePending_ = false;
      QMetaObject::invokeMethod(
          this,
          [this] {
            if (!FrameInside(Available(window_), window_.frameGeometry())) Place();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void Place() {
    PlaceBelowToolbar(window_, preferred_ == kFillArea ? kFillArea : window_.size(), app_);
  }

  QWidget& window_;
  QSize preferred_;
  const AppContext& app_;
  bool everyShow_;
  bool placed_ = false;
  bool framePending_ = false;
};

// The toolbar window itself: once framed, its frame is pulled onto the
// screen's available area.
class FrameOnScreen : public QObject {
 public:
  explicit FrameOnScreen(QWidget& window) : QObject(&window), window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &window_) return false;
    if (event->type() == QEvent::Show) pending_ = true;
    if (pending_ && event->type() == QEvent::Paint) {
      pending_ = false;
      QMetaObject::invokeMethod(
          this, [this] { Pull(); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void Pull() {
    const QRect available = Available(window_);
    const QRect frame = window_.frameGeometry();
    if (FrameInside(available, frame)) return;
    const QMargins margins = FrameMargins(window_);
    window_.resize(window_.size().boundedTo(available.marginsRemoved(margins).size()));
    window_.move(std::clamp(frame.left(), available.left(), available.right()),
                 std::clamp(frame.top(), available.top(), available.bottom()));
  }

  QWidget& window_;
  bool pending_ = false;
};

class MaximiseBelowToolbar : public QObject {
 public:
  MaximiseBelowToolbar(QWidget& window, const AppContext& app)
      : QObject(&window), window_(window), app_(app) {}

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
    const QRect area = AreaBelowToolbar(window_, app_);
    // A second maximise of a window that fills the area restores it.
    if (before == area && restore_.isValid()) {
      window_.setGeometry(restore_);
      return;
    }
    restore_ = before;
    window_.setGeometry(area);
  }

  QWidget& window_;
  const AppContext& app_;
  QRect restore_;
};

}  // namespace

WindowPlacement FitBelowToolbar(const QRect& available, int top, const QMargins& frame,
                                QSize preferred, QSize minimum) {
  QRect area = available;
  area.setTop(std::max(available.top(), top));
  const QSize room = area.marginsRemoved(frame).size().expandedTo(QSize(0, 0));
  return {area.topLeft(), preferred.boundedTo(room).expandedTo(minimum)};
}

bool FrameInside(const QRect& available, const QRect& frameGeometry) {
  return available.contains(frameGeometry);
}

QRect AreaBelowToolbar(const QWidget& window, const AppContext& app) {
  const QMargins frame = ExpectedFrame(window, app);
  const WindowPlacement p =
      FitBelowToolbar(Available(window), TopBelowToolbar(app), frame, kFillArea);
  return p.Frame(frame).marginsRemoved(frame);
}

void PlaceBelowToolbar(QWidget& window, QSize preferred, const AppContext& app) {
  const WindowPlacement p =
      FitBelowToolbar(Available(window), TopBelowToolbar(app), ExpectedFrame(window, app),
                      preferred, window.minimumSize());
  window.resize(p.inner);
  window.move(p.frameTopLeft);  // moves the frame, as the window manager has it
}

int FrameWidth(const QWidget& window) {
  const QMargins frame = FrameMargins(window);
  return frame.isNull() ? kAssumedFrame.left() + kAssumedFrame.right()
                        : frame.left() + frame.right();
}

void OpenBelowToolbar(QWidget& window, QSize preferred, const AppContext& app, bool everyShow) {
  PlaceBelowToolbar(window, preferred, app);
  window.installEventFilter(new PlaceOnShow(window, preferred, app, everyShow));
}

void KeepFrameOnScreen(QWidget& window) {
  window.installEventFilter(new FrameOnScreen(window));
}

void KeepBelowToolbarWhenMaximised(QWidget& window, const AppContext& app) {
  window.installEventFilter(new MaximiseBelowToolbar(window, app));
}

}  // namespace dlt::gui
