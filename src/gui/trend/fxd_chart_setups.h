#pragma once

#include "gui/trend/fxd_chart_page.h"

namespace dlt::gui {

// The paged chart pages of the trend window, in tab order.
ChartPageSetup LineChartSetup();        // "线和线差图"
ChartPageSetup RegularSeriesSetup();    // "常规系列"
ChartPageSetup SumSeriesSetup();        // "和值系列"
ChartPageSetup OmissionSeriesSetup();   // "遗漏系列"
ChartPageSetup RemainderChartSetup();   // "主区余数图"
ChartPageSetup GapChartSetup();         // "间隔分析"
ChartPageSetup DispersionChartSetup();  // "离中量"

}  // namespace dlt::gui
