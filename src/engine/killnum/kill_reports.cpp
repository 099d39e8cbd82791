#include "killnum/kill_reports.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "common/numbers.h"

namespace dlt {
namespace {

std::string NumberText(const KillAnalysis& a, int32_t n) {
  return a.target.kind == KillKind::Custom ? std::to_string(n) : TwoDigit(n);
}

// Number -> the slots naming it on the prediction row.
std::map<int32_t, std::vector<int>> NamedBy(const KillAnalysis& a) {
  std::map<int32_t, std::vector<int>> named;
  const std::vector<int32_t> numbers = RowNumbers(a, a.Prediction());
  const auto& cells = a.Prediction().cells;
  for (size_t f = 0; f < cells.size(); ++f)
    if (cells[f].ok && std::binary_search(numbers.begin(), numbers.end(), cells[f].value))
      named[cells[f].value].push_back(static_cast<int>(f) + 1);
  return named;
}

}  // namespace

IntersectionTexts Intersection(const KillAnalysis& a) {
  IntersectionTexts t;
  for (const auto& [n, slots] : NamedBy(a)) {
    std::string line = NumberText(a, n) + "：" + std::to_string(slots.size()) + "个公式（";
    for (size_t i = 0; i < slots.size(); ++i)
      line += (i ? "," : "") + std::string("公式") + std::to_string(slots[i]);
    t.byNumber.push_back(line + "）");
  }
  const auto& cells = a.Prediction().cells;
  for (size_t f = 0; f < cells.size(); ++f)
    t.byFormula.push_back("公式" + std::to_string(f + 1) + "：" + FormulaValueText(cells[f].value));
  return t;
}

std::string FrequencyText(const KillAnalysis& a) {
  std::vector<std::pair<int32_t, size_t>> counts;
  for (const auto& [n, slots] : NamedBy(a)) counts.emplace_back(n, slots.size());
  std::stable_sort(counts.begin(), counts.end(),
                   [](const auto& x, const auto& y) { return x.second > y.second; });
  std::string s;
  for (const auto& [n, k] : counts) s += NumberText(a, n) + "(" + std::to_string(k) + ")  ";
  return s;
}

std::vector<int> SlotsByRate(const KillAnalysis& a) {
  std::vector<int> slots(static_cast<size_t>(a.formulaCount));
  std::iota(slots.begin(), slots.end(), 1);
  std::stable_sort(slots.begin(), slots.end(), [&](int x, int y) {
    return a.successes[static_cast<size_t>(x - 1)] > a.successes[static_cast<size_t>(y - 1)];
  });
  return slots;
}

std::vector<std::string> GridLines(const std::vector<GridRow>& grid) {
  std::vector<std::string> lines;
  for (const GridRow& row : grid) {
    std::string line;
    for (size_t c = 0; c < row.cells.size(); ++c) line += (c ? "\t" : "") + row.cells[c].text;
    lines.push_back(line);
  }
  return lines;
}

}  // namespace dlt
