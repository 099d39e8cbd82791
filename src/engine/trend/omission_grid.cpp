#include "trend/omission_grid.h"

#include <algorithm>

#include "chart/column_order.h"
#include "common/numbers.h"

namespace dlt {
namespace {

// Occurrences of every value 0..35 in one draw's text, and whether each
// occurrence is a back number.
struct RowHits {
  std::array<uint8_t, 36> count{};
  std::array<bool, 36> back{};
};

RowHits HitsOf(const Draw& d, OmissionGridKind kind) {
  RowHits h;
  switch (kind) {
    case OmissionGridKind::Front:
      for (int n : d.front) ++h.count[n];
      break;
    case OmissionGridKind::FrontBackNumbers:
    case OmissionGridKind::Back:
      for (int n : d.back) ++h.count[n], h.back[n] = kind == OmissionGridKind::FrontBackNumbers;
      break;
    case OmissionGridKind::FrontWithBack:
      for (int n : d.front) ++h.count[n];
      for (int n : d.back) ++h.count[n], h.back[n] = true;
      break;
    case OmissionGridKind::TailWithBack:
      for (int n : d.back) ++h.count[n % 10];
      [[fallthrough]];
    case OmissionGridKind::Tail:
      for (int n : d.front) ++h.count[n % 10];
      break;
  }
  return h;
}

std::string DrawTextOf(const Draw& d, OmissionGridKind kind) {
  std::string t;
  switch (kind) {
    case OmissionGridKind::Front:
    case OmissionGridKind::FrontWithBack:
      for (int n : d.front) t += TwoDigit(n) + " ";
      if (kind == OmissionGridKind::FrontWithBack) {
        t += "| ";
        for (int n : d.back) t += TwoDigit(n) + ",";
      }
      break;
    case OmissionGridKind::FrontBackNumbers:
    case OmissionGridKind::Back:
      for (int n : d.back) t += TwoDigit(n) + " ";
      break;
    case OmissionGridKind::Tail:
    case OmissionGridKind::TailWithBack:
      for (int n : d.front) t += std::to_string(n % 10) + " ";
      if (kind == OmissionGridKind::TailWithBack) {
        t += "| ";
        for (int n : d.back) t += std::to_string(n % 10) + " ";
      }
      break;
  }
  return t;
}

bool IsTail(OmissionGridKind kind) {
  return kind == OmissionGridKind::Tail || kind == OmissionGridKind::TailWithBack;
}

int8_t MarkerOf(const RowHits& h, int v, OmissionGridKind kind) {
  if (IsTail(kind)) return static_cast<int8_t>(std::min(h.count[v], uint8_t{3}) - 1);
  return h.back[v] ? 1 : 0;
}

}  // namespace

const std::array<std::string, 5>& StatisticRowTitles() {
  static const std::array<std::string, 5> titles = {"出现次数", "最大遗漏", "平均遗漏", "上次遗漏",
                                                    "本次遗漏"};
  return titles;
}

int32_t StatisticValue(const OmissionStats& s, int row) {
  switch (row) {
    case 0:
      return s.count;
    case 1:
      return s.largest;
    case 2:
      return s.average;
    case 3:
      return s.last;
    default:
      return s.current;
  }
}

std::pair<int, int> ValueRangeOf(OmissionGridKind kind) {
  switch (kind) {
    case OmissionGridKind::Front:
    case OmissionGridKind::FrontWithBack:
      return {1, 35};
    case OmissionGridKind::FrontBackNumbers:
    case OmissionGridKind::Back:
      return {1, 12};
    case OmissionGridKind::Tail:
    case OmissionGridKind::TailWithBack:
      return {0, 9};
  }
  return {1, 35};
}

bool ShadesTypeGroups(const OmissionGridSetup& setup) {
  return setup.kind != OmissionGridKind::Back && setup.order > 0;
}

OmissionGrid ComputeOmissionGrid(std::span<const Draw> draws, const OmissionGridSetup& setup) {
  OmissionGrid g;
  const auto [lo, hi] = ValueRangeOf(setup.kind);
  const bool ordered = ShadesTypeGroups(setup);
  const ColumnOrder order =
      OrderColumns(lo, hi, setup.kind == OmissionGridKind::Back ? 0 : setup.order);
  g.columns = order.values;
  g.backgroundBounds = ordered
                           ? order.bounds
                           : PartitionBounds(static_cast<int>(g.columns.size()), setup.partitions);
  const int columns = g.Columns();
  std::vector<OmissionTally> tallies(columns);

  const int count = static_cast<int>(draws.size());
  int first = std::min(setup.first, setup.last), last = std::max(setup.first, setup.last);
  first = std::max(first, 0);
  last = std::min(last, count - 1);
  const int rows = last >= first ? last - first + 1 : 0;
  g.issues.reserve(rows);
  g.drawTexts.reserve(rows);
  g.cells.resize(static_cast<size_t>(rows) * columns);

  RowHits previous;
  for (int i = 0; i < rows; ++i) {
    const Draw& d = draws[first + i];
    const RowHits hits = HitsOf(d, setup.kind);
    g.issues.push_back(d.qs);
    g.drawTexts.push_back(DrawTextOf(d, setup.kind));
    OmissionCell* row = &g.cells[static_cast<size_t>(i) * columns];
    const OmissionCell* above = i > 0 ? row - columns : nullptr;
    for (int j = 0; j < columns; ++j) {
      const int v = g.columns[j];
      const bool before = i > 0 && previous.count[v] > 0;
      if (hits.count[v] > 0) {
        row[j] = {v, MarkerOf(hits, v, setup.kind)};
        if (i > 0)
          tallies[j].Occurred(before ? 0 : above[j].value);
        else
          tallies[j].OccurredWithoutOmission();
      } else {
        row[j] = {i == 0 || before ? 1 : above[j].value + 1, -1};
      }
    }
    previous = hits;
  }

  g.stats.reserve(columns);
  for (int j = 0; j < columns; ++j)
    g.stats.push_back(
        tallies[j].Result(rows == 0 || g.Cell(rows - 1, j).Hit() ? 0 : g.Cell(rows - 1, j).value));
  return g;
}

}  // namespace dlt
