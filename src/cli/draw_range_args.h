#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "history/draw_range.h"

namespace CLI {
class App;
}

namespace dlt {
class DrawTable;
class KillHistory;
}  // namespace dlt

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
int IndexOfDraw(const KillHistory& history, int32_t qs);

// Table indices first..last of a stretch of draws, both included.
struct DrawSpan {
  int first = 0;
  int last = -1;
};

// The draws from the issue `fromQs` to the issue `toQs` (0: not given, the
// default index instead). Every command takes its draw range through here,
// so all of them answer alike: an issue the history lacks is named, a start
// after the end is refused (ReversedRangeMessage), and so is a range
// without a draw.
DrawSpan SpanOfIssues(const DrawTable& table, int32_t fromQs, int32_t toQs, int defaultFirst,
                      int defaultLast);
DrawSpan SpanOfIssues(const KillHistory& history, int32_t fromQs, int32_t toQs, int defaultFirst,
                      int defaultLast);
// "QS-QS" as one option (dlt analyse --range).
DrawSpan SpanOfIssueText(const DrawTable& table, const std::string& text);

std::string ReversedRangeMessage(int32_t fromQs, int32_t toQs);
constexpr const char* kNoDrawInRange = "范围内没有开奖数据";

DrawRange RangeOf(const DrawTable& table, const RangeOptions& r);

}  // namespace dlt::cli
