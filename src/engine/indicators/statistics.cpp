#include "indicators/statistics.h"

namespace dlt {
namespace {

auto Checked(const ValueFn& fn) {
  return [&fn](const EvalContext& c) -> std::optional<int32_t> { return fn(c); };
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

}  // namespace dlt
