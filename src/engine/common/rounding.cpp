#include "common/rounding.h"

#include <cmath>

namespace dlt {

int64_t RoundHalfEven(double x) {
  const double f = std::floor(x);
  const double diff = x - f;
  if (diff > 0.5) return static_cast<int64_t>(f) + 1;
  if (diff < 0.5) return static_cast<int64_t>(f);
  const auto fi = static_cast<int64_t>(f);
  return (fi % 2 == 0) ? fi : fi + 1;
}

int64_t DivRoundHalfEven(int64_t a, int64_t b) {
  int64_t q = a / b;
  int64_t r = a % b;
  if (r < 0) {  // floor division
    r += b;
    --q;
  }
  const int64_t twice = 2 * r;
  if (twice > b || (twice == b && q % 2 != 0)) ++q;
  return q;
}

double RoundToDecimals(double x, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return static_cast<double>(RoundHalfEven(x * scale)) / scale;
}

double Percent(double fraction) { return RoundToDecimals(fraction, 3) * 100.0; }

}  // namespace dlt
