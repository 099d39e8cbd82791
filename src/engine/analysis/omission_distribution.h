#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "analysis/omission_stats.h"
#include "common/draw.h"

namespace dlt {

// "遗漏分布图表": rows of draws first..last, one column per value of
// from..to in the chosen column order ("常规顺序", "按质合", "按奇偶",
// "按除3余数" .. "按除20余数").
struct OmissionDistributionSetup {
  int first = 0, last = -1;  // draw indices, both included (swapped when reversed)
  int32_t from = 0, to = 0;
  int order = 0;
};

// At most 200 values fit the table.
constexpr int kMaxTableValues = 200;
inline constexpr const char* kTableTooWide =
    "该指标取值范围太宽,不宜用图表显示，请选择取值范围小于200的指标";

struct OmissionDistributionRow {
  int32_t qs = 0;
  std::string issue;           // "预测区" for the forecast record
  std::string drawText;        // "03 05 12 18 22 | 05 11 "
  int32_t value = 0;           // the series value of the draw
  int hitColumn = -1;          // the column holding the value, -1 when outside the range
  std::vector<int32_t> cells;  // per column: the value on a hit, else the omission count
};

struct OmissionDistribution {
  std::string error;         // kTableTooWide; nothing else is filled then
  std::vector<int> columns;  // the value of each column, in column order
  std::vector<int> bounds;   // cumulative group sizes of the order
  std::vector<OmissionDistributionRow> rows;
  std::vector<ValueOmissionStats> stats;  // per column, over the rows' draws
  std::vector<int32_t> current;           // "本次遗漏" per column
  bool ok() const { return error.empty(); }
};

// The summary rows below the draw rows, in order.
const std::vector<std::string>& OmissionDistributionSummaryTitles();
// The text of summary row `row` (0..5) in column `column`.
std::string OmissionDistributionSummary(const OmissionDistribution& table, int row, int column);

// The five front numbers, "| " and the two back numbers, each two digits
// followed by a blank.
std::string DrawNumbersText(const Draw& d);

OmissionDistribution ComputeOmissionDistribution(std::span<const Draw> draws,
                                                 std::span<const int32_t> series,
                                                 const OmissionDistributionSetup& setup);

}  // namespace dlt
