#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "common/draw.h"
#include "indicators/eval_context.h"

namespace dlt {

// The value of an indicator key at the draws first .. first + count - 1 of a
// history (evaluated there, with the draws before them as their past);
// nullopt when the key does not resolve.
std::optional<std::vector<int32_t>> KeySeries(std::span<const Draw> draws, const EvalEnv& env,
                                              std::string_view key, int first, int count);

}  // namespace dlt
