#include "gui/killnum/kill_grid_model.h"

#include <QBrush>
#include <QColor>

namespace dlt::gui {

void KillGridModel::SetRows(std::vector<GridRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  columns_ = rows_.empty() ? 0 : static_cast<int>(rows_.front().cells.size());
  endResetModel();
}

int KillGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int KillGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

namespace {

QColor Background(const GridRow& row) {
  switch (row.kind) {
    case GridRowKind::Header:
      return {251, 183, 166};
    case GridRowKind::Rates:
      return {255, 162, 255};
    case GridRowKind::Draw:
      return row.allHeld ? QColor(139, 248, 145) : QColor(Qt::white);
    case GridRowKind::Prediction:
      return Qt::white;
  }
  return Qt::white;
}

QColor Foreground(GridCellKind kind) {
  switch (kind) {
    case GridCellKind::Serial:
      return Qt::blue;
    case GridCellKind::DrawNumber:
      return {204, 102, 219};
    case GridCellKind::Numbers:
      return Qt::red;
    case GridCellKind::List:
      return {248, 33, 242};
    case GridCellKind::Held:
      return {13, 4, 172};
    case GridCellKind::Failed:
      return {194, 75, 24};
    case GridCellKind::Plain:
      break;
  }
  return Qt::black;
}

}  // namespace

QVariant KillGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  const GridRow& row = rows_[static_cast<size_t>(index.row())];
  if (index.column() >= static_cast<int>(row.cells.size())) return {};
  const GridCell& cell = row.cells[static_cast<size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(cell.text);
    case Qt::BackgroundRole:
      return QBrush(Background(row));
    case Qt::ForegroundRole:
      return QBrush(row.kind == GridRowKind::Header ? QColor(Qt::black) : Foreground(cell.kind));
    default:
      return {};
  }
}

}  // namespace dlt::gui
