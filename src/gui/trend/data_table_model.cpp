#include "gui/trend/data_table_model.h"

#include <QPainter>

#include "gui/common/grid_look.h"
#include "history/draw_table.h"
#include "trend/data_tables.h"

namespace dlt::gui {
namespace {

// Rows kept between paints; a screen shows far fewer.
constexpr size_t kCachedRows = 512;

}  // namespace

DataTableModel::DataTableModel(const DrawTable& table, const EvalEnv& env, int tableNo,
                               QObject* parent)
    : QAbstractTableModel(parent), table_(table), env_(env), tableNo_(tableNo) {}

void DataTableModel::Reload() {
  beginResetModel();
  cache_.clear();
  rows_ = table_.RecordCount();
  endResetModel();
}

int DataTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int DataTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(DataTableHeaders(tableNo_).size());
}

const std::vector<std::string>& DataTableModel::Row(int row) const {
  auto it = cache_.find(row);
  if (it != cache_.end()) return it->second;
  if (cache_.size() >= kCachedRows) cache_.clear();
  return cache_[row] = DataTableRow(tableNo_, table_.Draws(), row, env_.coldHot);
}

QVariant DataTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= table_.RecordCount()) return {};
  const auto& row = Row(index.row());
  if (index.column() >= static_cast<int>(row.size())) return {};
  return QString::fromStdString(row[index.column()]);
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  const auto& headers = DataTableHeaders(tableNo_);
  if (section < 0 || section >= static_cast<int>(headers.size())) return {};
  return QString::fromStdString(headers[section]);
}

void DataTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const auto* model = qobject_cast<const DataTableModel*>(index.model());
  const int col = index.column();
  QColor fill = Qt::white, text = Qt::black;
  if (col == 0) {
    fill = grid_colour::kIssueFill;
    text = Qt::blue;
  } else if (model && model->TableNo() != 3) {
    if (col <= 5) text = Qt::red;
    if (col == 6 || col == 7) text = grid_colour::kBackNumberText;
  }
  if (option.state & QStyle::State_Selected) fill = fill.darker(115);
  painter->save();
  painter->fillRect(option.rect, fill);
  painter->setPen(text);
  painter->drawText(option.rect.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                    index.data().toString());
  painter->restore();
}

}  // namespace dlt::gui
