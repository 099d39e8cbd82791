#include "analysis/omission_stats.h"

#include <algorithm>

#include "common/chance_figures.h"

namespace dlt {

int32_t WindowOmission(std::span<const int32_t> series, int s, int d, int32_t v) {
  int32_t count = 0;
  for (int p = d - 1; p >= s && p >= 0; --p) {
    if (series[p] == v) break;
    ++count;
  }
  return count;
}

std::vector<ValueOmissionStats> OmissionStatistics(std::span<const int32_t> series, int s, int e,
                                                   int32_t from, int32_t to) {
  std::vector<ValueOmissionStats> stats;
  if (to < from) return stats;
  const size_t values = static_cast<size_t>(to) - from + 1;
  const int n = static_cast<int>(series.size());
  s = std::max(s, 0);
  e = std::min(e, n - 1);
  std::vector<OmissionTally> tallies(values);
  // The last draw of the window met so far holding each value: the window
  // omission at an occurrence is the gap to it, or the draws since s.
  std::vector<int> lastSeen(values, -1);
  for (int d = s; d <= e; ++d) {
    const int32_t v = series[d];
    if (v < from || v > to) continue;
    int& seen = lastSeen[v - from];
    tallies[v - from].Occurred(seen >= 0 ? d - seen - 1 : d - s);
    seen = d;
  }
  stats.resize(values);
  for (size_t i = 0; i < values; ++i) {
    const int32_t current = e < s ? 0 : lastSeen[i] >= 0 ? e - lastSeen[i] : e - s + 1;
    static_cast<OmissionStats&>(stats[i]) = tallies[i].Result(current);
    stats[i].value = from + static_cast<int32_t>(i);
  }
  return stats;
}

OmissionBarColour BarColourOf(const ValueOmissionStats& s) {
  if (s.current <= s.average) return OmissionBarColour::Black;
  if (s.current <= s.last) return OmissionBarColour::Orange;
  if (s.current <= s.largest) return OmissionBarColour::RedOrange;
  return OmissionBarColour::Red;
}

OmissionOdds OmissionOddsOf(double p, const ValueOmissionStats& s) {
  return {ExpectedAverageOmission(p), OmissionChance(p, s.current)};
}

const std::vector<std::string>& OmissionStatisticTitles() {
  static const std::vector<std::string> titles = {"指标取值", "最大遗漏", "最小遗漏",
                                                  "平均遗漏", "上次遗漏", "本次遗漏"};
  return titles;
}

int32_t OmissionStatisticValue(const ValueOmissionStats& s, int row) {
  switch (row) {
    case 0:
      return s.value;
    case 1:
      return s.largest;
    case 2:
      return s.smallest;
    case 3:
      return s.average;
    case 4:
      return s.last;
    default:
      return s.current;
  }
}

void SortByCurrentOmission(std::vector<ValueOmissionStats>& stats, bool ascending) {
  std::stable_sort(stats.begin(), stats.end(), [ascending](const auto& a, const auto& b) {
    return ascending ? a.current < b.current : a.current > b.current;
  });
}

}  // namespace dlt
