#include "indicators/statistics.h"

#include <string>

namespace dlt {
namespace {

auto Checked(const ValueFn& fn) {
  return [&fn](const EvalContext& c) -> std::optional<int32_t> { return fn(c); };
}

// Evaluates a formula as a fallible value, keeping the first message met.
class FormulaValue {
 public:
  explicit FormulaValue(const CompiledFormula& formula) : formula_(formula) {}
  std::optional<int32_t> operator()(const EvalContext& c) const {
    const FormulaResult r = formula_.Evaluate(c);
    if (r.ok) return r.value;
    if (!failed_) {
      failed_ = true;
      error_ = r.error;
    }
    return std::nullopt;
  }
  FormulaResult Result(const std::optional<int32_t>& v) const {
    FormulaResult r;
    r.ok = v.has_value();
    r.value = v.value_or(0);
    if (!r.ok) r.error = error_;
    return r;
  }

 private:
  const CompiledFormula& formula_;
  mutable bool failed_ = false;
  mutable std::string error_;
};

template <class Walk>
FormulaResult OverFormula(const EvalContext& ctx, const CompiledFormula& f, Walk walk) {
  FormulaValue value(f);
  return value.Result(walk(ctx, value));
}

constexpr auto kOmission = [](const EvalContext& c, const FormulaValue& v) {
  return CheckedValueOmission(c, v);
};
constexpr auto kAmplitude = [](const EvalContext& c, const FormulaValue& v) {
  return CheckedValueAmplitude(c, v);
};
constexpr auto kOmissionAmplitude = [](const EvalContext& c, const FormulaValue& v) {
  return CheckedOmissionAmplitude(c, v);
};

// Walks back from the current draw giving each not-yet-met number the offset
// of the first draw that holds it.
template <size_t N, class Numbers>
std::array<int32_t, N> OmissionsFromCurrent(const EvalContext& ctx, Numbers numbersOf) {
  constexpr int kNumbers = static_cast<int>(N) - 1;
  std::array<int32_t, N> result{};
  std::array<bool, N> met{};
  int metCount = 0;
  int offset = 0;
  for (int p = ctx.pos; p >= 0 && metCount < kNumbers; --p, ++offset) {
    for (auto n : numbersOf(ctx.draws[p])) {
      if (n < 1 || n > kNumbers || met[n]) continue;
      met[n] = true;
      result[n] = offset;
      ++metCount;
    }
  }
  for (int n = 1; n <= kNumbers; ++n)
    if (!met[n]) result[n] = offset;
  return result;
}

}  // namespace

int32_t ValueOmission(const EvalContext& ctx, const ValueFn& fn) {
  return *CheckedValueOmission(ctx, Checked(fn));
}

int32_t ValueAmplitude(const EvalContext& ctx, const ValueFn& fn) {
  return *CheckedValueAmplitude(ctx, Checked(fn));
}

int32_t OmissionAmplitude(const EvalContext& ctx, const ValueFn& fn) {
  return *CheckedOmissionAmplitude(ctx, Checked(fn));
}

int32_t NumberOmission(const EvalContext& ctx, int k) {
  const int x = ctx.Current().front[k - 1];
  int32_t count = 0;
  for (int p = ctx.pos - 1; p >= 0; --p) {
    for (auto n : ctx.draws[p].front)
      if (n == x) return count;
    ++count;
  }
  return count;
}

FormulaResult ValueOmission(const EvalContext& ctx, const CompiledFormula& formula) {
  return OverFormula(ctx, formula, kOmission);
}
FormulaResult ValueAmplitude(const EvalContext& ctx, const CompiledFormula& formula) {
  return OverFormula(ctx, formula, kAmplitude);
}
FormulaResult OmissionAmplitude(const EvalContext& ctx, const CompiledFormula& formula) {
  return OverFormula(ctx, formula, kOmissionAmplitude);
}

std::array<int32_t, 36> CurrentNumberOmissions(const EvalContext& ctx) {
  return OmissionsFromCurrent<36>(ctx, [](const Draw& d) { return d.front; });
}

std::array<int32_t, 13> CurrentBackNumberOmissions(const EvalContext& ctx) {
  return OmissionsFromCurrent<13>(ctx, [](const Draw& d) { return d.back; });
}

}  // namespace dlt
