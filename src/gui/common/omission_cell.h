#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

namespace dlt::gui {

// How one value cell of an omission grid shows.
struct OmissionCellLook {
  // The order group of the value's column; negative for a column of no group.
  int group = 0;
  // The value came: its marker is drawn, with the text on it when `number`.
  bool hit = false;
  bool number = true;
  QColor markerText = Qt::white;
  // The text colour of a value that did not come (or is not marked).
  QColor text = Qt::black;
  // The text 4 pixels below the cell top (the trend grids) or centred.
  bool textAtTop = false;
};

// The text of a grid cell as the omission grids place it.
void OmissionCellText(QPainter& p, const QRect& cell, const QString& text, const QColor& colour,
                      bool atTop);

// Paints the cell: the background of its group (white for none), then the
// hit's marker (drawn by `marker`) with the text on it, or the text alone.
void PaintOmissionCell(QPainter& p, const QRect& cell, const QString& text,
                       const OmissionCellLook& look,
                       const std::function<void(QPainter&, const QRect&)>& marker);

}  // namespace dlt::gui
