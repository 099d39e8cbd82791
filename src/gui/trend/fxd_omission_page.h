#pragma once

#include "gui/trend/fxd_context.h"
#include "gui/trend/omission_grid_delegate.h"
#include "trend/omission_grid.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QTableView;

namespace dlt::gui {

class LegendBar;
class OmissionGridModel;

// One of the three omission grid pages ("主区遗漏图表", "副区遗漏图表",
// "主区尾数遗漏图表"): the grid over the range of the two issue boxes, with
// partitions, column order, type filter and (front and tail) the zone
// choice. The front grid's selection row picks numbers for the forecast
// record (popup pm2); the tail grid's marks tails.
class OmissionGridPage : public FxdPage {
  Q_OBJECT
 public:
  OmissionGridPage(FxdContext& fxd, GridPageKind kind, QWidget* parent = nullptr);

  void Fill() override;
  // Refills the issue boxes from the whole history: the range is the last
  // 100 draws.
  void FillIssueLists();
  // Keeps "9999999" as the end box's last item exactly while the forecast
  // record exists, and selects the last item.
  void SyncForecastItem();
  // One step of the scroll timer: the top row moves down or up by one.
  void ScrollStep(bool down);

  QTableView* Grid() const { return grid_; }
  const OmissionGridModel& Model() const { return *model_; }
  QMenu* SelectionMenu() const { return pm2_; }

  // The selection row's menu.
  void ClearSelection();
  void ImportSelection();
  void ClearForecast();

 signals:
  void forecastChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  OmissionGridSetup SetupFromControls() const;
  void SetColumnWidths();
  void ClickSelectionRow(int column, bool left, QPoint globalPos);

  FxdContext& fxd_;
  GridLook look_;
  OmissionGridModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
  LegendBar* legend_ = nullptr;
  QComboBox* from_ = nullptr;
  QComboBox* to_ = nullptr;
  QComboBox* partitions_ = nullptr;
  QComboBox* order_ = nullptr;
  QComboBox* filter_ = nullptr;
  QButtonGroup* zone_ = nullptr;
  QCheckBox* chance_ = nullptr;  // the rows of chance
  QLabel* fit_ = nullptr;        // the fit under the grid
  QMenu* pm2_ = nullptr;
};

}  // namespace dlt::gui
