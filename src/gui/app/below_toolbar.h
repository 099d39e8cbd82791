#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace dlt::gui {

// Feature windows open this far from the top of the screen, under the main
// toolbar.
inline constexpr int kFeatureWindowTop = 62;

// The inner geometry a feature window has when it fills the available
// screen below the toolbar, its frame (as the window has it now) included.
QRect AreaBelowToolbar(const QWidget& window);

// Places a feature window at its place under the toolbar with `preferred`
// inner size, shrunk to what the screen below the toolbar holds.
void PlaceBelowToolbar(QWidget& window, QSize preferred);

// Maximising `window` fills the screen below the toolbar instead of covering
// it; maximising it again gives it back its former geometry.
void KeepBelowToolbarWhenMaximised(QWidget& window);

}  // namespace dlt::gui
