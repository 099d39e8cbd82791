#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>

#include "indicators/eval_context.h"

namespace dlt {

// A value of the draw at a context's position.
using ValueFn = std::function<int32_t(const EvalContext&)>;

// Draws since the current value last occurred: 0 when the previous draw has
// it, the number of earlier draws when none has.
int32_t ValueOmission(const EvalContext& ctx, const ValueFn& fn);
// abs(value now - value at the previous draw); the value itself at the first draw.
int32_t ValueAmplitude(const EvalContext& ctx, const ValueFn& fn);
// abs(omission now - omission at the previous draw; 0 at the first draw).
int32_t OmissionAmplitude(const EvalContext& ctx, const ValueFn& fn);
// Draws since the front number at position k (1..5) last appeared anywhere in the front zone.
int32_t NumberOmission(const EvalContext& ctx, int k);

// The same three definitions over a value that may fail to evaluate (a
// formula): `fn` returns nullopt on failure and the first failure met ends
// the walk with nullopt, so the caller can report the formula's error.
template <class Fn>
std::optional<int32_t> CheckedValueOmission(const EvalContext& ctx, const Fn& fn) {
  const std::optional<int32_t> v = fn(ctx);
  if (!v) return std::nullopt;
  int32_t count = 0;
  for (int p = ctx.pos - 1; p >= 0; --p) {
    const std::optional<int32_t> earlier = fn(ctx.At(p));
    if (!earlier) return std::nullopt;
    if (*earlier == *v) return count;
    ++count;
  }
  return count;
}

template <class Fn>
std::optional<int32_t> CheckedValueAmplitude(const EvalContext& ctx, const Fn& fn) {
  const std::optional<int32_t> now = fn(ctx);
  if (!now) return std::nullopt;
  int32_t before = 0;
  if (ctx.HasPrevious()) {
    const std::optional<int32_t> b = fn(ctx.At(ctx.pos - 1));
    if (!b) return std::nullopt;
    before = *b;
  }
  return std::abs(*now - before);
}

template <class Fn>
std::optional<int32_t> CheckedOmissionAmplitude(const EvalContext& ctx, const Fn& fn) {
  std::optional<int32_t> before = 0;
  if (ctx.HasPrevious()) before = CheckedValueOmission(ctx.At(ctx.pos - 1), fn);
  if (!before) return std::nullopt;
  const std::optional<int32_t> now = CheckedValueOmission(ctx, fn);
  if (!now) return std::nullopt;
  return std::abs(*now - *before);
}

}  // namespace dlt
