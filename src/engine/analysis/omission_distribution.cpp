#include "analysis/omission_distribution.h"

#include <algorithm>

#include "chart/column_order.h"
#include "chart/tcoordinate.h"
#include "common/numbers.h"

namespace dlt {

const std::vector<std::string>& OmissionDistributionSummaryTitles() {
  static const std::vector<std::string> titles = {"选号区",   "出现次数", "最大遗漏",
                                                  "平均遗漏", "上次遗漏", "本次遗漏"};
  return titles;
}

std::string OmissionDistributionSummary(const OmissionDistribution& table, int row, int column) {
  const ValueOmissionStats& s = table.stats[column];
  switch (row) {
    case 0:
      return std::to_string(table.columns[column]);
    case 1:
      return std::to_string(s.count);
    case 2:
      return std::to_string(s.largest);
    case 3:
      return std::to_string(s.average);
    case 4:
      return std::to_string(s.last);
    default:
      return std::to_string(table.current[column]);
  }
}

std::string DrawNumbersText(const Draw& d) {
  std::string s;
  for (int n : d.front) s += TwoDigit(n) + " ";
  s += "| ";
  for (int n : d.back) s += TwoDigit(n) + " ";
  return s;
}

OmissionDistribution ComputeOmissionDistribution(std::span<const Draw> draws,
                                                 std::span<const int32_t> series,
                                                 const OmissionDistributionSetup& setup) {
  OmissionDistribution t;
  if (static_cast<int64_t>(setup.to) - setup.from + 1 > kMaxTableValues) {
    t.error = kTableTooWide;
    return t;
  }
  const ColumnOrder order = OrderColumns(setup.from, setup.to, setup.order);
  t.columns = order.values;
  t.bounds = order.bounds;
  const int n = static_cast<int>(std::min(draws.size(), series.size()));
  int first = std::min(setup.first, setup.last), last = std::max(setup.first, setup.last);
  first = std::max(first, 0);
  last = std::min(last, n - 1);
  const size_t columns = t.columns.size();
  for (int d = first; d <= last; ++d) {
    OmissionDistributionRow row;
    row.qs = draws[d].qs;
    row.issue = IssueText(row.qs);
    row.drawText = DrawNumbersText(draws[d]);
    row.value = series[d];
    row.cells.resize(columns);
    const OmissionDistributionRow* previous = t.rows.empty() ? nullptr : &t.rows.back();
    for (size_t c = 0; c < columns; ++c) {
      const int32_t v = t.columns[c];
      if (row.value == v) {
        row.hitColumn = static_cast<int>(c);
        row.cells[c] = v;
      } else if (!previous || previous->value == v) {
        row.cells[c] = 1;
      } else {
        row.cells[c] = previous->cells[c] + 1;
      }
    }
    t.rows.push_back(std::move(row));
  }
  const std::vector<ValueOmissionStats> byValue =
      OmissionStatistics(series.first(n), first, last, setup.from, setup.to);
  for (size_t c = 0; c < columns; ++c) {
    t.stats.push_back(byValue[t.columns[c] - setup.from]);
    const OmissionDistributionRow* lastRow = t.rows.empty() ? nullptr : &t.rows.back();
    t.current.push_back(!lastRow || lastRow->hitColumn == static_cast<int>(c) ? 0
                                                                              : lastRow->cells[c]);
  }
  return t;
}

}  // namespace dlt
