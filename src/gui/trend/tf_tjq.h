#pragma once

#include <QWidget>

#include "trend/item_tally.h"
#include "trend/number_tally.h"
#include "trend/tally_chances.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace dlt::gui {

struct AppContext;
class ChartView;
class DrawRangeBar;
class ItemGroupsView;

// "统计区": tallies over a range of draws. "开始统计" counts every number
// and its omission (the bar chart "号码统计柱状图"), the cold, warm and hot
// numbers at the range's last draw, and the item tallies ("分项统计一",
// "分项统计二"); "统计显示" lists the draws whose five front numbers repeat
// another draw. The history's cursor is never moved.
class Tf_tjq : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_tjq(AppContext& app, QWidget* parent = nullptr);

  // "开始统计".
  void Start();
  QTabWidget* Pages() const { return PageControl2; }
  ChartView* BarChart() const { return i_hmtjjzd; }
  const NumberTally& Tally() const { return tally_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QWidget* BuildBarPage();
  QWidget* BuildItemPageOne();
  QWidget* BuildItemPageTwo();
  QWidget* BuildRepeatPage();
  void ShowItems();
  void ShowColdHot();
  void EditColdHot(bool back);
  void ListRepeats();

  AppContext& app_;
  DrawRangeBar* range_ = nullptr;
  QTabWidget* PageControl2 = nullptr;
  ChartView* i_hmtjjzd = nullptr;
  QButtonGroup* zone_ = nullptr;
  QButtonGroup* order_ = nullptr;
  QCheckBox* cb_appcs = nullptr;
  QCheckBox* cb_conccs = nullptr;
  QCheckBox* cb_tjq_expected = nullptr;  // what chance alone gives, beside every tally
  QLabel* l_coldhot = nullptr;
  QLabel* l_f_coldhot = nullptr;
  ItemGroupsView* pageOne_ = nullptr;
  ItemGroupsView* pageTwo_ = nullptr;
  QComboBox* cb_ys = nullptr;
  QComboBox* cb_blueys = nullptr;
  QLineEdit* sevenths_[7] = {};
  QTableView* DBGrid1 = nullptr;
  QStandardItemModel* repeats_ = nullptr;

  NumberTally tally_;
  TallyChance frontChance_, backChance_;
  ItemTally items_;
  bool computed_ = false;
};

}  // namespace dlt::gui
