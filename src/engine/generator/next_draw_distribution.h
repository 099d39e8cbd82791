#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/parallel_runner.h"
#include "common/value_distribution.h"
#include "history/memory_history.h"
#include "indicators/eval_context.h"

namespace dlt {

// Which equally likely draws a distribution runs over: the 324,632 front
// combinations or the 66 back pairs.
enum class DrawZone { Front, Back };

// A distribution, or why there is none.
struct DistributionOutcome {
  ValueDistribution distribution;
  std::string error;  // "公式有误:" and the reason
  bool cancelled = false;
  bool ok() const { return error.empty() && !cancelled; }
};

// What the distribution is asked of: a catalogue key (parameterised "c_"
// keys included) or a formula, evaluated as the draw after the newest one
// of `history`, the candidate slot, so that everything read from earlier
// draws ([-1]z_hz, getylz(...), omissions, cold and hot numbers) is the
// real history. The candidate's other zone is the slot as the history
// holds it.
struct DistributionQuery {
  const MemoryHistory* history = nullptr;
  EvalEnv env;
  int32_t tableTest = 0;  // `test` of the table's current record
  std::string text;       // blanks around it are ignored
  DrawZone zone = DrawZone::Front;
};

// The exact distribution: every front combination (or back pair) is
// evaluated, on every core, through the filter's candidate tables and fast
// formulas, so it equals evaluating each one by name and by the formula
// interpreter. A text that is neither a key nor a sound formula, or a
// formula that fails for every draw, gives the error; one that fails for
// some counts them in `failed`. `progress` counts combinations and may
// cancel.
DistributionOutcome NextDrawDistribution(const DistributionQuery& query,
                                         const ProgressFn& progress = {});

// The same, straight from the definitions: each draw is written into a
// private copy of the history and the text is evaluated by name or by the
// formula interpreter. Slow; the yardstick.
DistributionOutcome ReferenceNextDrawDistribution(const DistributionQuery& query);

}  // namespace dlt
