#include "common/chi_square.h"

#include <cmath>
#include <limits>

namespace dlt {
namespace {

using Real = long double;

constexpr Real kEpsilon = 4 * std::numeric_limits<Real>::epsilon();
constexpr Real kTiny = std::numeric_limits<Real>::min() / kEpsilon;
constexpr int kMaxTerms = 1000000;

// x^a e^-x / Γ(a), in logarithms so that large a and x do not overflow.
Real Prefactor(Real a, Real x) {
  return std::exp(a * std::log(x) - x - std::lgamma(a));
}

// P(a, x) by its power series; converges fast for x < a + 1.
Real SeriesP(Real a, Real x) {
  Real term = 1 / a, sum = term;
  for (int n = 1; n < kMaxTerms; ++n) {
    term *= x / (a + n);
    sum += term;
    if (std::fabs(term) <= std::fabs(sum) * kEpsilon) break;
  }
  return sum * Prefactor(a, x);
}

// Q(a, x) by its continued fraction (modified Lentz); converges fast for
// x >= a + 1.
Real FractionQ(Real a, Real x) {
  Real b = x + 1 - a;
  Real c = 1 / kTiny;
  Real d = 1 / b;
  Real h = d;
  for (int i = 1; i < kMaxTerms; ++i) {
    const Real an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = b + an / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1 / d;
    const Real step = d * c;
    h *= step;
    if (std::fabs(step - 1) <= kEpsilon) break;
  }
  return h * Prefactor(a, x);
}

bool Invalid(double a, double x) {
  return std::isnan(a) || std::isnan(x) || a <= 0 || x < 0 || std::isinf(a);
}

}  // namespace

double RegularisedGammaP(double a, double x) {
  if (Invalid(a, x)) return std::numeric_limits<double>::quiet_NaN();
  if (x == 0) return 0;
  if (std::isinf(x)) return 1;
  const Real ra = a, rx = x;
  if (rx < ra + 1) return static_cast<double>(SeriesP(ra, rx));
  return static_cast<double>(1 - FractionQ(ra, rx));
}

double RegularisedGammaQ(double a, double x) {
  if (Invalid(a, x)) return std::numeric_limits<double>::quiet_NaN();
  if (x == 0) return 1;
  if (std::isinf(x)) return 0;
  const Real ra = a, rx = x;
  if (rx < ra + 1) return static_cast<double>(1 - SeriesP(ra, rx));
  return static_cast<double>(FractionQ(ra, rx));
}

double ChiSquarePValue(double statistic, int degrees) {
  if (degrees < 1 || std::isnan(statistic)) return std::numeric_limits<double>::quiet_NaN();
  if (statistic <= 0) return 1;
  return RegularisedGammaQ(degrees / 2.0, statistic / 2.0);
}

}  // namespace dlt
