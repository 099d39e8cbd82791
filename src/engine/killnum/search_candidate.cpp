#include "killnum/search_candidate.h"

#include <algorithm>

#include "formula/formula_arithmetic.h"
#include "indicators/indicator.h"

namespace dlt {
namespace {

uint64_t SplitMix64(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// Characters that would end or split a name inside the formula text.
bool BreaksName(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '%' || c == '(' || c == ')' ||
         c == '[' || c == ']' || c == ',' || c == ' ';
}

}  // namespace

std::string CheckShape(const CandidateShape& shape) {
  const std::string& name = shape.indicator;
  if (name.empty() || std::any_of(name.begin(), name.end(), BreaksName) ||
      !ResolveIndicator(name).ok())
    return "没有这个指标：" + name;
  if (shape.lookback < 0 || shape.lookback > kMaxLookback) return "回溯期数应在0到100之间";
  if (shape.from < 0 || shape.to < shape.from || shape.to > kMaxCandidateValue)
    return "取值范围应在0到" + std::to_string(kMaxCandidateValue) + "之间，且最小值不大于最大值";
  return {};
}

std::string TargetRateError(double lo, double hi) {
  // Written so that NaN fails every test.
  if (!(lo >= 0 && hi <= 100 && lo <= hi)) return "目标准确率应在0到100之间，且下限不大于上限";
  return {};
}

void CandidateCoefficients(uint64_t seed, int64_t index, std::span<int32_t> out) {
  uint64_t state = seed ^ (static_cast<uint64_t>(index) * 0xD1B54A32D192ED03ull);
  SplitMix64(state);
  for (int32_t& c : out)
    c = static_cast<int32_t>(((SplitMix64(state) >> 32) * kCoefficientCount) >> 32);
}

std::string CandidateText(const CandidateShape& shape, std::span<const int32_t> coefficients) {
  std::string s = "(";
  for (int k = 1; k <= shape.lookback; ++k)
    s += "(" + std::to_string(coefficients[static_cast<size_t>(k - 1)]) + "*[-" +
         std::to_string(k) + "]" + shape.indicator + ")+";
  s += std::to_string(coefficients[static_cast<size_t>(shape.lookback)]) + ")%" +
       std::to_string(shape.Modulus()) + "+" + std::to_string(shape.from);
  return s;
}

CandidateEvaluator::CandidateEvaluator(const KillHistory& history, const CandidateShape& shape)
    : lookback_(shape.lookback), from_(shape.from), modulus_(shape.Modulus()) {
  const int count = history.RealCount() + 1;
  series_.reserve(static_cast<size_t>(count));
  const Resolution r = ResolveIndicator(shape.indicator);
  for (int i = 0; i < count; ++i)
    series_.push_back(r.ok() ? r.indicator->Value(history.Context(i)) : kNoValue);
}

int32_t CandidateEvaluator::Value(int index, std::span<const int32_t> c) const {
  const int32_t* s = series_.data();
  int32_t acc;
  if (lookback_ == 0) {
    acc = c[0];
  } else {
    acc = Wrap32(static_cast<int64_t>(c[0]) * s[std::max(index - 1, 0)]);
    for (int k = 2; k <= lookback_; ++k)
      acc = Wrap32(
          static_cast<int64_t>(acc) +
          Wrap32(static_cast<int64_t>(c[static_cast<size_t>(k - 1)]) * s[std::max(index - k, 0)]));
    acc = Wrap32(static_cast<int64_t>(acc) + c[static_cast<size_t>(lookback_)]);
  }
  // The modulus is at least 1: the remainder takes the dividend's sign.
  return Wrap32(static_cast<int64_t>(acc % modulus_) + from_);
}

}  // namespace dlt
