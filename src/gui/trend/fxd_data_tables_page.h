#pragma once

#include "gui/trend/fxd_context.h"

class QTabWidget;

namespace dlt::gui {

class DataTableModel;
class FrozenTableView;

// "常规数据表": the three data tables in the inner pages "数据表1".."数据表3";
// each fills when shown, "刷新" refills the active one.
class DataTablesPage : public FxdPage {
  Q_OBJECT
 public:
  explicit DataTablesPage(FxdContext& fxd, QWidget* parent = nullptr);

  void Fill() override;
  FrozenTableView* Table(int tableNo) const { return grids_[tableNo - 1]; }
  // The columns that stay in place: table 1 the issue and the seven numbers,
  // the others the issue.
  static int FixedColumns(int tableNo);
  QTabWidget* Pages() const { return pages_; }

 private:
  void FillTable(int tableNo);

  FxdContext& fxd_;
  QTabWidget* pages_ = nullptr;
  FrozenTableView* grids_[3] = {};
  DataTableModel* models_[3] = {};
};

}  // namespace dlt::gui
