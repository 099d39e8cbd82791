#include "generator/variation_gate.h"

#include <cmath>

#include "generator/judge_rules.h"

namespace dlt {
namespace {

// The coefficient in tenths of a percent is x = 1000 sqrt(D) / S; for t >= 0,
// x > t exactly when D > (t S / 1000)^2. The rounding of the definition
// moves x by less than 2e-3; kMargin keeps well clear of that, and the
// thresholds on D are moved one more step inwards against the rounding of
// this double arithmetic.
constexpr double kMargin = 0.01;

double SquaredThreshold(double tenths, int sum) {
  const double t = tenths * sum / 1000.0;
  return t * t;
}

// The smallest D certainly above the threshold `tenths`.
int32_t FirstAbove(double tenths, int sum) {
  if (tenths < 0) return 0;
  return static_cast<int32_t>(std::floor(SquaredThreshold(tenths, sum))) + 2;
}
// The largest D certainly below the threshold `tenths`.
int32_t LastBelow(double tenths, int sum) {
  if (tenths <= 0) return -1;
  return static_cast<int32_t>(std::ceil(SquaredThreshold(tenths, sum))) - 2;
}

}  // namespace

VariationGate::VariationGate(const RangeCondition& range) : range_(range) {
  // The rounded tenths pass when x lies in [from - 0.5, to + 0.5].
  const TenthsBounds b = VariationTenthsBounds(range);
  const double lower = static_cast<double>(b.from) - 0.5;
  const double upper = static_cast<double>(b.to) + 0.5;
  for (int sum = 0; sum <= kLargestSum; ++sum) {
    Band& band = bands_[static_cast<size_t>(sum)];
    band.failBelow = LastBelow(lower - kMargin, sum) + 1;
    band.passFrom = FirstAbove(lower + kMargin, sum);
    band.passTo = LastBelow(upper - kMargin, sum);
    band.failAbove = FirstAbove(upper + kMargin, sum) - 1;
  }
}

bool VariationGate::Decide(const Combo& c) const {
  return VariationWithin(c, range_);
}

}  // namespace dlt
