#include "generator/judge_rules.h"

#include <cmath>

#include "indicators/number_spread.h"

namespace dlt {
namespace {

NumberSpread SpreadOfCombo(const Combo& c) {
  return SpreadOf(std::array<int32_t, 5>{c[0], c[1], c[2], c[3], c[4]});
}

}  // namespace

bool PassesRecheck(const ConditionSet& set, const Combo& c) {
  int bankersIn = 0;
  for (uint8_t n : c) {
    if (!set.InPool(n)) return false;
    if (set.IsBanker(n)) ++bankersIn;
  }
  int bankerCount = 0;
  for (int n = 1; n <= kFrontMax; ++n)
    if (set.IsBanker(n)) ++bankerCount;
  return bankersIn == bankerCount;
}

bool StdDevWithin(const Combo& c, const RangeCondition& range) {
  if (!range.HasBounds()) return true;
  const float s = SpreadOfCombo(c).standardDeviation;
  return static_cast<float>(*range.from) <= s && s <= static_cast<float>(*range.to);
}

int32_t VariationTenths(const Combo& c) {
  const float q = SpreadOfCombo(c).coefficientOfVariation;
  // A float times 1000 is exact in double, so a tie is a true tie.
  return static_cast<int32_t>(std::nearbyint(static_cast<double>(q) * 1000.0));
}

bool VariationWithin(const Combo& c, const RangeCondition& range) {
  if (!range.HasBounds()) return true;
  const int64_t q = VariationTenths(c);
  const TenthsBounds b = VariationTenthsBounds(range);
  return b.from <= q && q <= b.to;
}

int SelfConditionHits(const Combo& c, std::span<const int> group) {
  int hits = 0;
  for (uint8_t n : c)
    for (int g : group)
      if (g == n) {
        ++hits;
        break;
      }
  return hits;
}

int TailSettingHits(const Combo& c, std::span<const int> digits, bool distinct) {
  int hits = 0;
  if (distinct) {
    for (int d : digits)
      for (uint8_t n : c)
        if (n % 10 == d) {
          ++hits;
          break;
        }
    return hits;
  }
  for (uint8_t n : c)
    for (int d : digits)
      if (n % 10 == d) {
        ++hits;
        break;
      }
  return hits;
}

}  // namespace dlt
