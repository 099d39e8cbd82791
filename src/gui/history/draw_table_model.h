#pragma once

#include <QAbstractTableModel>
#include <functional>

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

// The draw table as a grid: columns 期数, 主号一..主号五, 副号一, 副号二.
// An edit is checked as a whole draw before it is posted; a refused edit
// leaves the table as it was and reports why.
class DrawTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit DrawTableModel(QObject* parent = nullptr);

  void SetTable(DrawTable* table);
  DrawTable* Table() const { return table_; }
  // Re-reads the rows after the table changed behind the model's back.
  void Refresh();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  void editRefused(const QString& message);
  // The row of the table's cursor after a posted edit (its place may change).
  void posted(int row);

 private:
  DrawTable* table_ = nullptr;
};

}  // namespace dlt::gui
