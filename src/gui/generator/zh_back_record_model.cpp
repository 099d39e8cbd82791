#include "gui/generator/zh_back_record_model.h"

#include <QBrush>
#include <QColor>

#include "gui/common/grid_look.h"

namespace dlt::gui {

ZhRecordModel::ZhRecordModel(RowFn rowTexts, Painting painting, QObject* parent)
    : QAbstractTableModel(parent), rowTexts_(std::move(rowTexts)), painting_(painting) {}

void ZhRecordModel::Show(const QStringList& header, int records) {
  beginResetModel();
  header_ = header;
  records_ = records < 0 ? 0 : records;
  endResetModel();
}

int ZhRecordModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : records_;
}

int ZhRecordModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant ZhRecordModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= records_) return {};
  switch (role) {
    case Qt::DisplayRole: {
      const std::vector<std::string> texts = rowTexts_(index.row() + 1);
      const auto column = static_cast<size_t>(index.column());
      return column < texts.size() ? QString::fromStdString(texts[column]) : QString();
    }
    case Qt::TextAlignmentRole:
      return painting_ == Painting::kColoured ? QVariant(int(Qt::AlignCenter)) : QVariant();
    case Qt::BackgroundRole:
      if (painting_ != Painting::kColoured) return {};
      return index.column() == 0 ? QBrush(QColor(251, 232, 210)) : QBrush(QColor(206, 255, 255));
    case Qt::ForegroundRole:
      if (painting_ != Painting::kColoured) return {};
      return index.column() == 0 ? QBrush(Qt::blue) : QBrush(Qt::black);
    default:
      return {};
  }
}

QVariant ZhRecordModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= header_.size()) return {};
  if (role == Qt::DisplayRole) return header_[section];
  if (painting_ == Painting::kColoured) {
    if (role == Qt::BackgroundRole) return QBrush(grid_colour::kHeader);
    if (role == Qt::ForegroundRole) return QBrush(Qt::black);
  }
  return {};
}

}  // namespace dlt::gui
