#pragma once

#include <functional>

#include "chart/chart_panel.h"
#include "gui/analysis/zbpxz_context.h"
#include "gui/common/paging_bar.h"

class QCheckBox;
class QComboBox;
class QHBoxLayout;

namespace dlt::gui {

class ChartView;
class ZbpxzScroller;

// A tab whose picture is drawn by the shared chart drawer, with a row of
// controls under it. The picture's popup menu carries the scrolling items.
class ChartTab : public ZbpxzTab {
  Q_OBJECT
 public:
  ChartTab(ZbpxzContext& z, const char* pictureName, ZbpxzScroller& scroller, QWidget* parent);

  void Fill() override;
  ChartView* Picture() const { return picture_; }

 protected:
  virtual Chart Build(int width, int height, const TextMetrics& metrics) = 0;
  // The row of the tab's own controls; a second row below it for paging.
  QHBoxLayout* Controls() const { return controls_; }
  QHBoxLayout* PagingRow() const { return paging_; }
  // A paging row over something other than the shared draw (values,
  // entries): every press moves by its delta and redraws.
  PagingBar* AddPaging(const PagingNames& names, std::function<int()> pageSize,
                       PagingBar::Move move);
  // "显示期望值" in the controls row: switched on, the tab draws what chance
  // alone gives beside what it counts.
  void AddChanceBox(const char* name);
  // The chance of each value when the box is on (worked out once per
  // series); null when it is off, or when there is none (the box goes off).
  const ValueDistribution* ShownChance();
  // The table the analysis reads now (the history or its own draws).
  PagingBar::TableOf TableOf() const;

 private:
  QCheckBox* chance_ = nullptr;
  ChartView* picture_ = nullptr;
  QHBoxLayout* controls_ = nullptr;
  QHBoxLayout* paging_ = nullptr;
};

// A chart that pages over the draws from the shared current draw: the
// period box ("显示36期" .. "显示66期") and the paging row move the table's
// cursor; scrolling steps one draw and stops on the last page.
class PagedChartTab : public ChartTab {
  Q_OBJECT
 public:
  PagedChartTab(ZbpxzContext& z, const char* pictureName, const char* periodBox,
                const PagingNames& paging, ZbpxzScroller& scroller, QWidget* parent);

  void ScrollStep(bool forward) override;
  int Period() const;

 protected:
  Chart Build(int width, int height, const TextMetrics& metrics) override;
  virtual Chart BuildPage(const AnalysisView& view, const TextMetrics& metrics) = 0;

 private:
  QComboBox* period_ = nullptr;
};

}  // namespace dlt::gui
