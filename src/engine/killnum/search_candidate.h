#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "killnum/kill_history.h"

namespace dlt {

// The shape of the formulas a search generates: K coefficients times the
// indicator K draws back, plus a constant, folded into a value range.
struct CandidateShape {
  std::string indicator = "z_hw";
  int lookback = 6;  // K, the draws looked back
  int32_t from = 1;
  int32_t to = 10;
  int32_t Modulus() const { return to - from + 1; }
};

constexpr int kMaxLookback = 100;
constexpr int32_t kCoefficientCount = 100;  // each coefficient is 0..99
// The largest value a candidate may name: kill and banker numbers are 1..35,
// custom kill values 0..999.
constexpr int32_t kMaxCandidateValue = 999;

// Empty when the shape makes formulas; otherwise why not: the indicator must
// be a key of the catalogue that a formula reads as one name, 0 <= K <= 100
// and 0 <= from <= to <= kMaxCandidateValue (a formula has no negative
// numbers).
std::string CheckShape(const CandidateShape& shape);

// Empty when lo..hi is a target rate a search can meet: percentages
// 0 <= lo <= hi <= 100; otherwise why not.
std::string TargetRateError(double lo, double hi);

// The coefficients c1..cK, c0 of candidate `index` of a run started with
// `seed`: a function of the two alone, so a run tests the same candidates
// on any number of threads. `out` holds K + 1 values.
void CandidateCoefficients(uint64_t seed, int64_t index, std::span<int32_t> out);

// "(" then "(" c_k "*[-" k "]" I ")+" for k = 1..K, then c0 ")%" n "+" from:
// K = 2, z_hw, 1..10 and 37, 5, 82 give "((37*[-1]z_hw)+(5*[-2]z_hw)+82)%10+1".
std::string CandidateText(const CandidateShape& shape, std::span<const int32_t> coefficients);

// A candidate's value computed straight from its coefficients, exactly as
// its formula text gives it on every draw: the operators applied left to
// right in wrapping 32-bit arithmetic, and an offset before the first draw
// reading the first draw, as the formula language's offsets do.
class CandidateEvaluator {
 public:
  // Reads the indicator once at every draw of the history.
  CandidateEvaluator(const KillHistory& history, const CandidateShape& shape);
  int32_t Value(int index, std::span<const int32_t> coefficients) const;

 private:
  std::vector<int32_t> series_;
  int lookback_;
  int32_t from_;
  int32_t modulus_;
};

}  // namespace dlt
