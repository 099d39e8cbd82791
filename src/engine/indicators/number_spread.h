#pragma once

#include <array>
#include <cstdint>

#include "common/draw.h"

namespace dlt {

// Mean, standard deviation (population form, divisor 5) and coefficient of
// variation of five numbers, in single precision as the trend page plots them.
struct NumberSpread {
  float mean = 0;
  float standardDeviation = 0;
  float coefficientOfVariation = 0;  // standardDeviation / mean

  // The plotted forms: "标准差" as sd × 10, "离散系数" as (sd / mean) × 100.
  float ScaledStandardDeviation() const { return standardDeviation * 10.0f; }
  float ScaledCoefficientOfVariation() const { return coefficientOfVariation * 100.0f; }
};

NumberSpread SpreadOf(const std::array<int32_t, 5>& numbers);
NumberSpread SpreadOf(const Draw& d);

}  // namespace dlt
