#include "analysis/segments.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "common/rounding.h"

namespace dlt {

const std::vector<int>& SegmentLengths() {
  static const std::vector<int> lengths = {50, 45, 40, 35, 30, 25, 20, 15, 10,
                                           9,  8,  7,  6,  5,  4,  3,  2};
  return lengths;
}

const std::vector<int>& SegmentAdjustments() {
  static const std::vector<int> adjustments = [] {
    std::vector<int> a;
    for (int p = 10; p >= -10; --p) a.push_back(p);
    return a;
  }();
  return adjustments;
}

const std::vector<std::string>& SegmentStatisticTexts() {
  static const std::vector<std::string> texts = {"区段总和",   "区段平均值",   "区段最大值",
                                                 "区段最小值", "区段平均振幅", "相同个数"};
  return texts;
}

int FirstSegmentLength(int length, int adjustment) {
  if (length <= 0) return 1;
  const int r = (length - adjustment) % length;
  return r <= 0 ? length : r;
}

int32_t SegmentValue(std::span<const int32_t> values, SegmentStatistic statistic) {
  if (values.empty()) return 0;
  const int64_t count = static_cast<int64_t>(values.size());
  switch (statistic) {
    case SegmentStatistic::Sum:
    case SegmentStatistic::Mean: {
      int64_t sum = 0;
      for (int32_t v : values) sum += v;
      return static_cast<int32_t>(
          statistic == SegmentStatistic::Sum ? sum : DivRoundHalfEven(sum, count));
    }
    case SegmentStatistic::Largest:
      return *std::max_element(values.begin(), values.end());
    case SegmentStatistic::Smallest:
      return *std::min_element(values.begin(), values.end());
    case SegmentStatistic::MeanAmplitude: {
      if (count < 2) return 0;
      int64_t sum = 0;
      for (size_t i = 1; i < values.size(); ++i)
        sum += std::llabs(static_cast<int64_t>(values[i]) - values[i - 1]);
      return static_cast<int32_t>(DivRoundHalfEven(sum, count - 1));
    }
    case SegmentStatistic::Repeated: {
      const auto compared = values.first(std::min<size_t>(values.size(), 50));
      std::unordered_map<int32_t, int> seen;
      for (int32_t v : compared) ++seen[v];
      int32_t repeated = 0;
      for (int32_t v : compared)
        if (seen[v] > 1) ++repeated;
      return repeated;
    }
  }
  return 0;
}

std::vector<Segment> ComputeSegments(std::span<const Draw> draws, std::span<const int32_t> series,
                                     int length, int adjustment, SegmentStatistic statistic) {
  std::vector<Segment> segments;
  const int n = static_cast<int>(std::min(draws.size(), series.size()));
  if (length <= 0) return segments;
  int newest = n - 1;
  int size = FirstSegmentLength(length, adjustment);
  std::vector<int32_t> values;
  while (newest >= 0) {
    Segment s;
    s.newest = newest;
    s.oldest = std::max(newest - size + 1, 0);
    s.newestQs = draws[s.newest].qs;
    s.oldestQs = draws[s.oldest].qs;
    s.length = s.newest - s.oldest + 1;
    values.clear();
    for (int d = s.newest; d >= s.oldest; --d) values.push_back(series[d]);
    s.value = SegmentValue(values, statistic);
    segments.push_back(s);
    newest = s.oldest - 1;
    size = length;
  }
  return segments;
}

}  // namespace dlt
