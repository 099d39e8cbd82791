#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "common/draw.h"
#include "history/draw_table.h"
#include "indicators/eval_context.h"

namespace dlt {

// The three stored summary texts of a draw. `two` and `three` are absent
// for the first draw, which has no window before it.
struct ColdHotSummary {
  std::string one;                   // sizes of the cold, warm and hot lists: " 9:14:12"
  std::optional<std::string> two;    // the draw's numbers per class before it: "1:3:1"
  std::optional<std::string> three;  // hit rate per class in percent: " 11: 21: 8"
};

// The summary texts of the draw at `index` (front zone, window and
// thresholds of `settings`).
ColdHotSummary ComputeColdHotSummary(std::span<const Draw> draws, int index,
                                     const ColdHotSettings& settings);

// Writes the summary texts of the table's current draw; the cursor stays.
void WriteColdHotSummary(DrawTable& table, const ColdHotSettings& settings);

// Reports progress (draws done, total); returning false stops the rewrite.
using SummaryProgress = std::function<bool(int done, int total)>;

// Rewrites the summary texts of every draw, first to last (after the
// window settings change); rows whose texts do not change are not written.
// The cursor returns to where it was. False when stopped by `progress`.
bool RewriteAllColdHotSummaries(DrawTable& table, const ColdHotSettings& settings,
                                const SummaryProgress& progress = {});

}  // namespace dlt
