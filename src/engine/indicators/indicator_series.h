#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "indicators/eval_context.h"

namespace dlt {

// The key's value at every draw of the context's history (its position
// ignored), oldest first, the key resolved once: IndicatorValue at each
// draw, -999 throughout for a key that does not resolve.
std::vector<int32_t> IndicatorSeries(const EvalContext& history, std::string_view key);

}  // namespace dlt
