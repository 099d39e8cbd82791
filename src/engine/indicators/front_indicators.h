#pragma once

// The front-zone base computations on one draw (and, where the definition
// needs it, the draw before it). They are inline and allocation-free so that
// the filter engine can call them for every candidate; the catalogue reaches
// them through the rows of base_indicators.h.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>

#include "common/draw.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "indicators/eval_context.h"

namespace dlt {

namespace front_detail {

constexpr uint64_t PrimeBits() {
  uint64_t bits = 0;
  for (int n = 0; n < 64; ++n)
    if (IsPrime(n)) bits |= uint64_t{1} << n;
  return bits;
}
constexpr uint64_t kPrimeBits = PrimeBits();

// IsPrime for the numbers of a draw (0..63) by one shift.
constexpr bool Prime(int n) {
  return (kPrimeBits >> n) & 1;
}

// Bit n set for each front number n.
constexpr uint64_t NumberBits(const Draw& d) {
  uint64_t bits = 0;
  for (int n : d.front) bits |= uint64_t{1} << n;
  return bits;
}

}  // namespace front_detail

// z_num1..z_num5 and their tails; position is 1..5.
constexpr int32_t FrontNumber(const Draw& d, int position) {
  return d.front[position - 1];
}
constexpr int32_t FrontTail(const Draw& d, int position) {
  return d.front[position - 1] % 10;
}

// z_hz
constexpr int32_t FrontSum(const Draw& d) {
  return d.front[0] + d.front[1] + d.front[2] + d.front[3] + d.front[4];
}
// z_hw
constexpr int32_t FrontSumTail(const Draw& d) {
  return FrontSum(d) % 10;
}
// z_wh
constexpr int32_t FrontTailSum(const Draw& d) {
  int32_t s = 0;
  for (int n : d.front) s += n % 10;
  return s;
}
// z_aver: the sum / 5, halves to even.
inline int32_t FrontAverage(const Draw& d) {
  return static_cast<int32_t>(DivRoundHalfEven(FrontSum(d), 5));
}

// Sum of the front numbers that satisfy `pred`.
template <class Pred>
constexpr int32_t FrontSumWhere(const Draw& d, Pred pred) {
  int32_t s = 0;
  for (int n : d.front) s += pred(n) ? n : 0;
  return s;
}
// Count of the front numbers that satisfy `pred`.
template <class Pred>
constexpr int32_t FrontCountWhere(const Draw& d, Pred pred) {
  int32_t c = 0;
  for (int n : d.front) c += pred(n) ? 1 : 0;
  return c;
}

// z_jshe, z_oshe, z_zshe, z_hshe
constexpr int32_t OddSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n % 2 == 1; });
}
constexpr int32_t EvenSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n % 2 == 0; });
}
constexpr int32_t PrimeSum(const Draw& d) {
  return FrontSumWhere(d, front_detail::Prime);
}
constexpr int32_t CompositeSum(const Draw& d) {
  return FrontSum(d) - PrimeSum(d);
}

// z_dxqdshe (17 and above) and z_dxqxshe (16 and below).
constexpr int32_t BigHalfSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n >= 17; });
}
constexpr int32_t SmallHalfSum(const Draw& d) {
  return FrontSum(d) - BigHalfSum(d);
}

// z_dzxqdshe (24 and above), z_dzxqzshe (12..23), z_dzxqxshe (11 and below).
constexpr int32_t BigThirdSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n >= 24; });
}
constexpr int32_t MiddleThirdSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n >= 12 && n <= 23; });
}
constexpr int32_t SmallThirdSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n <= 11; });
}

// z_c3yshe, z_c4yshe, z_c5yshe: the sum of Nk % divisor.
constexpr int32_t RemainderSum(const Draw& d, int divisor) {
  int32_t s = 0;
  for (int n : d.front) s += n % divisor;
  return s;
}
// z_0lhe, z_1lhe, z_2lhe: the sum of the numbers with Nk % 3 = route.
constexpr int32_t RouteSum(const Draw& d, int route) {
  int32_t s = 0;
  for (int n : d.front) s += n % 3 == route ? n : 0;
  return s;
}
// z_gwhe: the sum of the tails of 5 or more.
constexpr int32_t HighTailSum(const Draw& d) {
  int32_t s = 0;
  for (int n : d.front) s += n % 10 >= 5 ? n % 10 : 0;
  return s;
}

// z_dsgs (18 and above), z_jsgs, z_zsgs
constexpr int32_t BigCount(const Draw& d) {
  return FrontCountWhere(d, [](int n) { return n >= 18; });
}
constexpr int32_t OddCount(const Draw& d) {
  return FrontCountWhere(d, [](int n) { return n % 2 == 1; });
}
constexpr int32_t PrimeCount(const Draw& d) {
  return FrontCountWhere(d, front_detail::Prime);
}

// z_cmgs: numbers also drawn in the previous draw's front zone; 0 without one.
constexpr int32_t RepeatCount(const Draw& d, const Draw* previous) {
  if (!previous) return 0;
  return std::popcount(front_detail::NumberBits(d) & front_detail::NumberBits(*previous));
}

// z_wzgs: the number of distinct tails.
constexpr int32_t DistinctTailCount(const Draw& d) {
  unsigned bits = 0;
  for (int n : d.front) bits |= 1u << (n % 10);
  return std::popcount(bits);
}

// z_lmzs: adjacent positions holding consecutive numbers.
constexpr int32_t ConsecutivePairCount(const Draw& d) {
  int32_t c = 0;
  for (int k = 0; k < 4; ++k) c += d.front[k + 1] - d.front[k] == 1 ? 1 : 0;
  return c;
}

// z_maxlh: the longest run of consecutive numbers, at least 1.
constexpr int32_t LongestConsecutiveRun(const Draw& d) {
  int32_t best = 1, run = 1;
  for (int k = 0; k < 4; ++k) {
    run = d.front[k + 1] - d.front[k] == 1 ? run + 1 : 1;
    best = std::max(best, run);
  }
  return best;
}

// z_nmzs: numbers one away from some number of the previous draw; a draw
// without a previous one is compared with itself.
constexpr int32_t NeighbourCount(const Draw& d, const Draw* previous) {
  const uint64_t other = front_detail::NumberBits(previous ? *previous : d);
  int32_t c = 0;
  // A draw without numbers (the draw to come) holds zeros: no bit below 0.
  for (int n : d.front)
    c += static_cast<int32_t>(((n > 0 ? other >> (n - 1) : 0) | (other >> (n + 1))) & 1);
  return c;
}

// z_ac: distinct differences among the ten pairs, minus 4.
constexpr int32_t AcValue(const Draw& d) {
  uint64_t diffs = 0;
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 5; ++j) diffs |= uint64_t{1} << std::abs(d.front[j] - d.front[i]);
  return std::popcount(diffs) - 4;
}

// z_zdjj: the largest adjacent gap, starting from 1.
constexpr int32_t LargestGap(const Draw& d) {
  int32_t g = 1;
  for (int k = 0; k < 4; ++k) g = std::max<int32_t>(g, d.front[k + 1] - d.front[k]);
  return g;
}
// z_zxjj: the smallest adjacent gap, starting from 999.
constexpr int32_t SmallestGap(const Draw& d) {
  int32_t g = 999;
  for (int k = 0; k < 4; ++k) g = std::min<int32_t>(g, d.front[k + 1] - d.front[k]);
  return g;
}
// z_jjgs: distinct values among the four adjacent gaps of five numbers.
template <class Number>
constexpr int32_t DistinctGapCount(const std::array<Number, 5>& numbers) {
  int32_t distinct = 0;
  for (int k = 0; k < 4; ++k) {
    const int gap = numbers[k + 1] - numbers[k];
    bool seen = false;
    for (int j = 0; j < k; ++j) seen = seen || numbers[j + 1] - numbers[j] == gap;
    distinct += seen ? 0 : 1;
  }
  return distinct;
}
constexpr int32_t DistinctGapCount(const Draw& d) {
  return DistinctGapCount(d.front);
}

// z_c3y0.., z_c4y0.., z_c5y0..: numbers with Nk % divisor = remainder.
constexpr int32_t RemainderCount(const Draw& d, int divisor, int remainder) {
  int32_t c = 0;
  for (int n : d.front) c += n % divisor == remainder ? 1 : 0;
  return c;
}

// z_3fq_1qgs..z_3fq_3qgs: numbers in zone 1..3 of three (1-11, 12-23, 24-35).
constexpr int32_t ThirdZoneCount(const Draw& d, int zone) {
  constexpr int kUpper[4] = {0, 11, 23, 35};
  int32_t c = 0;
  for (int n : d.front) c += n > kUpper[zone - 1] && n <= kUpper[zone] ? 1 : 0;
  return c;
}

// z_gwgs: numbers whose tail is 5 or more.
constexpr int32_t HighTailCount(const Draw& d) {
  return FrontCountWhere(d, [](int n) { return n % 10 >= 5; });
}

// z_jhlx, z_ohlx, z_zhlx, z_hhlx: adjacent positions whose numbers are both
// odd, both even, both prime, both composite.
template <class Pred>
constexpr int32_t AdjacentPairsWhere(const Draw& d, Pred pred) {
  int32_t c = 0;
  for (int k = 1; k < 5; ++k) c += pred(d.front[k - 1]) && pred(d.front[k]) ? 1 : 0;
  return c;
}
constexpr int32_t OddNeighbourPairs(const Draw& d) {
  return AdjacentPairsWhere(d, [](int n) { return n % 2 == 1; });
}
constexpr int32_t EvenNeighbourPairs(const Draw& d) {
  return AdjacentPairsWhere(d, [](int n) { return n % 2 == 0; });
}
constexpr int32_t PrimeNeighbourPairs(const Draw& d) {
  return AdjacentPairsWhere(d, front_detail::Prime);
}
constexpr int32_t CompositeNeighbourPairs(const Draw& d) {
  return AdjacentPairsWhere(d, [](int n) { return !front_detail::Prime(n); });
}

// z_pd: for each number its distance to the nearest number of the previous
// draw; the largest of the five. 0 without a previous draw.
constexpr int32_t FrontDeviation(const Draw& d, const Draw* previous) {
  if (!previous) return 0;
  int32_t largest = 0;
  for (int n : d.front) {
    int32_t nearest = 999;
    for (int p : previous->front) nearest = std::min(nearest, std::abs(n - p));
    largest = std::max(largest, nearest);
  }
  return largest;
}

// z_sd: for each number its distance to the nearest other number of the
// same draw; the largest of the five.
constexpr int32_t FrontScatter(const Draw& d) {
  int32_t largest = 0;
  for (int i = 0; i < 5; ++i) {
    int32_t nearest = 999;
    for (int j = 0; j < 5; ++j)
      if (j != i) nearest = std::min(nearest, std::abs(d.front[i] - d.front[j]));
    largest = std::max(largest, nearest);
  }
  return largest;
}

// The eight small/big sums: small numbers are 1..17, big 18..35 (the
// boundary of z_dsgs); prime includes 1, composite is everything else.
constexpr int32_t SmallOddSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n <= 17 && n % 2 == 1; });
}
constexpr int32_t BigOddSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n >= 18 && n % 2 == 1; });
}
constexpr int32_t SmallEvenSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n <= 17 && n % 2 == 0; });
}
constexpr int32_t BigEvenSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n >= 18 && n % 2 == 0; });
}
constexpr int32_t SmallPrimeSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n <= 17 && front_detail::Prime(n); });
}
constexpr int32_t BigPrimeSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n >= 18 && front_detail::Prime(n); });
}
constexpr int32_t SmallCompositeSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n <= 17 && !front_detail::Prime(n); });
}
constexpr int32_t BigCompositeSum(const Draw& d) {
  return FrontSumWhere(d, [](int n) { return n >= 18 && !front_detail::Prime(n); });
}

// Computations that walk the history before the current draw.
// z_ylhz: the sum of the five numbers' global omissions.
int32_t OmissionSum(const EvalContext& ctx);
// z_lwr_lmgs, z_lwr_wmgs, z_lwr_rmgs: the draw's numbers that were cold,
// warm, hot in the window before it.
int32_t ColdNumberCount(const EvalContext& ctx);
int32_t WarmNumberCount(const EvalContext& ctx);
int32_t HotNumberCount(const EvalContext& ctx);

}  // namespace dlt
