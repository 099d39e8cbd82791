// What chance alone gives the grids' and the statistics area's tallies,
// against brute-force enumerations of every draw of small zones and of the
// real front zone, and against figures worked out apart from the program.
#include "trend/tally_chances.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/test_support.h"

namespace dlt {
namespace {

// Calls `each` with every `drawn`-subset of 0..size-1.
void Subsets(int size, int drawn, const std::function<void(const std::vector<int>&)>& each) {
  std::vector<int> pick(static_cast<size_t>(drawn));
  std::function<void(int, int)> walk = [&](int at, int from) {
    if (at == drawn) return each(pick);
    for (int x = from; x < size; ++x) {
      pick[static_cast<size_t>(at)] = x;
      walk(at + 1, x + 1);
    }
  };
  walk(0, 0);
}

// The mean and covariance of per-draw column values over every draw alike.
ColumnChances Enumerated(
    int columns,
    const std::function<void(const std::function<void(const std::vector<double>&)>&)>& draws) {
  ColumnChances c;
  c.mean.assign(static_cast<size_t>(columns), 0.0);
  std::vector<double> pairs(static_cast<size_t>(columns * columns), 0.0);
  double n = 0;
  draws([&](const std::vector<double>& x) {
    ++n;
    for (int i = 0; i < columns; ++i) {
      c.mean[i] += x[i];
      for (int j = 0; j < columns; ++j) pairs[i * columns + j] += x[i] * x[j];
    }
  });
  for (double& m : c.mean) m /= n;
  c.covariance.resize(pairs.size());
  for (int i = 0; i < columns; ++i)
    for (int j = 0; j < columns; ++j)
      c.covariance[i * columns + j] = pairs[i * columns + j] / n - c.mean[i] * c.mean[j];
  return c;
}

void ExpectSame(const ColumnChances& got, const ColumnChances& want) {
  ASSERT_EQ(got.mean.size(), want.mean.size());
  for (size_t i = 0; i < want.mean.size(); ++i) EXPECT_NEAR(got.mean[i], want.mean[i], 1e-12) << i;
  for (size_t i = 0; i < want.covariance.size(); ++i)
    EXPECT_NEAR(got.covariance[i], want.covariance[i], 1e-12) << i;
}

// Hits in either of two independent zones: three of seven and two of five.
TEST(TallyChances, HitChancesMatchEveryDrawOfTwoSmallZones) {
  const std::vector<ColumnNumbers> columns = {{2, 1}, {1, 0}, {0, 2}, {3, 1}, {1, 1}};
  const ZoneDraw front{7, 3}, back{5, 2};
  // Numbers go to the columns in order: front 0-1 to column 0, 2 to column 1, ...
  std::vector<int> frontColumn, backColumn;
  for (size_t i = 0; i < columns.size(); ++i) {
    frontColumn.insert(frontColumn.end(), columns[i].front, static_cast<int>(i));
    backColumn.insert(backColumn.end(), columns[i].back, static_cast<int>(i));
  }
  const ColumnChances want = Enumerated(5, [&](const auto& each) {
    Subsets(7, 3, [&](const std::vector<int>& f) {
      Subsets(5, 2, [&](const std::vector<int>& b) {
        std::vector<double> hit(5, 0.0);
        for (int x : f) hit[frontColumn[x]] = 1;
        for (int x : b) hit[backColumn[x]] = 1;
        each(hit);
      });
    });
  });
  ExpectSame(HitChances(columns, front, back), want);
}

TEST(TallyChances, MemberChancesMatchEveryDraw) {
  const std::vector<int> sizes = {2, 3, 4};  // a zone of nine, four drawn
  const ColumnChances want = Enumerated(3, [&](const auto& each) {
    Subsets(9, 4, [&](const std::vector<int>& d) {
      std::vector<double> count(3, 0.0);
      for (int x : d) count[x < 2 ? 0 : x < 5 ? 1 : 2] += 1;
      each(count);
    });
  });
  ExpectSame(MemberChances(sizes, {9, 4}), want);
}

// The tail grid over the real zone: a tail is present in a draw with the
// chance counted over all 324,632 combinations.
TEST(TallyChances, TailColumnsCountedOverEveryCombination) {
  std::vector<int> tails = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  std::vector<double> present(10, 0.0);
  double combos = 0;
  Subsets(35, 5, [&](const std::vector<int>& d) {
    ++combos;
    bool seen[10] = {};
    for (int x : d) seen[(x + 1) % 10] = true;
    for (int t = 0; t < 10; ++t) present[t] += seen[t];
  });
  const ColumnChances front = GridColumnChances(OmissionGridKind::Tail, tails);
  const ColumnChances both = GridColumnChances(OmissionGridKind::TailWithBack, tails);
  for (int t = 0; t < 10; ++t) {
    EXPECT_NEAR(front.mean[t], present[t] / combos, 1e-12) << t;
    // Back tails: 1 and 2 twice among 1..12, the others once.
    const double backAbsent = t == 1 || t == 2 ? 45.0 / 66 : 55.0 / 66;
    EXPECT_NEAR(both.mean[t], 1 - (1 - present[t] / combos) * backAbsent, 1e-12) << t;
  }
}

// Three hand draws (their tallies are worked out in tally_test.cpp); the
// figures below were computed apart from the program.
TEST(TallyChances, ItemGroupsOfThreeDraws) {
  const std::vector<Draw> draws = {test::MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 2}),
                                   test::MakeDraw(2009002, {3, 12, 18, 27, 35}, {5, 11}),
                                   test::MakeDraw(2009003, {7, 8, 17, 24, 33}, {6, 12})};
  const ItemTally t = TallyItems(draws, DrawRange{2, 3});
  const std::vector<ItemGroup> groups = ItemGroupsPageOne(t);
  const std::vector<ItemGroupChance> chances = ItemChancesPageOne(t);
  ASSERT_EQ(chances.size(), groups.size());
  for (size_t g = 0; g < groups.size(); ++g)
    EXPECT_EQ(chances[g].lines.size(), groups[g].lines.size()) << groups[g].id;
  // 奇偶: 9 odd numbers of 15, 18/35 expected, with the spread of numbers
  // drawn without repeats (5·q·(1-q)·30/34 a draw).
  EXPECT_EQ(chances[0].lines[0], "期望7.71  +0.71σ");
  EXPECT_EQ(chances[0].lines[2], "");
  // 尾数: the average count of distinct tails of a fair draw.
  EXPECT_EQ(chances[3].lines.back(), "期望4.28");
  // 质数: draws with 1, 2 and 4 primes against C(12,k)·C(23,5-k)/C(35,5).
  EXPECT_EQ(chances[4].fit, "χ²=8.45  自由度=5  p=0.133174（期望次数小于5的项较多，仅供参考）");

  const std::vector<ItemGroupChance> two = ItemChancesPageTwo(t, 3, 3);
  ASSERT_EQ(two.size(), ItemGroupsPageTwo(t, 3, 3).size());
  EXPECT_EQ(two[0].lines[0], "");           // 偏度: no single chance
  EXPECT_EQ(two[4].lines[0], "期望90.00");  // 和值
  EXPECT_EQ(two[2].lines[3], "");           // 除三: the fourth row is hidden
}

TEST(TallyChances, AnEmptyRangeShowsNoFit) {
  const ItemTally t = TallyItems({}, DrawRange{});
  for (const ItemGroupChance& g : ItemChancesPageOne(t)) EXPECT_EQ(g.fit, "");
  const ZoneTally zone = TallyNumbers({}, DrawRange{}).front;
  const TallyChance chance = NumberTallyChance(zone, 0, false);
  EXPECT_FALSE(chance.fit.Valid());
  EXPECT_EQ(chance.columns.front().expected, 0.0);
}

}  // namespace
}  // namespace dlt
