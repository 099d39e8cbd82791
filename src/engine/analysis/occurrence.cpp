#include "analysis/occurrence.h"

#include <algorithm>
#include <cstdio>

#include "analysis/series_fill.h"
#include "common/numbers.h"
#include "common/rounding.h"

namespace dlt {

std::vector<int32_t> OccurrenceCounts(std::span<const int32_t> series, const DrawRange& window) {
  std::vector<int32_t> counts(kSeriesMax + 1, 0);
  const int last = std::min(window.last, static_cast<int>(series.size()) - 1);
  for (int d = std::max(window.First(), 0); d <= last; ++d)
    if (series[d] >= kSeriesMin && series[d] <= kSeriesMax) ++counts[series[d]];
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

std::vector<ItemClass> ItemClassCounts(std::span<const int32_t> series, const DrawRange& window,
                                       ItemKind kind, int n, int32_t from, int32_t to) {
  std::vector<ItemClass> classes;
  std::vector<int> zoneBounds;
  switch (kind) {
    case ItemKind::OddEven:
      classes = {{"奇数", 0}, {"偶数", 0}};
      break;
    case ItemKind::PrimeComposite:
      classes = {{"质数", 0}, {"合数", 0}};
      break;
    case ItemKind::Zones:
      n = std::max(n, 1);
      zoneBounds = ZoneBounds(n, from, to);
      for (int z = 1; z <= n; ++z)
        classes.push_back({"第" + std::to_string(z) + "分区<" +
                               std::to_string(zoneBounds[z - 1] + 1) + ".." +
                               std::to_string(zoneBounds[z]) + ">",
                           0});
      break;
    case ItemKind::Remainder:
      n = std::max(n, 1);
      for (int r = 0; r < n; ++r)
        classes.push_back({"除" + std::to_string(n) + "余" + std::to_string(r), 0});
      break;
  }
  const int last = std::min(window.last, static_cast<int>(series.size()) - 1);
  for (int d = std::max(window.First(), 0); d <= last; ++d) {
    const int32_t v = series[d];
    int index = -1;
    switch (kind) {
      case ItemKind::OddEven:
        index = v % 2 != 0 ? 0 : 1;
        break;
      case ItemKind::PrimeComposite:
        index = IsPrime(v) ? 0 : 1;
        break;
      case ItemKind::Zones:
        if (v >= from && v <= to) index = ZoneOf(zoneBounds, v) - 1;
        break;
      case ItemKind::Remainder:
        index = ((v % n) + n) % n;
        break;
    }
    if (index >= 0 && index < static_cast<int>(classes.size())) ++classes[index].count;
  }
  return classes;
}

}  // namespace dlt
