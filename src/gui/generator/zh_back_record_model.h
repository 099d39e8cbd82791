#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

namespace dlt::gui {

// A read-only grid over one of the generator's lists (back pairs, tickets):
// the header row is the model's header, row r shows record r + 1. Rows are
// fetched on demand, so a list of 50,000 tickets costs nothing until shown.
class ZhRecordModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using RowFn = std::function<std::vector<std::string>(int record)>;

  enum class Painting {
    kPlain,     // the default look
    kColoured,  // header, record-number column and numbers in their own colours
  };

  ZhRecordModel(RowFn rowTexts, Painting painting, QObject* parent = nullptr);

  // Shows `records` rows under `header` (the header's size sets the columns).
  void Show(const QStringList& header, int records);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  RowFn rowTexts_;
  Painting painting_;
  QStringList header_;
  int records_ = 0;
};

}  // namespace dlt::gui
