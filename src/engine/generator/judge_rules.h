#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "formula/formula_syntax.h"
#include "generator/combination.h"
#include "generator/condition_set.h"

namespace dlt {

// Rules both judges share word for word, so that they can differ only in
// how they compute indicator values.

// Continue filtering's first step: every number in the pool and as many
// bankers among the five as the set has.
bool PassesRecheck(const ConditionSet& set, const Combo& c);

// 标准差: from <= s <= to, s the population standard deviation of the five
// numbers in single precision. A bound left blank applies no test.
bool StdDevWithin(const Combo& c, const RangeCondition& range);

// 离散系数 in tenths of a percent: round(s / m, 3 decimals) × 1000, halves to
// even (1 2 3 4 5 gives 471, that is 47.1 %). Kept as an integer so that a
// bound such as 47 compares with 47.0 exactly.
int32_t VariationTenths(const Combo& c);
// The bounds of the edit (whole percent) on the VariationTenths scale, for
// ranges with both bounds: the one place the ×10 lives.
struct TenthsBounds {
  int64_t from, to;
};
inline TenthsBounds VariationTenthsBounds(const RangeCondition& range) {
  return {int64_t{*range.from} * 10, int64_t{*range.to} * 10};
}
// from <= q <= to with q = VariationTenths / 10. A blank bound applies no test.
bool VariationWithin(const Combo& c, const RangeCondition& range);

// 自设条件: how many of the five numbers lie in the group.
int SelfConditionHits(const Combo& c, std::span<const int> group);
// 尾数设置: without `distinct`, how many numbers have their tail digit in the
// group; with it, how many of the group's digits occur as a tail.
int TailSettingHits(const Combo& c, std::span<const int> digits, bool distinct);

// 总容错: with the box on, accepted only when from <= failures <= to.
inline bool WithinTotalTolerance(const TotalTolerance& t, int failures) {
  return !t.enabled || (t.from <= failures && failures <= t.to);
}

}  // namespace dlt
