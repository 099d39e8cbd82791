#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <functional>

#include "generator/backtest.h"
#include "generator/condition_set.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

namespace dlt::gui {

struct AppContext;

// The rows of a backtest: issue, the draw's front numbers, kept or not,
// and the conditions it broke; rows the set would have lost are tinted.
class BacktestModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void Assign(BacktestResult result);
  const BacktestResult& Result() const { return result_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  BacktestResult result_;
};

// "历史回测": the generator's front condition set tried on the last real
// draws, each judged as a filter run over the draws before it would have
// judged it. A double click on a row writes the check report ("条件对错")
// of that draw.
class Tf_lshc : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_lshc(AppContext& app, QWidget* parent = nullptr);

  // Shows the window and runs the backtest of the set `source` gives now;
  // "开始回测" asks it again, so a changed set is tried anew.
  void Open(std::function<ConditionSet()> source);
  // Runs over the last `e_count` real draws off the interface thread; a
  // cancelled or refused run leaves the table as it was.
  void Run();
  const BacktestModel& Model() const { return *model_; }

 private:
  void ShowShare();
  void OpenCheckReport(const QModelIndex& index);

  AppContext& app_;
  std::function<ConditionSet()> source_;
  ConditionSet set_;  // the set the rows were judged under
  BacktestModel* model_ = nullptr;
  QSpinBox* e_count = nullptr;
  QPushButton* b_start = nullptr;
  QCheckBox* cb_expected = nullptr;  // each draw's chance of being kept, and their sum
  QLabel* l_share = nullptr;
  QTableView* sg_backtest = nullptr;
};

}  // namespace dlt::gui
