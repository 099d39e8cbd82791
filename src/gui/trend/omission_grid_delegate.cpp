#include "gui/trend/omission_grid_delegate.h"

#include <QPainter>

#include "chart/column_order.h"
#include "gui/common/grid_look.h"
#include "gui/common/omission_cell.h"
#include "gui/trend/fxd_context.h"
#include "gui/trend/omission_grid_model.h"
#include "trend/distribution_chart.h"

namespace dlt::gui {
namespace {

using namespace grid_colour;

// Text centred horizontally, 4 pixels below the cell top.
void CellText(QPainter& p, const QRect& cell, const QString& text, const QColor& colour) {
  OmissionCellText(p, cell, text, colour, true);
}

ChartColour ToChart(const QColor& c) {
  return ChartColour{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                     static_cast<uint8_t>(c.blue())};
}

}  // namespace

std::vector<LegendEntry> ShadingLegend(bool typeGroups) {
  return PartitionLegend(ToChart(kGroupFirst), ToChart(kGroupSecond), typeGroups);
}

void OmissionGridDelegate::PaintMarker(QPainter& p, const QRect& cell, int colour) const {
  if (look_.kind == GridPageKind::Back) {
    const int side = cell.height();
    const QRectF disc(cell.center().x() - side / 2.0, cell.top(), side, side);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kBackDisc);
    p.drawEllipse(disc.adjusted(1, 1, -1, -1));
    p.restore();
    return;
  }
  fxd_.sprites.Paint(
      p, cell, ShowsBall(fxd_.displayMode) ? SpritePainter::kBall : SpritePainter::kSquare, colour);
}

void OmissionGridDelegate::PaintSelectionCell(QPainter& p, const QRect& cell, int value) const {
  int colour = -1;
  if (look_.kind == GridPageKind::Front && fxd_.selection.IsMarked(value))
    colour = look_.backNumbers ? 1 : 0;
  if (look_.kind == GridPageKind::Tail && fxd_.selection.TailMark(value) > 0)
    colour = fxd_.selection.TailMark(value) - 1;
  if (colour < 0) return;
  PaintMarker(p, cell, colour);
  if (ShowsNumber(fxd_.displayMode)) CellText(p, cell, QString::number(value), Qt::white);
}

void OmissionGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QPainter& p = *painter;
  const QRect cell = option.rect;
  const int row = index.row(), col = index.column();
  const QString text = index.data().toString();
  const OmissionGrid& grid = model_.Grid();
  p.save();

  if (const int k = model_.StatisticRow(row); k >= 0) {
    // Statistic rows alternate by their place under the header row.
    const int gridRow = row + 1;
    p.fillRect(cell, gridRow % 2 ? kSummaryOdd : kSummaryEven);
    const QVariant colour = index.data(Qt::ForegroundRole);
    CellText(p, cell, text, colour.isValid() ? colour.value<QColor>() : QColor(Qt::black));
  } else if (row == model_.SelectionRow()) {
    if (look_.kind == GridPageKind::Back) {
      p.fillRect(cell, kHeader);
      CellText(p, cell, text, Qt::black);
    } else {
      p.fillRect(cell, Qt::white);
      if (col == 0) CellText(p, cell, text, Qt::blue);
      if (model_.IsValueColumn(col)) PaintSelectionCell(p, cell, model_.ValueOf(col));
    }
  } else if (col == 0) {
    p.fillRect(cell, Qt::white);
    CellText(p, cell, text, Qt::blue);
  } else if (col == model_.DrawColumn()) {
    p.fillRect(cell, Qt::white);
    CellText(p, cell, text, kDrawText);
  } else {
    // A value the type filter leaves out shows its background alone.
    const bool shown = PassesTypeFilter(look_.typeFilter, model_.ValueOf(col));
    const OmissionCell& c = grid.Cell(row, col - 1);
    PaintOmissionCell(p, cell, shown ? text : QString(),
                      {.group = GroupOfPosition(grid.backgroundBounds, col - 1),
                       .hit = shown && c.Hit(),
                       .number = ShowsNumber(fxd_.displayMode),
                       .markerText = kHitText,
                       .text = kOmissionText,
                       .textAtTop = true},
                      [&](QPainter& q, const QRect& r) { PaintMarker(q, r, c.marker); });
  }
  if (option.state & QStyle::State_HasFocus) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
  }
  p.restore();
}

}  // namespace dlt::gui
