#pragma once

namespace dlt {

// The regularised incomplete gamma functions for a > 0 and x >= 0:
// P(a, x) = γ(a, x) / Γ(a) and Q(a, x) = 1 - P(a, x), each computed on its
// own side (series below a + 1, continued fraction above), so a tail
// probability near 0 keeps its relative precision instead of being 1 - P.
// x = +inf gives P 1, Q 0; a <= 0, x < 0 or NaN give NaN.
double RegularisedGammaP(double a, double x);
double RegularisedGammaQ(double a, double x);

// The chance that a χ² variable with `degrees` degrees of freedom reaches
// or passes `statistic`: Q(degrees / 2, statistic / 2). 1 for a statistic
// of 0 or less, 0 for +inf; NaN for degrees < 1.
double ChiSquarePValue(double statistic, int degrees);

}  // namespace dlt
