#include "generator/backtest.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/chance_figures.h"
#include "generator/judge_runs.h"
#include "runs_test_support.h"

namespace dlt {
namespace {

using test::FilterBench;
using test::FrontNumber;

std::vector<std::string> Names(const BacktestRow& row) {
  std::vector<std::string> names;
  for (const BrokenCondition& b : row.broken) names.push_back(BrokenConditionName(b));
  return names;
}

ConditionSet WithoutShapeSwitches() {
  ConditionSet set;
  set.Switches().notEqualDist = false;
  set.Switches().specNext = false;
  return set;
}

void Enable(ConditionSet& set, const char* stem, std::vector<int32_t> values,
            bool tolerant = false) {
  const int n = FrontNumber(stem);
  ASSERT_TRUE(set.SetEnabled(n, true));
  ASSERT_TRUE(set.SetValues(n, *ValueSet::From(std::move(values))));
  if (tolerant) {
    ASSERT_TRUE(set.SetTolerant(n, true));
  }
}

TEST(Backtest, AConditionEveryDrawMeetsKeepsThemAll) {
  FilterBench bench(120);
  ConditionSet set = WithoutShapeSwitches();
  Enable(set, "dsgs", {0, 1, 2, 3, 4, 5});
  const BacktestResult r =
      RunBacktest(*bench.table, set, {}, NearRange(bench.table->RecordCount(), 100));
  ASSERT_EQ(r.rows.size(), 100u);
  EXPECT_EQ(r.kept, 100);
  EXPECT_EQ(r.rows.front().qs, bench.table->Draws()[20].qs);
  EXPECT_EQ(r.rows.back().qs, bench.table->Draws().back().qs);
  for (const BacktestRow& row : r.rows) EXPECT_TRUE(row.kept && row.broken.empty()) << row.qs;
}

// 主号一 outside 2..31 is exactly a first number 1: known for every draw by
// looking at it. Tolerant, the total tolerance decides.
TEST(Backtest, DrawsWithFirstNumberOneBreakPositionOne) {
  FilterBench bench(150, 5);
  std::vector<int32_t> twoUp;
  for (int v = 2; v <= 31; ++v) twoUp.push_back(v);
  struct Case {
    bool tolerant;
    TotalTolerance tolerance;
    bool breakerKept;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases = {
      {false, {}, false, {"red1"}},
      {true, {true, 0, 0}, false, {"red1~", "tolerance"}},
      {true, {true, 0, 1}, true, {"red1~"}},
      {true, {}, true, {"red1~"}},
  };
  for (const Case& c : cases) {
    ConditionSet set = WithoutShapeSwitches();
    Enable(set, "red1", twoUp, c.tolerant);
    ASSERT_TRUE(set.SetTolerance(c.tolerance));
    const BacktestResult r = RunBacktest(*bench.table, set, {}, DrawRange{149, 150});
    ASSERT_EQ(r.rows.size(), 150u);
    int breakers = 0;
    for (const BacktestRow& row : r.rows) {
      const bool breaks = row.front[0] == 1;
      breakers += breaks;
      EXPECT_EQ(row.kept, !breaks || c.breakerKept) << row.qs;
      EXPECT_EQ(Names(row), breaks ? c.names : std::vector<std::string>{}) << row.qs;
    }
    ASSERT_GT(breakers, 0);  // the seed gives some
    EXPECT_EQ(r.kept, c.breakerKept ? 150 : 150 - breakers);
  }
}

// The names come from the per-item tests, the verdict from the fast judge:
// on a set of history-dependent conditions they must tell the same story.
TEST(Backtest, NamesAgreeWithTheVerdict) {
  FilterBench bench(400, 9);
  ConditionSet set;
  Enable(set, "hzyl", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, true);
  Enable(set, "red1zf", {0, 1, 2, 3, 4, 5}, true);
  Enable(set, "repeatgs", {0, 1});
  Enable(set, "jsgs", {1, 2, 3, 4});
  set.Switches().notHistory = true;
  ASSERT_TRUE(set.SetTolerance({true, 0, 1}));
  const BacktestResult r = RunBacktest(*bench.table, set, {}, DrawRange{399, 300});
  ASSERT_EQ(r.rows.size(), 300u);
  int kept = 0, tolerated = 0;
  for (const BacktestRow& row : r.rows) {
    const bool strict = std::any_of(row.broken.begin(), row.broken.end(),
                                    [](const BrokenCondition& b) { return !b.tolerant; });
    EXPECT_EQ(row.kept, !strict && row.broken.size() <= 1) << row.qs;
    kept += row.kept;
    tolerated += row.kept && !row.broken.empty();
  }
  EXPECT_EQ(r.kept, kept);
  // Both outcomes occur, so the comparison above tested something.
  EXPECT_GT(kept, 0);
  EXPECT_GT(tolerated, 0);
  EXPECT_LT(kept, 300);
}

void AddFormula(ConditionSet& set, const char* formula, std::vector<int32_t> values,
                bool tolerant = false) {
  std::string error;
  ASSERT_TRUE(
      set.AddCustomIndicator({formula, *ValueSet::From(std::move(values)), tolerant}, &error))
      << error;
}

std::vector<int32_t> Upto(int32_t from, int32_t to) {
  std::vector<int32_t> v;
  for (int32_t x = from; x <= to; ++x) v.push_back(x);
  return v;
}

// The tables moved forward draw by draw against a judge set up for each
// draw alone: the same rows, on sets whose values lean on the history in
// every way the tables keep (omissions, amplitudes, the previous draw's
// numbers, cold and hot numbers, the history check, formulas over earlier
// draws), from the first draw of the history on (no previous draw) and
// across the in-memory history's limit of 3000 draws (the oldest leave).
TEST(Backtest, MovingTablesAgreeWithAJudgePerDraw) {
  ConditionSet history = WithoutShapeSwitches();
  Enable(history, "hzyl", Upto(0, 12), true);
  Enable(history, "red1zf", Upto(0, 6), true);
  Enable(history, "repeatgs", {0, 1});
  Enable(history, "nextgs", {0, 1, 2}, true);
  Enable(history, "coldgs", Upto(0, 3));
  Enable(history, "pd", Upto(0, 6), true);
  Enable(history, "hzzf", Upto(0, 40));
  history.Switches().notHistory = true;
  ASSERT_TRUE(history.SetTolerance({true, 0, 2}));

  ConditionSet formulas = WithoutShapeSwitches();
  Enable(formulas, "jsgs", {1, 2, 3, 4});
  AddFormula(formulas, "getylz(z_hz)", Upto(0, 60));
  AddFormula(formulas, "[-1]z_hz+z_num1", Upto(80, 150), true);
  AddFormula(formulas, "getzf(z_hw)", Upto(0, 5), true);
  formulas.SetCustomIndicatorsEnabled(true);

  ConditionSet everything;
  for (const FrontCondition& fc : FrontConditions()) {
    if (!fc.Selectable()) continue;
    ASSERT_TRUE(everything.SetEnabled(fc.number, true));
    if (fc.IsRange())
      ASSERT_TRUE(everything.SetRangeBounds(fc.number, 0, 99));
    else
      ASSERT_TRUE(everything.SetValues(fc.number, *ValueSet::Range(fc.pickerFrom, fc.pickerTo)));
  }
  Enable(everything, "hmhz", Upto(70, 110), true);

  FilterBench early(130, 21);
  FilterBench late(3040, 22);
  struct Case {
    const char* name;
    const ConditionSet* set;
    FilterBench* bench;
    DrawRange range;
  };
  const Case cases[] = {
      {"history from the first draw", &history, &early, DrawRange{129, 130}},
      {"formulas from the first draw", &formulas, &early, DrawRange{129, 130}},
      {"history past 3000 draws", &history, &late, DrawRange{3039, 70}},
      {"formulas past 3000 draws", &formulas, &late, DrawRange{3039, 70}},
      {"every condition past 3000 draws", &everything, &late, DrawRange{3039, 50}},
  };
  for (const Case& c : cases) {
    const BacktestResult moving = RunBacktest(*c.bench->table, *c.set, {}, c.range);
    const BacktestResult alone = RunBacktestDrawByDraw(*c.bench->table, *c.set, {}, c.range);
    ASSERT_EQ(moving.rows.size(), static_cast<size_t>(c.range.count)) << c.name;
    EXPECT_EQ(moving.rows, alone.rows) << c.name;
    EXPECT_EQ(moving.kept, alone.kept) << c.name;
    // Both outcomes occur, so the comparison tested something.
    EXPECT_GT(moving.kept, 0) << c.name;
    EXPECT_LT(moving.kept, c.range.count) << c.name;
  }
}

// Each draw's share is what a whole filter run over the draws before it
// keeps, counted by a judge of its own; their sum is the draws chance alone
// would keep.
TEST(Backtest, SharesAreTheFilterRunsKeptParts) {
  FilterBench bench(60, 8);
  ConditionSet set;
  Enable(set, "hmhz", Upto(60, 120));
  Enable(set, "repeatgs", {0, 1});
  Enable(set, "jsgs", {2, 3}, true);
  ASSERT_TRUE(set.SetTolerance({true, 0, 0}));
  const DrawRange range{59, 3};
  const BacktestResult r = RunBacktest(*bench.table, set, {}, range, {}, true);
  ASSERT_TRUE(r.withShares);
  ASSERT_EQ(r.rows.size(), 3u);
  std::vector<double> shares;
  for (int index = 57; index <= 59; ++index) {
    MemoryHistory before;
    before.Assign({bench.table->Draws().begin(), bench.table->Draws().begin() + index});
    JudgeSetup setup;
    setup.set = &set;
    setup.history = &before;
    const auto judge = MakeFastJudge(setup);
    const EnumerationVerdicts all =
        JudgeEnumeration(*judge, set.PoolNumbers(), set.BankerNumbers());
    shares.push_back(static_cast<double>(all.accepted.size()) / kAllCombos);
    EXPECT_EQ(r.rows[static_cast<size_t>(index - 57)].share, shares.back()) << index;
  }
  EXPECT_GT(shares[0], 0.0);
  EXPECT_LT(shares[0], 1.0);
  EXPECT_DOUBLE_EQ(r.expectedKept, shares[0] + shares[1] + shares[2]);
  EXPECT_DOUBLE_EQ(r.chanceOfAsMany, ChanceOfAtLeast(shares, r.kept));
  // The verdicts are those of the plain backtest.
  const BacktestResult plain = RunBacktest(*bench.table, set, {}, range);
  EXPECT_EQ(plain.kept, r.kept);
  const BacktestResult cancelled = RunBacktest(
      *bench.table, set, {}, range, [](int64_t, int64_t) { return false; }, true);
  EXPECT_TRUE(cancelled.cancelled);
}

TEST(Backtest, SkipsTheForecastRecordAndCancels) {
  FilterBench bench(40);
  bench.table->WriteForecast({kForecastQs, {1, 2, 3, 4, 5}, {1, 2}});
  const BacktestResult r =
      RunBacktest(*bench.table, ConditionSet{}, {}, NearRange(bench.table->RecordCount(), 5));
  ASSERT_EQ(r.rows.size(), 4u);
  EXPECT_EQ(r.rows.back().qs, bench.table->Draws()[39].qs);
  const BacktestResult cancelled = RunBacktest(*bench.table, ConditionSet{}, {}, DrawRange{39, 40},
                                               [](int64_t, int64_t) { return false; });
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_TRUE(cancelled.rows.empty());
}

// The histogram of a run against the verdicts of every combination judged one by one.
TEST(ToleranceHistogram, MatchesTheVerdictsAndSumsToTheCount) {
  FilterBench bench(200, 3);
  struct Case {
    TotalTolerance tolerance;
    size_t buckets;  // at most
  };
  for (const Case& c : {Case{{true, 0, 2}, 3}, Case{{true, 0, 0}, 1}, Case{{}, 4}}) {
    ConditionSet set;
    Enable(set, "hzyl", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, true);
    Enable(set, "jsgs", {2, 3}, true);
    Enable(set, "dsgs", {1, 2, 3}, true);
    Enable(set, "ac", {4, 5, 6});
    ASSERT_TRUE(set.SetTolerance(c.tolerance));
    ResultList list;
    const RunOutcome out = RunFilter(bench.env, set, list);
    ASSERT_TRUE(out.Done()) << out.message;

    JudgeSetup setup;
    setup.set = &set;
    setup.history = bench.env.history;
    const auto judge = MakeFastJudge(setup);
    std::vector<int> all;
    for (int n = 1; n <= 35; ++n) all.push_back(n);
    std::vector<int64_t> expected = {0};
    for (const Combo& combo : EnumerateCombos(all, {})) {
      const Verdict v = judge->Judge(combo);
      if (v.accepted) CountViolations(expected, v);
    }
    EXPECT_EQ(out.violations, expected);
    EXPECT_LE(out.violations.size(), c.buckets);
    int64_t sum = 0;
    for (int64_t n : out.violations) sum += n;
    EXPECT_EQ(sum, list.Count());

    // Continue filtering under the same set keeps the list and counts it the same way.
    const RunOutcome again = RunContinueFilter(bench.env, set, list);
    ASSERT_TRUE(again.Done());
    EXPECT_EQ(again.violations, expected);
  }
}

}  // namespace
}  // namespace dlt
