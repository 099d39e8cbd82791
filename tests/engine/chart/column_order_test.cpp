#include "chart/column_order.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

TEST(ColumnOrder, OrdersAndPartitions) {
  std::vector<int> expected;
  for (int v = 2; v <= 34; v += 2) expected.push_back(v);
  for (int v = 1; v <= 35; v += 2) expected.push_back(v);
  EXPECT_EQ(OrderColumns(1, 35, 2).values, expected);
  EXPECT_EQ(OrderColumns(1, 35, 2).bounds, (std::vector<int>{17, 35}));

  const ColumnOrder prime = OrderColumns(1, 35, 1);
  EXPECT_EQ(std::vector<int>(prime.values.begin(), prime.values.begin() + 13),
            (std::vector<int>{1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 4}));
  EXPECT_EQ(prime.bounds, (std::vector<int>{12, 35}));
  // Tails 0..9 by prime: 0 is not prime.
  EXPECT_EQ(OrderColumns(0, 9, 1).values, (std::vector<int>{1, 2, 3, 5, 7, 0, 4, 6, 8, 9}));
  EXPECT_EQ(OrderColumns(0, 9, 4).values, (std::vector<int>{0, 4, 8, 1, 5, 9, 2, 6, 3, 7}));
  EXPECT_EQ(ColumnOrderTexts().size(), 21u);
  EXPECT_EQ(ColumnOrderTexts()[20], "按除20余数");

  EXPECT_EQ(PartitionBounds(35, 3), (std::vector<int>{11, 23, 35}));
  EXPECT_EQ(PartitionBounds(10, 4), (std::vector<int>{2, 4, 7, 10}));
  EXPECT_EQ(GroupOfPosition({11, 23, 35}, 10), 0);
  EXPECT_EQ(GroupOfPosition({11, 23, 35}, 11), 1);
  EXPECT_EQ(GroupOfPosition({11, 23, 35}, 34), 2);
  const int odd[] = {1, 7, 35}, even[] = {2, 34};
  for (int v : odd) EXPECT_TRUE(PassesTypeFilter(1, v) && !PassesTypeFilter(2, v));
  for (int v : even) EXPECT_TRUE(PassesTypeFilter(2, v) && !PassesTypeFilter(1, v));
  EXPECT_TRUE(PassesTypeFilter(3, 1));
  EXPECT_TRUE(PassesTypeFilter(4, 0));
  EXPECT_TRUE(PassesTypeFilter(6, 7) && !PassesTypeFilter(5, 7));
}

}  // namespace
}  // namespace dlt
