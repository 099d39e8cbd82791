#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/draw.h"
#include "history/draw_range.h"

namespace dlt {

// The properties of the draws of a range ("分项统计"), counted over its C
// draws. Repeated numbers, skewness and the amplitudes look at the draw
// before each one in the history, as the indicators do.
struct ItemTally {
  int draws = 0;  // C
  // Front zone: numbers counted over all 5C numbers.
  int64_t odd = 0, big = 0;
  std::array<int64_t, 3> thirds{};  // 1..11, 12..23, 24..35
  std::array<int64_t, 3> mod3{};
  std::array<int64_t, 4> mod4{};
  std::array<int64_t, 5> mod5{};
  std::array<int64_t, 7> sevenths{};  // 1-5, 6-10, ..., 31-35
  // Draws by a count of the draw (index = the count).
  std::array<int64_t, 6> primes{}, tailGroups{}, repeats{}, runs{};
  int64_t primeSum = 0, tailGroupSum = 0, repeatSum = 0, runSum = 0;
  // Sum, largest and smallest per draw.
  struct Extent {
    int64_t sum = 0;
    int32_t largest = 0, smallest = 0;
  };
  Extent skew, scatter, total;
  Extent gaps;  // over the four adjacent gaps of every draw (4C values)
  // Back zone: numbers counted over all 2C numbers.
  int64_t backOdd = 0, backBig = 0, backPrime = 0;
  std::array<int64_t, 3> backMod3{};
  std::array<int64_t, 4> backMod4{};
  std::array<int64_t, 5> backMod5{};
};

ItemTally TallyItems(std::span<const Draw> draws, const DrawRange& range);

// One shown item: its text (prefix + number), its percentage ("" for none)
// and its bar width in pixels (-1 for none). Hidden rows are kept so that a
// group always has the same rows.
struct ItemLine {
  std::string text;
  std::string percent;
  int bar = -1;
  bool hidden = false;
  bool operator==(const ItemLine&) const = default;
};

// A group of items: `id` names its controls, `title` is its caption.
// `indicators` are the catalogue keys whose value per draw the group tallies
// (the odd count for "奇偶", one remainder count per row for "余数"), which
// the indicator analysis can take over; empty where no indicator measures
// the quantity.
struct ItemGroup {
  std::string id;
  std::string title;
  std::vector<ItemLine> lines;
  std::vector<std::string> indicators;
};

// The groups of "分项统计一" and "分项统计二". The front remainder group
// follows `frontDivisor`, the back one `backDivisor` (3, 4 or 5); rows
// beyond the divisor are hidden. An empty range shows 0 everywhere.
std::vector<ItemGroup> ItemGroupsPageOne(const ItemTally& t);
std::vector<ItemGroup> ItemGroupsPageTwo(const ItemTally& t, int frontDivisor, int backDivisor);

// The divisor boxes "除三余数", "除四余数", "除五余数".
const std::vector<std::string>& RemainderBoxTexts();

// share x 100 rounded to one decimal and "%"; 0 when the total is 0.
std::string PercentText(int64_t count, int64_t total);
// round(70 / total x count) pixels; 0 when the total is 0.
int BarWidth(int64_t count, int64_t total);

}  // namespace dlt
