#include "generator/random_pick.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace dlt {
namespace {

TEST(RandomPick, PureRandomCombinationsAreValidAndReproducible) {
  std::mt19937_64 rng(3);
  const auto picks = PureRandomRecords(2000, rng);
  ASSERT_EQ(picks.size(), 2000u);
  for (const auto& r : picks) {
    ASSERT_EQ(r.mark, 0);
    ASSERT_GE(r.numbers[0], 1);
    ASSERT_LE(r.numbers[4], 35);
    for (int i = 1; i < 5; ++i) ASSERT_LT(r.numbers[i - 1], r.numbers[i]);
  }
  std::mt19937_64 same(3);
  EXPECT_EQ(PureRandomRecords(2000, same), picks);
  EXPECT_TRUE(PureRandomRecords(0, rng).empty());
}

std::vector<FrontRecord> Numbered(int n) {
  std::vector<FrontRecord> r;
  for (int i = 0; i < n; ++i)
    r.push_back({Combo{1, 2, 3, 4, static_cast<uint8_t>(5 + i)}, static_cast<uint8_t>(i % 2)});
  return r;
}

TEST(RandomPick, KeepsNOfTheShuffledRecordsWithTheirMarks) {
  std::mt19937_64 rng(8);
  const auto original = Numbered(30);
  auto records = original;
  KeepRandomRecords(records, 10, rng);
  ASSERT_EQ(records.size(), 10u);
  std::set<Combo> seen;
  for (const auto& r : records) {
    // Each kept record is one of the originals, mark and all.
    const int i = r.numbers[4] - 5;
    ASSERT_GE(i, 0);
    ASSERT_LT(i, 30);
    EXPECT_EQ(r, original[static_cast<size_t>(i)]);
    seen.insert(r.numbers);
  }
  EXPECT_EQ(seen.size(), 10u);
}

TEST(RandomPick, FewerRecordsThanAskedKeepsAllOfThemShuffled) {
  std::mt19937_64 rng(8);
  const auto original = Numbered(20);
  auto records = original;
  KeepRandomRecords(records, 25, rng);
  ASSERT_EQ(records.size(), 20u);
  EXPECT_NE(records, original);
  auto sorted = records;
  std::sort(sorted.begin(), sorted.end(),
            [](const FrontRecord& a, const FrontRecord& b) { return a.numbers < b.numbers; });
  EXPECT_EQ(sorted, original);

  std::vector<FrontRecord> none;
  KeepRandomRecords(none, 10, rng);
  EXPECT_TRUE(none.empty());
  auto zero = original;
  KeepRandomRecords(zero, 0, rng);
  EXPECT_TRUE(zero.empty());
}

// Every order of three records about equally often (fixed seed). Swapping
// each position with one drawn from the whole list would give two orders
// 5/27 of the time and the others 4/27, far outside these bounds.
TEST(RandomPick, ShuffleFavoursNoOrder) {
  std::mt19937_64 rng(12345);
  std::map<std::vector<int>, int> counts;
  const int rounds = 6000;
  for (int k = 0; k < rounds; ++k) {
    auto records = Numbered(3);
    KeepRandomRecords(records, 3, rng);
    std::vector<int> order;
    for (const auto& r : records) order.push_back(r.numbers[4]);
    ++counts[order];
  }
  ASSERT_EQ(counts.size(), 6u);
  for (const auto& [order, n] : counts) {
    EXPECT_GT(n, 920);
    EXPECT_LT(n, 1080);
  }
}

}  // namespace
}  // namespace dlt
