#include "generator/condition_set.h"

#include <gtest/gtest.h>

#include <numeric>

namespace dlt {
namespace {

ValueSet Values(std::vector<int32_t> v) {
  return *ValueSet::From(std::move(v));
}

std::vector<int> Iota(int from, int to) {
  std::vector<int> v(static_cast<size_t>(to - from + 1));
  std::iota(v.begin(), v.end(), from);
  return v;
}

TEST(ValueSet, SortsDropsDuplicatesAndKeepsTheFileLimit) {
  const ValueSet s = Values({5, 2, 5, 3});
  EXPECT_EQ(s.Values(), (std::vector<int32_t>{2, 3, 5}));
  EXPECT_TRUE(s.Contains(3));
  EXPECT_FALSE(s.Contains(4));
  EXPECT_TRUE(ValueSet::Range(0, 2000).has_value());
  std::string error;
  EXPECT_FALSE(ValueSet::Range(0, 2001, &error).has_value());
  EXPECT_EQ(error, "取值个数不能超过2001个");
  EXPECT_TRUE(ValueSet::Range(5, 4)->Empty());
}

TEST(ConditionSet, StartsAsTheWindowIsCreated) {
  const ConditionSet set;
  EXPECT_EQ(set.PoolNumbers(), Iota(1, 35));
  EXPECT_TRUE(set.BankerNumbers().empty());
  EXPECT_FALSE(set.Switches().notHistory);
  EXPECT_TRUE(set.Switches().notEqualDist);
  EXPECT_TRUE(set.Switches().specNext);
  EXPECT_EQ(set.Tolerance(), (TotalTolerance{false, 0, 3}));
  for (int n = 1; n <= 118; ++n) EXPECT_FALSE(set.IsEnabled(n)) << n;
  EXPECT_FALSE(set.SelfConditionsEnabled());
  EXPECT_FALSE(set.TailSettingsEnabled());
  EXPECT_FALSE(set.CustomIndicatorsEnabled());
  EXPECT_EQ(set.Back().PoolNumbers(), Iota(1, 12));
  EXPECT_TRUE(set.Back().BankerNumbers().empty());
  EXPECT_EQ(set.Back().Tolerance(), (BackTolerance{false, 3}));
}

TEST(ConditionSet, ToggleEmptiesValuesAndTolerance) {
  ConditionSet set;
  std::string error;
  EXPECT_FALSE(set.SetValues(1, Values({2, 3}), &error));
  EXPECT_EQ(error, "请先勾选条件大数个数");
  EXPECT_FALSE(set.SetTolerant(1, true));

  ASSERT_TRUE(set.SetEnabled(1, true));
  ASSERT_TRUE(set.SetValues(1, Values({3, 2})));
  ASSERT_TRUE(set.SetTolerant(1, true));
  EXPECT_TRUE(set.Indicator(1).Applies());
  EXPECT_EQ(set.Indicator(1).values.Values(), (std::vector<int32_t>{2, 3}));

  // Unchecking and checking again: enabled, empty, lets everything through.
  ASSERT_TRUE(set.SetEnabled(1, false));
  EXPECT_EQ(set.Indicator(1), IndicatorCondition{});
  ASSERT_TRUE(set.SetEnabled(1, true));
  EXPECT_TRUE(set.Indicator(1).enabled);
  EXPECT_TRUE(set.Indicator(1).values.Empty());
  EXPECT_FALSE(set.Indicator(1).tolerant);
  EXPECT_FALSE(set.Indicator(1).Applies());

  // Picking nothing empties the set.
  ASSERT_TRUE(set.SetValues(1, Values({4})));
  ASSERT_TRUE(set.SetValues(1, ValueSet{}));
  EXPECT_TRUE(set.Indicator(1).values.Empty());
}

TEST(ConditionSet, ReservedUnusedAndUnknownNumbersAreRefused) {
  ConditionSet set;
  std::string error;
  for (int n : {28, 29, 34, 37, 48, 80, 112}) {
    error.clear();
    EXPECT_FALSE(set.SetEnabled(n, true, &error)) << n;
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(set.IsEnabled(n));
  }
  EXPECT_FALSE(set.SetEnabled(0, true, &error));
  EXPECT_FALSE(set.SetEnabled(119, true, &error));
  EXPECT_EQ(error, "条件号119不存在(应为1到118)");
  EXPECT_EQ(set, ConditionSet());
}

TEST(ConditionSet, RangeConditionsTakeTwoDigitBounds) {
  ConditionSet set;
  std::string error;
  EXPECT_FALSE(set.SetRangeBounds(35, 1, 5, &error));  // not checked yet
  ASSERT_TRUE(set.SetEnabled(35, true));
  EXPECT_FALSE(set.Range(35).HasBounds());  // blank edits
  EXPECT_FALSE(set.SetValues(35, Values({1}), &error));
  ASSERT_TRUE(set.SetRangeBounds(35, 0, 99));
  EXPECT_FALSE(set.SetRangeBounds(35, 0, 100, &error));
  EXPECT_EQ(error, "标准差的范围必须在0到99之间");
  EXPECT_EQ(set.Range(35).to, 99);
  ASSERT_TRUE(set.SetTolerant(35, true));
  EXPECT_TRUE(set.IsTolerant(35));
  EXPECT_FALSE(set.SetRangeBounds(25, 1, 2, &error));  // 和值 is no range condition
  ASSERT_TRUE(set.SetEnabled(35, false));
  EXPECT_EQ(set.Range(35), RangeCondition{});
  EXPECT_FALSE(set.Indicator(35).enabled);
}

TEST(ConditionSet, SixBankersClearAllBankers) {
  ConditionSet set;
  std::vector<int> five = {1, 2, 3, 4, 5};
  ASSERT_TRUE(set.SetBankers(five));
  EXPECT_EQ(set.BankerNumbers(), five);
  std::vector<int> six = {1, 2, 3, 4, 5, 6};
  std::string error;
  EXPECT_FALSE(set.SetBankers(six, &error));
  EXPECT_EQ(error, "选择主区胆码不能大于5个");
  EXPECT_TRUE(set.BankerNumbers().empty());

  // A number out of range is refused and changes nothing.
  ASSERT_TRUE(set.SetBankers(five));
  std::vector<int> bad = {0, 7};
  EXPECT_FALSE(set.SetBankers(bad, &error));
  EXPECT_EQ(set.BankerNumbers(), five);
  std::vector<int> badPool = {36};
  EXPECT_FALSE(set.SetPool(badPool, &error));
  EXPECT_EQ(set.PoolNumbers().size(), 35u);

  std::vector<int> threeBack = {1, 2, 3};
  EXPECT_FALSE(set.Back().SetBankers(threeBack, &error));
  EXPECT_EQ(error, "选择副区胆码不能大于2个");
  EXPECT_TRUE(set.Back().BankerNumbers().empty());
  std::vector<int> pool = {2, 4};
  ASSERT_TRUE(set.Back().SetPool(pool));
  EXPECT_EQ(set.Back().PoolNumbers(), pool);
}

TEST(ConditionSet, ListLimits) {
  ConditionSet set;
  std::string error;
  for (int i = 0; i < 200; ++i)
    ASSERT_TRUE(set.AddSelfCondition({{i % 35 + 1}, Values({1}), false}, &error)) << error;
  EXPECT_FALSE(set.AddSelfCondition({{1}, Values({1}), false}, &error));
  EXPECT_EQ(error, "自设条件最多只能有200个");
  EXPECT_EQ(set.SelfConditions().size(), 200u);

  for (int i = 0; i < 20; ++i)
    ASSERT_TRUE(set.AddTailSetting({{i % 10}, Values({1}), false, true}));
  EXPECT_FALSE(set.AddTailSetting({{1}, Values({1}), false, true}, &error));
  EXPECT_EQ(error, "尾数设置最多只能有20个");
  EXPECT_EQ(set.TailSettings().size(), 20u);

  for (int i = 0; i < 100; ++i) ASSERT_TRUE(set.AddCustomIndicator({"z_hz", Values({i}), false}));
  EXPECT_FALSE(set.AddCustomIndicator({"z_hw", Values({1}), false}, &error));
  EXPECT_EQ(error, "自定义指标最多只能有100个");
  EXPECT_EQ(set.CustomIndicators().size(), 100u);
}

TEST(ConditionSet, FormulaLengthIsMeasuredInGbk) {
  ConditionSet set;
  std::string error;
  // 100 Chinese characters: 300 bytes of UTF-8 but exactly 200 of GBK.
  std::string chinese;
  for (int i = 0; i < 100; ++i) chinese += "中";
  ASSERT_TRUE(set.AddCustomIndicator({chinese, Values({1}), false}, &error)) << error;
  EXPECT_FALSE(set.AddCustomIndicator({chinese + "1", Values({1}), false}, &error));
  EXPECT_EQ(error, "自定义指标公式不能超过200个字节(现有201个字节)");
  ASSERT_TRUE(set.AddCustomIndicator({std::string(200, 'z'), Values({1}), false}));
  EXPECT_FALSE(set.AddCustomIndicator({std::string(201, 'z'), Values({1}), false}));
  // Blanks around the formula are trimmed before it is measured.
  ASSERT_TRUE(set.AddCustomIndicator({"  " + std::string(200, 'x') + " ", Values({1}), true}));
  EXPECT_EQ(set.CustomIndicators().back().formula, std::string(200, 'x'));
  EXPECT_FALSE(set.AddCustomIndicator({"   ", Values({1}), false}, &error));
  EXPECT_EQ(error, "自定义指标公式不能为空");
  EXPECT_FALSE(set.AddCustomIndicator({"z_hz+\xF0\x9F\x98\x80", Values({1}), false}, &error));
  EXPECT_EQ(error, "自定义指标公式含有无法保存的字符");
  EXPECT_FALSE(set.AddCustomIndicator({std::string("z_hz\0x", 6), Values({1}), false}));
  EXPECT_EQ(set.CustomIndicators().size(), 3u);
}

TEST(ConditionSet, GroupsAreCheckedAndSorted) {
  ConditionSet set;
  std::string error;
  EXPECT_FALSE(set.AddSelfCondition({{}, Values({1}), false}, &error));
  EXPECT_EQ(error, "未选择号码");
  EXPECT_FALSE(set.AddSelfCondition({{3, 3}, Values({1}), false}));
  EXPECT_FALSE(set.AddSelfCondition({{36}, Values({1}), false}));
  EXPECT_FALSE(set.AddTailSetting({{10}, Values({1}), false, true}));
  EXPECT_FALSE(set.SelfConditionsEnabled());  // nothing was added
  ASSERT_TRUE(set.AddSelfCondition({{9, 3, 6}, Values({1}), false}));
  EXPECT_EQ(set.SelfConditions()[0].numbers, (std::vector<int>{3, 6, 9}));
  EXPECT_TRUE(set.SelfConditionsEnabled());  // adding checks the master box
  ASSERT_TRUE(set.AddTailSetting({{5, 0}, Values({2}), true, false}));
  EXPECT_EQ(set.TailSettings()[0].digits, (std::vector<int>{0, 5}));
}

TEST(ConditionSet, RemovingNeedsASelection) {
  ConditionSet set;
  std::string error;
  EXPECT_FALSE(set.RemoveSelfCondition(0, &error));
  EXPECT_EQ(error, "请先在中间的列表框中选择一项要删除的数据");
  EXPECT_FALSE(set.RemoveTailSetting(-1, &error));
  EXPECT_EQ(error, "请先在中间的列表框中选择一项要删除的数据");
  EXPECT_FALSE(set.RemoveCustomIndicator(0, &error));
  EXPECT_EQ(error, "请先在自定义指标列表框中选择一项要删除的指标");

  ASSERT_TRUE(set.AddSelfCondition({{1}, Values({1}), false}));
  ASSERT_TRUE(set.AddSelfCondition({{2}, Values({1}), false}));
  ASSERT_TRUE(set.AddSelfCondition({{3}, Values({1}), false}));
  ASSERT_TRUE(set.RemoveSelfCondition(1));
  ASSERT_EQ(set.SelfConditions().size(), 2u);
  EXPECT_EQ(set.SelfConditions()[0].numbers, std::vector<int>{1});
  EXPECT_EQ(set.SelfConditions()[1].numbers, std::vector<int>{3});
}

TEST(ConditionSet, UncheckingAMasterBoxEmptiesItsList) {
  ConditionSet set;
  ASSERT_TRUE(set.AddCustomIndicator({"z_hz", Values({1}), false}));
  set.SetCustomIndicatorsEnabled(false);
  EXPECT_TRUE(set.CustomIndicators().empty());
  set.SetCustomIndicatorsEnabled(true);
  EXPECT_TRUE(set.CustomIndicators().empty());
  EXPECT_TRUE(set.CustomIndicatorsEnabled());
}

TEST(ConditionSet, TotalToleranceBounds) {
  ConditionSet set;
  std::string error;
  ASSERT_TRUE(set.SetTolerance({true, 2, 3}));
  EXPECT_FALSE(set.SetTolerance({true, 0, 101}, &error));
  EXPECT_EQ(error, "总容错必须在0到100之间");
  EXPECT_EQ(set.Tolerance(), (TotalTolerance{true, 2, 3}));
  EXPECT_FALSE(set.Back().SetTolerance({true, 0}));
  EXPECT_FALSE(set.Back().SetTolerance({true, 16}));
  ASSERT_TRUE(set.Back().SetTolerance({true, 15}));
}

TEST(ConditionSet, ResetKeepsTheShapeSwitchesAndTheBackZone) {
  ConditionSet set;
  std::vector<int> pool = {1, 2, 3, 4, 5, 6};
  std::vector<int> bankers = {2};
  ASSERT_TRUE(set.SetPool(pool));
  ASSERT_TRUE(set.SetBankers(bankers));
  ASSERT_TRUE(set.SetEnabled(25, true));
  ASSERT_TRUE(set.SetValues(25, Values({80, 90})));
  ASSERT_TRUE(set.SetEnabled(36, true));
  ASSERT_TRUE(set.SetRangeBounds(36, 10, 40));
  set.Switches() = {true, false, false};
  ASSERT_TRUE(set.SetTolerance({true, 1, 2}));
  ASSERT_TRUE(set.AddSelfCondition({{1, 2}, Values({1}), false}));
  ASSERT_TRUE(set.AddTailSetting({{1}, Values({1}), false, true}));
  ASSERT_TRUE(set.AddCustomIndicator({"z_hz", Values({1}), false}));
  ASSERT_TRUE(set.Back().SetEnabled(1, true));

  set.ResetFront();
  EXPECT_EQ(set.PoolNumbers(), Iota(1, 35));
  EXPECT_TRUE(set.BankerNumbers().empty());
  EXPECT_FALSE(set.IsEnabled(25));
  EXPECT_FALSE(set.IsEnabled(36));
  EXPECT_EQ(set.Switches(), (GlobalSwitches{false, false, false}));  // shape switches kept
  EXPECT_FALSE(set.Tolerance().enabled);
  EXPECT_FALSE(set.SelfConditionsEnabled());
  EXPECT_TRUE(set.SelfConditions().empty());
  EXPECT_TRUE(set.TailSettings().empty());
  EXPECT_TRUE(set.CustomIndicators().empty());
  EXPECT_TRUE(set.Back().Condition(1).enabled);  // the back zone has its own reset

  set.Back().Reset();
  EXPECT_EQ(set.Back(), BackConditionSet());
}

TEST(ConditionSet, BackConditionsToggleLikeFrontOnes) {
  BackConditionSet back;
  std::string error;
  EXPECT_FALSE(back.SetValues(1, Values({1}), &error));
  EXPECT_EQ(error, "请先勾选条件副号一");
  EXPECT_FALSE(back.SetEnabled(9, true));
  ASSERT_TRUE(back.SetEnabled(8, true));
  ASSERT_TRUE(back.SetValues(8, Values({0, 1, 2})));
  ASSERT_TRUE(back.SetTolerant(8, true));
  EXPECT_TRUE(back.Condition(8).Applies());
  ASSERT_TRUE(back.SetEnabled(8, false));
  EXPECT_EQ(back.Condition(8), IndicatorCondition{});
}

}  // namespace
}  // namespace dlt
