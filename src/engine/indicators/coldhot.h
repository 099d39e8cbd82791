#pragma once

#include <cstdint>

#include "indicators/eval_context.h"

namespace dlt {

// How many of the current draw's five front numbers were cold, warm and hot
// in the window of draws before it (the current draw excluded).
struct ColdWarmHot {
  int32_t cold = 0, warm = 0, hot = 0;
};
ColdWarmHot ColdWarmHotCounts(const EvalContext& ctx);

}  // namespace dlt
