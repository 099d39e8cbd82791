#include "common/reference_texts.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

TEST(ReferenceTexts, ChineseNumerals) {
  EXPECT_EQ(ChineseNumeral(1), "一");
  EXPECT_EQ(ChineseNumeral(9), "九");
  EXPECT_EQ(ChineseNumeral(10), "十");
  EXPECT_EQ(ChineseNumeral(11), "十一");
  EXPECT_EQ(ChineseNumeral(15), "十五");
}

TEST(ReferenceTexts, ZoneTextForTwoAndThreeZones) {
  const auto lines = ZoneTextLines();
  ASSERT_EQ(lines.size(), 14u * 3u) << "k = 2..15, three lines each";
  const std::string ten(10, ' ');
  EXPECT_EQ(lines[0], "(二区的分区设定)");
  EXPECT_EQ(lines[1], "小区<1..17>" + ten + "大区<18..35>");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "(三区的分区设定)");
  EXPECT_EQ(lines[4], "一区<1..11>" + ten + "二区<12..23>" + ten + "三区<24..35>");
}

TEST(ReferenceTexts, ZoneTextLastZonesAreWiderUpToFifteen) {
  const auto lines = ZoneTextLines();
  const std::string ten(10, ' ');
  // Four zones of 35: 8, 9, 9, 9; fifteen zones: ten of 2, five of 3.
  EXPECT_EQ(lines[7], "一区<1..8>" + ten + "二区<9..17>" + ten + "三区<18..26>" + ten + "四区<27..35>");
  EXPECT_EQ(lines[39], "(十五区的分区设定)");
  EXPECT_EQ(lines[40].substr(0, lines[40].find(ten)), "一区<1..2>");
  EXPECT_NE(lines[40].find("十五区<33..35>"), std::string::npos);
}

}  // namespace
}  // namespace dlt
