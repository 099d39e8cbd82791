#pragma once

#include "gui/trend/fxd_chart_page.h"

namespace dlt::gui {

// The paged chart pages of the trend window, in tab order.
ChartPageSpec LineChartSpec();        // "线和线差图"
ChartPageSpec RegularSeriesSpec();    // "常规系列"
ChartPageSpec SumSeriesSpec();        // "和值系列"
ChartPageSpec OmissionSeriesSpec();   // "遗漏系列"
ChartPageSpec RemainderChartSpec();   // "主区余数图"
ChartPageSpec GapChartSpec();         // "间隔分析"
ChartPageSpec DispersionChartSpec();  // "离中量"

}  // namespace dlt::gui
