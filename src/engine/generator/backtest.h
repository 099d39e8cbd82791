#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/draw.h"
#include "common/parallel_runner.h"
#include "generator/combination.h"
#include "generator/condition_set.h"
#include "indicators/eval_context.h"
#include "history/draw_range.h"

namespace dlt {

class DrawTable;

// One item of the condition set that a past draw did not meet.
struct BrokenCondition {
  enum class Kind : uint8_t {
    kPool,        // a number outside the pool that is no banker
    kBanker,      // a banker not among the five numbers
    kNotHistory,  // 不与历史五个主号完全相同: an earlier draw had the same five numbers
    kEqualGaps,   // 去除等间距组合
    kSpecialRun,  // 去除特殊连号
    kIndicator,   // an indicator or range condition; `index` is its number 1..118
    kCustom,      // a custom indicator; `index` counts from 1
    kSelf,        // a self condition; `index` counts from 1
    kTail,        // a tail setting; `index` counts from 1
    kTolerance,   // 总容错: the tolerated violations fall outside its bounds
  };
  Kind kind = Kind::kPool;
  int index = 0;
  bool tolerant = false;  // counted against the total tolerance rather than rejecting
  bool operator==(const BrokenCondition&) const = default;
};

// The name the command line gives an item: the condition's stem as the
// options take it ("dsgs", "~" after a tolerant one: "hzyl~"), "formula2",
// "self1", "tail1", "pool", "banker", "nothistory", "equaldist", "special",
// "tolerance".
std::string BrokenConditionName(const BrokenCondition& item);
// The caption the window shows: "大数个数", "和值遗漏（容错）", "自定义指标2", ...
std::string BrokenConditionCaption(const BrokenCondition& item);

// A past draw judged as a candidate against the draws before it.
struct BacktestRow {
  int32_t qs = 0;
  Combo front{};
  bool kept = false;                    // the condition set would have kept this draw
  std::vector<BrokenCondition> broken;  // tolerated ones included, in report order
  // With shares: the part of all 324,632 combinations a filter run over the
  // draws before this one keeps, the chance that a fair draw is kept.
  double share = 0;
  bool operator==(const BacktestRow&) const = default;
};

struct BacktestResult {
  std::vector<BacktestRow> rows;  // oldest first
  int kept = 0;
  bool cancelled = false;  // then `rows` is empty
  // With shares: the draws chance alone would keep (the sum of the shares),
  // and the chance that fair draws are kept as often as these or more.
  bool withShares = false;
  double expectedKept = 0;
  double chanceOfAsMany = 1;
};

// Judges every real draw of `range` (indices of the table) as the candidate
// of a filter run over the draws before it (at most as many as the
// in-memory history holds): the same fast judge, switches and total
// tolerance, the history check against the earlier draws, the pool and
// bankers as the enumeration makes them. The items a draw broke are named
// by the same per-item tests the check report ("条件对错") uses. Runs on
// every core: the draws are cut into a stretch per core, and each stretch
// builds the judge's tables once and moves them forward draw by draw.
// `progress` counts draws and may cancel. A set the filter would refuse to
// run (a range without bounds, a total tolerance from high to low) is for
// the caller to refuse first (RangeGuardMessage). With `shares` every draw
// also gets the part of all combinations its filter run keeps (a whole
// enumeration a draw: much slower, and `progress` then counts
// combinations).
BacktestResult RunBacktest(const DrawTable& table, const ConditionSet& set, const EvalEnv& env,
                           const DrawRange& range, const ProgressFn& progress = {},
                           bool shares = false);

// The same verdicts and names, each draw judged by a judge set up from
// scratch over the draws before it. The yardstick of the moving tables.
BacktestResult RunBacktestDrawByDraw(const DrawTable& table, const ConditionSet& set,
                                     const EvalEnv& env, const DrawRange& range);

}  // namespace dlt
