#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "common/parallel_runner.h"
#include "generator/combination.h"
#include "generator/condition_set.h"
#include "history/memory_history.h"
#include "indicators/eval_context.h"

namespace dlt {

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
};

// Straight from the definitions: the candidate joins a private copy of the
// history and every condition is computed by name through the catalogue,
// the statistics and the formula interpreter. Slow; the yardstick.
std::unique_ptr<FrontJudge> MakeReferenceJudge(const JudgeSetup& setup);
// Identical verdicts; everything that depends only on the history is
// computed once here, so a judgement allocates nothing.
std::unique_ptr<FrontJudge> MakeFastJudge(const JudgeSetup& setup);

// The order in which the common indicator conditions are judged (after 35,
// 36, 14, the switches and the history set): 1, 2, 3, 75, ..., 118, then the
// remaining selectable numbers ascending.
std::span<const int> CommonConditionOrder();

// Judges many combinations on all cores (contiguous chunks, one per hardware
// thread); the verdicts come back in input order. On cancellation the result
// is empty and *cancelled (when given) is set.
std::vector<Verdict> JudgeAll(const FrontJudge& judge, std::span<const Combo> combos, bool recheck,
                              const ProgressFn& progress = {}, bool* cancelled = nullptr);

// The accepted combinations of a whole enumeration.
// (A filter marks every result 0, so the verdicts themselves are not kept.)
struct EnumerationVerdicts {
  std::vector<Combo> accepted;  // in the order EnumerateCombos lists them
  int64_t judged = 0;           // combinations enumerated and judged
  bool cancelled = false;       // then `accepted` is empty
};

// EnumerateCombos(pool, bankers) and JudgeAll in one pass on every core:
// each thread enumerates its own stretch of the generator's order (found by
// rank, so the stretches are equal) and keeps only what it accepts; the
// stretches are joined in order. Same result as judging EnumerateCombos'
// list, without building it.
EnumerationVerdicts JudgeEnumeration(const FrontJudge& judge, const std::vector<int>& pool,
                                     const std::vector<int>& bankers,
                                     const ProgressFn& progress = {});

// A back pair (smaller first).
using BackPair = std::array<uint8_t, 2>;

// Judges back pairs against the eight back conditions of setup.set->Back()
// with its tolerance limit (failures <= limit when the limit box is on).
// lastMark is the number (1..8) of the last tolerated back condition.
class BackJudge {
 public:
  virtual ~BackJudge() = default;
  virtual Verdict Judge(const BackPair& pair) const = 0;
};
std::unique_ptr<BackJudge> MakeBackJudge(const JudgeSetup& setup);

}  // namespace dlt
