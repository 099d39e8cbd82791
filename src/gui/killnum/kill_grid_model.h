#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "killnum/kill_grid.h"

namespace dlt::gui {

// The rows of an analysis grid with the colours of their cells: header
// rows salmon, the rate row pink, a row on which every formula held green;
// the serial blue, the draw number purple, the numbers red, the list
// magenta, a held formula dark blue and a failed one brown.
class KillGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(std::vector<GridRow> rows);
  const std::vector<GridRow>& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<GridRow> rows_;
  int columns_ = 0;
};

}  // namespace dlt::gui
