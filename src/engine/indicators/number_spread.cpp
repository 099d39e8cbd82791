#include "indicators/number_spread.h"

#include <cmath>

namespace dlt {

NumberSpread SpreadOf(const std::array<int32_t, 5>& numbers) {
  NumberSpread s;
  float sum = 0;
  for (int32_t n : numbers) sum += static_cast<float>(n);
  s.mean = sum / 5.0f;
  float squares = 0;
  for (int32_t n : numbers) {
    const float d = static_cast<float>(n) - s.mean;
    squares += d * d;
  }
  s.standardDeviation = std::sqrt(squares / 5.0f);
  // Five numbers of a draw are never all 0; other callers get 0, not a NaN.
  s.coefficientOfVariation = s.mean != 0.0f ? s.standardDeviation / s.mean : 0.0f;
  return s;
}

NumberSpread SpreadOf(const Draw& d) {
  const std::array<int32_t, 5> numbers{d.front[0], d.front[1], d.front[2], d.front[3], d.front[4]};
  return SpreadOf(numbers);
}

}  // namespace dlt
