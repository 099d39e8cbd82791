#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/chance_figures.h"
#include "trend/item_tally.h"
#include "trend/number_tally.h"
#include "trend/omission_grid.h"

namespace dlt {

// What chance alone gives the tallies of the trend grids and the statistics
// area, exactly: a fair draw takes every set of five front numbers (and of
// two back numbers) alike, the zones independently.

// A zone as chance draws it: `drawn` of `size` numbers.
struct ZoneDraw {
  int size = 35, drawn = 5;
};
constexpr ZoneDraw kFrontZone{35, 5};
constexpr ZoneDraw kBackZone{12, 2};

// Per draw, for each column of a tally: its mean (the chance of a hit, or
// the expected count) and the covariance of every two columns, row by row.
struct ColumnChances {
  std::vector<double> mean;
  std::vector<double> covariance;
  int Columns() const { return static_cast<int>(mean.size()); }
  double Variance(int i) const { return covariance[static_cast<size_t>(i) * mean.size() + i]; }
};

// Columns hit when a draw holds any of their numbers: column i holds
// front[i] front numbers and back[i] back numbers, no number in two columns.
struct ColumnNumbers {
  int front = 0, back = 0;
};
ColumnChances HitChances(std::span<const ColumnNumbers> columns, ZoneDraw front = kFrontZone,
                         ZoneDraw back = kBackZone);
// Columns counting the numbers of their class that a draw holds (classes of
// one zone, of the given sizes, no number in two).
ColumnChances MemberChances(std::span<const int> classSizes, ZoneDraw zone);
// One column per value, each draw in exactly one, value i with chance p[i].
ColumnChances OneOfChances(std::span<const double> p);

// Beside an observed tally of a column over `draws` draws: what chance
// gives it, how far off it is in standard deviations, and for hit columns
// the long-run average omission and the chance of the current one.
struct ColumnFigures {
  double expected = 0, deviation = 0;
  double expectedOmission = 0, omissionChance = 1;
  bool operator==(const ColumnFigures&) const = default;
};
struct TallyChance {
  std::vector<ColumnFigures> columns;
  FitTest fit;
};
// `omissions` (one per column, or empty) are the current omissions.
TallyChance CompareWithChance(const ColumnChances& chances, std::span<const int64_t> observed,
                              int64_t draws, std::span<const int32_t> omissions = {});

// An omission grid's columns ("出现次数" counts draws that hold the value).
ColumnChances GridColumnChances(OmissionGridKind kind, const std::vector<int>& columns);
TallyChance GridChance(const OmissionGrid& grid, OmissionGridKind kind);

// The optional rows under an omission grid: "期望次数", "偏差", "期望遗漏",
// "遗漏概率", and the text of row `row` for a column.
const std::array<std::string, 4>& ChanceRowTitles();
std::string ChanceRowText(const ColumnFigures& f, int row);
// The same for a narrow grid cell: one decimal, the chance in whole
// percents ("86", "<1") under the title "遗漏概率%".
std::string ChanceRowShortTitle(int row);
std::string ChanceRowShortText(const ColumnFigures& f, int row);

// The statistics area's numbers of one zone (in number order) over `draws`.
TallyChance NumberTallyChance(const ZoneTally& zone, int draws, bool back);

// Beside each line of the item groups ("分项统计一", "分项统计二", the same
// groups, the same lines): "期望71.43  +1.20σ" for a count, "期望2.90" for
// an average, "" where chance says nothing; and the group's fit.
struct ItemGroupChance {
  std::vector<std::string> lines;
  std::string fit;
};
std::vector<ItemGroupChance> ItemChancesPageOne(const ItemTally& t);
std::vector<ItemGroupChance> ItemChancesPageTwo(const ItemTally& t, int frontDivisor,
                                                int backDivisor);

}  // namespace dlt
