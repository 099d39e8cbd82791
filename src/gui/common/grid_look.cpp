#include "gui/common/grid_look.h"

namespace dlt::gui {

QString GridHeaderStyle() {
  return QStringLiteral(
      "QHeaderView::section { background-color: rgb(255,203,179); color: black; "
      "border: 1px solid #c0c0c0; padding: 2px; }");
}

}  // namespace dlt::gui
