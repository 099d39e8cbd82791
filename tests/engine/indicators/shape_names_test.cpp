#include "indicators/shape_names.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

using Names = std::vector<std::string>;

TEST(ShapeNamesTest, TwoValueTables) {
  EXPECT_EQ(ShapeValueNames(0, 2), Names({"偶偶", "偶奇", "奇偶", "奇奇"}));
  EXPECT_EQ(ShapeValueNames(1, 2), Names({"两偶", "一偶一奇", "两奇"}));
  EXPECT_EQ(ShapeValueNames(2, 2), Names({"合合", "合质", "质合", "质质"}));
  EXPECT_EQ(ShapeValueNames(3, 2), Names({"两合", "一合一质", "两质"}));
  EXPECT_EQ(ShapeValueNames(4, 2), Names({"小小", "小大", "大小", "大大"}));
  EXPECT_EQ(ShapeValueNames(5, 2), Names({"两小", "一小一大", "两大"}));
  EXPECT_EQ(ShapeValueNames(6, 2),
            Names({"小小", "小中", "小大", "中小", "中中", "中大", "大小", "大中", "大大"}));
  EXPECT_EQ(ShapeValueNames(7, 2),
            Names({"两小", "一小一中", "一小一大", "两中", "一中一大", "两大"}));
  EXPECT_EQ(ShapeValueNames(8, 2),
            Names({"零零", "零壹", "零贰", "壹零", "壹壹", "壹贰", "贰零", "贰壹", "贰贰"}));
  EXPECT_EQ(ShapeValueNames(9, 2),
            Names({"两0路", "一0路一1路", "一0路一2路", "两1路", "一1路一2路", "两2路"}));
  EXPECT_EQ(ShapeValueNames(10, 2),
            Names({"复复", "复隔", "复中", "隔复", "隔隔", "隔中", "中复", "中隔", "中中"}));
  EXPECT_EQ(ShapeValueNames(11, 2),
            Names({"两复", "一复一隔", "一复一中", "两隔", "一隔一中", "两中"}));
  EXPECT_EQ(ShapeValueNames(12, 2),
            Names({"邻邻", "邻孤", "邻传", "孤邻", "孤孤", "孤传", "传邻", "传孤", "传传"}));
  EXPECT_EQ(ShapeValueNames(13, 2),
            Names({"两邻", "一邻一孤", "一邻一传", "两孤", "一孤一传", "两传"}));
}

TEST(ShapeNamesTest, ThreeValueTables) {
  EXPECT_EQ(ShapeValueNames(0, 3), Names({"偶偶偶", "偶偶奇", "偶奇偶", "偶奇奇", "奇偶偶",
                                          "奇偶奇", "奇奇偶", "奇奇奇"}));
  EXPECT_EQ(ShapeValueNames(3, 3), Names({"三合", "两合一质", "一合两质", "三质"}));
  EXPECT_EQ(ShapeValueNames(5, 3), Names({"三小", "两小一大", "一小两大", "三大"}));
  const Names zeroOneTwo = ShapeValueNames(8, 3);
  ASSERT_EQ(zeroOneTwo.size(), 27u);
  EXPECT_EQ(zeroOneTwo.front(), "零零零");
  EXPECT_EQ(zeroOneTwo[5], "零壹贰");
  EXPECT_EQ(zeroOneTwo.back(), "贰贰贰");
  EXPECT_EQ(ShapeValueNames(7, 3),
            Names({"三小", "两小一中", "两小一大", "一小两中", "一小一中一大", "一小两大", "三中",
                   "两中一大", "一中两大", "三大"}));
  EXPECT_EQ(ShapeValueNames(9, 3)[4], "一0路一1路一2路");
  EXPECT_EQ(ShapeValueNames(11, 3)[9], "三中");
  EXPECT_EQ(ShapeValueNames(13, 3)[1], "两邻一孤");
  for (int type = 14; type <= 30; ++type) EXPECT_TRUE(ShapeValueNames(type, 3).empty()) << type;
}

TEST(ShapeNamesTest, TypeNames) {
  EXPECT_EQ(ShapeTypeCount(2), 14);
  EXPECT_EQ(ShapeTypeCount(3), 31);
  EXPECT_EQ(ShapeTypeCount(4), 0);
  EXPECT_EQ(ShapeTypeName(0, 2), "单选奇偶");
  EXPECT_EQ(ShapeTypeName(7, 3), "尾的组选大中小");
  EXPECT_EQ(ShapeTypeName(13, 2), "组选邻孤传");
  EXPECT_EQ(ShapeTypeName(14, 3), "ID值");
  EXPECT_EQ(ShapeTypeName(22, 3), "中间数");
  EXPECT_EQ(ShapeTypeName(30, 3), "同位重号个数");
  EXPECT_EQ(ShapeTypeName(14, 2), "");
  EXPECT_EQ(ShapeTypeName(-1, 2), "");
  EXPECT_TRUE(ShapeValueNames(14, 2).empty());
  EXPECT_TRUE(ShapeValueNames(-1, 3).empty());
}

TEST(ShapeNamesTest, UnorderedIndexFollowsTheListedOrder) {
  // Two values: (larger, smaller) in 00, 10, 20, 11, 21, 22.
  EXPECT_EQ(UnorderedShapeIndex({0, 0}, 3), 0);
  EXPECT_EQ(UnorderedShapeIndex({1, 0}, 3), 1);
  EXPECT_EQ(UnorderedShapeIndex({0, 2}, 3), 2);
  EXPECT_EQ(UnorderedShapeIndex({1, 1}, 3), 3);
  EXPECT_EQ(UnorderedShapeIndex({2, 1}, 3), 4);
  EXPECT_EQ(UnorderedShapeIndex({2, 2}, 3), 5);
  // Three values: 000, 001, 002, 011, 012, 022, 111, 112, 122, 222.
  const std::vector<std::vector<int>> listed = {{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 1, 1},
                                                {0, 1, 2}, {0, 2, 2}, {1, 1, 1}, {1, 1, 2},
                                                {1, 2, 2}, {2, 2, 2}};
  for (size_t i = 0; i < listed.size(); ++i) {
    std::vector<int> shuffled(listed[i].rbegin(), listed[i].rend());
    EXPECT_EQ(UnorderedShapeIndex(shuffled, 3), static_cast<int>(i));
  }
  EXPECT_EQ(UnorderedShapeIndex({1, 0, 1}, 2), 2);  // 000, 001, 011, 111
  EXPECT_EQ(UnorderedShapeIndex({1, 1, 1}, 2), 3);
}

}  // namespace
}  // namespace dlt
