#include "common/chance_figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "common/chi_square.h"

namespace dlt {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string Fixed(double x, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
  std::string s = buf;
  // No "-0.00": a value that rounds to zero is zero.
  if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

// The eigenvalues and eigenvectors of a symmetric k x k matrix (row by row)
// by cyclic Jacobi rotations: exact enough for the few dozen classes of a
// tally, and the vectors come out orthonormal.
struct Eigen {
  std::vector<double> values;
  std::vector<double> vectors;  // column j is the vector of values[j]
};

Eigen SymmetricEigen(std::vector<double> a, int k) {
  std::vector<double> v(static_cast<size_t>(k) * k, 0.0);
  for (int i = 0; i < k; ++i) v[static_cast<size_t>(i) * k + i] = 1;
  const auto at = [k](std::vector<double>& m, int r, int c) -> double& {
    return m[static_cast<size_t>(r) * k + c];
  };
  double norm = 0;
  for (double x : a) norm += x * x;
  for (int sweep = 0; sweep < 100; ++sweep) {
    double off = 0;
    for (int p = 0; p < k; ++p)
      for (int q = p + 1; q < k; ++q) off += at(a, p, q) * at(a, p, q);
    if (off <= norm * 1e-30 || off == 0) break;
    for (int p = 0; p < k; ++p)
      for (int q = p + 1; q < k; ++q) {
        const double apq = at(a, p, q);
        if (apq == 0) continue;
        const double theta = (at(a, q, q) - at(a, p, p)) / (2 * apq);
        const double t =
            (theta >= 0 ? 1.0 : -1.0) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
        const double c = 1 / std::sqrt(t * t + 1), s = t * c;
        for (int r = 0; r < k; ++r) {  // columns p and q
          const double arp = at(a, r, p), arq = at(a, r, q);
          at(a, r, p) = c * arp - s * arq;
          at(a, r, q) = s * arp + c * arq;
        }
        for (int r = 0; r < k; ++r) {  // rows p and q
          const double apr = at(a, p, r), aqr = at(a, q, r);
          at(a, p, r) = c * apr - s * aqr;
          at(a, q, r) = s * apr + c * aqr;
        }
        for (int r = 0; r < k; ++r) {
          const double vrp = at(v, r, p), vrq = at(v, r, q);
          at(v, r, p) = c * vrp - s * vrq;
          at(v, r, q) = s * vrp + c * vrq;
        }
      }
  }
  Eigen e;
  for (int i = 0; i < k; ++i) e.values.push_back(at(a, i, i));
  e.vectors = std::move(v);
  return e;
}

FitTest Finish(FitTest t) {
  if (t.impossible) {
    t.statistic = kInfinity;
    t.pValue = 0;
  } else if (t.degrees > 0) {
    t.pValue = ChiSquarePValue(t.statistic, t.degrees);
  }
  return t;
}

}  // namespace

double Deviation(double observed, double expected, double variance) {
  const double difference = observed - expected;
  // Sums of probabilities are not exact: a difference within rounding is none.
  if (std::fabs(difference) <= 1e-9 * std::max(1.0, std::fabs(expected))) return 0;
  if (!(variance > 0)) return difference > 0 ? kInfinity : -kInfinity;
  return difference / std::sqrt(variance);
}

double BinomialDeviation(int64_t observed, int64_t n, double p) {
  const double nd = static_cast<double>(n);
  return Deviation(static_cast<double>(observed), nd * p, nd * p * (1 - p));
}

double ExpectedAverageOmission(double p) {
  return p > 0 ? (1 - p) / p : kInfinity;
}

double OmissionChance(double p, int32_t current) {
  if (current <= 0) return 1;
  return std::pow(1 - std::clamp(p, 0.0, 1.0), static_cast<double>(current));
}

double ChanceOfAtLeast(std::span<const double> p, int64_t k) {
  if (k <= 0) return 1;
  if (k > static_cast<int64_t>(p.size())) return 0;
  // exactly[j]: the chance of exactly j events among those seen so far.
  std::vector<double> exactly(p.size() + 1, 0.0);
  exactly[0] = 1;
  for (size_t i = 0; i < p.size(); ++i) {
    const double q = std::clamp(p[i], 0.0, 1.0);
    for (size_t j = i + 1; j > 0; --j) exactly[j] = exactly[j] * (1 - q) + exactly[j - 1] * q;
    exactly[0] *= 1 - q;
  }
  double tail = 0;
  for (size_t j = static_cast<size_t>(k); j < exactly.size(); ++j) tail += exactly[j];
  return std::min(tail, 1.0);
}

std::string ProbabilityText(double p) {
  return Fixed(p, 6);
}

// The sign always written, except for zero.
std::string SignedFixed(double deviation, int decimals) {
  if (std::isinf(deviation)) return deviation > 0 ? "+∞" : "-∞";
  std::string s = Fixed(deviation, decimals);
  if (s.find_first_not_of("0.") != std::string::npos && s.front() != '-') s.insert(0, "+");
  return s;
}

std::string DeviationText(double deviation) {
  return SignedFixed(deviation, 2);
}

std::string ShortDeviationText(double deviation) {
  return SignedFixed(deviation, 1);
}

std::string ShortExpectedText(double expected) {
  if (std::isinf(expected)) return "∞";
  return Fixed(expected, 1);
}

std::string WholePercentText(double p) {
  if (p < 0.005) return "<1";
  return Fixed(p * 100, 0);
}

std::string ExpectedText(double expected) {
  if (std::isinf(expected)) return "∞";
  return Fixed(expected, 2);
}

FitTest PearsonFit(std::span<const int64_t> observed, std::span<const double> probabilities,
                   int64_t draws) {
  FitTest t;
  int classes = 0;
  const size_t k = std::min(observed.size(), probabilities.size());
  for (size_t i = 0; i < k; ++i) {
    const double expected = probabilities[i] * static_cast<double>(draws);
    if (probabilities[i] <= 0) {
      if (observed[i] > 0) t.impossible = true;
      continue;
    }
    ++classes;
    if (expected < 5) ++t.sparse;
    const double d = static_cast<double>(observed[i]) - expected;
    t.statistic += d * d / expected;
  }
  t.classes = classes;
  t.degrees = std::max(classes - 1, 0);
  return Finish(t);
}

FitTest CovarianceFit(std::span<const int64_t> observed, std::span<const double> mean,
                      std::span<const double> covariance, int64_t draws) {
  FitTest t;
  const int k = static_cast<int>(std::min(observed.size(), mean.size()));
  if (k == 0 || covariance.size() < static_cast<size_t>(k) * k || draws <= 0) return t;
  const double n = static_cast<double>(draws);
  t.classes = k;
  std::vector<double> d(k);
  double scale = 0;
  for (int i = 0; i < k; ++i) {
    d[i] = static_cast<double>(observed[i]) - n * mean[i];
    scale = std::max(scale, std::fabs(static_cast<double>(observed[i])) + n * std::fabs(mean[i]));
    if (n * mean[i] < 5) ++t.sparse;
  }
  const Eigen e = SymmetricEigen({covariance.begin(), covariance.begin() + k * k}, k);
  const double largest = *std::max_element(e.values.begin(), e.values.end());
  if (!(largest > 0)) {
    // Chance fixes every count: any difference is impossible.
    t.impossible = std::any_of(d.begin(), d.end(),
                               [&](double x) { return std::fabs(x) > 1e-9 * (1 + scale); });
    return Finish(t);
  }
  for (int j = 0; j < k; ++j) {
    double projection = 0;
    for (int i = 0; i < k; ++i) projection += e.vectors[static_cast<size_t>(i) * k + j] * d[i];
    if (e.values[j] > largest * 1e-10) {
      ++t.degrees;
      t.statistic += projection * projection / (n * e.values[j]);
    } else if (std::fabs(projection) > 1e-7 * (1 + scale)) {
      // Along a direction in which chance never moves the totals.
      t.impossible = true;
    }
  }
  return Finish(t);
}

std::string FitText(const FitTest& test) {
  if (!test.Valid() && !test.impossible) return {};
  std::string s = "χ²=" + (test.impossible ? std::string("∞") : Fixed(test.statistic, 2)) +
                  "  自由度=" + std::to_string(test.degrees) +
                  "  p=" + ProbabilityText(test.pValue);
  if (test.impossible)
    s += "（出现了机会为0的取值）";
  else if (test.sparse * 5 > test.classes)
    s += "（期望次数小于5的项较多，仅供参考）";
  return s;
}

}  // namespace dlt
