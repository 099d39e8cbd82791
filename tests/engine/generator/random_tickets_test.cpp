#include "generator/random_tickets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace dlt {
namespace {

TEST(RandomTickets, EveryTicketIsValid) {
  std::mt19937_64 rng(42);
  std::string error;
  auto tickets = RandomTickets(5000, rng, &error);
  ASSERT_TRUE(tickets) << error;
  ASSERT_EQ(tickets->size(), 5000u);
  for (const auto& t : *tickets) {
    ASSERT_TRUE(std::is_sorted(t.front.begin(), t.front.end()));
    ASSERT_EQ(std::adjacent_find(t.front.begin(), t.front.end()), t.front.end());
    ASSERT_GE(t.front[0], 1);
    ASSERT_LE(t.front[4], 35);
    ASSERT_LT(t.back[0], t.back[1]);  // distinct and ascending
    ASSERT_GE(t.back[0], 1);
    ASSERT_LE(t.back[1], 12);
    ASSERT_EQ(t.prize, 0);
  }
}

TEST(RandomTickets, TheSameSeedGivesTheSameTickets) {
  std::mt19937_64 a(7), b(7), c(8);
  EXPECT_EQ(*RandomTickets(50, a, nullptr), *RandomTickets(50, b, nullptr));
  std::mt19937_64 a2(7);
  EXPECT_NE(*RandomTickets(50, a2, nullptr), *RandomTickets(50, c, nullptr));
}

TEST(RandomTickets, CountIsLimitedByTheTwoZoneList) {
  std::mt19937_64 rng(1);
  std::string error;
  EXPECT_TRUE(RandomTickets(0, rng, &error)->empty());
  EXPECT_FALSE(RandomTickets(50001, rng, &error));
  EXPECT_EQ(error, "注数必须是0到50000之间的整数");
  EXPECT_FALSE(RandomTickets(-1, rng, &error));
}

TEST(RandomTickets, NumbersAndPairsAreEquallyLikely) {
  std::mt19937_64 rng(2024);
  constexpr int kDraws = 132000;
  std::array<int, 36> numberCount{};
  int withOneAndTwo = 0;
  std::map<BackPair, int> pairCount;
  for (int i = 0; i < kDraws; ++i) {
    const Combo c = RandomCombo(rng);
    for (auto n : c) ++numberCount[n];
    withOneAndTwo += (c[0] == 1 && c[1] == 2);
    ++pairCount[RandomBackPair(rng)];
  }
  const double perNumber = kDraws * 5.0 / 35.0;
  for (int n = 1; n <= 35; ++n) EXPECT_NEAR(numberCount[n], perNumber, perNumber * 0.03) << n;
  // C(33,3) / C(35,5) of the combinations hold both 1 and 2.
  const double both = kDraws * 5456.0 / 324632.0;
  EXPECT_NEAR(withOneAndTwo, both, both * 0.1);
  ASSERT_EQ(pairCount.size(), 66u);
  const double perPair = kDraws / 66.0;
  for (const auto& [pair, count] : pairCount) EXPECT_NEAR(count, perPair, perPair * 0.06);
}

TEST(RandomTickets, CombosMayRepeatButNeverHoldARepeatedNumber) {
  std::mt19937_64 rng(3);
  const auto combos = RandomCombos(1000, rng);
  ASSERT_EQ(combos.size(), 1000u);
  for (const auto& c : combos) ASSERT_EQ(std::adjacent_find(c.begin(), c.end()), c.end());
}

TEST(PickCounts, BlankMeansTenAndDigitsAreRead) {
  std::string error;
  EXPECT_EQ(PickCount("", 50000, &error), 10);
  EXPECT_EQ(PickCount("    ", 50000, &error), 10);
  EXPECT_EQ(PickCount("____", 50000, &error), 10);
  EXPECT_EQ(PickCount("  10", 50000, &error), 10);
  EXPECT_EQ(PickCount("9999", 50000, &error), 9999);
  EXPECT_EQ(PickCount("0", 50000, &error), 0);
  EXPECT_FALSE(PickCount("12a", 50000, &error));
  EXPECT_FALSE(PickCount("50001", 50000, &error));
  EXPECT_EQ(error, "注数必须是0到50000之间的整数");
}

}  // namespace
}  // namespace dlt
