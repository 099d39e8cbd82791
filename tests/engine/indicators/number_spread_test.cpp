#include "indicators/number_spread.h"

#include <gtest/gtest.h>

#include <cmath>

#include "indicators/front_indicators.h"
#include "support/test_support.h"

namespace dlt {
namespace {

TEST(NumberSpread, MeanPopulationDeviationAndVariationInSinglePrecision) {
  const NumberSpread s = SpreadOf(test::MakeDraw(1, {1, 2, 3, 4, 5}, {1, 2}));
  EXPECT_FLOAT_EQ(s.mean, 3.0f);
  // Divisor 5, not 4: sqrt(10 / 5).
  EXPECT_FLOAT_EQ(s.standardDeviation, std::sqrt(2.0f));
  EXPECT_FLOAT_EQ(s.coefficientOfVariation, std::sqrt(2.0f) / 3.0f);
  EXPECT_FLOAT_EQ(s.ScaledStandardDeviation(), std::sqrt(2.0f) * 10.0f);
  EXPECT_FLOAT_EQ(s.ScaledCoefficientOfVariation(), std::sqrt(2.0f) / 3.0f * 100.0f);
  static_assert(std::is_same_v<decltype(s.mean), float>);
}

TEST(NumberSpread, EqualNumbersHaveNoSpreadAndZeroMeanGivesNoNaN) {
  const NumberSpread s = SpreadOf(std::array<int32_t, 5>{7, 7, 7, 7, 7});
  EXPECT_FLOAT_EQ(s.mean, 7.0f);
  EXPECT_FLOAT_EQ(s.standardDeviation, 0.0f);
  EXPECT_FLOAT_EQ(s.coefficientOfVariation, 0.0f);
  const NumberSpread z = SpreadOf(std::array<int32_t, 5>{-2, -1, 0, 1, 2});
  EXPECT_FLOAT_EQ(z.mean, 0.0f);
  EXPECT_FALSE(std::isnan(z.coefficientOfVariation));
}

TEST(NumberSpread, AgreesWithDoublePrecisionToFloatAccuracy) {
  for (const Draw& d : test::RandomHistory(500, 3)) {
    double m = 0;
    for (int n : d.front) m += n;
    m /= 5;
    double sq = 0;
    for (int n : d.front) sq += (n - m) * (n - m);
    const double sd = std::sqrt(sq / 5);
    const NumberSpread s = SpreadOf(d);
    ASSERT_NEAR(s.mean, m, 1e-5);
    ASSERT_NEAR(s.standardDeviation, sd, 1e-4);
    ASSERT_NEAR(s.coefficientOfVariation, sd / m, 1e-5);
  }
}

TEST(GapCountOnAnArray, MatchesTheIndicator) {
  EXPECT_EQ(DistinctGapCount(std::array<int32_t, 5>{1, 2, 3, 4, 5}), 1);
  EXPECT_EQ(DistinctGapCount(std::array<int32_t, 5>{1, 3, 6, 10, 15}), 4);
  EXPECT_EQ(DistinctGapCount(std::array<int32_t, 5>{1, 3, 4, 6, 7}), 2);
  for (const Draw& d : test::RandomHistory(500, 9)) {
    const std::array<int32_t, 5> a{d.front[0], d.front[1], d.front[2], d.front[3], d.front[4]};
    ASSERT_EQ(DistinctGapCount(a), DistinctGapCount(d));
  }
}

}  // namespace
}  // namespace dlt
