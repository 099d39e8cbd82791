#include "gui/trend/text_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

#include "gui/common/grid_view.h"
#include "trend/shape_table.h"

namespace dlt::gui {

void TextGridModel::SetRows(QStringList header, std::vector<QStringList> rows) {
  beginResetModel();
  header_ = std::move(header);
  rows_ = std::move(rows);
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
  return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return Text(index.row(), index.column());
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= header_.size())
    return {};
  return header_[section];
}

void TextGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const QRect r = option.rect;
  const QString text = index.data().toString();
  const int column = index.column();
  QColor background = Qt::white, colour = Qt::black;
  if (column == 0) {
    if (mosaic_) background = grid_colour::kIssueFill;
    colour = Qt::blue;
  } else if (column == 1) {
    colour = Qt::red;
  }
  painter->save();
  painter->fillRect(r, background);
  if (option.state & QStyle::State_HasFocus) painter->fillRect(r, QColor(0, 0, 128, 40));
  painter->setPen(grid_colour::kGridLine);
  painter->drawLine(r.topRight(), r.bottomRight());
  painter->drawLine(r.bottomLeft(), r.bottomRight());
  const QFontMetrics fm(option.font);
  const int top = r.top() + 4;
  if (shapeFrom_ >= 0 && column >= shapeFrom_) {
    // Each character in its colour, advanced by the width of one wide character.
    const int step = fm.horizontalAdvance(QStringLiteral("邻"));
    int x = r.left() + (r.width() - fm.horizontalAdvance(text)) / 2;
    for (const ShapeGlyph& g : ShapeGlyphs(text.toStdString())) {
      painter->setPen(g.colour == GlyphColour::Green ? grid_colour::kDrawText
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

FrozenTableView::FrozenTableView(QWidget* parent) : QTableView(parent) {
  frozen_ = new QTableView(this);
  frozen_->setObjectName("frozen");
  frozen_->setFocusPolicy(Qt::NoFocus);
  frozen_->verticalHeader()->hide();
  frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setFrameShape(QFrame::NoFrame);
  frozen_->setShowGrid(false);
  frozen_->setEditTriggers(NoEditTriggers);
  frozen_->hide();
  viewport()->stackUnder(frozen_);
  // Pixel scrolling lets the scrolling columns pass under the frozen ones.
  setHorizontalScrollMode(ScrollPerPixel);
  setVerticalScrollMode(ScrollPerPixel);
  frozen_->setVerticalScrollMode(ScrollPerPixel);
  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column, int, int size) {
            if (column < columns_) {
              frozen_->setColumnWidth(column, size);
              UpdateFrozenGeometry();
            }
          });
  connect(verticalHeader(), &QHeaderView::sectionResized, this,
          [this](int row, int, int size) { frozen_->setRowHeight(row, size); });
  connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
          &QAbstractSlider::setValue);
  connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
          &QAbstractSlider::setValue);
}

void FrozenTableView::ShareWithFrozenPart() {
  frozen_->setModel(model());
  frozen_->setSelectionModel(selectionModel());
  frozen_->setItemDelegate(itemDelegate());
  frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
}

void FrozenTableView::SetFrozenColumns(int n) {
  columns_ = n;
  const int count = model() ? model()->columnCount() : 0;
  for (int c = 0; c < count; ++c) {
    frozen_->setColumnHidden(c, c >= n);
    if (c < n) frozen_->setColumnWidth(c, columnWidth(c));
  }
  frozen_->setVisible(n > 0 && count > 0);
  UpdateFrozenGeometry();
}

int FrozenTableView::FrozenWidth() const {
  int width = 0;
  for (int c = 0; c < columns_ && model() && c < model()->columnCount(); ++c)
    width += columnWidth(c);
  return width;
}

void FrozenTableView::UpdateFrozenGeometry() {
  // The view lays its header out to its size hint; the frozen header matches it.
  const int header = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->sizeHint().height();
  frozen_->horizontalHeader()->setFixedHeight(header);
  frozen_->setGeometry(frameWidth(), frameWidth(), FrozenWidth(), viewport()->height() + header);
}

void FrozenTableView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  UpdateFrozenGeometry();
}

// A scrolling cell is brought out from under the frozen columns.
void FrozenTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  QTableView::scrollTo(index, hint);
  if (!index.isValid() || index.column() < columns_) return;
  const QRect cell = visualRect(index);
  const int hidden = FrozenWidth() - cell.left();
  if (hidden > 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
}

FrozenTableView* MakeTextGrid(QWidget* parent, ShellServices& shell, const char* name,
                              TextGridModel* model, TextGridDelegate* delegate) {
  auto* view = new FrozenTableView(parent);
  view->setObjectName(name);
  view->setModel(model);
  view->setItemDelegate(delegate);
  SetUpGridView(view, shell, view->fontMetrics().height() + 10);
  // The header row as the grids paint it: black on RGB(255,203,179).
  view->setStyleSheet(QStringLiteral(
      "QHeaderView::section { background-color: rgb(255,203,179); color: black; "
      "border: 0px; border-right: 1px solid silver; border-bottom: 1px solid silver; }"));
  view->setShowGrid(false);
  view->ShareWithFrozenPart();
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
