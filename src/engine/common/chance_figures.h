#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace dlt {

// What chance alone gives a tally, and how far an observed one lies from it.

// (observed - expected) / √variance: how many standard deviations the
// observed count lies above (+) or below (-) what chance gives. 0 when they
// are equal; ±inf when the variance is 0 and they differ (a count chance
// cannot give).
double Deviation(double observed, double expected, double variance);
// A count of draws that hold a value of chance p, over n draws:
// (observed - n·p) / √(n·p·(1 - p)).
double BinomialDeviation(int64_t observed, int64_t n, double p);

// The average omission a value of chance p has in the long run, (1 - p) / p;
// +inf for p = 0.
double ExpectedAverageOmission(double p);
// The chance that a value of chance p stays away `current` draws or more in
// a row: (1 - p)^current.
double OmissionChance(double p, int32_t current);

// The chance that at least k of independent events happen, event i with
// chance p[i] (the kept draws of a backtest, each with its own chance): 1
// for k <= 0, 0 for k beyond the events.
double ChanceOfAtLeast(std::span<const double> p, int64_t k);

// Texts as every window and command writes them: a probability with six
// decimals ("0.142857"); a deviation with two and its sign ("+1.25",
// "-0.40", "0.00", "+∞"); an expected count with two ("14.29").
std::string ProbabilityText(double p);
std::string DeviationText(double deviation);
// For narrow columns: a deviation or an expected count with one decimal
// ("+1.3", "14.3", "∞"), a chance in whole percents without the sign
// ("86", "<1"; the column's title says "%").
std::string ShortDeviationText(double deviation);
std::string ShortExpectedText(double expected);
std::string WholePercentText(double p);
std::string ExpectedText(double expected);

// A goodness-of-fit test of observed tallies against chance: the χ²
// statistic, its degrees of freedom and the chance that a fair history
// gives a statistic as large or larger (the p-value). A small p-value says
// the tallies are unlikely under chance alone; a large one says they are
// ordinary.
struct FitTest {
  double statistic = 0;
  int degrees = 0;
  double pValue = 1;
  bool impossible = false;  // a tally lies where chance puts nothing: p-value 0
  int classes = 0;          // classes tested
  int sparse = 0;           // classes expected fewer than 5 times: the test is rough
  bool Valid() const { return degrees > 0; }
};

// Each draw falls in exactly one class, class k with chance probabilities[k]
// (they sum to 1): Pearson's Σ (O - E)² / E over the classes chance can
// give, with one degree fewer than those classes.
FitTest PearsonFit(std::span<const int64_t> observed, std::span<const double> probabilities,
                   int64_t draws);

// Each draw adds a vector of k counts (a number drawn or not, the odd
// numbers of the draw, ...) whose mean and k x k covariance (row by row)
// over one fair draw are given; `observed` holds the totals over `draws`
// independent draws. The statistic is the squared distance of the totals
// from their expectation in the metric of their covariance (through its
// pseudo-inverse, as the counts of one draw are tied: five front numbers
// always sum to 5), with as many degrees as the covariance has rank. For
// one class per draw it is Pearson's statistic.
FitTest CovarianceFit(std::span<const int64_t> observed, std::span<const double> mean,
                      std::span<const double> covariance, int64_t draws);

// "χ²=31.20  自由度=34  p=0.605481", with "（期望次数小于5的项较多，仅供参考）"
// when more than a fifth of the classes are sparse, and "χ²=∞ ... p=0.000000
// （出现了机会为0的取值）" for an impossible tally. Empty for no test.
std::string FitText(const FitTest& test);

}  // namespace dlt
