#pragma once

#include <cstdint>

#include "common/draw.h"

namespace dlt {

// xhAB: NA + NB (xh51 is the extreme sum); positions are 1..5.
constexpr int32_t LineSum(const Draw& d, int a, int b) {
  return d.front[a - 1] + d.front[b - 1];
}
// xcAB: NA - NB (xc51 is the span).
constexpr int32_t LineDifference(const Draw& d, int a, int b) {
  return d.front[a - 1] - d.front[b - 1];
}

}  // namespace dlt
