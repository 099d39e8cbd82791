#include "indicators/statistics.h"

#include <cstdlib>

namespace dlt {

int32_t ValueOmission(const EvalContext& ctx, const ValueFn& fn) {
  const int32_t v = fn(ctx);
  int32_t count = 0;
  for (int p = ctx.pos - 1; p >= 0; --p) {
    if (fn(ctx.At(p)) == v) return count;
    ++count;
  }
  return count;
}

int32_t ValueAmplitude(const EvalContext& ctx, const ValueFn& fn) {
  const int32_t now = fn(ctx);
  if (!ctx.HasPrevious()) return now < 0 ? -now : now;
  const int32_t before = fn(ctx.At(ctx.pos - 1));
  return std::abs(now - before);
}

int32_t OmissionAmplitude(const EvalContext& ctx, const ValueFn& fn) {
  const int32_t before = ctx.HasPrevious() ? ValueOmission(ctx.At(ctx.pos - 1), fn) : 0;
  return std::abs(ValueOmission(ctx, fn) - before);
}

int32_t NumberOmission(const EvalContext& ctx, int k) {
  const int x = ctx.Current().front[k - 1];
  int32_t count = 0;
  for (int p = ctx.pos - 1; p >= 0; --p) {
    const Draw& d = ctx.draws[p];
    for (auto n : d.front)
      if (n == x) return count;
    ++count;
  }
  return count;
}

}  // namespace dlt
