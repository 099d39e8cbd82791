#pragma once

#include <array>
#include <cstdint>

#include "generator/combination.h"
#include "generator/condition_set.h"

namespace dlt {

// 离散系数 bounds decided by integer comparisons. The coefficient is
// sqrt(D) / S for the sum S and D = 5Q - S^2 (Q the sum of squares), so for
// a given sum it grows with D, and each rounded bound becomes a threshold
// on D. The single-precision definition can stray from the exact value by
// far less than the margin kept around each threshold; only a combination
// inside such a margin is judged by the definition itself.
class VariationGate {
 public:
  // `range` must have both bounds.
  explicit VariationGate(const RangeCondition& range);

  bool Passes(const Combo& c) const {
    int32_t sum = 0, squares = 0;
    for (uint8_t n : c) {
      sum += n;
      squares += n * n;
    }
    const int32_t d = 5 * squares - sum * sum;
    const Band& b = bands_[static_cast<size_t>(sum)];
    if (d < b.failBelow || d > b.failAbove) return false;
    if (d >= b.passFrom && d <= b.passTo) return true;
    return Decide(c);
  }

 private:
  // For one sum: D below failBelow or above failAbove fails, D within
  // passFrom..passTo passes, anything else is decided by the definition.
  struct Band {
    int32_t failBelow, passFrom, passTo, failAbove;
  };
  static constexpr int kLargestSum = 31 + 32 + 33 + 34 + 35;

  bool Decide(const Combo& c) const;

  RangeCondition range_;
  std::array<Band, kLargestSum + 1> bands_{};
};

}  // namespace dlt
