// Filter runs over the real judges.
#include <gtest/gtest.h>

#include <set>

#include "generator/batch_filter.h"
#include "generator/condition_files.h"
#include "generator/filter_run.h"
#include "runs_test_support.h"

namespace dlt {
namespace {

using test::FilterBench;
using test::FrontNumber;

ConditionSet SwitchesOff() {
  ConditionSet set;
  set.Switches().notEqualDist = false;
  set.Switches().specNext = false;
  return set;
}

// Both shape rules written out from their definitions.
bool Progression(const Combo& c) {
  const int g = c[1] - c[0];
  return c[2] - c[1] == g && c[3] - c[2] == g && c[4] - c[3] == g;
}
bool SpecialRun(const Combo& c) {
  const bool allFive = c[4] - c[0] == 4;
  const bool lowFour = c[3] - c[0] == 3;
  const bool highFour = c[4] - c[1] == 3;
  const bool pairThenThree = c[1] - c[0] == 1 && c[4] - c[2] == 2;
  const bool threeThenPair = c[2] - c[0] == 2 && c[4] - c[3] == 1;
  return allFive || lowFour || highFour || pairThenThree || threeThenPair;
}

TEST(FilterEngine, FullPoolWithoutConditionsGivesEveryCombination) {
  FilterBench bench(120);
  ResultList list;
  const RunOutcome out = RunFilter(bench.env, SwitchesOff(), list);
  ASSERT_TRUE(out.Done()) << out.message;
  EXPECT_EQ(list.Count(), 324632);
  EXPECT_EQ(list.At(1).numbers, (Combo{31, 32, 33, 34, 35}));
  EXPECT_EQ(list.At(2).numbers, (Combo{30, 32, 33, 34, 35}));
  EXPECT_EQ(list.At(324632).numbers, (Combo{1, 2, 3, 4, 5}));
  EXPECT_EQ(out.caption, FilterCaption(out.elapsedMicros, 324632));
}

TEST(FilterEngine, DefaultSwitchesRemoveProgressionsAndSpecialRuns) {
  FilterBench bench(120);
  ResultList list;
  ConditionSet set;  // 去除等间距组合 and 去除特殊连号 on
  ASSERT_TRUE(set.Switches().notEqualDist && set.Switches().specNext);
  ASSERT_TRUE(RunFilter(bench.env, set, list).Done());
  int64_t removed = 0;
  for (const Combo& c : EnumerateCombos(set.PoolNumbers(), {}))
    if (Progression(c) || SpecialRun(c)) ++removed;
  EXPECT_EQ(list.Count(), 324632 - removed);
  std::set<Combo> results;
  for (const auto& r : list.Items()) results.insert(r.numbers);
  for (const Combo& c : {Combo{1, 2, 3, 4, 5}, Combo{3, 10, 17, 24, 31}, Combo{2, 4, 6, 8, 10},
                         Combo{1, 2, 4, 5, 6}, Combo{1, 2, 3, 5, 6}, Combo{5, 6, 7, 8, 20}})
    EXPECT_FALSE(results.count(c)) << int(c[0]) << " " << int(c[1]) << " " << int(c[2]);
  EXPECT_TRUE(results.count(Combo{1, 2, 4, 6, 7}));
}

TEST(FilterEngine, NotHistoryRemovesEveryPastDraw) {
  FilterBench bench(200);
  ConditionSet set = SwitchesOff();
  set.Switches().notHistory = true;
  std::vector<int> pool;
  for (int n = 1; n <= 20; ++n) pool.push_back(n);
  ASSERT_TRUE(set.SetPool(pool));
  ResultList list;
  ASSERT_TRUE(RunFilter(bench.env, set, list).Done());
  std::set<Combo> past;
  for (const Draw& d : bench.table->Draws())
    if (d.front[4] <= 20) past.insert(d.front);
  EXPECT_EQ(list.Count(), 15504 - static_cast<int>(past.size()));  // C(20,5)
  for (const auto& r : list.Items()) ASSERT_FALSE(past.count(r.numbers));
}

TEST(FilterEngine, ReferenceAndFastEnginesGiveTheSameList) {
  FilterBench bench(150);
  ConditionSet set;
  std::vector<int> pool;
  for (int n = 5; n <= 22; ++n) pool.push_back(n);
  ASSERT_TRUE(set.SetPool(pool));
  ASSERT_TRUE(set.SetEnabled(FrontNumber("hmhz"), true));  // 和值
  ASSERT_TRUE(set.SetValues(FrontNumber("hmhz"), *ValueSet::Range(50, 75)));
  ASSERT_TRUE(set.SetEnabled(FrontNumber("repeatgs"), true));  // 重号个数, tolerant
  ASSERT_TRUE(set.SetValues(FrontNumber("repeatgs"), *ValueSet::From({0})));
  ASSERT_TRUE(set.SetTolerant(FrontNumber("repeatgs"), true));
  ASSERT_TRUE(set.SetEnabled(FrontNumber("hzyl"), true));  // 和值遗漏, tolerant
  ASSERT_TRUE(set.SetValues(FrontNumber("hzyl"), *ValueSet::Range(0, 20)));
  ASSERT_TRUE(set.SetTolerant(FrontNumber("hzyl"), true));
  ASSERT_TRUE(set.SetTolerance({true, 0, 1}));

  ResultList fast, reference;
  ASSERT_TRUE(RunFilter(bench.env, set, fast).Done());
  bench.env.engine = JudgeEngine::kReference;
  ASSERT_TRUE(RunFilter(bench.env, set, reference).Done());
  ASSERT_GT(fast.Count(), 0);
  EXPECT_EQ(fast.Items(), reference.Items());

  // Continue filtering under a narrower set, both ways.
  ConditionSet narrower = set;
  ASSERT_TRUE(narrower.SetValues(FrontNumber("hmhz"), *ValueSet::Range(55, 65)));
  bench.env.engine = JudgeEngine::kFast;
  ASSERT_TRUE(RunContinueFilter(bench.env, narrower, fast).Done());
  bench.env.engine = JudgeEngine::kReference;
  ASSERT_TRUE(RunContinueFilter(bench.env, narrower, reference).Done());
  EXPECT_EQ(fast.Items(), reference.Items());
}

// With 总容错 2..3 a combination violating exactly one tolerant condition
// is rejected; with 0..0 tolerance behaves as if no condition were tolerant.
TEST(FilterEngine, TotalToleranceBounds) {
  FilterBench bench(100);
  ConditionSet strict = SwitchesOff();
  std::vector<int> pool;
  for (int n = 1; n <= 16; ++n) pool.push_back(n);
  ASSERT_TRUE(strict.SetPool(pool));
  ASSERT_TRUE(strict.SetEnabled(FrontNumber("hmhz"), true));
  ASSERT_TRUE(strict.SetValues(FrontNumber("hmhz"), *ValueSet::Range(30, 45)));
  ASSERT_TRUE(strict.SetEnabled(FrontNumber("jsgs"), true));  // 奇数个数
  ASSERT_TRUE(strict.SetValues(FrontNumber("jsgs"), *ValueSet::From({2, 3})));

  ConditionSet zeroZero = strict;
  ASSERT_TRUE(zeroZero.SetTolerant(FrontNumber("hmhz"), true));
  ASSERT_TRUE(zeroZero.SetTolerant(FrontNumber("jsgs"), true));
  ASSERT_TRUE(zeroZero.SetTolerance({true, 0, 0}));
  ResultList a, b;
  ASSERT_TRUE(RunFilter(bench.env, strict, a).Done());
  ASSERT_TRUE(RunFilter(bench.env, zeroZero, b).Done());
  EXPECT_EQ(a.Combos(), b.Combos());

  ConditionSet twoThree = zeroZero;
  ASSERT_TRUE(twoThree.SetTolerance({true, 2, 3}));
  ResultList c;
  ASSERT_TRUE(RunFilter(bench.env, twoThree, c).Done());
  for (const auto& r : c.Items()) {
    const int sum = r.numbers[0] + r.numbers[1] + r.numbers[2] + r.numbers[3] + r.numbers[4];
    int odd = 0;
    for (uint8_t n : r.numbers) odd += n % 2;
    ASSERT_FALSE(sum >= 30 && sum <= 45) << "must violate both";
    ASSERT_FALSE(odd == 2 || odd == 3);
  }
  EXPECT_GT(c.Count(), 0);
}

TEST(FilterEngine, ContinueFilteringWithANewBankerEmptiesTheList) {
  FilterBench bench(100);
  ConditionSet set = SwitchesOff();
  std::vector<int> pool;
  for (int n = 1; n <= 15; ++n) pool.push_back(n);
  ASSERT_TRUE(set.SetPool(pool));
  ResultList list;
  ASSERT_TRUE(RunFilter(bench.env, set, list).Done());
  ASSERT_EQ(list.Count(), 3003);  // C(15,5)
  const std::vector<int> banker = {30};
  ASSERT_TRUE(set.SetBankers(banker));
  const RunOutcome out = RunContinueFilter(bench.env, set, list);
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(out.kept, 0);
}

TEST(FilterEngine, ToleratedResultsFollowCleanOnesAfterContinueFiltering) {
  FilterBench bench(100);
  ConditionSet set = SwitchesOff();
  ASSERT_TRUE(set.SetEnabled(FrontNumber("red1"), true));  // 主号一 in {1}, tolerant
  ASSERT_TRUE(set.SetValues(FrontNumber("red1"), *ValueSet::From({1})));
  ASSERT_TRUE(set.SetTolerant(FrontNumber("red1"), true));
  ResultList list;
  ASSERT_TRUE(
      list.AssignCombos({Combo{2, 5, 9, 20, 30}, Combo{3, 6, 9, 21, 31}, Combo{1, 5, 9, 20, 30},
                         Combo{4, 8, 12, 16, 33}, Combo{1, 6, 9, 21, 31}}));
  ASSERT_TRUE(RunContinueFilter(bench.env, set, list).Done());
  ASSERT_EQ(list.Count(), 5);
  EXPECT_EQ(list.At(1), (FrontRecord{Combo{1, 5, 9, 20, 30}, 0}));
  EXPECT_EQ(list.At(2), (FrontRecord{Combo{1, 6, 9, 21, 31}, 0}));
  for (int k = 3; k <= 5; ++k) EXPECT_EQ(list.At(k).mark, 75);
}

TEST(FilterEngine, BackFilterJudgesThePairsOfThePool) {
  FilterBench bench(100);
  ConditionSet set;
  BackList list;
  RunOutcome out = RunBackFilter(bench.env, set, list);
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(out.judged, 66);
  ASSERT_EQ(list.Count(), 66);
  EXPECT_EQ(list.At(1), (BackPair{11, 12}));
  EXPECT_EQ(list.At(2), (BackPair{10, 12}));
  EXPECT_EQ(out.caption, "超强组号  已得到符合条件的副号组有66个");

  const std::vector<int> banker = {5};
  ASSERT_TRUE(set.Back().SetBankers(banker));
  ASSERT_TRUE(set.Back().SetEnabled(5, true));  // 副区和值 10..14
  ASSERT_TRUE(set.Back().SetValues(5, *ValueSet::Range(10, 14)));
  out = RunBackFilter(bench.env, set, list);
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(out.judged, 11);
  std::vector<BackPair> want;
  for (const auto& p : EnumeratePairs(set.Back().PoolNumbers(), banker))
    if (p[0] + p[1] >= 10 && p[0] + p[1] <= 14) want.push_back(p);
  EXPECT_EQ(list.Items(), want);
  EXPECT_EQ(list.Count(), 4);  // 5 with 6, 7, 8, 9
}

TEST(FilterEngine, BatchOfOneFileEqualsOneFilter) {
  FilterBench bench(100);
  ConditionSet saved;
  ASSERT_TRUE(saved.SetEnabled(FrontNumber("hmhz"), true));
  ASSERT_TRUE(saved.SetValues(FrontNumber("hmhz"), *ValueSet::Range(60, 70)));
  ASSERT_TRUE(saved.SetEnabled(FrontNumber("ac"), true));  // AC值
  ASSERT_TRUE(saved.SetValues(FrontNumber("ac"), *ValueSet::From({4, 5, 6})));
  std::vector<int> pool;
  for (int n = 3; n <= 25; ++n) pool.push_back(n);
  ASSERT_TRUE(saved.SetPool(pool));
  const std::string path = bench.dir.file("one.zh");
  ASSERT_TRUE(SaveFrontSet(saved, path));

  ConditionSet loaded;
  ASSERT_TRUE(LoadFrontSet(path, loaded).ok);
  ResultList one;
  ASSERT_TRUE(RunFilter(bench.env, loaded, one).Done());
  ConditionSet set;
  ResultList batchList;
  const BatchOutcome batch = RunBatchFilter(bench.env, {path}, set, batchList);
  EXPECT_EQ(batch.message, "批量过滤完毕");
  EXPECT_GT(one.Count(), 0);
  EXPECT_EQ(batchList.Items(), one.Items());
}

}  // namespace
}  // namespace dlt
