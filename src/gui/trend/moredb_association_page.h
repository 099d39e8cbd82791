#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <array>
#include <vector>

#include "trend/association.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

struct AppContext;

// The association result as a table: the qualifying draw and its indicator
// values on the left, the following draw on the right.
class AssociationModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  AssociationModel(const DrawTable& table, QObject* parent = nullptr);

  void Set(Association a, int conditions);
  const Association& Result() const { return result_; }
  int Conditions() const { return k_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const DrawTable& table_;
  Association result_;
  int k_ = 0;
};

// The page "关联分析" of Tf_moredb: the number, issue-digit and position
// boxes, up to three indicator conditions (in force once "确定" is pressed),
// the grid sg_glfx with its counts, the column analysis on a double-click
// and the export of the following draws.
class AssociationPage : public QWidget {
  Q_OBJECT
 public:
  AssociationPage(AppContext& app, QWidget* parent = nullptr);
  void Fill();
  AssociationModel* Model() const { return model_; }
  // The analysis of one column of the grid (a double-click).
  void AnalyseColumn(int column);
  // "导出下期系列开奖数据".
  void ExportNextDraws();

 private:
  struct Condition {
    QCheckBox* enabled;
    QLineEdit* expression;
    QPushButton* choose;
    QLineEdit* values;
    QPushButton* pick;
    std::vector<int32_t> accepted;
  };
  AssociationSetup SetupFromControls() const;
  void ConditionToggled(int n);
  void Choose(int n);
  void PickAccepted(int n);
  void Confirm();

  AppContext& app_;
  AssociationModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
  QLabel* count_ = nullptr;
  std::array<QComboBox*, 7> numbers_{};
  QComboBox* digit_ = nullptr;
  QCheckBox* frontAny_ = nullptr;
  QCheckBox* backAny_ = nullptr;
  std::array<Condition, 3> conditions_{};
  std::vector<AssociationCondition> confirmed_;
};

}  // namespace dlt::gui
