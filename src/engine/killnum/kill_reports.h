#pragma once

#include <string>
#include <vector>

#include "killnum/kill_analysis.h"
#include "killnum/kill_grid.h"

namespace dlt {

// 交集统计 of the prediction row. By number: every number the formulas
// name, ascending, with how many formulas name it and which. By formula:
// every formula's value.
struct IntersectionTexts {
  std::vector<std::string> byNumber;
  std::vector<std::string> byFormula;
};
IntersectionTexts Intersection(const KillAnalysis& analysis);

// The prediction row's numbers, most often named first (ties ascending),
// each as "NN(k)" followed by two spaces.
std::string FrequencyText(const KillAnalysis& analysis);

// Slot numbers (1-based) ordered by success count, best first; equal counts
// keep their order.
std::vector<int> SlotsByRate(const KillAnalysis& analysis);

// The grid as text lines, cells separated by a tab (导出杀号数据).
std::vector<std::string> GridLines(const std::vector<GridRow>& grid);

}  // namespace dlt
