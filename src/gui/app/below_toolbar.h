#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace dlt::gui {

struct AppContext;

// Feature windows open no higher than this, under the main toolbar.
inline constexpr int kFeatureWindowTop = 62;
// A preferred size that asks for the whole area below the toolbar.
inline constexpr QSize kFillArea(1 << 20, 1 << 20);

// Where a window goes: its frame's top-left corner and its inner size.
struct WindowPlacement {
  QPoint frameTopLeft;
  QSize inner;
  QRect Frame(const QMargins& frame) const { return QRect(frameTopLeft, inner.grownBy(frame)); }
};

// The placement of a window with frame margins `frame` that keeps its whole
// frame inside `available`, no higher than `top`, at the area's left, with
// the inner size nearest `preferred` that fits; only a `minimum` larger than
// the area makes it larger.
WindowPlacement FitBelowToolbar(const QRect& available, int top, const QMargins& frame,
                                QSize preferred, QSize minimum = {});

// Whether a window's frame (title bar and borders included) lies inside
// the screen's available area.
bool FrameInside(const QRect& available, const QRect& frameGeometry);

// The inner geometry a feature window has when it fills the available
// screen below the toolbar's frame, its frame included.
QRect AreaBelowToolbar(const QWidget& window, const AppContext& app);

// Places a feature window below the toolbar's frame with `preferred` inner
// size, shrunk to what the available screen below it holds, frame included.
// A window not framed yet is given the toolbar's frame margins: the window
// manager frames both alike.
void PlaceBelowToolbar(QWidget& window, QSize preferred, const AppContext& app);

// The width the window manager's frame adds to the window (its left and
// right borders), or a guess before it is framed.
int FrameWidth(const QWidget& window);

// Places the window now and again at each show (`everyShow`) or at its
// first show only (later shows keep where the user put it); `preferred`
// kFillArea fills the area below the toolbar, else the window keeps the
// size it has at that show as far as the area holds it.
void OpenBelowToolbar(QWidget& window, QSize preferred, const AppContext& app, bool everyShow);

// Once the window manager has framed `window` after a show, its frame is
// moved onto the screen's available area (and the window narrowed) where
// it passes it.
void KeepFrameOnScreen(QWidget& window);

// Maximising `window` fills the screen below the toolbar instead of covering
// it; maximising it again gives it back its former geometry.
void KeepBelowToolbarWhenMaximised(QWidget& window, const AppContext& app);

}  // namespace dlt::gui
