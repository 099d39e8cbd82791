#pragma once

#include <cstdint>

#include "history/draw_range.h"

namespace CLI {
class App;
}

namespace dlt {
class DrawTable;
}

namespace dlt::cli {

// The range of the statistics windows: the last N draws (100 by default)
// or from..to, walked back from its last draw.
struct RangeOptions {
  int last = kDefaultNearCount;
  int32_t from = 0, to = 0;  // 0: 100 draws before the last, the last draw
};

// Registers --last, --from and --to (--last excludes the other two).
void AddRangeOptions(CLI::App* cmd, RangeOptions& r);

// The table index of the draw `qs`; throws CliError naming an unknown one.
int IndexOfDraw(const DrawTable& table, int32_t qs);

DrawRange RangeOf(const DrawTable& table, const RangeOptions& r);

}  // namespace dlt::cli
