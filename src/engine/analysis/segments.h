#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/draw.h"

namespace dlt {

// "按期数分段走势": the history cut into segments of L draws from the newest
// backwards, the newest segment shortened by the position adjustment P.

// The entries of the length box (50, 45, ..., 10, 9 .. 2) and of the
// adjustment box (10 .. -10).
const std::vector<int>& SegmentLengths();
const std::vector<int>& SegmentAdjustments();
constexpr int kDefaultSegmentLength = 5;
constexpr int kDefaultSegmentAdjustment = 1;

// "区段总和", "区段平均值", "区段最大值", "区段最小值", "区段平均振幅", "相同个数".
enum class SegmentStatistic { Sum = 0, Mean, Largest, Smallest, MeanAmplitude, Repeated };
const std::vector<std::string>& SegmentStatisticTexts();

// The newest segment's length: (L - P) mod L with the sign of the dividend,
// a full L when that is 0 or negative.
int FirstSegmentLength(int length, int adjustment);

struct Segment {
  int newest = 0, oldest = 0;  // draw indices
  int32_t newestQs = 0, oldestQs = 0;
  int length = 0;
  int32_t value = 0;
  bool operator==(const Segment&) const = default;
};

// The segments of the whole history, newest first; the oldest holds what is
// left. The statistic walks each segment from its newest draw to its
// oldest: sums and extremes, the mean and the mean amplitude |difference of
// consecutive draws| / (count - 1) rounded halves to even (0 for one draw),
// and the number of draws whose value occurs more than once in the segment
// (at most its newest 50 draws compared).
std::vector<Segment> ComputeSegments(std::span<const Draw> draws, std::span<const int32_t> series,
                                     int length, int adjustment, SegmentStatistic statistic);

// The statistic over values listed newest first.
int32_t SegmentValue(std::span<const int32_t> newestFirst, SegmentStatistic statistic);

}  // namespace dlt
