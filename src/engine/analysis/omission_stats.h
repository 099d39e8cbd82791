#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/omission_tally.h"

namespace dlt {

// Omission of value v at draw d within the window starting at draw s: the
// draws d-1, d-2, ... down to s are examined until one holds v; the count of
// those examined without finding it. 0 at the window's first draw.
int32_t WindowOmission(std::span<const int32_t> series, int s, int d, int32_t v);

// "遗漏次数统计图" per value over draws s..e: how often it occurred, the
// largest, smallest, average and last of the window omissions at its
// occurrences (kNoOmission for a value never met), and its current omission:
// the draws since it last occurred, counted up to e (0 when draw e holds it,
// the window size when no draw of the window does).
struct ValueOmissionStats : OmissionStats {
  int32_t value = 0;
  bool operator==(const ValueOmissionStats&) const = default;
};

// One entry per value from..to, in value order. Draws whose value lies
// outside from..to are skipped; s..e are clamped to the series.
std::vector<ValueOmissionStats> OmissionStatistics(std::span<const int32_t> series, int s, int e,
                                                   int32_t from, int32_t to);

// The colour class of a value's bar: black when the current omission does
// not exceed the average, orange above it, red-orange when it also exceeds
// the last omission, red when it exceeds the largest too.
enum class OmissionBarColour { Black, Orange, RedOrange, Red };
OmissionBarColour BarColourOf(const ValueOmissionStats& s);

// The titles of the statistic rows under the bars, in order.
const std::vector<std::string>& OmissionStatisticTitles();
// The value of row `row` (0..5) of those titles.
int32_t OmissionStatisticValue(const ValueOmissionStats& s, int row);

// What chance alone says of a value of chance p: the average omission it
// has in the long run, (1 - p) / p ("期望遗漏", beside 平均遗漏), and the
// chance (1 - p)^current that it stays away as long as it has now or
// longer ("遗漏概率", beside 本次遗漏).
struct OmissionOdds {
  double expectedAverage = 0;
  double currentChance = 1;
  bool operator==(const OmissionOdds&) const = default;
};
OmissionOdds OmissionOddsOf(double p, const ValueOmissionStats& s);

// "升序显示  " / "降序显示  ": a stable reordering by current omission.
void SortByCurrentOmission(std::vector<ValueOmissionStats>& stats, bool ascending);

}  // namespace dlt
