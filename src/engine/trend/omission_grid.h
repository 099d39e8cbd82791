#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/draw.h"
#include "common/omission_tally.h"

namespace dlt {

// What an omission grid shows: the front numbers 1..35 (with "副号" the back
// numbers 1..12, with "主号和副号" the back numbers counting as hits of their
// columns), the back numbers 1..12, or the tails 0..9 of the front numbers
// (with "主号和特别号" the back tails too).
enum class OmissionGridKind { Front, FrontBackNumbers, FrontWithBack, Back, Tail, TailWithBack };

struct OmissionGridSetup {
  OmissionGridKind kind = OmissionGridKind::Front;
  int first = 0, last = -1;  // indices of the start and end draws, both included
  int order = 0;             // entry of the column order box (front and tail grids)
  int partitions = 3;        // "分区"
};

struct OmissionCell {
  int32_t value = 0;   // the value on a hit, else the draws since the value last came out
  int8_t marker = -1;  // the hit's sprite colour (0 front, 1 back, 2 thrice), -1 no hit
  bool Hit() const { return marker >= 0; }
  bool operator==(const OmissionCell&) const = default;
};

struct OmissionGrid {
  std::vector<int> columns;           // the value of each column, in column order
  std::vector<int> backgroundBounds;  // column groups coloured alternately
  std::vector<int32_t> issues;        // one per draw row
  std::vector<std::string> drawTexts;
  std::vector<OmissionCell> cells;  // rows x columns, row by row
  // Per column: hits, largest, smallest (kept, not shown), average, last and
  // current (本次遗漏) omission; the first row completes no omission.
  std::vector<OmissionStats> stats;

  int Rows() const { return static_cast<int>(issues.size()); }
  int Columns() const { return static_cast<int>(columns.size()); }
  const OmissionCell& Cell(int row, int column) const {
    return cells[static_cast<size_t>(row) * columns.size() + column];
  }
};

// "出现次数", "最大遗漏", "平均遗漏", "上次遗漏", "本次遗漏" and their values.
const std::array<std::string, 5>& StatisticRowTitles();
int32_t StatisticValue(const OmissionStats& s, int row);

// Value range of a kind: 1..35, 1..12 or 0..9.
std::pair<int, int> ValueRangeOf(OmissionGridKind kind);

// Whether the value columns are shaded by the groups of a type order
// (columns sorted by type) rather than by partitions.
bool ShadesTypeGroups(const OmissionGridSetup& setup);

// The grid over draws[first..last] (reversed bounds are swapped; bounds are
// clamped to the history). Reads the draws by index only.
OmissionGrid ComputeOmissionGrid(std::span<const Draw> draws, const OmissionGridSetup& setup);

}  // namespace dlt
