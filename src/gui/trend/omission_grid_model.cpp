#include "gui/trend/omission_grid_model.h"

#include <QColor>
#include <cmath>

#include "chart/tcoordinate.h"

namespace dlt::gui {

void OmissionGridModel::SetGrid(OmissionGrid grid, std::optional<TallyChance> chance) {
  beginResetModel();
  grid_ = std::move(grid);
  chance_ = std::move(chance);
  endResetModel();
}

int OmissionGridModel::StatisticRow(int row) const {
  const int k = row - grid_.Rows() - 1;
  return k >= 0 && k < StatisticRows() ? k : -1;
}

int OmissionGridModel::ColumnOfValue(int value) const {
  for (int j = 0; j < grid_.Columns(); ++j)
    if (grid_.columns[j] == value) return j + 1;
  return -1;
}

int OmissionGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Rows() + 1 + StatisticRows();
}

int OmissionGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Columns() + 2;
}

QVariant OmissionGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row(), col = index.column();
  const int chanceRow = StatisticRow(row) - 5;
  if (role == Qt::ForegroundRole && chanceRow == 1 && IsValueColumn(col)) {
    // Beyond two standard deviations chance alone rarely goes.
    const double d = chance_->columns[static_cast<size_t>(col - 1)].deviation;
    return QColor(std::abs(d) >= 2 ? Qt::red : Qt::black);
  }
  if (role == Qt::ToolTipRole && chanceRow >= 0 && IsValueColumn(col))
    return QString::fromStdString(
        ChanceRowText(chance_->columns[static_cast<size_t>(col - 1)], chanceRow));
  if (role != Qt::DisplayRole) return {};
  const bool value = IsValueColumn(col);
  if (row < grid_.Rows()) {
    if (col == 0) return QString::fromStdString(IssueText(grid_.issues[row]));
    if (value) return grid_.Cell(row, col - 1).value;
    return QString::fromStdString(grid_.drawTexts[row]);
  }
  if (row == SelectionRow()) {
    if (col == 0) return QStringLiteral("期号");
    return value ? QVariant(ValueOf(col)) : QVariant();
  }
  const int k = StatisticRow(row);
  if (chanceRow >= 0) {
    if (col == 0) return QString::fromStdString(ChanceRowShortTitle(chanceRow));
    if (!value) return {};
    return QString::fromStdString(
        ChanceRowShortText(chance_->columns[static_cast<size_t>(col - 1)], chanceRow));
  }
  if (col == 0) return QString::fromStdString(StatisticRowTitles()[k]);
  return value ? QVariant(StatisticValue(grid_.stats[col - 1], k)) : QVariant();
}

QVariant OmissionGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  if (section == 0) return QStringLiteral("期号");
  if (IsValueColumn(section)) return ValueOf(section);
  return {};
}

}  // namespace dlt::gui
