#pragma once

#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdint>

#include "gui/trend/sprite_painter.h"
#include "trend/grid_selection.h"
#include "trend/indicator_chart.h"

class QMenu;

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

struct AppContext;

// What the pages of the trend window share: the program, the sprites, the
// display mode, the selection marks and the popup menu pm1.
struct FxdContext {
  explicit FxdContext(AppContext& a);

  AppContext& app;
  SpritePainter sprites;
  // 0 "球+数字" (default), 1 "球", 2 "方块+数字", 3 "方块".
  int displayMode = 0;
  GridSelection selection;
  QMenu* pm1 = nullptr;

  DrawTable& Table() const;
  // The anchor draw of the paged pages: the table's current record (0 when empty).
  int Anchor() const;
  // A chart page's view of the history at the anchor.
  TrendPage PageAt(int span, int width, int height) const;
  // Popup menus open at the mouse position shifted 5 pixels to the right.
  void OpenDisplayMenu(QPoint globalPos) const;
};

// A page of the trend window: it fills itself when shown.
class FxdPage : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  virtual void Fill() = 0;
  // The window is shown: the page refills its lists and defaults.
  virtual void FormShow() {}
};

}  // namespace dlt::gui
