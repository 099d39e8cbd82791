#pragma once

#include <string>
#include <vector>

#include "chart/chart_panel.h"
#include "trend/indicator_chart.h"

namespace dlt {

// The panel frame these charts share: origin x 30, plot width W - 60,
// the x axis over N steps from the anchor with a minor tick per draw and a
// major one every third.
ChartPanel FramedPanel(const TrendPage& page, double originY, double plotHeight);
// A value axis in plotted units: range, minor and major steps, and the
// labels of the major ticks, lowest first.
void SetValueAxis(tcoordinate& c, int32_t yMin, int32_t yMax, int minor, int major,
                  std::vector<std::string> labels);

// "主区余数图": five stacked panels "主号1".."主号5", each front number of the
// anchor and up to N further draws mod `divisor` (3, 4 or 5).
Chart RemainderChart(const TrendPage& page, int divisor, const TextMetrics& metrics);

// "间隔分析": the N draws after the anchor (the anchor's place stays empty),
// with "间距标识" bars per position coloured by position and the gaps written
// in their bands, or with "主号标识" lines between adjacent numbers. Pair 0
// shows every position ("全部显示"); pairs 1..10 one pair of positions.
const std::vector<std::string>& GapPairTexts();
Chart GapChart(const TrendPage& page, bool numberMarks, int pair, const TextMetrics& metrics);

// "离中量": per draw the mean ("平均量"), the standard deviation times ten
// ("标准差") or the coefficient of variation in percent ("离散系数") of the
// five front numbers.
enum class DispersionKind { Mean = 0, StandardDeviation, Variation };
Chart DispersionChart(const TrendPage& page, DispersionKind kind, const TextMetrics& metrics);

}  // namespace dlt
