// A condition set tried on the real draws: each draw is the candidate of a
// filter run over the draws before it. The verdict comes from the fast
// judge, the names of what the draw broke from the per-item tests of the
// check report, so neither can drift from what a run or a report says.
#include "generator/backtest.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "generator/condition_check.h"
#include "generator/condition_table.h"
#include "generator/front_judge.h"
#include "generator/judge_rules.h"
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

BacktestRow JudgeDraw(const DrawTable& table, const ConditionSet& set, const EvalEnv& env,
                      int index) {
  const std::vector<Draw>& all = table.Draws();
  const Draw& draw = all[static_cast<size_t>(index)];
  BacktestRow row;
  row.qs = draw.qs;
  row.front = draw.front;

  // As much history as a filter run keeps in memory before its candidates.
  const int first = std::max(0, index - MemoryHistory::kMaxDraws);
  std::vector<Draw> before(all.begin() + first, all.begin() + index);
  MemoryHistory history;
  history.Assign(before);
  // The history check looks at every earlier draw, as a run looks at the whole table.
  std::unique_ptr<HistoryComboSet> past;
  if (set.Switches().notHistory) {
    past = std::make_unique<HistoryComboSet>();
    for (int i = 0; i < index; ++i) past->Add(all[static_cast<size_t>(i)].front);
  }
  JudgeSetup setup;
  setup.set = &set;
  setup.history = &history;
  setup.env = env;
  setup.tableTest = table.Scratch(ScratchField::Test, index);
  setup.pastCombos = past.get();
  const Verdict verdict = MakeFastJudge(setup)->Judge(draw.front);

  row.kept = verdict.accepted && !OutsidePool(set, draw.front) && !MissesBanker(set, draw.front);
  if (row.kept && verdict.failures == 0) return row;
  const bool repeats = past && past->Contains(draw.front);
  row.broken =
      BrokenItems(set, PastDrawCheck(std::move(before), draw, env, setup.tableTest), repeats);
  return row;
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
                           const DrawRange& range, const ProgressFn& progress) {
  BacktestResult result;
  const std::vector<Draw>& all = table.Draws();
  std::vector<int> indices;
  const int last = std::min(range.last, static_cast<int>(all.size()) - 1);
  for (int i = std::max(0, range.First()); i <= last && !range.Empty(); ++i)
    if (all[static_cast<size_t>(i)].qs <= kLastRealQs) indices.push_back(i);

  std::vector<BacktestRow> rows(indices.size());
  ParallelOptions options;
  options.blockSize = 1;  // a draw is a judge setup: blocks of one even out the threads
  options.progress = progress;
  const auto work = [&](int64_t begin, int64_t end, int, ParallelControl&) {
    for (int64_t k = begin; k < end; ++k)
      rows[static_cast<size_t>(k)] = JudgeDraw(table, set, env, indices[static_cast<size_t>(k)]);
  };
  if (RunParallel(static_cast<int64_t>(indices.size()), work, options).cancelled) {
    result.cancelled = true;
    return result;
  }
  result.kept = static_cast<int>(
      std::count_if(rows.begin(), rows.end(), [](const BacktestRow& r) { return r.kept; }));
  result.rows = std::move(rows);
  return result;
}

}  // namespace dlt
