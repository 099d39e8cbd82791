#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "common/draw.h"
#include "common/rounding.h"

namespace dlt {

// f_num1, f_num2; position is 1 or 2.
constexpr int32_t BackNumber(const Draw& d, int position) {
  return d.back[position - 1];
}
// f_hz
constexpr int32_t BackSum(const Draw& d) {
  return d.back[0] + d.back[1];
}
// f_cz, and f_sd, which is the same distance seen as a scatter.
constexpr int32_t BackDifference(const Draw& d) {
  return std::abs(d.back[0] - d.back[1]);
}
// f_aver: (B1 + B2) / 2, halves to even.
inline int32_t BackAverage(const Draw& d) {
  return static_cast<int32_t>(DivRoundHalfEven(BackSum(d), 2));
}
// f_pd: for each back number its distance to the nearest back number of the
// previous draw; the larger of the two. 0 without a previous draw.
constexpr int32_t BackDeviation(const Draw& d, const Draw* previous) {
  if (!previous) return 0;
  int32_t largest = 0;
  for (int n : d.back) {
    const int32_t nearest =
        std::min(std::abs(n - previous->back[0]), std::abs(n - previous->back[1]));
    largest = std::max(largest, nearest);
  }
  return largest;
}

}  // namespace dlt
