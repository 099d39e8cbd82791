#include "analysis/occurrence.h"

#include <algorithm>
#include <cstdio>

#include "common/numbers.h"
#include "common/rounding.h"

namespace dlt {

std::vector<int32_t> OccurrenceCounts(std::span<const int32_t> series, const DrawRange& window,
                                      int32_t from, int32_t to) {
  if (to < from) return {};
  std::vector<int32_t> counts(static_cast<size_t>(int64_t{to} - from + 1), 0);
  const int last = std::min(window.last, static_cast<int>(series.size()) - 1);
  for (int d = std::max(window.First(), 0); d <= last; ++d)
    if (series[d] >= from && series[d] <= to) ++counts[static_cast<size_t>(series[d] - from)];
  return counts;
}

std::string CountText(int32_t count, int windowSize, bool percent) {
  if (!percent) return std::to_string(count);
  const double p = windowSize > 0 ? Percent(static_cast<double>(count) / windowSize) : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", p);
  return text;
}

const std::vector<std::string>& ItemKindTexts() {
  static const std::vector<std::string> texts = {"奇偶", "质合", "分区", "余数"};
  return texts;
}

namespace {

// The classes of ItemClassCounts, with their labels, and the class of a
// value (-1 for none).
class ItemClassifier {
 public:
  ItemClassifier(ItemKind kind, int n, int32_t from, int32_t to)
      : kind_(kind), n_(std::max(n, 1)), from_(from), to_(to) {
    switch (kind_) {
      case ItemKind::OddEven:
        classes_ = {{"奇数", 0}, {"偶数", 0}};
        break;
      case ItemKind::PrimeComposite:
        classes_ = {{"质数", 0}, {"合数", 0}};
        break;
      case ItemKind::Zones:
        zoneBounds_ = ZoneBounds(n_, from, to);
        for (int z = 1; z <= n_; ++z)
          classes_.push_back({"第" + std::to_string(z) + "分区<" +
                                  std::to_string(zoneBounds_[z - 1] + 1) + ".." +
                                  std::to_string(zoneBounds_[z]) + ">",
                              0});
        break;
      case ItemKind::Remainder:
        for (int r = 0; r < n_; ++r)
          classes_.push_back({"除" + std::to_string(n_) + "余" + std::to_string(r), 0});
        break;
    }
  }

  std::vector<ItemClass>& Classes() { return classes_; }

  int ClassOf(int32_t v) const {
    int index = -1;
    switch (kind_) {
      case ItemKind::OddEven:
        index = v % 2 != 0 ? 0 : 1;
        break;
      case ItemKind::PrimeComposite:
        index = IsPrime(v) ? 0 : 1;
        break;
      case ItemKind::Zones:
        if (v >= from_ && v <= to_) index = ZoneOf(zoneBounds_, v) - 1;
        break;
      case ItemKind::Remainder:
        index = ((v % n_) + n_) % n_;
        break;
    }
    return index < static_cast<int>(classes_.size()) ? index : -1;
  }

 private:
  ItemKind kind_;
  int n_;
  int32_t from_, to_;
  std::vector<int> zoneBounds_;
  std::vector<ItemClass> classes_;
};

}  // namespace

std::vector<ItemClass> ItemClassCounts(std::span<const int32_t> series, const DrawRange& window,
                                       ItemKind kind, int n, int32_t from, int32_t to) {
  ItemClassifier classifier(kind, n, from, to);
  std::vector<ItemClass>& classes = classifier.Classes();
  const int last = std::min(window.last, static_cast<int>(series.size()) - 1);
  for (int d = std::max(window.First(), 0); d <= last; ++d) {
    const int index = classifier.ClassOf(series[d]);
    if (index >= 0) ++classes[index].count;
  }
  return classes;
}

std::vector<double> ItemClassProbabilities(const ValueDistribution& distribution, ItemKind kind,
                                           int n, int32_t from, int32_t to) {
  ItemClassifier classifier(kind, n, from, to);
  std::vector<double> p(classifier.Classes().size(), 0.0);
  if (distribution.total <= 0) return p;
  for (const ValueCount& c : distribution.counts) {
    const int index = classifier.ClassOf(c.value);
    if (index >= 0)
      p[index] += static_cast<double>(c.count) / static_cast<double>(distribution.total);
  }
  return p;
}

FitTest WindowFit(std::span<const int64_t> counts, std::span<const double> chances, int draws) {
  std::vector<int64_t> observed(counts.begin(), counts.end());
  std::vector<double> p(chances.begin(), chances.end());
  int64_t counted = 0;
  double covered = 0;
  for (int64_t c : observed) counted += c;
  for (double x : p) covered += x;
  // The rest: values in no class, and draws at which a formula fails.
  observed.push_back(std::max<int64_t>(draws - counted, 0));
  p.push_back(std::max(1 - covered, 0.0) < 1e-12 ? 0.0 : 1 - covered);
  return PearsonFit(observed, p, draws);
}

FitTest ValueCountFit(const std::vector<int32_t>& counts, int32_t from,
                      const ValueDistribution& distribution, int draws) {
  std::vector<int64_t> observed;
  std::vector<double> p;
  for (size_t i = 0; i < counts.size(); ++i) {
    const double chance =
        distribution.Probability(static_cast<int32_t>(from + static_cast<int64_t>(i)));
    if (counts[i] == 0 && chance == 0) continue;
    observed.push_back(counts[i]);
    p.push_back(chance);
  }
  return WindowFit(observed, p, draws);
}

}  // namespace dlt
