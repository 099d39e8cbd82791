// The check report must judge a past draw exactly as a filter run would
// judge the same five numbers as the next candidate: compared here against
// the reference judge, one condition at a time.
#include "generator/condition_check.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/generator/judge_test_support.h"
#include "history/draw_table.h"
#include "indicators/indicator.h"

namespace dlt::test {
namespace {

// A random value set over a condition's picker range (capped), holding or
// missing the draw's value about half the time.
ValueSet RandomValues(const FrontCondition& fc, int32_t actual, std::mt19937& rng) {
  const int32_t lo = fc.pickerFrom, hi = std::min(fc.pickerTo, fc.pickerFrom + 300);
  std::vector<int32_t> v;
  std::uniform_int_distribution<int32_t> pick(lo, hi);
  for (int i = 0; i < 4; ++i) v.push_back(pick(rng));
  if (rng() % 2) v.push_back(actual);
  return *ValueSet::From(v);
}

TEST(PastDrawCheck, AgreesWithTheReferenceJudgeOnEveryIndicatorCondition) {
  const std::vector<Draw> draws = RandomHistory(120, 11);
  std::mt19937 rng(5);
  int holds = 0, fails = 0;
  for (int index : {1, 2, 40, 119}) {
    const std::vector<Draw> before(draws.begin(), draws.begin() + index);
    const PastDrawCheck check(before, draws[index], EvalEnv{});
    for (const FrontCondition& fc : FrontConditions()) {
      if (!fc.Selectable() || fc.IsRange()) continue;
      JudgeBench bench(before);
      // The candidate slot the judge reads is the draw itself.
      bench.history.CandidateSlot() = draws[index];
      std::vector<Draw> withDraw(before);
      withDraw.push_back(draws[index]);
      const EvalContext ctx =
          MemoryContext(withDraw, static_cast<int>(withDraw.size()) - 1, 0, nullptr);
      const int32_t actual = IndicatorValue(ctx, fc.key);
      bench.Enable(fc.number, RandomValues(fc, actual, rng));
      const bool judged = bench.Make(false)->Judge(draws[index].front).accepted;
      EXPECT_EQ(check.IndicatorHolds(bench.set, fc.number), judged)
          << "condition " << fc.number << " at draw " << index;
      (judged ? holds : fails)++;
    }
  }
  // Both outcomes were exercised.
  EXPECT_GT(holds, 50);
  EXPECT_GT(fails, 50);
}

TEST(PastDrawCheck, AgreesWithTheReferenceJudgeOnRangesGroupsFormulasAndShapes) {
  const std::vector<Draw> draws = RandomHistory(60, 3);
  std::mt19937 rng(9);
  for (int index = 1; index < 60; index += 3) {
    const std::vector<Draw> before(draws.begin(), draws.begin() + index);
    const PastDrawCheck check(before, draws[index], EvalEnv{});
    const Combo& c = draws[index].front;
    auto judged = [&](JudgeBench& bench) { return bench.Make(false)->Judge(c).accepted; };

    for (int number : {kStdDevCondition, kVariationCondition}) {
      JudgeBench bench(before);
      const int32_t from = static_cast<int32_t>(rng() % 60), to = from + rng() % 40;
      ASSERT_TRUE(bench.set.SetEnabled(number, true));
      ASSERT_TRUE(bench.set.SetRangeBounds(number, from, to));
      EXPECT_EQ(check.IndicatorHolds(bench.set, number), judged(bench)) << number;
    }
    {
      JudgeBench bench(before);
      SelfCondition e{{1, 5, 9, 13, 17, 21, 25, 29, 33}, Values({static_cast<int32_t>(rng() % 3)})};
      ASSERT_TRUE(bench.set.AddSelfCondition(e));
      EXPECT_EQ(check.SelfConditionHolds(e), judged(bench));
    }
    for (bool distinct : {false, true}) {
      JudgeBench bench(before);
      TailSetting e{{1, 3, 5}, Values({static_cast<int32_t>(rng() % 3)}), false, distinct};
      ASSERT_TRUE(bench.set.AddTailSetting(e));
      EXPECT_EQ(check.TailSettingHolds(e), judged(bench));
    }
    {
      JudgeBench bench(before);
      CustomIndicator e{"[-1]z_hz-z_hz", Values({static_cast<int32_t>(rng() % 2) ? 0 : 5, 1, -1})};
      bench.AddFormula(e.formula, e.values);
      EXPECT_EQ(check.CustomIndicatorHolds(e), judged(bench));
    }
    {
      JudgeBench bench(before);
      bench.set.Switches().notEqualDist = true;
      bench.set.Switches().specNext = true;
      EXPECT_EQ(check.NotEqualGaps() && check.NotSpecialRun(), judged(bench));
    }
  }
}

TEST(PastDrawCheck, FromTableTakesTheDrawsBeforeTheCheckedOne) {
  TempDir dir;
  DrawTable table(dir.file("basedata.db"));
  for (const Draw& d : RandomHistory(30, 4)) ASSERT_TRUE(table.AppendDraw(d));
  const Draw& checked = table.Draws()[20];
  std::string error;
  const auto check = PastDrawCheck::FromTable(table, checked.qs, EvalEnv{}, &error);
  ASSERT_TRUE(check.has_value()) << error;
  EXPECT_EQ(check->CheckedDraw(), checked);

  // 主号一振幅 compares with draw 19, not with the newest draw of the table.
  ConditionSet set;
  const int32_t amplitude = std::abs(checked.front[0] - table.Draws()[19].front[0]);
  ASSERT_TRUE(set.SetEnabled(FrontNumber("red1zf"), true));
  ASSERT_TRUE(set.SetValues(FrontNumber("red1zf"), Values({amplitude})));
  EXPECT_TRUE(check->IndicatorHolds(set, 43));
  ASSERT_TRUE(set.SetValues(FrontNumber("red1zf"), Values({amplitude + 1})));
  EXPECT_FALSE(check->IndicatorHolds(set, 43));

  EXPECT_FALSE(PastDrawCheck::FromTable(table, 1999001, EvalEnv{}, &error).has_value());
  EXPECT_EQ(error, "历史数据中没有第1999001期");
  EXPECT_FALSE(PastDrawCheck::FromTable(table, kForecastQs, EvalEnv{}, &error).has_value());
}

}  // namespace
}  // namespace dlt::test
