#include "generator/judge_rules.h"

#include <gtest/gtest.h>

#include "generator/front_judge.h"

namespace dlt {
namespace {

RangeCondition Bounds(int from, int to) {
  RangeCondition r;
  r.enabled = true;
  r.from = from;
  r.to = to;
  return r;
}

TEST(JudgeRules, VariationOfOneToFiveIs47Point1) {
  EXPECT_EQ(VariationTenths({1, 2, 3, 4, 5}), 471);
  // Scaling the numbers keeps the coefficient: 2 4 6 8 10 likewise.
  EXPECT_EQ(VariationTenths({2, 4, 6, 8, 10}), 471);
}

TEST(JudgeRules, VariationBoundsCompareTheRoundedPercentage) {
  const Combo c{1, 2, 3, 4, 5};
  EXPECT_TRUE(VariationWithin(c, Bounds(47, 48)));
  EXPECT_FALSE(VariationWithin(c, Bounds(47, 47)));
  EXPECT_FALSE(VariationWithin(c, Bounds(48, 99)));
  EXPECT_TRUE(VariationWithin(c, Bounds(0, 99)));
}

TEST(JudgeRules, StandardDeviationBounds) {
  const Combo c{1, 2, 3, 4, 5};  // s = sqrt(2) = 1.414...
  EXPECT_TRUE(StdDevWithin(c, Bounds(1, 2)));
  EXPECT_FALSE(StdDevWithin(c, Bounds(0, 1)));
  EXPECT_FALSE(StdDevWithin(c, Bounds(2, 99)));
  // 1 9 17 25 33: s = sqrt(128) = 11.31
  EXPECT_TRUE(StdDevWithin({1, 9, 17, 25, 33}, Bounds(11, 12)));
  EXPECT_FALSE(StdDevWithin({1, 9, 17, 25, 33}, Bounds(12, 99)));
}

// The fast judge drops a 标准差 test from 1 or less to 17 or more: no
// combination has a deviation outside those bounds.
TEST(JudgeRules, EveryDeviationLiesBetweenOneAndSeventeen) {
  std::vector<int> pool(35);
  for (int n = 0; n < 35; ++n) pool[n] = n + 1;
  for (const Combo& c : EnumerateCombos(pool, {})) {
    ASSERT_TRUE(StdDevWithin(c, Bounds(1, 17)));
    ASSERT_FALSE(StdDevWithin(c, Bounds(0, 1)));
  }
  EXPECT_FALSE(StdDevWithin({1, 2, 3, 34, 35}, Bounds(0, 15)));  // 15.94, the largest
}

TEST(JudgeRules, BlankBoundAppliesNoTest) {
  RangeCondition r = Bounds(50, 60);
  r.to.reset();
  EXPECT_TRUE(StdDevWithin({1, 2, 3, 4, 5}, r));
  EXPECT_TRUE(VariationWithin({1, 2, 3, 4, 5}, r));
}

TEST(JudgeRules, TailHitsWithAndWithoutDistinct) {
  const std::vector<int> group{3, 5};
  EXPECT_EQ(TailSettingHits({3, 7, 13, 23, 35}, group, false), 4);
  EXPECT_EQ(TailSettingHits({3, 7, 13, 23, 35}, group, true), 2);
  const std::vector<int> three{3};
  EXPECT_EQ(TailSettingHits({3, 13, 20, 21, 22}, three, false), 2);
  EXPECT_EQ(TailSettingHits({3, 13, 20, 21, 22}, three, true), 1);
}

TEST(JudgeRules, SelfConditionHits) {
  const std::vector<int> group{1, 5, 9, 35};
  EXPECT_EQ(SelfConditionHits({1, 2, 5, 34, 35}, group), 3);
  EXPECT_EQ(SelfConditionHits({2, 3, 4, 6, 7}, group), 0);
}

TEST(JudgeRules, TotalTolerance) {
  EXPECT_TRUE(WithinTotalTolerance({false, 2, 3}, 0));
  EXPECT_FALSE(WithinTotalTolerance({true, 2, 3}, 1));
  EXPECT_TRUE(WithinTotalTolerance({true, 2, 3}, 2));
  EXPECT_FALSE(WithinTotalTolerance({true, 2, 3}, 4));
  EXPECT_FALSE(WithinTotalTolerance({true, 1, 3}, 0));
}

TEST(JudgeRules, CommonOrderStartsAsListedThenAscending) {
  const auto order = CommonConditionOrder();
  ASSERT_GE(order.size(), 28u);
  EXPECT_EQ(order[0], 1);
  EXPECT_EQ(order[3], 75);
  EXPECT_EQ(order[27], 118);
  EXPECT_EQ(order[28], 4);  // the first number not listed
  for (int n : order) {
    EXPECT_NE(n, 14);
    EXPECT_NE(n, 35);
    EXPECT_NE(n, 36);
    EXPECT_NE(n, 37);
    EXPECT_NE(n, 28);
  }
  // Every selectable condition but 14, 35 and 36 exactly once.
  int selectable = 0;
  for (const FrontCondition& fc : FrontConditions()) selectable += fc.Selectable();
  EXPECT_EQ(static_cast<int>(order.size()), selectable - 3);
}

}  // namespace
}  // namespace dlt
