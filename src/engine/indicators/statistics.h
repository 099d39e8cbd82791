#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "formula/formula.h"
#include "formula/formula_arithmetic.h"
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

// The same three over a formula text. A formula that fails at any draw the
// walk visits gives ok = false with the formula's message.
FormulaResult ValueOmission(const EvalContext& ctx, std::string_view formula);
FormulaResult ValueAmplitude(const EvalContext& ctx, std::string_view formula);
FormulaResult OmissionAmplitude(const EvalContext& ctx, std::string_view formula);
// ... and over a formula compiled once by the caller.
FormulaResult ValueOmission(const EvalContext& ctx, const CompiledFormula& formula);
FormulaResult ValueAmplitude(const EvalContext& ctx, const CompiledFormula& formula);
FormulaResult OmissionAmplitude(const EvalContext& ctx, const CompiledFormula& formula);

// The compiled form of a formula text (the interpreter when none is offered).
std::shared_ptr<const CompiledFormula> FormulaForText(std::string_view text);

// Per front number 1..35 (index = number, 0 unused): draws since it last
// came out, counting the current draw as 0. A number absent from the whole
// walk gets the number of draws walked, so it never looks freshly drawn.
std::array<int32_t, 36> CurrentNumberOmissions(const EvalContext& ctx);
// The same for the back numbers 1..12.
std::array<int32_t, 13> CurrentBackNumberOmissions(const EvalContext& ctx);

// The amplitude of a value against the one before, abs(a - b), in the
// formula language's 32-bit arithmetic (getzf): the difference wraps first,
// so values near the limits give the same amplitude everywhere.
inline int32_t AbsDifference(int32_t a, int32_t b) {
  return WrapAbs(WrapSub(a, b));
}

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
  return AbsDifference(*now, before);
}

template <class Fn>
std::optional<int32_t> CheckedOmissionAmplitude(const EvalContext& ctx, const Fn& fn) {
  std::optional<int32_t> before = 0;
  if (ctx.HasPrevious()) before = CheckedValueOmission(ctx.At(ctx.pos - 1), fn);
  if (!before) return std::nullopt;
  const std::optional<int32_t> now = CheckedValueOmission(ctx, fn);
  if (!now) return std::nullopt;
  return AbsDifference(*now, *before);
}

}  // namespace dlt
