#pragma once

#include <string>

#include "common/value_distribution.h"
#include "generator/next_draw_distribution.h"
#include "history/draw_table.h"

namespace dlt::cli {

// The exact distribution of a key or formula as the draw after the newest
// real one of the table, or the formula's error as the command's failure.
ValueDistribution NextDrawDistributionOrThrow(const DrawTable& table, const EvalEnv& env,
                                              const std::string& text, DrawZone zone);

}  // namespace dlt::cli
