#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QStyledItemDelegate>
#include <vector>

class QTableView;

namespace dlt::gui {

// A grid of texts whose first row is its header row, for the tables the
// trend window fills on demand (a few hundred rows at most).
class TextGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(std::vector<QStringList> rows, int columns);
  QString Text(int row, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<QStringList> rows_;
  int columns_ = 0;
};

// The painting of the shape table and the mosaic: every cell draws its text
// centred 4 pixels below its top; the header row on RGB(255,203,179), the
// issue column blue (on RGB(172,253,186) in the mosaic), the numbers red,
// and from `shapeFrom` on the characters of each shape name in their colours.
class TextGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  TextGridDelegate(bool mosaic, QObject* parent) : QStyledItemDelegate(parent), mosaic_(mosaic) {}
  void SetShapeFrom(int column) { shapeFrom_ = column; }
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  bool mosaic_;
  int shapeFrom_ = -1;
};

// A grid view set up for a text grid: no headers of its own, one line per row.
QTableView* MakeTextGrid(QWidget* parent, const char* name, TextGridModel* model,
                         TextGridDelegate* delegate);
// Selects the cell (last row, `column`) and gives the grid the focus.
void SelectLastRow(QTableView* view, int column);

}  // namespace dlt::gui
