#include "gui/trend/text_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

#include "trend/shape_table.h"

namespace dlt::gui {

void TextGridModel::SetRows(std::vector<QStringList> rows, int columns) {
  beginResetModel();
  rows_ = std::move(rows);
  columns_ = columns;
  endResetModel();
}

QString TextGridModel::Text(int row, int column) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return {};
  const QStringList& r = rows_[row];
  return column >= 0 && column < r.size() ? r[column] : QString();
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return Text(index.row(), index.column());
}

void TextGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const QRect r = option.rect;
  const QString text = index.data().toString();
  const int row = index.row(), column = index.column();
  QColor background = Qt::white, colour = Qt::black;
  if (row == 0) {
    background = QColor(255, 203, 179);
  } else if (column == 0) {
    if (mosaic_) background = QColor(172, 253, 186);
    colour = Qt::blue;
  } else if (column == 1) {
    colour = Qt::red;
  }
  painter->save();
  painter->fillRect(r, background);
  if (option.state & QStyle::State_HasFocus) painter->fillRect(r, QColor(0, 0, 128, 40));
  painter->setPen(QColor(192, 192, 192));
  painter->drawLine(r.topRight(), r.bottomRight());
  painter->drawLine(r.bottomLeft(), r.bottomRight());
  const QFontMetrics fm(option.font);
  const int top = r.top() + 4;
  if (row > 0 && shapeFrom_ >= 0 && column >= shapeFrom_) {
    // Each character in its colour, advanced by the width of one wide character.
    const int step = fm.horizontalAdvance(QStringLiteral("邻"));
    int x = r.left() + (r.width() - fm.horizontalAdvance(text)) / 2;
    for (const ShapeGlyph& g : ShapeGlyphs(text.toStdString())) {
      painter->setPen(g.colour == GlyphColour::Green ? QColor(0, 128, 0)
                      : g.colour == GlyphColour::Red ? QColor(Qt::red)
                                                     : QColor(Qt::blue));
      painter->drawText(QPoint(x, top + fm.ascent()), QString::fromStdString(g.text));
      x += step;
    }
  } else {
    painter->setPen(colour);
    painter->drawText(
        QPoint(r.left() + (r.width() - fm.horizontalAdvance(text)) / 2, top + fm.ascent()), text);
  }
  painter->restore();
}

QTableView* MakeTextGrid(QWidget* parent, const char* name, TextGridModel* model,
                         TextGridDelegate* delegate) {
  auto* view = new QTableView(parent);
  view->setObjectName(name);
  view->setModel(model);
  view->setItemDelegate(delegate);
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 10);
  view->setShowGrid(false);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return view;
}

void SelectLastRow(QTableView* view, int column) {
  const int last = view->model()->rowCount() - 1;
  if (last < 0 || column >= view->model()->columnCount()) return;
  const QModelIndex at = view->model()->index(last, column);
  view->setCurrentIndex(at);
  view->scrollTo(at);
  view->setFocus();
}

}  // namespace dlt::gui
