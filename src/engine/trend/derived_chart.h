#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chart/chart_panel.h"
#include "trend/indicator_chart.h"

namespace dlt {

// The draws whose values set the range of a derived chart: the anchor and
// up to 69 more (more than a page shows, so paging keeps a steady scale).
constexpr int kDerivedRangeDraws = 70;

// The value-and-amplitude chart of a user-built key or formula: the upper
// half its values from the anchor over the smallest .. largest value met in
// the range draws (largest = smallest + 4 when they are equal), titled with
// the text itself; the lower half its amplitudes over [0, largest], titled
// text + "振幅". A formula that fails at a draw gives no chart but
// "公式有误:" and its message.
struct DerivedChart {
  Chart chart;
  int32_t smallest = 0, largest = 0;
  std::string error;
  bool ok() const { return error.empty(); }
};
DerivedChart DerivedSeriesChart(const TrendPage& page, const std::string& text,
                                const TextMetrics& metrics);

}  // namespace dlt
