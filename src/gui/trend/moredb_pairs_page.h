#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include "trend/pair_matrix.h"

class QComboBox;
class QLabel;
class QListView;
class QStringListModel;
class QTableView;

namespace dlt::gui {

struct AppContext;
class DrawRangeBar;

// The pair matrix as a 35 x 35 table under the numbers 1..35; the diagonal
// stays empty.
class PairModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void Set(const PairMatrix& m);
  int32_t Count(int a, int b) const { return matrix_.count[a][b]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  PairMatrix matrix_;
};

// The page "相生相克" of Tf_moredb: the range, the two thresholds, the matrix
// sg_xsxk and the lists of frequent (相生) and rare (相克) pairs.
class PairsPage : public QWidget {
  Q_OBJECT
 public:
  PairsPage(AppContext& app, QWidget* parent = nullptr);
  // The window's show: the issue boxes.
  void FillIssues();
  void Fill();
  const PairLists& Lists() const { return lists_; }

 private:
  AppContext& app_;
  DrawRangeBar* range_ = nullptr;
  QComboBox* above_ = nullptr;
  QComboBox* below_ = nullptr;
  PairModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
  QStringListModel* together_ = nullptr;
  QStringListModel* apart_ = nullptr;
  QLabel* togetherCount_ = nullptr;
  QLabel* apartCount_ = nullptr;
  PairLists lists_;
};

}  // namespace dlt::gui
