#include "gui/book/book_table_model.h"

#include <QBrush>
#include <QColor>
#include <QDateTime>

#include "gui/app/utf8_text.h"

namespace dlt::gui {
namespace {

enum Column { kId, kName, kDraw, kTickets, kCost, kStatus, kPrizes, kWon, kAdded, kColumns };

const char* const kHeaders[kColumns] = {"序号", "名称", "期数", "注数",    "投入",
                                        "状态", "中奖", "奖金", "加入时间"};

}  // namespace

void BookTableModel::SetRows(std::vector<BookRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int BookTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BookTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QString BookTableModel::PrizeText(const BookRow& row) {
  if (!row.entry.result) return {};
  QStringList parts;
  const PrizeCounts& c = row.entry.result->counts;
  for (size_t level = 1; level < c.size(); ++level)
    if (c[level] > 0)
      parts << Q(dlt::PrizeText(static_cast<int>(level))) + QString::number(c[level]) + "注";
  return parts.isEmpty() ? QStringLiteral("未中奖") : parts.join(' ');
}

QVariant BookTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const BookRow& row = rows_[static_cast<size_t>(index.row())];
  const BookEntry& e = row.entry;
  if (role == Qt::ForegroundRole && index.column() == kWon && row.winnings && row.winnings->fen > 0)
    return QBrush(QColor(200, 0, 0));
  if (role == Qt::TextAlignmentRole && index.column() != kName && index.column() != kPrizes)
    return int(Qt::AlignCenter);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kId:
      return QString::number(e.id);
    case kName:
      return Q(e.name);
    case kDraw:
      return QString::number(e.qs);
    case kTickets:
      return QString::number(e.ticketCount);
    case kCost:
      return Q(YuanText(e.costFen));
    case kStatus:
      return e.result ? QStringLiteral("已开奖") : QStringLiteral("待开奖");
    case kPrizes:
      return PrizeText(row);
    case kWon:
      return row.winnings ? Q(WinningsText(*row.winnings)) : QString();
    case kAdded:
      return QDateTime::fromSecsSinceEpoch(e.addedAt).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    default:
      return {};
  }
}

QVariant BookTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= kColumns)
    return {};
  return QString::fromUtf8(kHeaders[section]);
}

}  // namespace dlt::gui
