#include "history/coldhot_summary.h"

#include <gtest/gtest.h>

#include "engine/indicators/indicator_test_support.h"

namespace dlt {
namespace {

using test::FrontHistory;

// Window of two draws, cold at 0, hot at 2: before the third draw of
// 01 02 03 04 05 / 05 06 07 08 09, 5 is hot, 1-4 and 6-9 warm (eight), the
// other 26 cold.
ColdHotSettings TwoDrawWindow() {
  ColdHotSettings s;
  s.qs = 2;
  s.coldcs = 0;
  s.hotcs = 2;
  return s;
}

std::vector<Draw> WithThird(std::array<int, 5> third) {
  return FrontHistory({{1, 2, 3, 4, 5}, {5, 6, 7, 8, 9}, third});
}

TEST(ColdHotSummaryTest, FirstDrawGetsOnlyTheFirstText) {
  const auto h = WithThird({1, 10, 11, 12, 13});
  const ColdHotSummary s = ComputeColdHotSummary(h, 0, TwoDrawWindow());
  EXPECT_EQ(s.one, "30: 5: 0");
  EXPECT_FALSE(s.two.has_value());
  EXPECT_FALSE(s.three.has_value());
}

TEST(ColdHotSummaryTest, TextsOfALaterDraw) {
  const auto h = WithThird({1, 10, 11, 12, 13});
  const ColdHotSummary s = ComputeColdHotSummary(h, 2, TwoDrawWindow());
  // Window of draws 2 and 3: ten numbers once (warm), none twice.
  EXPECT_EQ(s.one, "25:10: 0");
  ASSERT_TRUE(s.two && s.three);
  EXPECT_EQ(*s.two, "4:1:0");
  // 4/26 = 0.1538 -> 15; 1/8 = 0.125 -> 12 (halves to even); 0/1 -> 0.
  EXPECT_EQ(*s.three, "15:12: 0");
}

TEST(ColdHotSummaryTest, HalvesGoToEvenAndAFullClassIsHundred) {
  ColdHotSummary s = ComputeColdHotSummary(WithThird({1, 2, 3, 6, 7}), 2, TwoDrawWindow());
  EXPECT_EQ(*s.two, "0:5:0");
  EXPECT_EQ(*s.three, " 0:62: 0");  // 5/8 = 0.625 -> 0.62
  s = ComputeColdHotSummary(WithThird({5, 10, 11, 12, 13}), 2, TwoDrawWindow());
  EXPECT_EQ(*s.two, "4:0:1");
  EXPECT_EQ(*s.three, "15: 0:100");
}

TEST(ColdHotSummaryTest, AnEmptyClassGivesZero) {
  // Before the fourth draw every number came out at most once: no hot class.
  auto h = FrontHistory({{1, 2, 3, 4, 5}, {5, 6, 7, 8, 9}, {1, 10, 11, 12, 13}, {5, 6, 7, 8, 10}});
  const ColdHotSummary s = ComputeColdHotSummary(h, 3, TwoDrawWindow());
  EXPECT_EQ(*s.two, "0:5:0");
  EXPECT_EQ(*s.three, " 0:50: 0");
}

TEST(ColdHotSummaryTest, DefaultSettingsOnARealHistory) {
  const auto h = test::RandomHistory(120, 3);
  for (int i = 1; i < 120; ++i) {
    const ColdHotSummary s = ComputeColdHotSummary(h, i, ColdHotSettings{});
    ASSERT_EQ(s.one.size(), 8u) << i;
    EXPECT_EQ(s.one[2], ':');
    EXPECT_EQ(s.one[5], ':');
    const int total = std::stoi(s.one.substr(0, 2)) + std::stoi(s.one.substr(3, 2)) +
                      std::stoi(s.one.substr(6, 2));
    EXPECT_EQ(total, 35);
    int hits = 0;
    for (size_t p = 0; p < s.two->size(); p += 2) hits += (*s.two)[p] - '0';
    EXPECT_EQ(hits, 5) << *s.two;
  }
}

class ColdHotSummaryTableTest : public ::testing::Test {
 protected:
  test::TempDir dir;
};

TEST_F(ColdHotSummaryTableTest, WritesTheCurrentDrawAndKeepsTheCursor) {
  {
    DrawTable t(dir.file("basedata.db"));
    t.ApplyImport(WithThird({1, 10, 11, 12, 13}), false);
    const std::string keepTwo = "x", keepThree = "y";
    t.SetColdHotTexts(0, nullptr, &keepTwo, &keepThree);
    t.First();
    WriteColdHotSummary(t, TwoDrawWindow());
    EXPECT_EQ(t.Position(), 0);
    EXPECT_EQ(t.Extras(0).coldhotbone, "30: 5: 0");
    EXPECT_EQ(t.Extras(0).coldhotbtwo, "x");  // the first draw's other texts stay
    EXPECT_EQ(t.Extras(0).coldhotbthree, "y");
    t.SetPosition(2);
    WriteColdHotSummary(t, TwoDrawWindow());
    EXPECT_EQ(t.Position(), 2);
  }
  DrawTable reopened(dir.file("basedata.db"));
  EXPECT_EQ(reopened.Extras(2).coldhotbone, "25:10: 0");
  EXPECT_EQ(reopened.Extras(2).coldhotbtwo, "4:1:0");
  EXPECT_EQ(reopened.Extras(2).coldhotbthree, "15:12: 0");
  EXPECT_EQ(reopened.Extras(1).coldhotbone, "");
}

TEST_F(ColdHotSummaryTableTest, RewritesEveryDraw) {
  DrawTable t(dir.file("basedata.db"));
  t.ApplyImport(test::RandomHistory(60, 9), false);
  t.SetPosition(17);
  EXPECT_TRUE(RewriteAllColdHotSummaries(t, ColdHotSettings{}));
  EXPECT_EQ(t.Position(), 17);
  for (int i = 0; i < t.RecordCount(); ++i) {
    const ColdHotSummary s = ComputeColdHotSummary(t.Draws(), i, ColdHotSettings{});
    EXPECT_EQ(t.Extras(i).coldhotbone, s.one) << i;
    EXPECT_EQ(t.Extras(i).coldhotbtwo, s.two.value_or("")) << i;
    EXPECT_EQ(t.Extras(i).coldhotbthree, s.three.value_or("")) << i;
  }
}

TEST_F(ColdHotSummaryTableTest, ProgressCanStopTheRewrite) {
  DrawTable t(dir.file("basedata.db"));
  t.ApplyImport(test::RandomHistory(30, 4), false);
  t.SetPosition(5);
  int calls = 0;
  const bool done = RewriteAllColdHotSummaries(t, ColdHotSettings{}, [&calls](int done, int total) {
    ++calls;
    EXPECT_EQ(total, 30);
    return done < 10;
  });
  EXPECT_FALSE(done);
  EXPECT_EQ(calls, 11);
  EXPECT_EQ(t.Position(), 5);
  EXPECT_FALSE(t.Extras(9).coldhotbone.empty());
  EXPECT_TRUE(t.Extras(10).coldhotbone.empty());
}

}  // namespace
}  // namespace dlt
