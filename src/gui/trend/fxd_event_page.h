#pragma once

#include "gui/common/paging_bar.h"
#include "gui/trend/fxd_context.h"
#include "trend/omission_events.h"

class QComboBox;

namespace dlt::gui {

class ChartView;

// "主号遗漏走势" / "副号遗漏走势": the omission events of one number, 36 at a
// time; the page buttons page the events, not the anchor. "指标剖析" hands the
// event omissions to the indicator analysis.
class EventChartPage : public FxdPage {
  Q_OBJECT
 public:
  struct Names {
    const char* picture;
    const char* numberBox;
    PagingNames paging;
    const char* analysisButton;
  };
  EventChartPage(FxdContext& fxd, bool back, const Names& names, QWidget* parent = nullptr);

  void Fill() override;
  int Number() const;
  int Start() const { return start_; }
  const OmissionEvents& Events() const { return events_; }
  ChartView* Picture() const { return picture_; }

 private:
  void Rebuild();
  void Analyse();

  FxdContext& fxd_;
  bool back_;
  ChartView* picture_ = nullptr;
  QComboBox* number_ = nullptr;
  OmissionEvents events_;
  int start_ = 0;
};

}  // namespace dlt::gui
