#include "generator/batch_filter.h"

#include <gtest/gtest.h>

#include "generator/condition_files.h"
#include "runs_test_support.h"

namespace dlt {
namespace {

using test::FilterBench;
using test::WithRed1;

std::string SaveSet(const FilterBench& bench, const std::string& name, const ConditionSet& set) {
  const std::string path = bench.dir.file(name);
  std::string error;
  EXPECT_TRUE(SaveFrontSet(set, path, &error)) << error;
  return path;
}

TEST(BatchFilter, OneFileEqualsLoadingItAndFiltering) {
  FilterBench bench(40);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  ConditionSet saved = WithRed1({4, 9});
  const std::vector<int> pool = {1, 4, 5, 6, 9, 10, 11, 12, 20, 30};
  ASSERT_TRUE(saved.SetPool(pool));
  const std::string path = SaveSet(bench, "one.zh", saved);

  ConditionSet loaded;
  ASSERT_TRUE(LoadFrontSet(path, loaded).ok);
  ResultList expected;
  ASSERT_TRUE(RunFilter(bench.env, loaded, expected).Done());
  ASSERT_GT(expected.Count(), 0);

  ConditionSet set;
  ResultList list;
  ASSERT_TRUE(list.AssignCombos({Combo{1, 2, 3, 4, 6}}));
  const BatchOutcome batch = RunBatchFilter(bench.env, {path}, set, list);
  EXPECT_EQ(batch.message, "批量过滤完毕");
  ASSERT_EQ(batch.steps.size(), 1u);
  EXPECT_EQ(batch.steps[0].kind, BatchStepKind::kFiltered);
  EXPECT_FALSE(batch.HadProblems());
  EXPECT_EQ(list.Items(), expected.Items());
  EXPECT_EQ(set, loaded) << "the set in force is the last file's";
}

TEST(BatchFilter, LaterFilesContinueAndMissingOnesAreSkipped) {
  FilterBench bench(40);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  const std::string wide = SaveSet(bench, "wide.zh", WithRed1({1, 2, 3}));
  // The second file narrows under tolerance: 主号一 2 tolerated.
  const std::string narrow = SaveSet(bench, "narrow.zh", WithRed1({2}, true));
  ConditionSet bankerSet;
  const std::vector<int> banker = {2};
  ASSERT_TRUE(bankerSet.SetBankers(banker));
  const std::string withBanker = SaveSet(bench, "banker.zh", bankerSet);

  ConditionSet set;
  ResultList list;
  const BatchOutcome batch = RunBatchFilter(
      bench.env, {bench.dir.file("gone.zh"), wide, bench.dir.file("gone2.zh"), narrow, withBanker},
      set, list);
  EXPECT_EQ(batch.message, "批量过滤完毕");
  ASSERT_EQ(batch.steps.size(), 5u);
  EXPECT_EQ(batch.steps[0].kind, BatchStepKind::kMissing);
  EXPECT_EQ(batch.steps[1].kind, BatchStepKind::kFiltered) << "the first file that runs filters";
  EXPECT_EQ(batch.steps[2].kind, BatchStepKind::kMissing);
  EXPECT_EQ(batch.steps[3].kind, BatchStepKind::kContinued);
  EXPECT_EQ(batch.steps[4].kind, BatchStepKind::kContinued);
  EXPECT_FALSE(batch.HadProblems());
  // After "wide" and "narrow" every result starts with 1, 2 or 3; the
  // banker 2 then keeps those that hold 2 (and no other banker).
  ASSERT_GT(list.Count(), 0);
  for (const auto& r : list.Items())
    ASSERT_NE(std::find(r.numbers.begin(), r.numbers.end(), 2), r.numbers.end());
  EXPECT_EQ(batch.caption, batch.steps[4].outcome.caption);
  EXPECT_EQ(list.Count(), batch.steps[4].outcome.kept);
}

TEST(BatchFilter, UnreadableFilesAreReportedAndPassedOver) {
  FilterBench bench(40);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  const std::string bad = bench.dir.file("bad.zh");
  test::WriteBytes(bad, "not a condition file");
  const std::string good = SaveSet(bench, "good.zh", WithRed1({30}));

  ConditionSet set;
  ResultList list;
  ASSERT_TRUE(list.AssignCombos({Combo{30, 31, 32, 33, 34}}));  // the list before the batch
  const BatchOutcome batch = RunBatchFilter(bench.env, {bad, good}, set, list);
  ASSERT_EQ(batch.steps.size(), 2u);
  EXPECT_EQ(batch.steps[0].kind, BatchStepKind::kUnreadable);
  EXPECT_FALSE(batch.steps[0].message.empty());
  EXPECT_EQ(batch.steps[1].kind, BatchStepKind::kFiltered);
  EXPECT_TRUE(batch.HadProblems());
  EXPECT_EQ(batch.message, "批量过滤完毕");
  EXPECT_EQ(list.Count(), 5) << "C(5,4): a fresh filter, not the old list";
}

TEST(BatchFilter, ForecastRecordIsDeletedAndTheNextFileFilters) {
  FilterBench bench(40);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  bench.table->WriteForecast(test::MakeDraw(0, {1, 2, 3, 4, 5}, {1, 2}));
  const std::string a = SaveSet(bench, "a.zh", WithRed1({31}));
  const std::string b = SaveSet(bench, "b.zh", WithRed1({30, 31}));
  ConditionSet set;
  ResultList list;
  const BatchOutcome batch = RunBatchFilter(bench.env, {a, b}, set, list);
  ASSERT_EQ(batch.steps.size(), 2u);
  EXPECT_EQ(batch.steps[0].kind, BatchStepKind::kRefused);
  EXPECT_EQ(batch.steps[0].outcome.status, RunStatus::kForecastCleared);
  EXPECT_FALSE(bench.table->HasForecast());
  EXPECT_EQ(batch.steps[1].kind, BatchStepKind::kFiltered);
  EXPECT_EQ(list.Count(), 6);  // 30 or 31 first: C(5,4) + 1
}

TEST(BatchFilter, CancellationStopsTheBatch) {
  FilterBench bench(40);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  bench.env.progress = [](int64_t, int64_t) { return false; };
  const std::string a = SaveSet(bench, "a.zh", WithRed1({31}));
  ConditionSet set;
  ResultList list;
  ASSERT_TRUE(list.AssignCombos({Combo{1, 2, 3, 4, 6}}));
  const BatchOutcome batch = RunBatchFilter(bench.env, {a, a}, set, list);
  EXPECT_TRUE(batch.cancelled);
  EXPECT_EQ(batch.steps.size(), 1u);
  EXPECT_TRUE(batch.message.empty());
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
}  // namespace dlt
