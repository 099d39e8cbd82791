#include "generator/result_numbers.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

TEST(TypedNumbers, ComboIsSortedAscending) {
  std::string error;
  auto c = ParseCombo({"35", " 7", "12 ", "1", "30"}, &error);
  ASSERT_TRUE(c) << error;
  EXPECT_EQ(*c, (Combo{1, 7, 12, 30, 35}));
}

TEST(TypedNumbers, FrontRangeIsOneToThirtyFive) {
  std::string error;
  EXPECT_FALSE(ParseCombo({"0", "2", "3", "4", "5"}, &error));
  EXPECT_EQ(error, "主号0超出1到35的范围");
  EXPECT_FALSE(ParseCombo({"1", "2", "3", "4", "36"}, &error));
  EXPECT_EQ(error, "主号36超出1到35的范围");
  EXPECT_FALSE(ParseCombo({"1", "2", "3", "4", "-5"}, &error));
  EXPECT_EQ(error, "主号-5超出1到35的范围");
  EXPECT_TRUE(ParseCombo({"31", "32", "33", "34", "35"}, &error));
}

TEST(TypedNumbers, BlankAndNonIntegerTextsAreRefused) {
  std::string error;
  EXPECT_FALSE(ParseCombo({"1", "  ", "3", "4", "5"}, &error));
  EXPECT_EQ(error, "主号不能为空");
  EXPECT_FALSE(ParseCombo({"1", "2x", "3", "4", "5"}, &error));
  EXPECT_EQ(error, "\"2x\"不是整数");
  EXPECT_FALSE(ParseBackPair({"1", ""}, &error));
  EXPECT_EQ(error, "副号不能为空");
  EXPECT_FALSE(ParseBackPair({"1", "99999999999999999999999"}, &error));
  EXPECT_EQ(error, "副号99999999999999999999999超出1到12的范围");
}

TEST(TypedNumbers, RepeatsWithinAZoneAreRefused) {
  std::string error;
  EXPECT_FALSE(ParseCombo({"7", "2", "7", "4", "5"}, &error));
  EXPECT_EQ(error, "主号07重复");
  EXPECT_FALSE(ParseBackPair({"5", "5"}, &error));
  EXPECT_EQ(error, "副号05重复");
}

TEST(TypedNumbers, BackRangeIsOneToTwelveAndPairIsSorted) {
  std::string error;
  EXPECT_FALSE(ParseBackPair({"13", "1"}, &error));
  EXPECT_EQ(error, "副号13超出1到12的范围");
  auto p = ParseBackPair({"12", "3"}, &error);
  ASSERT_TRUE(p);
  EXPECT_EQ(*p, (BackPair{3, 12}));
}

TEST(TypedNumbers, TicketChecksBothZonesSeparately) {
  std::string error;
  // 5 appears in both zones: allowed, the zones are independent.
  auto t = ParseTicket({"5", "4", "3", "2", "1", "5", "1"}, &error);
  ASSERT_TRUE(t) << error;
  EXPECT_EQ(t->front, (Combo{1, 2, 3, 4, 5}));
  EXPECT_EQ(t->back, (BackPair{1, 5}));
  EXPECT_EQ(t->prize, 0);
  EXPECT_FALSE(ParseTicket({"5", "4", "3", "2", "1", "13", "1"}, &error));
  EXPECT_EQ(error, "副号13超出1到12的范围");
  // A front number above 12 is fine in the front zone only.
  EXPECT_TRUE(ParseTicket({"20", "4", "3", "2", "1", "12", "1"}, &error));
}

TEST(TypedNumbers, WrongCountsAreRefused) {
  std::string error;
  EXPECT_FALSE(MakeCombo({1, 2, 3, 4}, &error));
  EXPECT_FALSE(MakeBackPair({1, 2, 3}, &error));
  EXPECT_FALSE(MakeTicket({1, 2, 3, 4, 5, 6}, &error));
}

TEST(TypedNumbers, SplitBlanksSkipsRunsOfBlanksAndTabs) {
  const auto t = SplitBlanks("  01 \t02   03 ");
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0], "01");
  EXPECT_EQ(t[2], "03");
  EXPECT_TRUE(SplitBlanks("   ").empty());
}

}  // namespace
}  // namespace dlt
