#pragma once

#include <QAbstractTableModel>
#include <optional>

#include "trend/omission_grid.h"
#include "trend/tally_chances.h"

namespace dlt::gui {

// An omission grid as a table: the draw rows (issue, value columns, draw
// text), then the selection row repeating the header and the five statistic
// rows, and with what chance gives the grid its four rows ("期望次数",
// "偏差", "期望遗漏", "遗漏概率"). The header row is the view's horizontal
// header. The grid is an engine value; the model only presents it.
class OmissionGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetGrid(OmissionGrid grid, std::optional<TallyChance> chance = std::nullopt);
  const OmissionGrid& Grid() const { return grid_; }
  const std::optional<TallyChance>& Chance() const { return chance_; }

  int SelectionRow() const { return grid_.Rows(); }
  // 0..4 for the statistic rows, 5..8 for the rows of chance, -1 otherwise.
  int StatisticRow(int row) const;
  bool IsValueColumn(int column) const { return column >= 1 && column <= grid_.Columns(); }
  int DrawColumn() const { return grid_.Columns() + 1; }
  // The value of a value column.
  int ValueOf(int column) const { return grid_.columns[column - 1]; }
  // The value column showing a value, -1 when none does.
  int ColumnOfValue(int value) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  int StatisticRows() const { return chance_ ? 9 : 5; }

  OmissionGrid grid_;
  std::optional<TallyChance> chance_;
};

}  // namespace dlt::gui
