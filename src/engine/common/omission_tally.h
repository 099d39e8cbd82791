#pragma once

#include <cstdint>

namespace dlt {

// What a statistic shows for a value without a completed omission.
constexpr int32_t kNoOmission = 9999;

// The omission statistics of one value over a range of draws: how often it
// occurred, the largest, smallest, average (sum / occurrences, halves to
// even) and last of its completed omissions, and its current omission.
// Without a completed omission the four show kNoOmission.
struct OmissionStats {
  int32_t count = 0;
  int32_t largest = kNoOmission, smallest = kNoOmission, average = kNoOmission, last = kNoOmission;
  int32_t current = 0;
  bool operator==(const OmissionStats&) const = default;
};

// Adds up one value's occurrences in draw order. The omission grids and the
// indicator analysis differ only in what they pass: the grid's first row
// completes no omission, the analysis counts the draws from the range's
// start before a first occurrence.
class OmissionTally {
 public:
  // An occurrence completing an omission of `omission` draws.
  void Occurred(int32_t omission);
  // An occurrence that completes no omission.
  void OccurredWithoutOmission() { ++count_; }
  // The statistics, with the current omission measured by the caller.
  OmissionStats Result(int32_t current) const;

 private:
  int32_t count_ = 0, omissions_ = 0;
  int32_t largest_ = 0, smallest_ = 0, last_ = 0;
  int64_t sum_ = 0;
};

}  // namespace dlt
