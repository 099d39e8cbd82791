#pragma once

#include <QAbstractTableModel>

#include "book/book_view.h"

namespace dlt::gui {

// The entries of the ticket book in a grid: number, name, draw, tickets,
// cost, status, prizes, winnings and when they were added.
class BookTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(std::vector<BookRow> rows);
  const std::vector<BookRow>& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // "七等奖1注 八等奖2注", "未中奖", or "" while the draw is to come.
  static QString PrizeText(const BookRow& row);

 private:
  std::vector<BookRow> rows_;
};

}  // namespace dlt::gui
