#include "generator/combination.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace dlt {
namespace {

std::vector<int> FullPool() {
  std::vector<int> p(35);
  std::iota(p.begin(), p.end(), 1);
  return p;
}

TEST(Enumeration, FullPoolGivesEveryCombinationInTheGeneratorsOrder) {
  const auto all = EnumerateCombos(FullPool(), {});
  ASSERT_EQ(all.size(), 324632u);
  EXPECT_EQ(all[0], (Combo{31, 32, 33, 34, 35}));
  EXPECT_EQ(all[1], (Combo{30, 32, 33, 34, 35}));
  EXPECT_EQ(all[2], (Combo{29, 32, 33, 34, 35}));
  EXPECT_EQ(all[30], (Combo{1, 32, 33, 34, 35}));
  EXPECT_EQ(all[31], (Combo{30, 31, 33, 34, 35}));
  EXPECT_EQ(all.back(), (Combo{1, 2, 3, 4, 5}));
  std::set<int> ranks;
  for (const auto& c : all) {
    ASSERT_TRUE(std::is_sorted(c.begin(), c.end()));
    ranks.insert(ComboRank(c));
  }
  EXPECT_EQ(ranks.size(), 324632u);
  EXPECT_EQ(*ranks.begin(), 0);
  EXPECT_EQ(*ranks.rbegin(), 324631);
}

TEST(Enumeration, BankersArePartOfEveryCombination) {
  const auto withTwo = EnumerateCombos(FullPool(), {7, 20});
  EXPECT_EQ(withTwo.size(), 5456u);  // C(33, 3)
  for (const auto& c : withTwo) {
    ASSERT_NE(std::find(c.begin(), c.end(), 7), c.end());
    ASSERT_NE(std::find(c.begin(), c.end(), 20), c.end());
  }
  EXPECT_EQ(withTwo[0], (Combo{7, 20, 33, 34, 35}));

  const auto five = EnumerateCombos(FullPool(), {1, 2, 3, 4, 5});
  ASSERT_EQ(five.size(), 1u) << "five bankers: exactly one combination";
  EXPECT_EQ(five[0], (Combo{1, 2, 3, 4, 5}));

  // A banker outside the pool still takes part.
  const auto outside = EnumerateCombos({1, 2, 3, 4, 5}, {9});
  EXPECT_EQ(outside.size(), 5u);
  for (const auto& c : outside) EXPECT_EQ(c[4], 9);
}

TEST(Enumeration, SmallPoolsAndPairs) {
  EXPECT_TRUE(EnumerateCombos({1, 2, 3, 4}, {}).empty()) << "a pool of four numbers";
  EXPECT_EQ(EnumerateCombos({1, 2, 3, 4, 5}, {}).size(), 1u);
  const auto pairs = EnumeratePairs({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {});
  ASSERT_EQ(pairs.size(), 66u);
  EXPECT_EQ(pairs[0], (std::array<uint8_t, 2>{11, 12}));
  EXPECT_EQ(pairs[1], (std::array<uint8_t, 2>{10, 12}));
  EXPECT_EQ(EnumeratePairs({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {4}).size(), 11u);
}

TEST(ShapeSwitches, EqualGapsAndSpecialRuns) {
  EXPECT_TRUE(HasEqualGaps({1, 2, 3, 4, 5}));
  EXPECT_TRUE(IsSpecialRun({1, 2, 3, 4, 5}));
  EXPECT_TRUE(IsSpecialRun({1, 2, 4, 5, 6})) << "pair and a run of three";
  EXPECT_TRUE(IsSpecialRun({1, 2, 3, 5, 6})) << "run of three and a pair";
  EXPECT_TRUE(IsSpecialRun({1, 2, 3, 4, 9})) << "the four lowest consecutive";
  EXPECT_TRUE(IsSpecialRun({1, 6, 7, 8, 9})) << "the four highest consecutive";
  EXPECT_FALSE(HasEqualGaps({1, 2, 4, 6, 7}));
  EXPECT_FALSE(IsSpecialRun({1, 2, 4, 6, 7}));
  EXPECT_TRUE(HasEqualGaps({2, 4, 6, 8, 10}));
  EXPECT_FALSE(IsSpecialRun({2, 4, 6, 8, 10}));
  EXPECT_TRUE(HasEqualGaps({3, 10, 17, 24, 31}));
}

TEST(HistorySet, IsExactEvenWhereAHashWouldCollide) {
  HistoryComboSet set;
  set.Add({3, 5, 12, 18, 22});
  set.Add({0, 0, 0, 0, 0});  // a pseudo-draw without numbers is ignored
  EXPECT_TRUE(set.Contains({3, 5, 12, 18, 22}));
  EXPECT_FALSE(set.Contains({3, 5, 12, 18, 23}));
  // Every combination is distinguishable: add half of them and check all.
  const auto all = EnumerateCombos(FullPool(), {});
  HistoryComboSet half;
  for (size_t i = 0; i < all.size(); i += 2) half.Add(all[i]);
  for (size_t i = 0; i < all.size(); ++i) ASSERT_EQ(half.Contains(all[i]), i % 2 == 0);
  half.Clear();
  EXPECT_FALSE(half.Contains(all[0]));
}

}  // namespace
}  // namespace dlt
