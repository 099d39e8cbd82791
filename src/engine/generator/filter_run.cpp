#include "generator/filter_run.h"

#include <chrono>
#include <random>
#include <utility>

#include "generator/combination.h"
#include "generator/condition_store.h"
#include "generator/random_pick.h"
#include "generator/random_tickets.h"

namespace dlt {
namespace {

using Clock = std::chrono::steady_clock;

int64_t MicrosSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}

// Every filter refuses to run while the forecast record exists: conditions
// set while it was shown may have been read from it. It is deleted so that
// the next run can go.
bool ForecastGuard(DrawTable& table, RunOutcome& out) {
  if (!table.HasForecast()) return false;
  table.DeleteForecast();
  out.status = RunStatus::kForecastCleared;
  out.message = kForecastGuardMessage;
  return true;
}

bool RangeGuard(const ConditionSet& set, RunOutcome& out) {
  std::string message = RangeGuardMessage(set);
  if (message.empty()) return false;
  out.status = RunStatus::kRangeNotSet;
  out.message = std::move(message);
  return true;
}

RunOutcome Cancelled(RunOutcome out) {
  out.status = RunStatus::kCancelled;
  out.message = kFilterCancelledMessage;
  return out;
}

RunOutcome Refused(RunOutcome out, std::string message) {
  out.status = RunStatus::kRefused;
  out.message = std::move(message);
  return out;
}

// The judge of one run with what it points at.
struct FrontJudgeOfRun {
  HistoryComboSet pastCombos;
  JudgeSetup setup;
  std::unique_ptr<FrontJudge> judge;
};

JudgeSetup MakeSetup(const FilterEnvironment& env, const ConditionSet& set) {
  JudgeSetup setup;
  setup.set = &set;
  setup.history = env.history;
  setup.env = env.env;
  // The table stands on its newest record while a filter runs, so `test`
  // reads that record's scratch value.
  const DrawTable& table = *env.table;
  if (!table.Empty()) setup.tableTest = table.Scratch(ScratchField::Test, table.RecordCount() - 1);
  return setup;
}

std::unique_ptr<FrontJudgeOfRun> PrepareFrontJudge(const FilterEnvironment& env,
                                                   const ConditionSet& set) {
  auto run = std::make_unique<FrontJudgeOfRun>();
  run->setup = MakeSetup(env, set);
  if (set.Switches().notHistory) {
    run->pastCombos = PastCombos(*env.table);
    run->setup.pastCombos = &run->pastCombos;
  }
  if (env.makeFrontJudge)
    run->judge = env.makeFrontJudge(run->setup);
  else if (env.engine == JudgeEngine::kReference)
    run->judge = MakeReferenceJudge(run->setup);
  else
    run->judge = MakeFastJudge(run->setup);
  return run;
}

void RecordSnapshotOf(const FilterEnvironment& env, const ConditionSet& set, RunOutcome& out) {
  if (!env.ring || !env.snapshotFolder) return;
  std::string error;
  if (!RecordSnapshot(*env.snapshotFolder, *env.ring, set, &error)) out.snapshotError = error;
}

bool ValidCombo(const std::array<uint8_t, 5>& c) {
  if (c[0] < 1 || c[4] > kFrontMax) return false;
  for (int i = 1; i < 5; ++i)
    if (c[i] <= c[i - 1]) return false;
  return true;
}

}  // namespace

FilterEnvironment MakeFilterEnvironment(DrawTable& table, MemoryHistory& history,
                                        const EvalEnv& env) {
  history.LoadFrom(table);
  FilterEnvironment out;
  out.table = &table;
  out.history = &history;
  out.env = env;
  return out;
}

std::string FilterCaption(int64_t elapsedMicros, int64_t count) {
  return "超强组号  筛选耗时" + std::to_string(elapsedMicros) + "微秒  已得到符合条件的主号组有" +
         std::to_string(count) + "个";
}

std::string ContinueCaption(int64_t elapsedMicros, int64_t accepted, int64_t kept) {
  return "个性组号  筛选耗时" + std::to_string(elapsedMicros) + "微秒  已得到符合条件的主号组有" +
         std::to_string(accepted) + "个" + "  系统保留的记录个数" + std::to_string(kept);
}

std::string RangeGuardMessage(const ConditionSet& set) {
  const RangeCondition& stdDev = set.Range(kStdDevCondition);
  if (stdDev.enabled && !stdDev.HasBounds()) return kStdDevRangeMessage;
  const RangeCondition& variation = set.Range(kVariationCondition);
  if (variation.enabled && !variation.HasBounds()) return kVariationRangeMessage;
  // A range from high to low holds nothing: every combination would fail it.
  if (stdDev.enabled && *stdDev.from > *stdDev.to) return kStdDevReversedMessage;
  if (variation.enabled && *variation.from > *variation.to) return kVariationReversedMessage;
  const TotalTolerance& t = set.Tolerance();
  if (t.enabled && t.from > t.to) return kToleranceReversedMessage;
  return {};
}

HistoryComboSet PastCombos(const DrawTable& table) {
  HistoryComboSet past;
  for (const Draw& d : table.Draws())
    if (d.qs <= kLastRealQs && ValidCombo(d.front)) past.Add(d.front);
  return past;
}

RunOutcome RunFilter(const FilterEnvironment& env, const ConditionSet& set, ResultList& list,
                     const FilterRequest& request) {
  RunOutcome out;
  if (ForecastGuard(*env.table, out)) return out;
  const Clock::time_point start = Clock::now();
  if (RangeGuard(set, out)) return out;
  if (request.mode != FilterMode::kEnumerate &&
      (request.pickCount < 0 || request.pickCount > kMaxPickCount))
    return Refused(std::move(out), "机选注数必须在0到" + std::to_string(kMaxPickCount) + "之间");

  std::mt19937_64 rng(request.seed ? *request.seed : ClockSeed());
  std::vector<FrontRecord> records;
  if (request.mode == FilterMode::kPureRandom) {
    records = PureRandomRecords(request.pickCount, rng);
    out.judged = 0;
    out.accepted = static_cast<int64_t>(records.size());
  } else {
    auto run = PrepareFrontJudge(env, set);
    // Enumerated and judged in one pass on every core: the list of all
    // combinations is never built.
    const EnumerationVerdicts verdicts =
        JudgeEnumeration(*run->judge, set.PoolNumbers(), set.BankerNumbers(), env.progress);
    if (verdicts.cancelled) return Cancelled(out);
    out.judged = verdicts.judged;
    records.reserve(verdicts.accepted.size());
    for (const Combo& c : verdicts.accepted) records.push_back({c, 0});
    out.accepted = static_cast<int64_t>(records.size());
    if (request.mode == FilterMode::kFilteredRandom)
      KeepRandomRecords(records, request.pickCount, rng);
    else
      out.violations = verdicts.violations;
  }
  out.elapsedMicros = MicrosSince(start);

  std::string error;
  if (!list.Assign(std::move(records), &error)) return Refused(std::move(out), error);
  list.SetPage(1);
  out.kept = list.Count();
  RecordSnapshotOf(env, set, out);
  out.caption = FilterCaption(out.elapsedMicros, list.Count());
  return out;
}

Compaction CompactJudged(std::vector<FrontRecord>& records, std::span<const Verdict> verdicts) {
  const int64_t n = static_cast<int64_t>(records.size());
  if (verdicts.size() != records.size()) return {0, n};  // not a verdict per record: untouched
  // origin[p]: the original index of the record now at p, for the records
  // not judged yet (positions write..r-1).
  std::vector<int64_t> origin(static_cast<size_t>(n));
  for (int64_t i = 0; i < n; ++i) origin[static_cast<size_t>(i)] = i;

  int64_t write = 0, scan = 0, r = n, accepted = 0;
  for (int64_t step = 0; step < n; ++step) {
    const Verdict& v = verdicts[static_cast<size_t>(origin[static_cast<size_t>(write)])];
    FrontRecord& here = records[static_cast<size_t>(write)];
    if (!v.accepted) {
      // The last unjudged record takes this place and is judged next.
      here.numbers = records[static_cast<size_t>(r - 1)].numbers;
      origin[static_cast<size_t>(write)] = origin[static_cast<size_t>(r - 1)];
      --r;
      continue;
    }
    ++accepted;
    if (v.lastMark != 0) {
      here.mark = static_cast<uint8_t>(v.lastMark);
      ++write;
      continue;
    }
    while (scan < write && records[static_cast<size_t>(scan)].mark == 0) ++scan;
    if (scan == write) {
      here.mark = 0;
    } else {
      FrontRecord& tolerated = records[static_cast<size_t>(scan)];
      std::swap(tolerated.numbers, here.numbers);
      here.mark = tolerated.mark;
      tolerated.mark = 0;
      ++scan;
    }
    ++write;
  }
  records.resize(static_cast<size_t>(r));
  return {accepted, r};
}

RunOutcome RunContinueFilter(const FilterEnvironment& env, const ConditionSet& set,
                             ResultList& list) {
  RunOutcome out;
  if (ForecastGuard(*env.table, out)) return out;
  const Clock::time_point start = Clock::now();
  if (RangeGuard(set, out)) return out;

  // Each record is judged exactly once by the compaction, whatever place it
  // is moved to, so all of them can be judged up front on every core.
  auto run = PrepareFrontJudge(env, set);
  const std::vector<Combo> combos = list.Combos();
  bool cancelled = false;
  const std::vector<Verdict> verdicts =
      JudgeAll(*run->judge, combos, true, env.progress, &cancelled);
  if (cancelled || verdicts.size() != combos.size()) return Cancelled(out);

  std::vector<FrontRecord> records = list.Items();
  const Compaction c = CompactJudged(records, verdicts);
  out.elapsedMicros = MicrosSince(start);
  out.judged = static_cast<int64_t>(combos.size());
  out.accepted = c.accepted;
  out.kept = c.kept;
  out.violations = {0};
  for (const Verdict& v : verdicts)
    if (v.accepted) CountViolations(out.violations, v);
  list.MutableItems() = std::move(records);  // never longer than before
  list.SetPage(1);
  RecordSnapshotOf(env, set, out);
  out.caption = ContinueCaption(out.elapsedMicros, out.accepted, out.kept);
  return out;
}

RunOutcome RunBackFilter(const FilterEnvironment& env, const ConditionSet& set, BackList& list) {
  RunOutcome out;
  if (ForecastGuard(*env.table, out)) return out;
  const Clock::time_point start = Clock::now();

  const JudgeSetup setup = MakeSetup(env, set);
  const std::unique_ptr<BackJudge> judge =
      env.makeBackJudge ? env.makeBackJudge(setup) : MakeBackJudge(setup);
  const BackConditionSet& back = set.Back();
  const auto pairs = EnumeratePairs(back.PoolNumbers(), back.BankerNumbers());
  std::vector<BackPair> accepted;
  for (const auto& pair : pairs)
    if (judge->Judge(pair).accepted) accepted.push_back(pair);
  out.elapsedMicros = MicrosSince(start);
  out.judged = static_cast<int64_t>(pairs.size());
  out.accepted = static_cast<int64_t>(accepted.size());

  std::string error;  // at most C(12,2) = 66 pairs; the list holds 100
  if (!list.Assign(std::move(accepted), &error)) return Refused(std::move(out), error);
  out.kept = list.Count();
  out.caption = list.Caption();
  return out;
}

}  // namespace dlt
