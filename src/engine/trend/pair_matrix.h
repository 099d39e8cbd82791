#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/draw.h"
#include "history/draw_range.h"

namespace dlt {

// "相生相克": how often two front numbers stood in the same draw of a range.
// count[a][b] for a, b in 1..35 (symmetric; the diagonal counts the number
// itself).
struct PairMatrix {
  std::array<std::array<int32_t, 36>, 36> count{};
};
PairMatrix CountPairs(std::span<const Draw> draws, const DrawRange& range);

// A pair a < b and its count; shown as "01:02==>7次".
struct PairEntry {
  int a = 0, b = 0;
  int32_t count = 0;
  bool operator==(const PairEntry&) const = default;
};
std::string PairEntryText(const PairEntry& e);

// The pairs visited column by column (b = 2..35, a = 1..b-1): those drawn
// together more than `above` times (相生) and fewer than `below` times (相克).
struct PairLists {
  std::vector<PairEntry> together, apart;
};
PairLists ListPairs(const PairMatrix& m, int above, int below);

// The threshold boxes hold 0..1000; "相生：次数大于" starts at 5, "相克：次数小于" at 1.
constexpr int kPairThresholdMax = 1000;
constexpr int kDefaultTogether = 5;
constexpr int kDefaultApart = 1;

}  // namespace dlt
