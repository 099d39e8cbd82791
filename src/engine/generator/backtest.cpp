// A condition set tried on the real draws: each draw is the candidate of a
// filter run over the draws before it. The verdict comes from the fast
// judge, the names of what the draw broke from the per-item tests of the
// check report, so neither can drift from what a run or a report says.
#include "generator/backtest.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "common/chance_figures.h"
#include "generator/candidate_tables.h"
#include "generator/condition_check.h"
#include "generator/condition_table.h"
#include "generator/front_judge.h"
#include "generator/judge_rules.h"
#include "generator/judge_runs.h"
#include "history/draw_table.h"
#include "history/memory_history.h"

namespace dlt {
namespace {

using Kind = BrokenCondition::Kind;

// The enumeration builds every combination from the bankers and the pool:
// a banker outside the pool is still part of it.
bool OutsidePool(const ConditionSet& set, const Combo& c) {
  return std::any_of(c.begin(), c.end(),
                     [&](uint8_t n) { return !set.InPool(n) && !set.IsBanker(n); });
}

bool MissesBanker(const ConditionSet& set, const Combo& c) {
  for (int banker : set.BankerNumbers())
    if (std::find(c.begin(), c.end(), banker) == c.end()) return true;
  return false;
}

// Every item the draw does not meet, among those a filter run tests: a
// condition without values and the custom indicators after one that has
// none or cannot be evaluated are not tested.
std::vector<BrokenCondition> BrokenItems(const ConditionSet& set, const PastDrawCheck& check,
                                         bool repeatsEarlierDraw) {
  const Combo& c = check.CheckedDraw().front;
  std::vector<BrokenCondition> out;
  if (OutsidePool(set, c)) out.push_back({Kind::kPool, 0, false});
  if (MissesBanker(set, c)) out.push_back({Kind::kBanker, 0, false});
  const GlobalSwitches& sw = set.Switches();
  if (sw.notHistory && repeatsEarlierDraw) out.push_back({Kind::kNotHistory, 0, false});
  if (sw.notEqualDist && !check.NotEqualGaps()) out.push_back({Kind::kEqualGaps, 0, false});
  if (sw.specNext && !check.NotSpecialRun()) out.push_back({Kind::kSpecialRun, 0, false});

  for (const FrontCondition& fc : FrontConditions()) {
    if (!fc.Selectable() || !set.IsEnabled(fc.number)) continue;
    const bool tested =
        fc.IsRange() ? set.Range(fc.number).HasBounds() : set.Indicator(fc.number).Applies();
    if (tested && !check.IndicatorHolds(set, fc.number))
      out.push_back({Kind::kIndicator, fc.number, set.IsTolerant(fc.number)});
  }
  if (set.CustomIndicatorsEnabled()) {
    const auto& entries = set.CustomIndicators();
    for (size_t k = 0; k < entries.size(); ++k) {
      if (entries[k].values.Empty()) break;
      const std::optional<int32_t> value = check.CustomIndicatorValue(entries[k]);
      if (!value) break;
      if (!entries[k].values.Contains(*value))
        out.push_back({Kind::kCustom, static_cast<int>(k) + 1, entries[k].tolerant});
    }
  }
  if (set.SelfConditionsEnabled()) {
    const auto& entries = set.SelfConditions();
    for (size_t k = 0; k < entries.size(); ++k)
      if (!entries[k].counts.Empty() && !check.SelfConditionHolds(entries[k]))
        out.push_back({Kind::kSelf, static_cast<int>(k) + 1, entries[k].tolerant});
  }
  if (set.TailSettingsEnabled()) {
    const auto& entries = set.TailSettings();
    for (size_t k = 0; k < entries.size(); ++k)
      if (!entries[k].counts.Empty() && !check.TailSettingHolds(entries[k]))
        out.push_back({Kind::kTail, static_cast<int>(k) + 1, entries[k].tolerant});
  }

  // Only tolerated violations: the total tolerance decides.
  const bool anyStrict =
      std::any_of(out.begin(), out.end(), [](const BrokenCondition& b) { return !b.tolerant; });
  const int tolerated = static_cast<int>(out.size());
  if (!anyStrict && !WithinTotalTolerance(set.Tolerance(), tolerated))
    out.push_back({Kind::kTolerance, 0, false});
  return out;
}

// The row of a judged draw: kept or not, and by name what it broke.
BacktestRow RowOf(const ConditionSet& set, const EvalEnv& env, const Draw& draw,
                  const Verdict& verdict, std::span<const Draw> before, int32_t tableTest,
                  const HistoryComboSet* past) {
  BacktestRow row;
  row.qs = draw.qs;
  row.front = draw.front;
  row.kept = verdict.accepted && !OutsidePool(set, draw.front) && !MissesBanker(set, draw.front);
  if (row.kept && verdict.failures == 0) return row;
  const bool repeats = past && past->Contains(draw.front);
  row.broken = BrokenItems(set, PastDrawCheck({before.begin(), before.end()}, draw, env, tableTest),
                           repeats);
  return row;
}

// Every earlier draw, for the history check: a run looks at the whole table.
std::unique_ptr<HistoryComboSet> PastOf(const ConditionSet& set, std::span<const Draw> all,
                                        int index) {
  if (!set.Switches().notHistory) return nullptr;
  auto past = std::make_unique<HistoryComboSet>();
  for (int i = 0; i < index; ++i) past->Add(all[static_cast<size_t>(i)].front);
  return past;
}

JudgeSetup SetupOf(const ConditionSet& set, const MemoryHistory& history, const EvalEnv& env,
                   int32_t tableTest, const HistoryComboSet* past) {
  JudgeSetup setup;
  setup.set = &set;
  setup.history = &history;
  setup.env = env;
  setup.tableTest = tableTest;
  setup.pastCombos = past;
  return setup;
}

// As much history as a filter run keeps in memory before its candidates.
int HistoryStart(int index) {
  return std::max(0, index - MemoryHistory::kMaxDraws);
}

BacktestRow JudgeDrawAlone(const DrawTable& table, const ConditionSet& set, const EvalEnv& env,
                           int index) {
  const std::vector<Draw>& all = table.Draws();
  const std::span<const Draw> before(all.data() + HistoryStart(index), all.data() + index);
  MemoryHistory history;
  history.Assign({before.begin(), before.end()});
  const std::unique_ptr<HistoryComboSet> past = PastOf(set, all, index);
  const JudgeSetup setup =
      SetupOf(set, history, env, table.Scratch(ScratchField::Test, index), past.get());
  const Draw& draw = all[static_cast<size_t>(index)];
  return RowOf(set, env, draw, MakeFastJudge(setup)->Judge(draw.front), before, setup.tableTest,
               past.get());
}

// Consecutive draws judged with one set of tables moved forward from draw
// to draw, instead of tables set up over the whole history for each.
class MovingJudge {
 public:
  MovingJudge(const DrawTable& table, const ConditionSet& set, const EvalEnv& env, int index)
      : table_(table), set_(set), env_(env), next_(index) {
    const std::vector<Draw>& all = table.Draws();
    window_.assign(all.begin() + HistoryStart(index), all.begin() + index);
    history_.Assign(window_);
    tables_ =
        std::make_unique<CandidateTables>(history_, env, table.Scratch(ScratchField::Test, index));
    past_ = PastOf(set, all, index);
  }

  // The draw `index`, at or after every draw judged before. With `share`
  // also the part of all combinations the run keeps; false when `progress`
  // cancelled that.
  bool Judge(int index, BacktestRow& row, bool share = false, const ProgressFn& progress = {}) {
    const std::vector<Draw>& all = table_.Draws();
    for (; next_ < index; ++next_) {
      const Draw& d = all[static_cast<size_t>(next_)];
      tables_->Advance(d);
      window_.push_back(d);
      if (window_.size() > static_cast<size_t>(MemoryHistory::kMaxDraws))
        window_.erase(window_.begin());
      if (past_) past_->Add(d.front);
    }
    history_.Assign(window_);
    const JudgeSetup setup =
        SetupOf(set_, history_, env_, table_.Scratch(ScratchField::Test, index), past_.get());
    tables_->SetTableTest(setup.tableTest);
    // One combination is judged: ordering the tests by their cost over
    // samples would cost more than it saves, unless the whole enumeration
    // follows.
    const auto judge = MakeFastJudge(setup, *tables_, share);
    const Draw& draw = all[static_cast<size_t>(index)];
    row = RowOf(set_, env_, draw, judge->Judge(draw.front), window_, setup.tableTest, past_.get());
    if (!share) return true;
    const EnumerationVerdicts run =
        JudgeEnumeration(*judge, set_.PoolNumbers(), set_.BankerNumbers(), progress);
    row.share = static_cast<double>(run.accepted.size()) / kAllCombos;
    return !run.cancelled;
  }

 private:
  const DrawTable& table_;
  const ConditionSet& set_;
  const EvalEnv& env_;
  int next_;                  // the draw the tables' candidate stands for
  std::vector<Draw> window_;  // the draws before it in the history
  MemoryHistory history_;
  std::unique_ptr<CandidateTables> tables_;
  std::unique_ptr<HistoryComboSet> past_;
};

// The real draws of `range`, by table index.
std::vector<int> JudgedIndices(const DrawTable& table, const DrawRange& range) {
  const std::vector<Draw>& all = table.Draws();
  std::vector<int> indices;
  const int last = std::min(range.last, static_cast<int>(all.size()) - 1);
  for (int i = std::max(0, range.First()); i <= last && !range.Empty(); ++i)
    if (all[static_cast<size_t>(i)].qs <= kLastRealQs) indices.push_back(i);
  return indices;
}

BacktestResult Finish(std::vector<BacktestRow> rows, bool shares) {
  BacktestResult result;
  result.kept = static_cast<int>(
      std::count_if(rows.begin(), rows.end(), [](const BacktestRow& r) { return r.kept; }));
  if (shares) {
    result.withShares = true;
    std::vector<double> p;
    for (const BacktestRow& r : rows) {
      p.push_back(r.share);
      result.expectedKept += r.share;
    }
    result.chanceOfAsMany = ChanceOfAtLeast(p, result.kept);
  }
  result.rows = std::move(rows);
  return result;
}

BacktestResult Cancelled() {
  BacktestResult result;
  result.cancelled = true;
  return result;
}

// Every draw with its share, one after another: each enumeration uses every core.
BacktestResult RunWithShares(const DrawTable& table, const ConditionSet& set, const EvalEnv& env,
                             const std::vector<int>& indices, const ProgressFn& progress) {
  std::vector<BacktestRow> rows(indices.size());
  if (indices.empty()) return Finish(std::move(rows), true);
  const int64_t total = static_cast<int64_t>(indices.size()) * kAllCombos;
  MovingJudge judge(table, set, env, indices.front());
  for (size_t k = 0; k < indices.size(); ++k) {
    const int64_t before = static_cast<int64_t>(k) * kAllCombos;
    const ProgressFn inner = [&](int64_t done, int64_t) {
      return !progress || progress(before + done, total);
    };
    if (!judge.Judge(indices[k], rows[k], true, inner)) return Cancelled();
  }
  if (progress && !progress(total, total)) return Cancelled();
  return Finish(std::move(rows), true);
}

std::string Suffixed(std::string name, int index, bool tolerant, const char* mark) {
  if (index > 0) name += std::to_string(index);
  if (tolerant) name += mark;
  return name;
}

}  // namespace

std::string BrokenConditionName(const BrokenCondition& item) {
  switch (item.kind) {
    case Kind::kPool:
      return "pool";
    case Kind::kBanker:
      return "banker";
    case Kind::kNotHistory:
      return "nothistory";
    case Kind::kEqualGaps:
      return "equaldist";
    case Kind::kSpecialRun:
      return "special";
    case Kind::kTolerance:
      return "tolerance";
    case Kind::kIndicator: {
      const FrontCondition* fc = FindFrontCondition(item.index);
      return Suffixed(fc ? std::string(fc->stem) : "condition" + std::to_string(item.index), 0,
                      item.tolerant, "~");
    }
    case Kind::kCustom:
      return Suffixed("formula", item.index, item.tolerant, "~");
    case Kind::kSelf:
      return Suffixed("self", item.index, item.tolerant, "~");
    case Kind::kTail:
      return Suffixed("tail", item.index, item.tolerant, "~");
  }
  return {};
}

std::string BrokenConditionCaption(const BrokenCondition& item) {
  constexpr const char* kTolerantMark = "（容错）";
  switch (item.kind) {
    case Kind::kPool:
      return "可选主号";
    case Kind::kBanker:
      return "胆码";
    case Kind::kNotHistory:
      return "不与历史五个主号完全相同";
    case Kind::kEqualGaps:
      return "去除等间距组合";
    case Kind::kSpecialRun:
      return "去除特殊连号";
    case Kind::kTolerance:
      return "总容错";
    case Kind::kIndicator: {
      const FrontCondition* fc = FindFrontCondition(item.index);
      return Suffixed(fc ? std::string(fc->caption) : "条件" + std::to_string(item.index), 0,
                      item.tolerant, kTolerantMark);
    }
    case Kind::kCustom:
      return Suffixed("自定义指标", item.index, item.tolerant, kTolerantMark);
    case Kind::kSelf:
      return Suffixed("自设条件", item.index, item.tolerant, kTolerantMark);
    case Kind::kTail:
      return Suffixed("尾数设置", item.index, item.tolerant, kTolerantMark);
  }
  return {};
}

BacktestResult RunBacktest(const DrawTable& table, const ConditionSet& set, const EvalEnv& env,
                           const DrawRange& range, const ProgressFn& progress, bool shares) {
  const std::vector<int> indices = JudgedIndices(table, range);
  if (shares) return RunWithShares(table, set, env, indices, progress);
  std::vector<BacktestRow> rows(indices.size());
  ParallelOptions options;
  options.progress = progress;
  // A stretch per thread: each sets up its tables once.
  const int64_t n = static_cast<int64_t>(indices.size());
  const int64_t stretches = std::max<int64_t>(1, std::min<int64_t>(n, ParallelThreads(options)));
  options.blockSize = (n + stretches - 1) / stretches;
  const auto work = [&](int64_t begin, int64_t end, int, ParallelControl& control) {
    MovingJudge judge(table, set, env, indices[static_cast<size_t>(begin)]);
    for (int64_t k = begin; k < end && !control.Cancelled(); ++k)
      judge.Judge(indices[static_cast<size_t>(k)], rows[static_cast<size_t>(k)]);
  };
  if (RunParallel(n, work, options).cancelled) return Cancelled();
  return Finish(std::move(rows), false);
}

BacktestResult RunBacktestDrawByDraw(const DrawTable& table, const ConditionSet& set,
                                     const EvalEnv& env, const DrawRange& range) {
  const std::vector<int> indices = JudgedIndices(table, range);
  std::vector<BacktestRow> rows;
  for (int index : indices) rows.push_back(JudgeDrawAlone(table, set, env, index));
  return Finish(std::move(rows), false);
}

}  // namespace dlt
