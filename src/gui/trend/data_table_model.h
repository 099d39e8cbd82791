#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <string>
#include <unordered_map>
#include <vector>

namespace dlt {
class DrawTable;
struct EvalEnv;
}  // namespace dlt

namespace dlt::gui {

// One data table of "常规数据表" over the whole history: rows are computed by
// the engine when the view asks for them, so a fill of thousands of draws is
// instant.
class DataTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  DataTableModel(const DrawTable& table, const EvalEnv& env, int tableNo,
                 QObject* parent = nullptr);

  int TableNo() const { return tableNo_; }
  // Reads the history again.
  void Reload();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const std::vector<std::string>& Row(int row) const;

  const DrawTable& table_;
  const EvalEnv& env_;
  int tableNo_;
  int rows_ = 0;
  mutable std::unordered_map<int, std::vector<std::string>> cache_;
};

// The painting of the data tables: column 0 green with blue text, the front
// numbers red and the back numbers violet (tables 1 and 2), text centred 4
// pixels below the top.
class DataTableDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace dlt::gui
