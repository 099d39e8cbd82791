#pragma once

#include <cstdint>
#include <functional>

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

}  // namespace dlt
