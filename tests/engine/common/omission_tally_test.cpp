#include "common/omission_tally.h"

#include <gtest/gtest.h>

#include <vector>

namespace dlt {
namespace {

// An occurrence: the omission it completes, or -1 for none.
OmissionStats Tallied(const std::vector<int32_t>& occurrences, int32_t current) {
  OmissionTally t;
  for (int32_t o : occurrences) o < 0 ? t.OccurredWithoutOmission() : t.Occurred(o);
  return t.Result(current);
}

TEST(OmissionTally, CountsLargestSmallestAverageLastAndCurrent) {
  struct Case {
    std::vector<int32_t> occurrences;
    int32_t current;
    OmissionStats want;  // count, largest, smallest, average, last, current
  };
  const Case cases[] = {
      {{}, 6, {0, kNoOmission, kNoOmission, kNoOmission, kNoOmission, 6}},
      // An occurrence that completes no omission counts, but sets nothing.
      {{-1}, 5, {1, kNoOmission, kNoOmission, kNoOmission, kNoOmission, 5}},
      {{0, 0, 0}, 0, {3, 0, 0, 0, 0, 0}},
      {{4, 1, 7}, 2, {3, 7, 1, 4, 7, 2}},
      {{3, 9, 2}, 0, {3, 9, 2, 5, 2, 0}},  // 14 / 3 rounds to 5
      // The average divides by every occurrence: 3 / 2 = 1.5 rounds to 2,
      // 1 / 2 = 0.5 to 0 (halves to even).
      {{-1, 3}, 1, {2, 3, 3, 2, 3, 1}},
      {{-1, 1}, 0, {2, 1, 1, 0, 1, 0}},
      {{5, 5, 6, 6}, 0, {4, 6, 5, 6, 6, 0}},  // 22 / 4 = 5.5 rounds to 6
  };
  for (const Case& c : cases) EXPECT_EQ(Tallied(c.occurrences, c.current), c.want);
}

}  // namespace
}  // namespace dlt
