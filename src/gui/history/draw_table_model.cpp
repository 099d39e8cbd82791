#include "gui/history/draw_table_model.h"

#include "common/numbers.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

const char* const kFieldNames[8] = {"qs", "red1", "red2", "red3", "red4", "red5", "red6", "blue"};
const char* const kTitles[8] = {"期数",   "主号一", "主号二", "主号三",
                                "主号四", "主号五", "副号一", "副号二"};

}  // namespace

DrawTableModel::DrawTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void DrawTableModel::SetTable(DrawTable* table) {
  beginResetModel();
  table_ = table;
  endResetModel();
}

void DrawTableModel::Refresh() {
  beginResetModel();
  endResetModel();
}

int DrawTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !table_) return 0;
  return table_->RecordCount();
}

int DrawTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 8;
}

QVariant DrawTableModel::data(const QModelIndex& index, int role) const {
  if (!table_ || !index.isValid() || index.row() >= table_->RecordCount()) return {};
  const int32_t v = DrawTable::FieldOf(table_->Draws()[index.row()], index.column());
  if (role == Qt::DisplayRole) return QString::fromStdString(TwoDigit(v));
  if (role == Qt::EditRole) return v;
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  return {};
}

QVariant DrawTableModel::headerData(int section, Qt::Orientation o, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (o == Qt::Horizontal && section >= 0 && section < 8) return QString(kTitles[section]);
  if (o == Qt::Vertical) return section + 1;
  return {};
}

Qt::ItemFlags DrawTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool DrawTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!table_ || role != Qt::EditRole || !index.isValid() || index.row() >= table_->RecordCount())
    return false;
  bool ok = false;
  const int v = value.toInt(&ok);
  if (!ok) {
    emit editRefused(QStringLiteral("请输入整数"));
    return false;
  }
  if (DrawTable::FieldOf(table_->Draws()[index.row()], index.column()) == v) return true;
  table_->SetPosition(index.row());
  table_->Edit();
  table_->SetField(kFieldNames[index.column()], v);
  std::string error;
  if (!table_->Post(&error)) {
    table_->Cancel();
    emit editRefused(QString::fromStdString(error));
    return false;
  }
  table_->UpdateDerivedFields(std::max(0, std::min(index.row(), table_->Position())));
  const int row = table_->Position();
  if (row == index.row()) {
    emit dataChanged(this->index(row, 0), this->index(row, 7));
    emit posted(row);
  } else {
    // A new draw number moved the row: the grid is read afresh once the
    // editor that made the change has closed.
    QMetaObject::invokeMethod(
        this,
        [this, row] {
          Refresh();
          emit posted(row);
        },
        Qt::QueuedConnection);
  }
  return true;
}

}  // namespace dlt::gui
