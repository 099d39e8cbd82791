#include "gui/common/omission_cell.h"

#include <QPainter>

#include "gui/common/grid_look.h"

namespace dlt::gui {

void OmissionCellText(QPainter& p, const QRect& cell, const QString& text, const QColor& colour,
                      bool atTop) {
  p.setPen(colour);
  if (atTop)
    p.drawText(cell.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop, text);
  else
    p.drawText(cell, Qt::AlignCenter, text);
}

void PaintOmissionCell(QPainter& p, const QRect& cell, const QString& text,
                       const OmissionCellLook& look,
                       const std::function<void(QPainter&, const QRect&)>& marker) {
  p.fillRect(cell, look.group < 0   ? QColor(Qt::white)
                   : look.group % 2 ? grid_colour::kGroupSecond
                                    : grid_colour::kGroupFirst);
  if (look.hit) {
    marker(p, cell);
    if (look.number) OmissionCellText(p, cell, text, look.markerText, look.textAtTop);
  } else {
    OmissionCellText(p, cell, text, look.text, look.textAtTop);
  }
}

}  // namespace dlt::gui
