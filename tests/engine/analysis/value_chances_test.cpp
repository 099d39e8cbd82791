// The indicator analysis' figures of chance: the classes of 分项统计, the fit
// of a window's counts and the odds of an omission.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/occurrence.h"
#include "analysis/omission_stats.h"

namespace dlt {
namespace {

// Four equally likely draws: 1 twice, 2 once, 4 once.
ValueDistribution Small() {
  ValueDistribution d;
  d.counts = {{1, 2}, {2, 1}, {4, 1}};
  d.total = 4;
  return d;
}

TEST(ValueChances, ItemClassesAddTheChancesOfTheirValues) {
  const ValueDistribution d = Small();
  EXPECT_EQ(ItemClassProbabilities(d, ItemKind::OddEven, 0, 1, 4), (std::vector<double>{0.5, 0.5}));
  EXPECT_EQ(ItemClassProbabilities(d, ItemKind::PrimeComposite, 0, 1, 4),
            (std::vector<double>{0.75, 0.25}));  // 1 counts as prime
  EXPECT_EQ(ItemClassProbabilities(d, ItemKind::Zones, 2, 1, 4), (std::vector<double>{0.75, 0.25}));
  EXPECT_EQ(ItemClassProbabilities(d, ItemKind::Remainder, 3, 1, 4),
            (std::vector<double>{0.0, 0.75, 0.25}));
  // Values outside the zones' range fall in none of them.
  EXPECT_EQ(ItemClassProbabilities(d, ItemKind::Zones, 2, 2, 3), (std::vector<double>{0.25, 0.0}));
}

// Counts 3 and 1 of six draws against chances 1/2 and 1/4: the rest (two
// draws, chance 1/4) is a class too. Σ (O - E)² / E = 0 + 0.25/1.5 + 0.25/1.5.
TEST(ValueChances, AWindowFitCountsWhatTheClassesLeave) {
  const FitTest t = WindowFit(std::vector<int64_t>{3, 1}, std::vector<double>{0.5, 0.25}, 6);
  EXPECT_NEAR(t.statistic, 1.0 / 3, 1e-12);
  EXPECT_EQ(t.degrees, 2);
  EXPECT_FALSE(t.impossible);
  // A value chance never gives: impossible.
  std::vector<int32_t> counts(6, 0);
  counts[1] = 2;
  counts[5] = 1;
  EXPECT_TRUE(ValueCountFit(counts, Small(), 3).impossible);
  counts[5] = 0;
  counts[4] = 1;
  const FitTest fair = ValueCountFit(counts, Small(), 3);
  EXPECT_FALSE(fair.impossible);
  EXPECT_EQ(fair.degrees, 2);  // the values 1, 2 and 4
}

TEST(ValueChances, OmissionOdds) {
  ValueOmissionStats s;
  s.current = 3;
  const OmissionOdds odds = OmissionOddsOf(1.0 / 7, s);
  EXPECT_NEAR(odds.expectedAverage, 6.0, 1e-12);
  EXPECT_NEAR(odds.currentChance, std::pow(6.0 / 7, 3), 1e-15);
  EXPECT_TRUE(std::isinf(OmissionOddsOf(0.0, s).expectedAverage));
}

}  // namespace
}  // namespace dlt
