#include "generator/filter_run.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <regex>
#include <set>
#include <thread>

#include "generator/condition_store.h"
#include "generator/random_pick.h"
#include "runs_test_support.h"

namespace dlt {
namespace {

using test::FilterBench;
using test::FrontNumber;
using test::WithRed1;

TEST(FilterRun, EnumeratesThePoolAroundTheBankersInOrder) {
  FilterBench bench(30);
  std::atomic<int64_t> calls{0};
  bench.env.makeFrontJudge = test::MiniJudgeFactory(&calls);
  ResultList list;
  ConditionSet set = WithRed1({1, 2});
  const RunOutcome out = RunFilter(bench.env, set, list);
  ASSERT_TRUE(out.Done()) << out.message;
  EXPECT_EQ(out.judged, kAllCombos);
  EXPECT_EQ(calls.load(), kAllCombos);
  // C(34,4) + C(33,4) combinations begin with 1 or 2.
  EXPECT_EQ(out.accepted, 46376 + 40920);
  EXPECT_EQ(list.Count(), out.accepted);
  EXPECT_EQ(list.Page(), 1);
  EXPECT_EQ(list.At(1).numbers, (Combo{2, 32, 33, 34, 35}));
  EXPECT_EQ(list.At(2).numbers, (Combo{1, 32, 33, 34, 35}));
  for (const auto& r : list.Items()) ASSERT_EQ(r.mark, 0);
}

TEST(FilterRun, FiveBankersJudgeExactlyOneCombination) {
  FilterBench bench(30);
  std::atomic<int64_t> calls{0};
  bench.env.makeFrontJudge = test::MiniJudgeFactory(&calls);
  ConditionSet set;
  const std::vector<int> bankers = {3, 9, 17, 28, 35};
  ASSERT_TRUE(set.SetBankers(bankers));
  ResultList list;
  const RunOutcome out = RunFilter(bench.env, set, list);
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(calls.load(), 1);
  EXPECT_EQ(out.judged, 1);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.At(1).numbers, (Combo{3, 9, 17, 28, 35}));
}

TEST(FilterRun, PoolOfFourNumbersGivesAnEmptyList) {
  FilterBench bench(30);
  std::atomic<int64_t> calls{0};
  bench.env.makeFrontJudge = test::MiniJudgeFactory(&calls);
  ConditionSet set;
  const std::vector<int> pool = {4, 8, 15, 16};
  ASSERT_TRUE(set.SetPool(pool));
  ResultList list;
  ASSERT_TRUE(list.AssignCombos({Combo{1, 2, 3, 4, 6}}));
  const RunOutcome out = RunFilter(bench.env, set, list);
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(calls.load(), 0);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(out.caption.substr(out.caption.size() - std::string("有0个").size()), "有0个");
}

TEST(FilterRun, CaptionCountsMicroseconds) {
  FilterBench bench(30);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  ConditionSet set = WithRed1({31});
  ResultList list;
  const RunOutcome out = RunFilter(bench.env, set, list);
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(out.caption, "超强组号  筛选耗时" + std::to_string(out.elapsedMicros) +
                             "微秒  已得到符合条件的主号组有1个");
  EXPECT_GE(out.elapsedMicros, 0);
  EXPECT_EQ(FilterCaption(1234, 5), "超强组号  筛选耗时1234微秒  已得到符合条件的主号组有5个");
  EXPECT_EQ(ContinueCaption(77, 3, 3),
            "个性组号  筛选耗时77微秒  已得到符合条件的主号组有3个  系统保留的记录个数3");
}

// The forecast record blocks every filter: message, record deleted, list
// (marks included) untouched; the next run goes.
TEST(FilterRun, ForecastGuardBlocksAllThreeFilters) {
  FilterBench bench(30);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  ConditionSet set;
  const Draw forecast = test::MakeDraw(0, {1, 2, 3, 4, 5}, {1, 2});
  std::vector<FrontRecord> before = {{Combo{1, 2, 3, 4, 6}, 7}, {Combo{5, 6, 7, 8, 10}, 0}};

  using Run = std::function<RunOutcome(ResultList&, BackList&)>;
  const std::vector<Run> runs = {
      [&](ResultList& l, BackList&) { return RunFilter(bench.env, set, l); },
      [&](ResultList& l, BackList&) { return RunContinueFilter(bench.env, set, l); },
      [&](ResultList&, BackList& b) { return RunBackFilter(bench.env, set, b); },
  };
  for (size_t i = 0; i < runs.size(); ++i) {
    bench.table->WriteForecast(forecast);
    ASSERT_TRUE(bench.table->HasForecast());
    ResultList list;
    list.MutableItems() = before;
    BackList back;
    ASSERT_TRUE(back.Assign({BackPair{3, 4}}));
    const RunOutcome out = runs[i](list, back);
    EXPECT_EQ(out.status, RunStatus::kForecastCleared) << i;
    EXPECT_EQ(out.message,
              "在过滤前，如果预测区存在，必须先清除预测区，否则条件设置可能存在错误。"
              "预测区已清除，请你重新设置条件。");
    EXPECT_TRUE(out.caption.empty());
    EXPECT_FALSE(bench.table->HasForecast()) << i;
    EXPECT_EQ(bench.table->RecordCount(), 30);
    EXPECT_EQ(list.Items(), before) << i;
    EXPECT_EQ(back.Items(), (std::vector<BackPair>{{3, 4}})) << i;
  }
  // Nothing in the way any more.
  ResultList list;
  EXPECT_TRUE(RunFilter(bench.env, set, list).Done());
}

TEST(FilterRun, RangeGuardsKeepThePreviousList) {
  FilterBench bench(30);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  const std::vector<FrontRecord> before = {{Combo{1, 2, 3, 4, 6}, 7}};
  struct Case {
    int number;
    std::optional<int32_t> from, to;
    const char* message;
  };
  const std::vector<Case> cases = {
      {35, std::nullopt, 9, "标准差还未确定范围"},
      {35, 2, std::nullopt, "标准差还未确定范围"},
      {36, std::nullopt, std::nullopt, "离散系数还未确定范围"},
      {35, 9, 3, "标准差的范围下限大于上限"},
      {36, 50, 10, "离散系数的范围下限大于上限"},
  };
  for (const Case& c : cases) {
    ConditionSet set;
    ASSERT_TRUE(set.SetEnabled(c.number, true));
    ASSERT_TRUE(set.SetRangeBounds(c.number, c.from, c.to));
    for (int which = 0; which < 2; ++which) {
      ResultList list;
      list.MutableItems() = before;
      const RunOutcome out =
          which == 0 ? RunFilter(bench.env, set, list) : RunContinueFilter(bench.env, set, list);
      EXPECT_EQ(out.status, RunStatus::kRangeNotSet);
      EXPECT_EQ(out.message, c.message);
      EXPECT_EQ(list.Items(), before);
    }
  }
  // 标准差 is reported first when both are blank.
  ConditionSet both;
  ASSERT_TRUE(both.SetEnabled(FrontNumber("lsxs"), true));
  ASSERT_TRUE(both.SetEnabled(FrontNumber("bzc"), true));
  EXPECT_EQ(RangeGuardMessage(both), "标准差还未确定范围");
  ASSERT_TRUE(both.SetRangeBounds(FrontNumber("bzc"), 1, 9));
  EXPECT_EQ(RangeGuardMessage(both), "离散系数还未确定范围");
  ASSERT_TRUE(both.SetRangeBounds(FrontNumber("lsxs"), 0, 99));
  EXPECT_EQ(RangeGuardMessage(both), "");
  ASSERT_TRUE(both.SetTolerance({true, 5, 2}));
  EXPECT_EQ(RangeGuardMessage(both), "总容错的下限大于上限");
}

TEST(FilterRun, CancelledRunsKeepThePreviousList) {
  FilterBench bench(30);
  // The judge holds back until the progress report has come, so the cancel
  // always lands while judging.
  auto asked = std::make_shared<std::atomic<bool>>(false);
  bench.env.makeFrontJudge = [asked](const JudgeSetup&) -> std::unique_ptr<FrontJudge> {
    return std::make_unique<test::FunctionJudge>([asked](const Combo&, bool) {
      while (!asked->load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      return test::Accept();
    });
  };
  bench.env.progress = [asked](int64_t, int64_t) {
    asked->store(true);
    return false;
  };
  bench.env.ring = &bench.ring;
  bench.env.snapshotFolder = &bench.folder;
  ConditionSet set;
  const std::vector<FrontRecord> before = {{Combo{1, 2, 3, 4, 6}, 7}, {Combo{2, 3, 4, 5, 9}, 0}};
  for (int which = 0; which < 2; ++which) {
    asked->store(false);
    ResultList list;
    list.MutableItems() = before;
    const RunOutcome out =
        which == 0 ? RunFilter(bench.env, set, list) : RunContinueFilter(bench.env, set, list);
    EXPECT_EQ(out.status, RunStatus::kCancelled);
    EXPECT_FALSE(out.message.empty());
    EXPECT_EQ(list.Items(), before);
  }
  EXPECT_EQ(bench.ring.Current(), -1) << "a cancelled run records no snapshot";
}

TEST(FilterRun, ContinueFilteringWithANewBankerNoResultHasEmptiesTheList) {
  FilterBench bench(30);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  ConditionSet set;
  std::vector<int> pool;
  for (int n = 1; n <= 34; ++n) pool.push_back(n);
  ASSERT_TRUE(set.SetPool(pool));
  ResultList list;
  ASSERT_TRUE(RunFilter(bench.env, set, list).Done());
  ASSERT_EQ(list.Count(), 278256);  // C(34,5): none holds 35

  // A banker every result holds keeps them all.
  ConditionSet withOne = set;
  const std::vector<int> one = {1};
  ASSERT_TRUE(withOne.SetBankers(one));
  ResultList holdingOne;
  ASSERT_TRUE(holdingOne.AssignCombos({Combo{1, 2, 3, 4, 6}, Combo{1, 5, 9, 20, 34}}));
  ASSERT_TRUE(RunContinueFilter(bench.env, withOne, holdingOne).Done());
  EXPECT_EQ(holdingOne.Count(), 2);

  ConditionSet with35 = set;
  const std::vector<int> b35 = {35};
  ASSERT_TRUE(with35.SetBankers(b35));
  const RunOutcome out = RunContinueFilter(bench.env, with35, list);
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(out.judged, 278256);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(out.accepted, 0);
  EXPECT_EQ(out.kept, 0);
  EXPECT_EQ(out.caption, ContinueCaption(out.elapsedMicros, 0, 0));
}

TEST(FilterRun, ContinueFilteringPutsCleanResultsAheadOfTolerated) {
  FilterBench bench(30);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  // 主号一 tolerant with value 2: results starting with 1 pass by tolerance.
  ConditionSet set = WithRed1({2}, true);
  ResultList list;
  ASSERT_TRUE(list.AssignCombos({Combo{1, 3, 5, 7, 9}, Combo{1, 4, 6, 8, 10}, Combo{2, 3, 5, 7, 9},
                                 Combo{3, 4, 5, 6, 8}, Combo{2, 4, 6, 8, 10}}));
  const RunOutcome out = RunContinueFilter(bench.env, set, list);
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(out.accepted, 5);
  ASSERT_EQ(list.Count(), 5);
  EXPECT_EQ(list.At(1), (FrontRecord{Combo{2, 3, 5, 7, 9}, 0}));
  EXPECT_EQ(list.At(2), (FrontRecord{Combo{2, 4, 6, 8, 10}, 0}));
  for (int k = 3; k <= 5; ++k) EXPECT_EQ(list.At(k).mark, 75) << k;
  EXPECT_EQ(list.Page(), 1);
}

TEST(FilterRun, ReCheckRejectsNumbersOutsideThePool) {
  FilterBench bench(30);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  ConditionSet set;
  std::vector<int> pool;
  for (int n = 1; n <= 34; ++n) pool.push_back(n);
  ASSERT_TRUE(set.SetPool(pool));
  ResultList list;
  ASSERT_TRUE(list.AssignCombos({Combo{1, 2, 3, 4, 35}, Combo{1, 2, 3, 4, 6}, Combo{5, 6, 7, 8, 35},
                                 Combo{9, 10, 11, 12, 13}}));
  const RunOutcome out = RunContinueFilter(bench.env, set, list);
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(out.judged, 4);
  EXPECT_EQ(out.kept, 2);
  // The rejected first record was replaced by the last one.
  EXPECT_EQ(list.Combos(), (std::vector<Combo>{{9, 10, 11, 12, 13}, {1, 2, 3, 4, 6}}));
}

TEST(FilterRun, EveryDoneRunRecordsASnapshot) {
  FilterBench bench(30);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  bench.env.ring = &bench.ring;
  bench.env.snapshotFolder = &bench.folder;
  ConditionSet first = WithRed1({3});
  ResultList list;
  ASSERT_TRUE(RunFilter(bench.env, first, list).Done());
  EXPECT_EQ(bench.ring.Current(), 0);
  EXPECT_TRUE(std::filesystem::exists(SnapshotPath(bench.folder, 0)));
  ConditionSet second = WithRed1({3, 4});
  ASSERT_TRUE(RunContinueFilter(bench.env, second, list).Done());
  EXPECT_EQ(bench.ring.Current(), 1);
  EXPECT_EQ(bench.ring.Count(), 1);

  // A refused run records nothing.
  ConditionSet blank;
  ASSERT_TRUE(blank.SetEnabled(FrontNumber("bzc"), true));
  EXPECT_FALSE(RunFilter(bench.env, blank, list).Done());
  EXPECT_EQ(bench.ring.Current(), 1);

  // Stepping back gives the first run's set.
  ConditionSet restored;
  ASSERT_TRUE(StepBackSnapshot(bench.folder, bench.ring, restored).ok);
  EXPECT_EQ(restored, first);
}

TEST(FilterRun, PureRandomPickIgnoresPoolBankersAndConditions) {
  FilterBench bench(30);
  std::atomic<int64_t> calls{0};
  bench.env.makeFrontJudge = test::MiniJudgeFactory(&calls);
  ConditionSet set = WithRed1({30});
  const std::vector<int> pool = {1, 2, 3, 4};
  ASSERT_TRUE(set.SetPool(pool));
  ResultList list;
  FilterRequest request{FilterMode::kPureRandom, 50, 99};
  const RunOutcome out = RunFilter(bench.env, set, list, request);
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(calls.load(), 0);
  ASSERT_EQ(list.Count(), 50);
  bool anyOutsidePool = false;
  for (const auto& r : list.Items()) {
    ASSERT_TRUE(std::is_sorted(r.numbers.begin(), r.numbers.end()));
    ASSERT_EQ(std::set<int>(r.numbers.begin(), r.numbers.end()).size(), 5u);
    ASSERT_GE(r.numbers[0], 1);
    ASSERT_LE(r.numbers[4], 35);
    if (r.numbers[4] > 4) anyOutsidePool = true;
  }
  EXPECT_TRUE(anyOutsidePool);
  EXPECT_EQ(out.caption, FilterCaption(out.elapsedMicros, 50));
  // The same seed gives the same pick.
  ResultList again;
  RunFilter(bench.env, set, again, request);
  EXPECT_EQ(again.Items(), list.Items());

  request.pickCount = kMaxPickCount + 1;
  const RunOutcome refused = RunFilter(bench.env, set, again, request);
  EXPECT_EQ(refused.status, RunStatus::kRefused);
  EXPECT_EQ(again.Items(), list.Items());
}

TEST(FilterRun, FilteredRandomPickKeepsNAcceptedCombinations) {
  FilterBench bench(30);
  bench.env.makeFrontJudge = test::MiniJudgeFactory();
  ConditionSet set = WithRed1({31});  // 31 32 33 34 35 alone
  ResultList list;
  RunOutcome out = RunFilter(bench.env, set, list, {FilterMode::kFilteredRandom, 10, 5});
  ASSERT_TRUE(out.Done());
  ASSERT_EQ(list.Count(), 1) << "fewer accepted than asked: all of them";
  EXPECT_EQ(list.At(1).numbers, (Combo{31, 32, 33, 34, 35}));

  ConditionSet wider = WithRed1({28});  // C(7,4) = 35 combinations
  out = RunFilter(bench.env, wider, list, {FilterMode::kFilteredRandom, 10, 5});
  ASSERT_TRUE(out.Done());
  EXPECT_EQ(out.accepted, 35);
  ASSERT_EQ(list.Count(), 10);
  std::set<Combo> distinct;
  for (const auto& r : list.Items()) {
    EXPECT_EQ(r.numbers[0], 28);
    distinct.insert(r.numbers);
  }
  EXPECT_EQ(distinct.size(), 10u);
  EXPECT_EQ(out.caption, FilterCaption(out.elapsedMicros, 10));
}

}  // namespace
}  // namespace dlt
