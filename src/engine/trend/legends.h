#pragma once

#include <string>
#include <vector>

#include "chart/chart_panel.h"

namespace dlt {

// One entry of a legend: a swatch drawn as the chart draws the mark (inside
// a kLegendSwatch-pixel square from 0,0) and what the mark means, in words.
struct LegendEntry {
  ChartItem swatch;
  std::string words;
  bool operator==(const LegendEntry&) const = default;
};
inline constexpr int kLegendSwatch = 18;

// "主号分布图" under display mode `displayMode` and mark style `markStyle`:
// each marker colour the style uses, with the runs it marks.
std::vector<LegendEntry> DistributionLegend(int displayMode, int markStyle);

// The number matrix: a drawn number, a cell of an empty row or column, any
// other cell.
std::vector<LegendEntry> MatrixLegend();

// An omission grid's shading: the partitions (or, with the columns sorted
// by type, the type groups) alternate between two fills.
std::vector<LegendEntry> PartitionLegend(ChartColour odd, ChartColour even, bool typeGroups);

}  // namespace dlt
