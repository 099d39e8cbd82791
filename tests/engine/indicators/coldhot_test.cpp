#include "indicators/coldhot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "indicator_test_support.h"

namespace dlt {
namespace {

using test::ContextAt;

// Ten draws in which 1 comes out 8 times, 2 seven times, 3 three times and
// 4 twice; the other numbers come from 10..35, and 5..9 never come out.
std::vector<Draw> ThresholdHistory() {
  std::vector<Draw> draws;
  int filler = 0;
  for (int i = 0; i < 10; ++i) {
    std::vector<int> f;
    if (i < 8) f.push_back(1);
    if (i < 7) f.push_back(2);
    if (i < 3) f.push_back(3);
    if (i < 2) f.push_back(4);
    while (f.size() < 5) f.push_back(10 + filler++ % 26);
    std::sort(f.begin(), f.end());
    draws.push_back(test::MakeDraw(2021001 + i, {f[0], f[1], f[2], f[3], f[4]},
                                   {i < 8 ? 1 : 3, i < 3 ? 5 : 6}));
  }
  return draws;
}

bool Has(const std::vector<int>& v, int n) {
  return std::find(v.begin(), v.end(), n) != v.end();
}

TEST(ClassifyNumbersTest, ThresholdsTwoAndEight) {
  const auto h = ThresholdHistory();
  ColdHotLists lists;
  ASSERT_TRUE(ClassifyNumbers(h, h.back().qs, ColdHotSettings{}, lists));
  EXPECT_TRUE(Has(lists.frontHot, 1));   // 8 times
  EXPECT_TRUE(Has(lists.frontWarm, 2));  // 7 times
  EXPECT_TRUE(Has(lists.frontWarm, 3));  // 3 times
  EXPECT_TRUE(Has(lists.frontCold, 4));  // 2 times
  for (int n = 5; n <= 9; ++n) EXPECT_TRUE(Has(lists.frontCold, n)) << n;
  EXPECT_EQ(lists.frontHot, std::vector<int>({1}));
  EXPECT_EQ(lists.frontCold.size() + lists.frontWarm.size() + lists.frontHot.size(), 35u);
  EXPECT_TRUE(std::is_sorted(lists.frontCold.begin(), lists.frontCold.end()));
  EXPECT_TRUE(std::is_sorted(lists.frontWarm.begin(), lists.frontWarm.end()));
  // Back zone: 1 eight times (hot), 5 three times (warm), 3 twice (cold), 6 seven times (warm).
  EXPECT_EQ(lists.backHot, std::vector<int>({1}));
  EXPECT_EQ(lists.backWarm, std::vector<int>({5, 6}));
  EXPECT_EQ(lists.backCold, std::vector<int>({2, 3, 4, 7, 8, 9, 10, 11, 12}));
}

TEST(ClassifyNumbersTest, AShortHistoryCountsTheDrawsItHas) {
  const auto h = ThresholdHistory();
  ColdHotLists w30, w10;
  ColdHotSettings ten;
  ten.qs = ten.f_qs = 10;
  ASSERT_TRUE(ClassifyNumbers(h, h.back().qs, ColdHotSettings{}, w30));
  ASSERT_TRUE(ClassifyNumbers(h, h.back().qs, ten, w10));
  EXPECT_EQ(w30.frontCold, w10.frontCold);
  EXPECT_EQ(w30.frontWarm, w10.frontWarm);
  EXPECT_EQ(w30.frontHot, w10.frontHot);
  EXPECT_EQ(w30.backWarm, w10.backWarm);
}

TEST(ClassifyNumbersTest, TheWindowEndsAtTheGivenDraw) {
  const auto h = ThresholdHistory();
  ColdHotLists lists;
  ColdHotSettings s;
  s.qs = 2;
  s.coldcs = 0;
  s.hotcs = 2;
  // Draws 3 and 4 (index 2 and 3) only: 1 and 2 twice, 3 once.
  ASSERT_TRUE(ClassifyNumbers(h, h[3].qs, s, lists));
  EXPECT_TRUE(Has(lists.frontHot, 1));
  EXPECT_TRUE(Has(lists.frontHot, 2));
  EXPECT_TRUE(Has(lists.frontWarm, 3));
  EXPECT_TRUE(Has(lists.frontCold, 4));
}

TEST(ClassifyNumbersTest, WindowZeroMakesEveryNumberCold) {
  const auto h = ThresholdHistory();
  for (int window : {0, 256}) {  // the window is an 8-bit count: 256 is 0
    ColdHotSettings s;
    s.qs = s.f_qs = window;
    ColdHotLists lists;
    ASSERT_TRUE(ClassifyNumbers(h, h.back().qs, s, lists));
    EXPECT_EQ(lists.frontCold.size(), 35u) << window;
    EXPECT_TRUE(lists.frontWarm.empty());
    EXPECT_TRUE(lists.frontHot.empty());
    EXPECT_EQ(lists.backCold.size(), 12u);
  }
  ColdHotSettings s257;
  s257.qs = 257;
  s257.coldcs = 0;
  ColdHotLists lists;
  ASSERT_TRUE(ClassifyNumbers(h, h.back().qs, s257, lists));
  EXPECT_EQ(lists.frontCold.size(), 30u);  // one draw counted: its five numbers are not cold
}

TEST(ClassifyNumbersTest, UnknownDrawLeavesTheListsAlone) {
  const auto h = ThresholdHistory();
  ColdHotLists lists;
  lists.frontCold = {99};
  lists.backHot = {98};
  EXPECT_FALSE(ClassifyNumbers(h, 2099001, ColdHotSettings{}, lists));
  EXPECT_EQ(lists.frontCold, std::vector<int>({99}));
  EXPECT_EQ(lists.backHot, std::vector<int>({98}));
  EXPECT_FALSE(ClassifyNumbers({}, 2021001, ColdHotSettings{}, lists));
}

TEST(ColdWarmHotCountsTest, FirstDrawIsAllCold) {
  const auto h = ThresholdHistory();
  const ColdWarmHot r = ColdWarmHotCounts(ContextAt(h, 0));
  EXPECT_EQ(r.cold, 5);
  EXPECT_EQ(r.warm, 0);
  EXPECT_EQ(r.hot, 0);
}

TEST(ColdWarmHotCountsTest, ExcludesTheCurrentDraw) {
  const auto h = ThresholdHistory();
  EvalEnv env;
  env.coldHot.coldcs = 0;
  env.coldHot.hotcs = 2;
  // Before draw 2: 1, 2, 3 and 4 came out twice each (hot); draw 2 also has
  // fillers never seen (cold).
  const ColdWarmHot r = ColdWarmHotCounts(ContextAt(h, 2, &env));
  EXPECT_EQ(r.hot, 3);  // 1, 2, 3
  EXPECT_EQ(r.cold, 2);
  EXPECT_EQ(r.warm, 0);
}

TEST(ColdWarmHotCountsTest, AgreesWithTheClassificationOfThePreviousDraw) {
  const auto h = test::RandomHistory(300, 5);
  for (const ColdHotSettings base : {ColdHotSettings{}, ColdHotSettings{10, 1, 3, 30, 2, 8},
                                     ColdHotSettings{300, 40, 45, 30, 2, 8}}) {
    EvalEnv env;
    env.coldHot = base;
    for (int pos = 0; pos < 300; pos += 7) {
      const ColdWarmHot r = ColdWarmHotCounts(ContextAt(h, pos, &env));
      const ZoneClasses z = ClassifyZone(h, pos - 1, base.qs, base.coldcs, base.hotcs, false);
      ColdWarmHot expected;
      for (int n : h[pos].front) {
        if (Has(z.cold, n)) ++expected.cold;
        if (Has(z.warm, n)) ++expected.warm;
        if (Has(z.hot, n)) ++expected.hot;
      }
      EXPECT_EQ(r.cold, expected.cold) << pos;
      EXPECT_EQ(r.warm, expected.warm) << pos;
      EXPECT_EQ(r.hot, expected.hot) << pos;
    }
  }
}

}  // namespace
}  // namespace dlt
