#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/data_folder.h"
#include "generator/back_judge.h"
#include "generator/back_list.h"
#include "generator/condition_set.h"
#include "generator/front_judge.h"
#include "generator/judge_runs.h"
#include "generator/result_list.h"
#include "generator/snapshot_ring.h"
#include "history/draw_table.h"
#include "history/memory_history.h"
#include "indicators/eval_context.h"

namespace dlt {

// Messages of the three filters (message boxes of the generator window).
inline constexpr const char* kForecastGuardMessage =
    "在过滤前，如果预测区存在，必须先清除预测区，否则条件设置可能存在错误。预测区已清除，"
    "请你重新设置条件。";
inline constexpr const char* kStdDevRangeMessage = "标准差还未确定范围";
inline constexpr const char* kVariationRangeMessage = "离散系数还未确定范围";
inline constexpr const char* kStdDevReversedMessage = "标准差的范围下限大于上限";
inline constexpr const char* kVariationReversedMessage = "离散系数的范围下限大于上限";
inline constexpr const char* kToleranceReversedMessage = "总容错的下限大于上限";
inline constexpr const char* kFilterCancelledMessage = "过滤已取消，列表保持不变";

enum class JudgeEngine { kFast, kReference };

// What "常规过滤 " / "机选组号" / "过滤后机选" asks of Filter.
enum class FilterMode {
  kEnumerate,       // 常规组号: every combination of the pool around the bankers
  kPureRandom,      // 机选组号: `pickCount` random combinations, conditions ignored
  kFilteredRandom,  // 过滤后机选: enumerate and judge, then keep `pickCount` at random
};

struct FilterRequest {
  FilterMode mode = FilterMode::kEnumerate;
  int pickCount = 10;            // random modes; 0..kMaxPickCount
  std::optional<uint64_t> seed;  // random modes; the clock when not given
};

using FrontJudgeFactory = std::function<std::unique_ptr<FrontJudge>(const JudgeSetup&)>;
using BackJudgeFactory = std::function<std::unique_ptr<BackJudge>(const JudgeSetup&)>;

// What a run reads besides the condition set and the list it fills: the
// draw table (forecast guard, 不与历史五个主号完全相同, `test` of its newest
// record), the in-memory history the candidates join, the evaluation
// settings, and where the snapshot ring keeps its files.
struct FilterEnvironment {
  DrawTable* table = nullptr;              // required
  const MemoryHistory* history = nullptr;  // required
  EvalEnv env;
  JudgeEngine engine = JudgeEngine::kFast;
  // Snapshot ring of the window and the folder of "hfset0.zh".."hfset4.zh";
  // both null: no snapshot is recorded (the command line keeps no ring).
  SnapshotRing* ring = nullptr;
  const DataFolder* snapshotFolder = nullptr;
  // Called now and then with (judged, total); returning false cancels the
  // run and leaves the list as it was.
  ProgressFn progress;
  // Replace the judges (tests); empty: the engine above decides.
  FrontJudgeFactory makeFrontJudge;
  BackJudgeFactory makeBackJudge;
};

// The environment of a run over `table`, the one way the command line, the
// windows and the tests make it: `history` is loaded from the table (the
// candidates join its newest draws) and the settings are copied. The
// caller adds the engine, the snapshot ring, progress and test judges.
FilterEnvironment MakeFilterEnvironment(DrawTable& table, MemoryHistory& history,
                                        const EvalEnv& env);

enum class RunStatus {
  kDone,
  kForecastCleared,  // the forecast record was there: deleted, nothing filtered
  kRangeNotSet,      // 标准差 / 离散系数 enabled with a blank or reversed bound, or a
                     // reversed total tolerance
  kRefused,          // a request the list cannot take (pick count out of range)
  kCancelled,
};

// The outcome of one run, ready for the window.
struct RunOutcome {
  RunStatus status = RunStatus::kDone;
  std::string message;        // for a message box when not done; empty when done
  int64_t elapsedMicros = 0;  // from after the forecast guard to the end of judging
  int64_t judged = 0;         // combinations (pairs) judged
  int64_t accepted = 0;       // judged and accepted
  int64_t kept = 0;           // records the list holds afterwards
  // Of an enumeration or continue filtering: violations[k] combinations were
  // accepted with k tolerated violations (bucket 0 at least; sums to
  // `accepted`). Empty for the random picks.
  std::vector<int64_t> violations;
  std::string caption;  // the window caption afterwards (empty when not done)
  // The run is done but its snapshot could not be written (the ring did
  // not move); worth a notice, not a failure of the run.
  std::string snapshotError;

  bool Done() const { return status == RunStatus::kDone; }
};

// "超强组号  筛选耗时" + elapsed + "微秒  已得到符合条件的主号组有" + count + "个".
std::string FilterCaption(int64_t elapsedMicros, int64_t count);
// "个性组号  筛选耗时" + elapsed + "微秒  已得到符合条件的主号组有" + accepted + "个"
// + "  系统保留的记录个数" + kept.
std::string ContinueCaption(int64_t elapsedMicros, int64_t accepted, int64_t kept);

// The range guard alone: the message of the first enabled range condition
// with a blank bound, then of a range or total tolerance whose lower bound
// is above its upper one, or empty.
std::string RangeGuardMessage(const ConditionSet& set);

// 常规过滤 (and the two random picks run inside it). On any outcome but
// kDone the list is as it was, marks included.
RunOutcome RunFilter(const FilterEnvironment& env, const ConditionSet& set, ResultList& list,
                     const FilterRequest& request = {});

// 继续过滤: re-judges the list in place (with the pool and banker re-check)
// and compacts it; records judged clean gather at the front in their former
// order, followed by those that passed only by tolerance.
RunOutcome RunContinueFilter(const FilterEnvironment& env, const ConditionSet& set,
                             ResultList& list);

// 开始过滤 of the back zone: every pair of the back pool around the back
// bankers judged against the back conditions.
RunOutcome RunBackFilter(const FilterEnvironment& env, const ConditionSet& set, BackList& list);

// The compaction of continue filtering, given the verdict of every record
// in its original order. Walks a write position, a scan position and the
// last unjudged record r: a rejected record is replaced by record r (judged
// next), a clean one changes places with the first tolerated record before
// it. `records` ends holding the r records kept. Without exactly one
// verdict per record nothing is changed.
struct Compaction {
  int64_t accepted = 0;
  int64_t kept = 0;
};
Compaction CompactJudged(std::vector<FrontRecord>& records, std::span<const Verdict> verdicts);

// The front numbers of the table's real draws, for 不与历史五个主号完全相同.
HistoryComboSet PastCombos(const DrawTable& table);

}  // namespace dlt
