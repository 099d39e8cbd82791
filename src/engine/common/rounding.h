#pragma once

#include <cstdint>

namespace dlt {

// Nearest integer, halves to even.
int64_t RoundHalfEven(double x);

// a / b rounded to the nearest integer with halves to even, exactly in
// integers (b > 0).
int64_t DivRoundHalfEven(int64_t a, int64_t b);

// x rounded to `decimals` places, halves to even on the scaled value.
double RoundToDecimals(double x, int decimals);

// A fraction rounded to three decimals and multiplied by 100: 1/3 -> 33.3.
double Percent(double fraction);

}  // namespace dlt
