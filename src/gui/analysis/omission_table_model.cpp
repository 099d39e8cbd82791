#include "gui/analysis/omission_table_model.h"

#include <QPainter>

#include "chart/column_order.h"
#include "gui/trend/sprite_painter.h"
#include "trend/distribution_chart.h"

namespace dlt::gui {
namespace {

const QColor kGroupFirst(255, 219, 247), kGroupSecond(231, 239, 255);
const QColor kSummaryOdd(176, 240, 182), kSummaryEven(236, 176, 240);
const QColor kCountText(53, 96, 142);

}  // namespace

void OmissionTableModel::SetTable(OmissionDistribution table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

int OmissionTableModel::SummaryRow(int row) const {
  return row >= DrawRows() ? row - DrawRows() : -1;
}

int OmissionTableModel::ValueColumn(int column) const {
  const int c = column - kFixedColumns;
  return c >= 0 && c < static_cast<int>(table_.columns.size()) ? c : -1;
}

int OmissionTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !table_.ok() || table_.columns.empty()) return 0;
  return DrawRows() + static_cast<int>(OmissionDistributionSummaryTitles().size());
}

int OmissionTableModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || !table_.ok()) return 0;
  return kFixedColumns + static_cast<int>(table_.columns.size());
}

QVariant OmissionTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  const int row = index.row(), col = index.column();
  if (const int s = SummaryRow(row); s >= 0) {
    if (col == 0) return QString::fromStdString(OmissionDistributionSummaryTitles()[s]);
    if (const int v = ValueColumn(col); v >= 0)
      return QString::fromStdString(OmissionDistributionSummary(table_, s, v));
    return {};
  }
  const OmissionDistributionRow& r = table_.rows[row];
  switch (col) {
    case 0:
      return QString::fromStdString(r.issue);
    case 1:
      return QString::fromStdString(r.drawText);
    case 2:
      return r.value;
    default:
      return r.cells[ValueColumn(col)];
  }
}

QVariant OmissionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  static const char* fixed[] = {"期号", "开奖号", "指标值"};
  if (section < kFixedColumns) return QString::fromUtf8(fixed[section]);
  if (const int v = ValueColumn(section); v >= 0) return table_.columns[v];
  return {};
}

void OmissionTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  QPainter& p = *painter;
  const QRect cell = option.rect;
  const int row = index.row(), col = index.column();
  const QString text = index.data().toString();
  const OmissionDistribution& t = model_.Table();
  p.save();
  const int v = model_.ValueColumn(col);
  if (const int s = model_.SummaryRow(row); s >= 0) {
    p.fillRect(cell, s % 2 ? kSummaryEven : kSummaryOdd);
    p.setPen(Qt::black);
    p.drawText(cell, Qt::AlignCenter, text);
  } else if (v < 0) {
    p.fillRect(cell, Qt::white);
    p.setPen(col == 0 ? Qt::blue : col == 1 ? QColor(0, 128, 0) : Qt::black);
    p.drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
  } else {
    // Value cells lie on the background of their order group.
    const int group = GroupOfPosition(t.bounds, v);
    p.fillRect(cell, group % 2 ? kGroupSecond : kGroupFirst);
    const bool hit = t.rows[row].hitColumn == v;
    const bool highlighted = PassesTypeFilter(look_.typeFilter, t.columns[v]);
    if (hit && highlighted) {
      sprites_.Paint(
          p, cell, ShowsBall(look_.displayMode) ? SpritePainter::kBall : SpritePainter::kSquare, 0);
      if (ShowsNumber(look_.displayMode)) {
        p.setPen(Qt::white);
        p.drawText(cell, Qt::AlignCenter, text);
      }
    } else {
      p.setPen(hit ? Qt::red : kCountText);
      p.drawText(cell, Qt::AlignCenter, text);
    }
  }
  // Zone boundaries of the value columns: a darker line at the right edge.
  if (v >= 0) {
    const std::vector<int> zones =
        PartitionBounds(static_cast<int>(t.columns.size()), std::max(look_.zones, 1));
    if (std::find(zones.begin(), zones.end(), v + 1) != zones.end()) {
      p.setPen(QPen(Qt::darkGray, 2));
      p.drawLine(cell.topRight(), cell.bottomRight());
    }
  }
  p.restore();
}

void OmissionTableView::paintEvent(QPaintEvent* e) {
  QTableView::paintEvent(e);
  if (!look_.polyline) return;
  const OmissionDistribution& t = model_.Table();
  QPainter p(viewport());
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::red, 1.5));
  QPoint previous;
  bool havePrevious = false;
  for (int row = 0; row < model_.DrawRows(); ++row) {
    const int hit = t.rows[row].hitColumn;
    if (hit < 0) {
      havePrevious = false;
      continue;
    }
    const QRect cell = visualRect(model_.index(row, OmissionTableModel::kFixedColumns + hit));
    const QPoint centre = cell.center();
    if (havePrevious) p.drawLine(previous, centre);
    previous = centre;
    havePrevious = true;
  }
}

}  // namespace dlt::gui
