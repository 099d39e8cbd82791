#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "generator/combination.h"
#include "generator/condition_set.h"
#include "history/memory_history.h"
#include "indicators/eval_context.h"

namespace dlt {

// What a judge is given and what it answers (shared by the front and back
// judges), and the front judges themselves. The bulk runs over many
// combinations are in judge_runs.h, the back judge in back_judge.h.

// Marks of the conditions that have no number of their own in the condition
// table; only zero or non-zero of a mark matters to the result list.
constexpr int kCustomIndicatorMark = 119;  // 自定义指标
constexpr int kSelfConditionMark = 120;    // 自设条件
constexpr int kTailSettingMark = 121;      // 尾数设置

// The outcome of judging one combination (or one back pair). A rejected
// combination carries no failures and no mark: {false, 0, 0}.
struct Verdict {
  bool accepted = false;
  int failures = 0;  // violations of tolerant conditions counted so far
  int lastMark = 0;  // number of the last tolerated violation, 0 if none
  bool operator==(const Verdict&) const = default;
};

// Everything a judge reads. The pointers must outlive the judge, and what
// they point at must not change while it is used (make a new judge after
// changing the set or the history); the judge never changes them.
struct JudgeSetup {
  const ConditionSet* set = nullptr;
  // The in-memory history (N draws, newest last); the candidate becomes draw N+1.
  const MemoryHistory* history = nullptr;
  EvalEnv env;            // cold/hot settings, grid layout
  int32_t tableTest = 0;  // `test` of the table's current record (read whatever the source)
  // For 不与历史五个主号完全相同: the front numbers of every draw of the table,
  // built by the caller. Null with the switch on: no combination is rejected by it.
  const HistoryComboSet* pastCombos = nullptr;
};

// Judges front combinations against a condition set with tolerance.
// Thread-safe: Judge may be called from several threads at once.
class FrontJudge {
 public:
  virtual ~FrontJudge() = default;
  // `recheck`: continue filtering's extra first step (a number outside the
  // pool, or a banker count different from the set's, rejects).
  virtual Verdict Judge(const Combo& c, bool recheck = false) const = 0;
  // For the enumeration, which lists runs of combinations that differ only
  // in their smallest number: out[i] = Judge(block[i]). A judge may share
  // the work on the other four numbers across the block.
  virtual void JudgeSharedTop(std::span<const Combo> block, Verdict* out) const {
    for (size_t i = 0; i < block.size(); ++i) out[i] = Judge(block[i]);
  }
};

// Straight from the definitions: the candidate joins a private copy of the
// history and every condition is computed by name through the catalogue,
// the statistics and the formula interpreter. Slow; the yardstick.
std::unique_ptr<FrontJudge> MakeReferenceJudge(const JudgeSetup& setup);
// Identical verdicts; everything that depends only on the history is
// computed once here, so a judgement allocates nothing.
std::unique_ptr<FrontJudge> MakeFastJudge(const JudgeSetup& setup);
// The same over tables the caller keeps, made over setup.history (or moved
// forward to it). Without `orderChecks` the strict tests keep the
// reference order instead of being ordered by their cost over sample
// combinations: the same verdicts, made sooner for a judge of a few
// combinations and more slowly for a judge of many.
class CandidateTables;
std::unique_ptr<FrontJudge> MakeFastJudge(const JudgeSetup& setup, CandidateTables& tables,
                                          bool orderChecks);

// The order in which the common indicator conditions are judged (after 35,
// 36, 14, the switches and the history set): 1, 2, 3, 75, ..., 118, then the
// remaining selectable numbers ascending.
std::span<const int> CommonConditionOrder();

}  // namespace dlt
