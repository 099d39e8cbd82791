// Edge cases of judging one combination, run on both judges.
#include <gtest/gtest.h>

#include "engine/generator/judge_test_support.h"
#include "generator/front_judge.h"

namespace dlt {
namespace {

using test::FrontNumber;
using test::JudgeBench;
using test::MakeDraw;
using test::Values;
using test::ValuesRange;

const Verdict kAccepted{true, 0, 0};
const Verdict kRejected{false, 0, 0};

class JudgeEdge : public ::testing::TestWithParam<bool> {
 protected:
  Verdict Judge(JudgeBench& b, const Combo& c, bool recheck = false) {
    return b.Make(GetParam())->Judge(c, recheck);
  }
};

TEST_P(JudgeEdge, NoConditionAcceptsEverything) {
  JudgeBench b;
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kAccepted);
  EXPECT_EQ(Judge(b, {31, 32, 33, 34, 35}), kAccepted);
}

TEST_P(JudgeEdge, ShapeSwitchesKnowNoTolerance) {
  JudgeBench b;
  b.set.Switches().notEqualDist = true;
  b.set.Switches().specNext = true;
  b.set.SetTolerance({true, 0, 100});
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kRejected);
  EXPECT_EQ(Judge(b, {3, 10, 17, 24, 31}), kRejected);
  EXPECT_EQ(Judge(b, {1, 2, 4, 5, 6}), kRejected);
  EXPECT_EQ(Judge(b, {1, 2, 3, 5, 6}), kRejected);
  EXPECT_EQ(Judge(b, {1, 2, 4, 6, 7}), kAccepted);
  b.set.Switches().notEqualDist = false;
  EXPECT_EQ(Judge(b, {2, 4, 6, 8, 10}), kAccepted);
  b.set.Switches().notEqualDist = true;
  b.set.Switches().specNext = false;
  EXPECT_EQ(Judge(b, {2, 4, 6, 8, 10}), kRejected);
}

TEST_P(JudgeEdge, RangeConditionsOnOneToFive) {
  JudgeBench b;
  ASSERT_TRUE(b.set.SetEnabled(FrontNumber("lsxs"), true));
  ASSERT_TRUE(b.set.SetRangeBounds(FrontNumber("lsxs"), 47, 47));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kRejected);  // q = 47.1
  ASSERT_TRUE(b.set.SetRangeBounds(FrontNumber("lsxs"), 47, 48));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kAccepted);

  ASSERT_TRUE(b.set.SetEnabled(FrontNumber("bzc"), true));
  ASSERT_TRUE(b.set.SetRangeBounds(FrontNumber("bzc"), 2, 99));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kRejected);  // s = 1.41
  ASSERT_TRUE(b.set.SetTolerant(FrontNumber("bzc"), true));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), (Verdict{true, 1, 35}));
  ASSERT_TRUE(b.set.SetRangeBounds(FrontNumber("bzc"), 1, 1));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), (Verdict{true, 1, 35}));
  ASSERT_TRUE(b.set.SetRangeBounds(FrontNumber("bzc"), 1, 2));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kAccepted);
}

TEST_P(JudgeEdge, EnabledConditionWithoutValuesIsNotApplied) {
  JudgeBench b;
  ASSERT_TRUE(b.set.SetEnabled(FrontNumber("hmhz"), true));
  ASSERT_TRUE(b.set.SetEnabled(FrontNumber("red1yl"), true));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kAccepted);
}

TEST_P(JudgeEdge, TotalToleranceZeroToZeroActsAsNonTolerant) {
  JudgeBench b;
  b.Enable(25, ValuesRange(16, 165), true);  // 1 2 3 4 5 sums to 15
  b.set.SetTolerance({true, 0, 0});
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kRejected);
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 6}), kAccepted);
}

TEST_P(JudgeEdge, TotalToleranceTwoToThreeNeedsTwoViolations) {
  JudgeBench b;
  b.Enable(25, ValuesRange(16, 165), true);
  b.Enable(75, ValuesRange(2, 31), true);  // 主号一 = 1 violates
  b.set.SetTolerance({true, 2, 3});
  EXPECT_EQ(Judge(b, {2, 3, 4, 5, 7}), kRejected);  // no violation
  EXPECT_EQ(Judge(b, {1, 3, 4, 5, 7}), kRejected);  // one
  // 和值 (25) is judged after 主号一 (75).
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), (Verdict{true, 2, 25}));
  b.set.SetTolerance({false, 2, 3});
  EXPECT_EQ(Judge(b, {1, 3, 4, 5, 7}), (Verdict{true, 1, 75}));
}

TEST_P(JudgeEdge, NonTolerantViolationRejectsWhateverTheTolerance) {
  JudgeBench b;
  b.Enable(25, ValuesRange(16, 165), true);
  b.Enable(1, ValuesRange(1, 5));  // 大数个数 of 1 2 3 4 5 is 0
  b.set.SetTolerance({true, 0, 100});
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kRejected);
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 20}), kAccepted);
}

TEST_P(JudgeEdge, LastMarkFollowsTheJudgingOrder) {
  JudgeBench b;
  // 尾组个数 (4) comes after 主号一 (75): not listed first, so after 118.
  b.Enable(4, ValuesRange(1, 4), true);
  b.Enable(75, ValuesRange(2, 31), true);
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), (Verdict{true, 2, 4}));
  // 大数个数 (1) comes before 主号一.
  JudgeBench c;
  c.Enable(1, ValuesRange(1, 5), true);
  c.Enable(75, ValuesRange(2, 31), true);
  EXPECT_EQ(Judge(c, {1, 2, 3, 4, 5}), (Verdict{true, 2, 75}));
  // 标准差 comes before every indicator condition.
  ASSERT_TRUE(c.set.SetEnabled(FrontNumber("bzc"), true));
  ASSERT_TRUE(c.set.SetRangeBounds(FrontNumber("bzc"), 5, 9));
  ASSERT_TRUE(c.set.SetTolerant(FrontNumber("bzc"), true));
  EXPECT_EQ(Judge(c, {1, 2, 3, 4, 5}), (Verdict{true, 3, 75}));
}

TEST_P(JudgeEdge, SelfTailAndCustomMarks) {
  JudgeBench b;
  ASSERT_TRUE(b.set.AddSelfCondition({{1, 2, 3}, Values({0, 1}), true}));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), (Verdict{true, 1, kSelfConditionMark}));
  ASSERT_TRUE(b.set.AddTailSetting({{3}, Values({2}), true, true}));  // one distinct tail 3
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), (Verdict{true, 2, kTailSettingMark}));
  b.AddFormula("z_hz", Values({0}), true);
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), (Verdict{true, 3, kCustomIndicatorMark}));
  // One distinct tail 3 never makes two: the tail setting always counts.
  EXPECT_EQ(Judge(b, {20, 21, 24, 26, 33}), (Verdict{true, 2, kCustomIndicatorMark}));
}

TEST_P(JudgeEdge, TailSettingDistinctFlag) {
  JudgeBench b;
  ASSERT_TRUE(b.set.AddTailSetting({{3}, Values({2}), false, false}));
  EXPECT_EQ(Judge(b, {3, 13, 20, 21, 22}), kAccepted);
  JudgeBench c;
  ASSERT_TRUE(c.set.AddTailSetting({{3}, Values({2}), false, true}));
  EXPECT_EQ(Judge(c, {3, 13, 20, 21, 22}), kRejected);
}

TEST_P(JudgeEdge, FailingFormulaStopsTheCustomChecks) {
  JudgeBench b;
  b.AddFormula("z_hz", ValuesRange(15, 100));
  b.AddFormula("z_hz/(z_num1-z_num1)", ValuesRange(0, 1000));
  b.AddFormula("z_hz", Values({0}));  // would reject everything
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kAccepted);
  EXPECT_EQ(Judge(b, {21, 22, 23, 24, 35}), kRejected);  // the first one still judges
  JudgeBench c;
  c.AddFormula("z_hz", Values({0}));
  EXPECT_EQ(Judge(c, {1, 2, 3, 4, 5}), kRejected);
}

TEST_P(JudgeEdge, CustomEntryWithoutValuesStopsTheCustomChecks) {
  JudgeBench b;
  b.AddFormula("z_hz", Values({}));
  b.AddFormula("z_hz", Values({0}));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kAccepted);
}

TEST_P(JudgeEdge, CustomFormulaIsTrimmed) {
  JudgeBench b;
  b.AddFormula("  z_num1+z_num5 ", Values({6}));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}), kAccepted);
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 6}), kRejected);
}

TEST_P(JudgeEdge, HistorySetRejectsPastDraws) {
  const std::vector<Draw> draws = test::RandomHistory(50);
  JudgeBench b(draws);
  const Combo past = draws[17].front;
  EXPECT_EQ(Judge(b, past), kAccepted);
  b.set.Switches().notHistory = true;
  EXPECT_EQ(Judge(b, past), kRejected);
  Combo other = past;
  other[4] = other[4] == 35 ? 34 : other[4] + 1;
  if (!b.past.Contains(other)) {
    EXPECT_EQ(Judge(b, other), kAccepted);
  }
}

TEST_P(JudgeEdge, RecheckPoolAndBankerCount) {
  JudgeBench b;
  ASSERT_TRUE(b.set.SetPool(std::vector<int>{1, 2, 3, 4, 6, 7, 8}));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}, false), kAccepted);
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 5}, true), kRejected);
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 6}, true), kAccepted);
  ASSERT_TRUE(b.set.SetBankers(std::vector<int>{8}));
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 6}, true), kRejected);
  EXPECT_EQ(Judge(b, {1, 2, 3, 4, 8}, true), kAccepted);
}

// Worked values on a three-draw history.
TEST_P(JudgeEdge, HistoryValuesAtTheCandidate) {
  const std::vector<Draw> draws = {MakeDraw(2020001, {1, 2, 3, 4, 5}, {1, 2}),
                                   MakeDraw(2020002, {6, 7, 8, 9, 10}, {3, 4}),
                                   MakeDraw(2020003, {11, 12, 13, 14, 15}, {5, 6})};
  const Combo c{1, 12, 20, 30, 35};
  const auto verdictWith = [&](int number, ValueSet values) {
    JudgeBench b(draws);
    b.Enable(number, std::move(values));
    return Judge(b, c);
  };
  // 主号一遗漏: 01 was last drawn three draws back.
  EXPECT_EQ(verdictWith(107, Values({2})), kAccepted);
  EXPECT_EQ(verdictWith(107, Values({0, 1, 3})), kRejected);
  // 遗漏和值: 01 → 2, 12 → 0, 20, 30, 35 never drawn → 3 each.
  EXPECT_EQ(verdictWith(27, Values({11})), kAccepted);
  EXPECT_EQ(verdictWith(27, Values({10, 12})), kRejected);
  // 主号一振幅: |1 - 11|.
  EXPECT_EQ(verdictWith(43, Values({10})), kAccepted);
  // 重号个数: 12 repeats.
  EXPECT_EQ(verdictWith(6, Values({1})), kAccepted);
  EXPECT_EQ(verdictWith(6, Values({0})), kRejected);
  // 和值遗漏: the sum 98 never occurred: all three earlier draws.
  EXPECT_EQ(verdictWith(116, Values({3})), kAccepted);
}

TEST_P(JudgeEdge, FirstDrawRules) {
  // No history at all: the amplitude is the value itself, omissions 0.
  JudgeBench b(std::vector<Draw>{});
  b.Enable(43, Values({7}));
  b.Enable(107, Values({0}));
  b.Enable(49, Values({7 + 9 + 20 + 30 + 31}));
  EXPECT_EQ(Judge(b, {7, 9, 20, 30, 31}), kAccepted);
  EXPECT_EQ(Judge(b, {8, 9, 20, 30, 31}), kRejected);
}

INSTANTIATE_TEST_SUITE_P(BothJudges, JudgeEdge, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Fast" : "Reference"; });

}  // namespace
}  // namespace dlt
