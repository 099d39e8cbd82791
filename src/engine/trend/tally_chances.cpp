#include "trend/tally_chances.h"

#include <algorithm>
#include <functional>

#include "common/numbers.h"
#include "generator/next_draw_distribution.h"
#include "history/memory_history.h"

namespace dlt {
namespace {

double Choose(int n, int k) {
  if (k < 0 || n < k) return 0;
  double r = 1;
  for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
  return r;
}

// The chance that a draw of the zone holds none of k given numbers.
double NoneDrawn(ZoneDraw z, int k) {
  return Choose(z.size - k, z.drawn) / Choose(z.size, z.drawn);
}

// How many of the zone's numbers 1..size are in each class.
std::vector<int> ClassSizes(int size, int classes, const std::function<int(int)>& classOf) {
  std::vector<int> sizes(static_cast<size_t>(classes), 0);
  for (int n = 1; n <= size; ++n) ++sizes[static_cast<size_t>(classOf(n))];
  return sizes;
}

std::string CountChanceText(const ColumnFigures& f) {
  return "期望" + ExpectedText(f.expected) + "  " + DeviationText(f.deviation) + "σ";
}

// The per-draw distributions of the item groups' counts and the averages,
// asked once of the exact distribution engine over a fair draw. Only the
// repeated numbers look at a previous draw, and any five numbers give them
// the same chances.
struct FairDraw {
  ValueDistribution tails, primes, repeats, runs, scatter, span, sum;

  FairDraw() {
    MemoryHistory one;
    one.Assign({Draw{2000001, {1, 2, 3, 4, 5}, {1, 2}}});
    const auto of = [&one](const char* key) {
      DistributionQuery q;
      q.history = &one;
      q.text = key;
      return NextDrawDistribution(q).distribution;
    };
    tails = of("z_wzgs");
    primes = of("z_zsgs");
    repeats = of("z_cmgs");
    runs = of("z_lmzs");
    scatter = of("z_sd");
    span = of("xc51");
    sum = of("z_hz");
  }
};

const FairDraw& Fair() {
  static const FairDraw fair;
  return fair;
}

double Mean(const ValueDistribution& d) {
  double sum = 0;
  for (const ValueCount& c : d.counts) sum += static_cast<double>(c.value) * c.count;
  return d.total > 0 ? sum / static_cast<double>(d.total) : 0;
}

// Lines of a pair group: the two classes, then their difference (no figure).
ItemGroupChance PairChance(std::span<const int> sizes, ZoneDraw zone, int64_t first,
                           int64_t numbers, int draws) {
  const std::array<int64_t, 2> observed = {first, numbers - first};
  const TallyChance t = CompareWithChance(MemberChances(sizes, zone), observed, draws);
  return {{CountChanceText(t.columns[0]), CountChanceText(t.columns[1]), ""}, FitText(t.fit)};
}

ItemGroupChance ClassChance(std::span<const int> sizes, ZoneDraw zone,
                            std::span<const int64_t> observed, int draws, size_t lines) {
  const TallyChance t = CompareWithChance(MemberChances(sizes, zone), observed, draws);
  ItemGroupChance g{{}, FitText(t.fit)};
  for (size_t i = 0; i < lines; ++i)
    g.lines.push_back(i < t.columns.size() ? CountChanceText(t.columns[i]) : "");
  return g;
}

// A distribution group: lines lo..hi, then the average line.
ItemGroupChance DistributionChance(const ValueDistribution& d, std::span<const int64_t> observed,
                                   int draws, int lo, int hi) {
  std::vector<double> p(observed.size());
  for (size_t k = 0; k < p.size(); ++k) p[k] = d.Probability(static_cast<int32_t>(k));
  const TallyChance t = CompareWithChance(OneOfChances(p), observed, draws);
  ItemGroupChance g{{}, FitText(t.fit)};
  for (int k = lo; k <= hi; ++k) g.lines.push_back(CountChanceText(t.columns[k]));
  g.lines.push_back("期望" + ExpectedText(Mean(d)));
  return g;
}

// An extent group: only its average line has a figure.
ItemGroupChance MeanChance(double mean) {
  return {{mean < 0 ? std::string() : "期望" + ExpectedText(mean), "", ""}, ""};
}

template <size_t N>
std::span<const int64_t> Of(const std::array<int64_t, N>& a) {
  return {a.data(), a.size()};
}

ItemGroupChance RemainderChance(int divisor, int zoneSize, ZoneDraw zone,
                                std::span<const int64_t> counts, int draws) {
  divisor = std::clamp(divisor, 3, 5);
  const std::vector<int> sizes =
      ClassSizes(zoneSize, divisor, [divisor](int n) { return n % divisor; });
  return ClassChance(sizes, zone, counts.first(static_cast<size_t>(divisor)), draws, 5);
}

}  // namespace

ColumnChances HitChances(std::span<const ColumnNumbers> columns, ZoneDraw front, ZoneDraw back) {
  const size_t k = columns.size();
  ColumnChances c;
  c.mean.resize(k);
  c.covariance.assign(k * k, 0.0);
  std::vector<double> absent(k);
  for (size_t i = 0; i < k; ++i) {
    absent[i] = NoneDrawn(front, columns[i].front) * NoneDrawn(back, columns[i].back);
    c.mean[i] = 1 - absent[i];
  }
  for (size_t i = 0; i < k; ++i)
    for (size_t j = 0; j < k; ++j) {
      if (i == j) {
        c.covariance[i * k + j] = c.mean[i] * (1 - c.mean[i]);
        continue;
      }
      const double neither = NoneDrawn(front, columns[i].front + columns[j].front) *
                             NoneDrawn(back, columns[i].back + columns[j].back);
      const double both = 1 - absent[i] - absent[j] + neither;
      c.covariance[i * k + j] = both - c.mean[i] * c.mean[j];
    }
  return c;
}

ColumnChances MemberChances(std::span<const int> classSizes, ZoneDraw zone) {
  const size_t k = classSizes.size();
  const double n = zone.size, m = zone.drawn;
  // The numbers of one draw are drawn without repeats: the finite-population factor.
  const double finite = zone.size > 1 ? (n - m) / (n - 1) : 0;
  ColumnChances c;
  c.mean.resize(k);
  c.covariance.assign(k * k, 0.0);
  for (size_t i = 0; i < k; ++i) c.mean[i] = m * classSizes[i] / n;
  for (size_t i = 0; i < k; ++i)
    for (size_t j = 0; j < k; ++j) {
      const double qi = classSizes[i] / n, qj = classSizes[j] / n;
      c.covariance[i * k + j] = m * finite * ((i == j ? qi : 0) - qi * qj);
    }
  return c;
}

ColumnChances OneOfChances(std::span<const double> p) {
  const size_t k = p.size();
  ColumnChances c;
  c.mean.assign(p.begin(), p.end());
  c.covariance.assign(k * k, 0.0);
  for (size_t i = 0; i < k; ++i)
    for (size_t j = 0; j < k; ++j) c.covariance[i * k + j] = (i == j ? p[i] : 0) - p[i] * p[j];
  return c;
}

TallyChance CompareWithChance(const ColumnChances& chances, std::span<const int64_t> observed,
                              int64_t draws, std::span<const int32_t> omissions) {
  TallyChance t;
  const double n = static_cast<double>(draws);
  for (int i = 0; i < chances.Columns() && i < static_cast<int>(observed.size()); ++i) {
    ColumnFigures f;
    const double p = chances.mean[static_cast<size_t>(i)];
    f.expected = n * p;
    f.deviation = Deviation(static_cast<double>(observed[i]), f.expected, n * chances.Variance(i));
    f.expectedOmission = ExpectedAverageOmission(p);
    if (static_cast<size_t>(i) < omissions.size())
      f.omissionChance = OmissionChance(p, omissions[i]);
    t.columns.push_back(f);
  }
  t.fit = CovarianceFit(observed, chances.mean, chances.covariance, draws);
  return t;
}

ColumnChances GridColumnChances(OmissionGridKind kind, const std::vector<int>& columns) {
  const auto tailsOf = [](int tail, int upTo) {
    int n = 0;
    for (int x = 1; x <= upTo; ++x) n += x % 10 == tail;
    return n;
  };
  std::vector<ColumnNumbers> numbers;
  for (int v : columns) {
    ColumnNumbers c;
    switch (kind) {
      case OmissionGridKind::Front:
        c = {1, 0};
        break;
      case OmissionGridKind::FrontBackNumbers:
      case OmissionGridKind::Back:
        c = {0, 1};
        break;
      case OmissionGridKind::FrontWithBack:
        c = {1, v <= kBackMax ? 1 : 0};
        break;
      case OmissionGridKind::Tail:
        c = {tailsOf(v, kFrontMax), 0};
        break;
      case OmissionGridKind::TailWithBack:
        c = {tailsOf(v, kFrontMax), tailsOf(v, kBackMax)};
        break;
    }
    numbers.push_back(c);
  }
  return HitChances(numbers);
}

TallyChance GridChance(const OmissionGrid& grid, OmissionGridKind kind) {
  std::vector<int64_t> hits;
  std::vector<int32_t> current;
  for (const OmissionStats& s : grid.stats) {
    hits.push_back(s.count);
    current.push_back(s.current);
  }
  return CompareWithChance(GridColumnChances(kind, grid.columns), hits, grid.Rows(), current);
}

const std::array<std::string, 4>& ChanceRowTitles() {
  static const std::array<std::string, 4> titles = {"期望次数", "偏差", "期望遗漏", "遗漏概率"};
  return titles;
}

std::string ChanceRowText(const ColumnFigures& f, int row) {
  switch (row) {
    case 0:
      return ExpectedText(f.expected);
    case 1:
      return DeviationText(f.deviation);
    case 2:
      return ExpectedText(f.expectedOmission);
    default:
      return ProbabilityText(f.omissionChance);
  }
}

std::string ChanceRowShortTitle(int row) {
  return ChanceRowTitles()[static_cast<size_t>(row)] + (row == 3 ? "%" : "");
}

std::string ChanceRowShortText(const ColumnFigures& f, int row) {
  switch (row) {
    case 0:
      return ShortExpectedText(f.expected);
    case 1:
      return ShortDeviationText(f.deviation);
    case 2:
      return ShortExpectedText(f.expectedOmission);
    default:
      return WholePercentText(f.omissionChance);
  }
}

TallyChance NumberTallyChance(const ZoneTally& zone, int draws, bool back) {
  const std::vector<ColumnNumbers> columns(zone.byNumber.size(),
                                           back ? ColumnNumbers{0, 1} : ColumnNumbers{1, 0});
  std::vector<int64_t> counts;
  std::vector<int32_t> omissions;
  for (const NumberCount& n : zone.byNumber) {
    counts.push_back(n.count);
    omissions.push_back(n.omission);
  }
  return CompareWithChance(HitChances(columns), counts, draws, omissions);
}

std::vector<ItemGroupChance> ItemChancesPageOne(const ItemTally& t) {
  const int c = t.draws;
  const int64_t numbers = 5LL * c;
  const FairDraw& fair = Fair();
  const std::vector<int> odd = ClassSizes(kFrontMax, 2, [](int n) { return n % 2 ? 0 : 1; });
  const std::vector<int> big = ClassSizes(kFrontMax, 2, [](int n) { return n > 17 ? 0 : 1; });
  const std::vector<int> thirds = ClassSizes(kFrontMax, 3, [](int n) {
    return n <= 11 ? 0 : n <= 23 ? 1 : 2;
  });
  return {PairChance(odd, kFrontZone, t.odd, numbers, c),
          PairChance(big, kFrontZone, t.big, numbers, c),
          ClassChance(thirds, kFrontZone, Of(t.thirds), c, 3),
          DistributionChance(fair.tails, Of(t.tailGroups), c, 2, 5),
          DistributionChance(fair.primes, Of(t.primes), c, 0, 5),
          DistributionChance(fair.repeats, Of(t.repeats), c, 0, 5),
          DistributionChance(fair.runs, Of(t.runs), c, 0, 3)};
}

std::vector<ItemGroupChance> ItemChancesPageTwo(const ItemTally& t, int frontDivisor,
                                                int backDivisor) {
  const int c = t.draws;
  const int64_t backNumbers = 2LL * c;
  const FairDraw& fair = Fair();
  auto front = [&](int d) { return d == 4 ? Of(t.mod4) : d == 5 ? Of(t.mod5) : Of(t.mod3); };
  auto back = [&](int d) {
    return d == 4 ? Of(t.backMod4) : d == 5 ? Of(t.backMod5) : Of(t.backMod3);
  };
  const std::vector<int> odd = ClassSizes(kBackMax, 2, [](int n) { return n % 2 ? 0 : 1; });
  const std::vector<int> big = ClassSizes(kBackMax, 2, [](int n) { return n > 6 ? 0 : 1; });
  const std::vector<int> prime = ClassSizes(kBackMax, 2, [](int n) { return IsPrime(n) ? 0 : 1; });
  // 偏度 looks at the draw before each one: no single chance fits the range.
  return {MeanChance(-1),
          MeanChance(Mean(fair.scatter)),
          RemainderChance(frontDivisor, kFrontMax, kFrontZone, front(frontDivisor), c),
          MeanChance(Mean(fair.span) / 4),
          MeanChance(Mean(fair.sum)),
          PairChance(odd, kBackZone, t.backOdd, backNumbers, c),
          PairChance(big, kBackZone, t.backBig, backNumbers, c),
          PairChance(prime, kBackZone, t.backPrime, backNumbers, c),
          RemainderChance(backDivisor, kBackMax, kBackZone, back(backDivisor), c)};
}

}  // namespace dlt
