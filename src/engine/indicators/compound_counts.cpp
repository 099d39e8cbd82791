// Counts and sums over the five front numbers: pair differences and sums,
// pairs with the previous draw, omission ranges, zones and remainders.
#include <cstdlib>

#include "common/numbers.h"
#include "indicators/compound_internal.h"
#include "indicators/statistics.h"

namespace dlt::compound {
namespace {

// One parameter N, and a test on the ten pairs of the draw.
template <class Pair>
Resolution PairsWithin(const KeyParams& p, Pair pair) {
  const auto n = ParseNumbers(p.text, 1);
  if (!n) return Malformed(p.key);
  return Make([pair, target = (*n)[0]](const EvalContext& ctx) {
    const auto& f = ctx.Current().front;
    int count = 0;
    for (int i = 0; i < 5; ++i)
      for (int j = i + 1; j < 5; ++j) count += pair(f[i], f[j]) == target;
    return Byte(count);
  });
}

// The 25 pairs of a number of the draw and one of the previous draw (the
// draw itself at the first draw).
template <class Pair>
Resolution PairsWithPrevious(const KeyParams& p, Pair pair) {
  const auto n = ParseNumbers(p.text, 1);
  if (!n) return Malformed(p.key);
  return Make([pair, target = (*n)[0]](const EvalContext& ctx) {
    const auto& f = ctx.Current().front;
    const auto& q = ctx.HasPrevious() ? ctx.Previous().front : f;
    int count = 0;
    for (int a : f)
      for (int b : q) count += pair(a, b) == target;
    return Byte(count);
  });
}

// t = 0: how many of the front numbers pass `selected`; t = 1: their sum.
template <class Select>
int32_t CountOrSum(const EvalContext& ctx, bool sum, const Select& selected) {
  int64_t total = 0;
  for (int k = 0; k < 5; ++k) {
    const int n = ctx.Current().front[k];
    if (selected(ctx, k, n)) total += sum ? n : 1;
  }
  return Byte(total);
}

}  // namespace

Resolution PairDifference(const KeyParams& p) {
  return PairsWithin(p, [](int a, int b) { return b - a; });
}

Resolution PairSum(const KeyParams& p) {
  return PairsWithin(p, [](int a, int b) { return a + b; });
}

Resolution CrossDifference(const KeyParams& p) {
  return PairsWithPrevious(p, [](int a, int b) { return std::abs(a - b); });
}

Resolution CrossSum(const KeyParams& p) {
  return PairsWithPrevious(p, [](int a, int b) { return a + b; });
}

Resolution OmissionRange(const KeyParams& p) {
  const auto v = ParseNumbers(p.text, 3);
  if (!v || !IsStyle((*v)[0])) return Malformed(p.key);
  return Make([sum = (*v)[0] == 1, lo = (*v)[1], hi = (*v)[2]](const EvalContext& ctx) {
    return CountOrSum(ctx, sum, [lo, hi](const EvalContext& c, int k, int) {
      const int32_t g = NumberOmission(c, k + 1);
      return lo <= g && g <= hi;
    });
  });
}

Resolution ZoneNumbers(const KeyParams& p) {
  const auto v = ParseNumbers(p.text, 3);
  if (!v || !IsStyle((*v)[0])) return Malformed(p.key);
  const int32_t k = (*v)[1], zone = (*v)[2];
  // Zones of 1..35 only exist for 1 to 35 parts; zone i of k must be one of them.
  if (k < 1 || k > kFrontMax || zone < 1 || zone > k) return Malformed(p.key);
  const std::vector<int> bounds = ZoneBounds(k, 1, kFrontMax);
  const int from = bounds[zone - 1] + 1, to = bounds[zone];
  return Make([sum = (*v)[0] == 1, from, to](const EvalContext& ctx) {
    return CountOrSum(ctx, sum,
                      [from, to](const EvalContext&, int, int n) { return from <= n && n <= to; });
  });
}

Resolution Remainder(const KeyParams& p) {
  const auto v = ParseNumbers(p.text, 3);
  if (!v || !IsStyle((*v)[0])) return Malformed(p.key);
  const int32_t m = (*v)[1], r = (*v)[2];
  if (m < 1 || r < 0 || r >= m) return Malformed(p.key);
  return Make([sum = (*v)[0] == 1, m, r](const EvalContext& ctx) {
    return CountOrSum(ctx, sum, [m, r](const EvalContext&, int, int n) { return n % m == r; });
  });
}

}  // namespace dlt::compound
