#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/chance_figures.h"
#include "common/value_distribution.h"
#include "history/draw_range.h"

namespace dlt {

// "出现次数统计图": how often each value from..to occurs in the window ("近"
// N draws or a custom range), in value order (values outside the range are
// not counted).
std::vector<int32_t> OccurrenceCounts(std::span<const int32_t> series, const DrawRange& window,
                                      int32_t from, int32_t to);

// A count as the charts write it: the count itself, or count / window size
// as a percentage rounded to one decimal ("33.3").
std::string CountText(int32_t count, int windowSize, bool percent);

// "分项统计": the classes the draws of a window fall in.
enum class ItemKind { OddEven = 0, PrimeComposite, Zones, Remainder };
const std::vector<std::string>& ItemKindTexts();

struct ItemClass {
  std::string label;
  int32_t count = 0;
  bool operator==(const ItemClass&) const = default;
};

// Counts per class: 奇偶 (odd, even), 质合 (prime, composite; 1 is prime),
// 分区 (n zones of from..to as ZoneBounds divides them; values outside the
// range fall in none), 除 n 余数 (classes 0..n-1).
std::vector<ItemClass> ItemClassCounts(std::span<const int32_t> series, const DrawRange& window,
                                       ItemKind kind, int n, int32_t from, int32_t to);
// The chance of each of those classes at a draw whose value follows
// `distribution` (a value in no class adds to none).
std::vector<double> ItemClassProbabilities(const ValueDistribution& distribution, ItemKind kind,
                                           int n, int32_t from, int32_t to);

// How well the counts of a window of `draws` draws fit chance: one class per
// entry (the value counts of OccurrenceCounts with their values' chances,
// or the item classes with theirs), and what the classes leave of the
// draws and of the chance as one more class.
FitTest WindowFit(std::span<const int64_t> counts, std::span<const double> chances, int draws);
// The value counts of OccurrenceCounts (counts[i] of the value from + i)
// against `distribution`; values outside the counts are part of the rest.
FitTest ValueCountFit(const std::vector<int32_t>& counts, int32_t from,
                      const ValueDistribution& distribution, int draws);

}  // namespace dlt
