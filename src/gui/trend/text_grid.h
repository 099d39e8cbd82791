#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <vector>

namespace dlt::gui {

class ShellServices;

// A grid of texts under a header row, for the tables the trend window fills
// on demand (a few hundred rows at most).
class TextGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(QStringList header, std::vector<QStringList> rows);
  QString Text(int row, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList header_;
  std::vector<QStringList> rows_;
};

// The painting of the shape table and the mosaic: every cell draws its text
// centred 4 pixels below its top (the header row on RGB(255,203,179)); the
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

// A grid view whose first columns stay in place while the others scroll:
// a second view over the same model covers them at the left.
class FrozenTableView : public QTableView {
  Q_OBJECT
 public:
  explicit FrozenTableView(QWidget* parent = nullptr);
  // Shares the model, selection and painting with the frozen part; called
  // after the model and delegate are set.
  void ShareWithFrozenPart();
  // Keeps the first n columns in place (after every refill of the model).
  void SetFrozenColumns(int n);
  int FrozenColumns() const { return columns_; }

  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateFrozenGeometry();
  int FrozenWidth() const;

  QTableView* frozen_ = nullptr;
  int columns_ = 0;
};

// A grid view set up for a text grid: the header row in its colours, one
// line per row, its first columns frozen by SetFrozenColumns.
FrozenTableView* MakeTextGrid(QWidget* parent, ShellServices& shell, const char* name,
                              TextGridModel* model, TextGridDelegate* delegate);
// Selects the cell (last row, `column`) and gives the grid the focus.
void SelectLastRow(QTableView* view, int column);

}  // namespace dlt::gui
