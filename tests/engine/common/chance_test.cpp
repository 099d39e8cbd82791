#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "common/chance_figures.h"
#include "common/chi_square.h"

namespace dlt {
namespace {

// P(n, x) for a whole n by its finite sum: 1 - e^-x Σ_{k<n} x^k / k!.
double IntegerGammaP(int n, double x) {
  long double term = 1, sum = 1;
  for (int k = 1; k < n; ++k) {
    term *= x / k;
    sum += term;
  }
  return static_cast<double>(1 - std::exp(-static_cast<long double>(x)) * sum);
}

TEST(RegularisedGamma, MatchesTheClosedFormsOnBothSidesOfTheSwitch) {
  for (int n : {1, 2, 3, 5, 10, 17, 40})
    for (double x : {0.05, 0.5, 1.0, 3.0, 9.5, 10.5, 20.0, 45.0, 80.0}) {
      const double p = IntegerGammaP(n, x);
      EXPECT_NEAR(RegularisedGammaP(n, x), p, 1e-13) << n << " " << x;
      EXPECT_NEAR(RegularisedGammaQ(n, x), 1 - p, 1e-13) << n << " " << x;
    }
  // Half-integer orders: Q(n + 1/2, x) = erfc(√x) + e^-x Σ_{k=1..n} x^(k-1/2) / Γ(k + 1/2).
  for (int n : {0, 1, 2, 6})
    for (double x : {0.01, 0.3, 1.0, 1.5, 4.0, 6.7, 12.0}) {
      double q = std::erfc(std::sqrt(x));
      for (int k = 1; k <= n; ++k)
        q += std::exp(-x + (k - 0.5) * std::log(x) - std::lgamma(k + 0.5));
      EXPECT_NEAR(RegularisedGammaQ(n + 0.5, x), q, 1e-13) << n << " " << x;
    }
}

// Orders that are neither whole nor half: values computed once with
// 40-digit arithmetic (mpmath's gammainc, regularised).
TEST(RegularisedGamma, MatchesHighPrecisionValues) {
  struct Row {
    double a, x, p, q;
  };
  const Row rows[] = {
      {0.3, 0.1, 0.54591284959179650488, 0.45408715040820349512},
      {0.3, 2.0, 0.97797401917285298559, 0.022025980827147014411},
      {2.7, 1.5, 0.25233420503540189053, 0.74766579496459810947},
      {2.7, 9.0, 0.99597245189685065838, 0.0040275481031493416212},
      {17.25, 12.0, 0.090327223684629841676, 0.90967277631537015832},
      {17.25, 30.0, 0.9954430107531237595, 0.0045569892468762404997},
      {150.5, 140.0, 0.19785296167780376878, 0.80214703832219623122},
      {150.5, 200.0, 0.99988715559939206453, 0.00011284440060793547036},
  };
  for (const Row& r : rows) {
    EXPECT_NEAR(RegularisedGammaP(r.a, r.x), r.p, 1e-13) << r.a << " " << r.x;
    EXPECT_NEAR(RegularisedGammaQ(r.a, r.x) / r.q, 1.0, 1e-11) << r.a << " " << r.x;
  }
}

TEST(RegularisedGamma, KeepsTheRelativePrecisionOfTinyTails) {
  // Q(1, x) = e^-x, far below what 1 - P could hold.
  for (double x : {40.0, 200.0, 700.0})
    EXPECT_NEAR(RegularisedGammaQ(1, x) / std::exp(-x), 1.0, 1e-12) << x;
  // P(3, x) for small x: x³/6 to leading order.
  EXPECT_NEAR(RegularisedGammaP(3, 1e-6) / (1e-18 / 6), 1.0, 1e-5);
}

TEST(RegularisedGamma, Edges) {
  EXPECT_EQ(RegularisedGammaP(2.5, 0), 0);
  EXPECT_EQ(RegularisedGammaQ(2.5, 0), 1);
  EXPECT_EQ(RegularisedGammaQ(2.5, std::numeric_limits<double>::infinity()), 0);
  EXPECT_TRUE(std::isnan(RegularisedGammaP(0, 1)));
  EXPECT_TRUE(std::isnan(RegularisedGammaQ(1, -1)));
  EXPECT_TRUE(std::isnan(ChiSquarePValue(3, 0)));
  EXPECT_EQ(ChiSquarePValue(0, 4), 1);
}

// Upper critical values of the χ² distribution from the printed tables:
// each is passed with the table's probability.
TEST(ChiSquarePValue, ReproducesPublishedCriticalValues) {
  struct Row {
    int degrees;
    double critical, p;
  };
  const Row rows[] = {
      {1, 3.8414588, 0.05},   {1, 6.6348966, 0.01},   {2, 5.9914645, 0.05},
      {5, 11.0704977, 0.05},  {10, 18.3070381, 0.05}, {10, 23.2092512, 0.01},
      {11, 19.6751376, 0.05}, {34, 48.6023674, 0.05}, {100, 124.3421134, 0.05},
  };
  for (const Row& r : rows)
    EXPECT_NEAR(ChiSquarePValue(r.critical, r.degrees), r.p, 2e-7)
        << r.degrees << " " << r.critical;
}

TEST(ChanceFigures, DeviationOmissionAndTexts) {
  EXPECT_DOUBLE_EQ(BinomialDeviation(60, 100, 0.5), 2.0);
  EXPECT_DOUBLE_EQ(BinomialDeviation(9, 25, 0.2), 2.0);
  EXPECT_DOUBLE_EQ(BinomialDeviation(1, 25, 0.2), -2.0);
  EXPECT_EQ(BinomialDeviation(0, 40, 0.0), 0.0);
  EXPECT_EQ(BinomialDeviation(1, 40, 0.0), std::numeric_limits<double>::infinity());
  EXPECT_EQ(BinomialDeviation(39, 40, 1.0), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(BinomialDeviation(0, 0, 0.3), 0.0);

  EXPECT_DOUBLE_EQ(ExpectedAverageOmission(1.0 / 7), 6.0);
  EXPECT_DOUBLE_EQ(ExpectedAverageOmission(1.0), 0.0);
  EXPECT_TRUE(std::isinf(ExpectedAverageOmission(0)));
  EXPECT_DOUBLE_EQ(OmissionChance(0.5, 3), 0.125);
  EXPECT_DOUBLE_EQ(OmissionChance(0.2, 0), 1.0);
  EXPECT_DOUBLE_EQ(OmissionChance(0.0, 50), 1.0);

  EXPECT_EQ(ProbabilityText(1.0 / 7), "0.142857");
  EXPECT_EQ(ProbabilityText(1.0), "1.000000");
  EXPECT_EQ(DeviationText(2.0), "+2.00");
  EXPECT_EQ(DeviationText(-0.4), "-0.40");
  EXPECT_EQ(DeviationText(-0.004), "0.00");
  EXPECT_EQ(DeviationText(std::numeric_limits<double>::infinity()), "+∞");
  EXPECT_EQ(ShortDeviationText(1.26), "+1.3");
  EXPECT_EQ(ShortDeviationText(-0.04), "0.0");
  EXPECT_EQ(ShortDeviationText(-std::numeric_limits<double>::infinity()), "-∞");
  EXPECT_EQ(ExpectedText(100.0 / 7), "14.29");
}

TEST(ChanceOfAtLeast, EqualChancesAreTheBinomialTailAndUnequalOnesAddUp) {
  // Ten events of chance 0.3: P(at least 4) = Σ_{j>=4} C(10,j) 0.3^j 0.7^(10-j).
  double tail = 0, choose = 1;
  for (int j = 0; j <= 10; ++j) {
    if (j > 0) choose = choose * (10 - j + 1) / j;
    if (j >= 4) tail += choose * std::pow(0.3, j) * std::pow(0.7, 10 - j);
  }
  EXPECT_NEAR(ChanceOfAtLeast(std::vector<double>(10, 0.3), 4), tail, 1e-14);
  // Chances 1/2, 1/4, 1/8: at least two is 1/2·1/4 + 1/2·1/8 + 1/4·1/8 - 2·1/64.
  const std::vector<double> p = {0.5, 0.25, 0.125};
  EXPECT_NEAR(ChanceOfAtLeast(p, 2), 0.125 + 0.0625 + 0.03125 - 2.0 / 64, 1e-15);
  EXPECT_NEAR(ChanceOfAtLeast(p, 3), 1.0 / 64, 1e-15);
  EXPECT_EQ(ChanceOfAtLeast(p, 0), 1.0);
  EXPECT_EQ(ChanceOfAtLeast(p, 4), 0.0);
}

// A die thrown 60 times: Σ (O - 10)² / 10 = 13.4 with 5 degrees, just under
// the 2 % point of the table (13.388).
TEST(PearsonFit, TextbookDie) {
  const std::vector<int64_t> observed = {5, 8, 9, 8, 10, 20};
  const std::vector<double> p(6, 1.0 / 6);
  const FitTest t = PearsonFit(observed, p, 60);
  EXPECT_NEAR(t.statistic, 13.4, 1e-12);
  EXPECT_EQ(t.degrees, 5);
  EXPECT_GT(t.pValue, 0.0195);
  EXPECT_LT(t.pValue, 0.0200);
  EXPECT_FALSE(t.impossible);
  EXPECT_EQ(FitText(t), "χ²=13.40  自由度=5  p=0.019905");
}

TEST(PearsonFit, AClassChanceNeverGivesIsImpossible) {
  const FitTest t = PearsonFit(std::vector<int64_t>{3, 1, 6}, std::vector<double>{0.5, 0, 0.5}, 10);
  EXPECT_TRUE(t.impossible);
  EXPECT_EQ(t.pValue, 0);
  EXPECT_EQ(t.degrees, 1);
  EXPECT_EQ(FitText(t), "χ²=∞  自由度=1  p=0.000000（出现了机会为0的取值）");
}

// One class per draw has the multinomial covariance diag(p) - p pᵀ; its
// pseudo-inverse metric is Pearson's statistic.
TEST(CovarianceFit, OneClassPerDrawIsPearson) {
  std::mt19937 rng(7);
  for (int k : {2, 3, 6, 12}) {
    std::vector<double> p(k);
    double total = 0;
    for (double& x : p) total += x = 1 + rng() % 9;
    for (double& x : p) x /= total;
    std::vector<double> cov(static_cast<size_t>(k) * k);
    for (int i = 0; i < k; ++i)
      for (int j = 0; j < k; ++j) cov[i * k + j] = (i == j ? p[i] : 0) - p[i] * p[j];
    std::vector<int64_t> observed(k);
    int64_t draws = 0;
    for (int64_t& o : observed) draws += o = rng() % 40;
    const FitTest pearson = PearsonFit(observed, p, draws);
    const FitTest general = CovarianceFit(observed, p, cov, draws);
    EXPECT_NEAR(general.statistic, pearson.statistic, 1e-9 * (1 + pearson.statistic)) << k;
    EXPECT_EQ(general.degrees, k - 1);
    EXPECT_NEAR(general.pValue, pearson.pValue, 1e-9) << k;
  }
}

// Five numbers of 1..35 without repeats: the covariance of the 35 hit
// indicators, counted over every combination, is (p(1-p)·35/34)(I - J/35),
// so the statistic is Σ (O - E)² · 34 / (n·p·(1-p)·35) with 34 degrees.
TEST(CovarianceFit, FiveOfThirtyFiveMatchesTheClosedForm) {
  constexpr int k = 35;
  std::vector<double> pairs(k * k, 0.0), mean(k, 0.0);
  double combos = 0;
  int c[5];
  for (c[0] = 0; c[0] < k; ++c[0])
    for (c[1] = c[0] + 1; c[1] < k; ++c[1])
      for (c[2] = c[1] + 1; c[2] < k; ++c[2])
        for (c[3] = c[2] + 1; c[3] < k; ++c[3])
          for (c[4] = c[3] + 1; c[4] < k; ++c[4]) {
            ++combos;
            for (int a : c) {
              mean[a] += 1;
              for (int b : c) pairs[a * k + b] += 1;
            }
          }
  ASSERT_EQ(combos, 324632);
  for (double& m : mean) m /= combos;
  std::vector<double> cov(k * k);
  for (int i = 0; i < k; ++i)
    for (int j = 0; j < k; ++j) cov[i * k + j] = pairs[i * k + j] / combos - mean[i] * mean[j];

  std::mt19937 rng(11);
  const int64_t draws = 200;
  std::vector<int64_t> observed(k, 0);
  for (int d = 0; d < draws; ++d) {
    std::vector<int> numbers(k);
    for (int i = 0; i < k; ++i) numbers[i] = i;
    std::shuffle(numbers.begin(), numbers.end(), rng);
    for (int i = 0; i < 5; ++i) ++observed[numbers[i]];
  }
  observed[0] += 6;  // a hot number and a cold one
  observed[1] -= 6;
  const double p = 5.0 / 35;
  double closed = 0;
  for (int64_t o : observed) closed += (o - draws * p) * (o - draws * p);
  closed *= 34.0 / (draws * p * (1 - p) * 35);
  const FitTest t = CovarianceFit(observed, mean, cov, draws);
  EXPECT_NEAR(t.statistic, closed, 1e-9 * closed);
  EXPECT_EQ(t.degrees, 34);
  EXPECT_FALSE(t.impossible);

  // A total of hits that is not five a draw cannot happen.
  observed[2] += 1;
  EXPECT_TRUE(CovarianceFit(observed, mean, cov, draws).impossible);
}

}  // namespace
}  // namespace dlt
