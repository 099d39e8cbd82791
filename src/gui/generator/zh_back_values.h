#pragma once

#include <optional>

#include "generator/condition_table.h"
#include "indicators/eval_context.h"

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

// The value a back condition's indicator has for the newest real draw of the
// table (the picker shows it beside the tiles); nullopt for an empty table
// or an indicator that does not resolve.
std::optional<int> NewestBackValue(const DrawTable& table, const EvalEnv& env,
                                   const BackCondition& condition);

}  // namespace dlt::gui
