#pragma once

#include "gui/trend/fxd_context.h"

class QComboBox;

namespace dlt::gui {

class ChartView;
class LegendBar;

// "主号分布图": 19 draws from the anchor as a number board with the runs
// (连号, 重号, 斜连号) marked; pages by 19 draws, steps by one.
class DistributionChartPage : public FxdPage {
  Q_OBJECT
 public:
  explicit DistributionChartPage(FxdContext& fxd, QWidget* parent = nullptr);

  void Fill() override;
  // One step of the scroll timer: "下一条" down, "上一条" up.
  void ScrollStep(bool down);
  ChartView* Picture() const { return picture_; }

 private:
  FxdContext& fxd_;
  ChartView* picture_ = nullptr;
  QComboBox* marks_ = nullptr;
  LegendBar* legend_ = nullptr;
};

}  // namespace dlt::gui
