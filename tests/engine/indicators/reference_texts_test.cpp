#include "indicators/reference_texts.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

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
  EXPECT_EQ(lines[7],
            "一区<1..8>" + ten + "二区<9..17>" + ten + "三区<18..26>" + ten + "四区<27..35>");
  EXPECT_EQ(lines[39], "(十五区的分区设定)");
  EXPECT_EQ(lines[40].substr(0, lines[40].find(ten)), "一区<1..2>");
  EXPECT_NE(lines[40].find("十五区<33..35>"), std::string::npos);
}

}  // namespace
}  // namespace dlt

#include "common/shape_class_table.h"

namespace dlt {
namespace {

TEST(ShapeClassTable, EightRowsWithTheirFirstColumns) {
  const tzbpxz_zj1 t = DefaultShapeClassTable();
  ASSERT_EQ(t.count, 8);
  const std::array<std::tuple<const char*, int, int>, 8> expected = {{{"尾号", 10, 1},
                                                                      {"奇偶", 2, 11},
                                                                      {"质合", 2, 13},
                                                                      {"小大", 2, 15},
                                                                      {"三区", 3, 17},
                                                                      {"四区", 4, 20},
                                                                      {"除三余数", 3, 24},
                                                                      {"除四余数", 4, 27}}};
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(t.rows[i].name, std::get<0>(expected[i - 1]));
    EXPECT_EQ(t.rows[i].classes, std::get<1>(expected[i - 1]));
    EXPECT_EQ(t.rows[i].firstColumn, std::get<2>(expected[i - 1]));
  }
}

}  // namespace
}  // namespace dlt

namespace dlt {
namespace {

TEST(ReferenceTexts, ShapeTextHasFourGroupsOfSevenFamilies) {
  const auto lines = ShapeTextLines();
  ASSERT_EQ(lines.size(), 4u * 9u);
  EXPECT_EQ(lines[0], "两个指标组合的单选形态");
  EXPECT_EQ(lines[1], "      0=  偶偶      1=  偶奇      2=  奇偶      3=  奇奇");
  EXPECT_EQ(lines[8], "");
  EXPECT_EQ(lines[9], "两个指标组合的组选形态");
  EXPECT_EQ(lines[10], "      0=  两偶      1=  一偶一奇      2=  两奇");
  EXPECT_EQ(lines[18], "三个指标组合的单选形态");
  EXPECT_EQ(lines[19].rfind("      0=  偶偶偶      1=  偶偶奇", 0), 0u) << lines[19];
  EXPECT_NE(lines[19].find("      7=  奇奇奇"), std::string::npos);
  EXPECT_EQ(lines[27], "三个指标组合的组选形态");
  EXPECT_EQ(lines[28], "      0=  三偶      1=  两偶一奇      2=  一偶两奇      3=  三奇");
  // The 012-road family of three values ordered runs 0..26.
  EXPECT_NE(lines[23].find("      26=  贰贰贰"), std::string::npos) << lines[23];
}

}  // namespace
}  // namespace dlt
