#include "common/omission_tally.h"

#include <algorithm>

#include "common/rounding.h"

namespace dlt {

void OmissionTally::Occurred(int32_t omission) {
  ++count_;
  largest_ = omissions_ == 0 ? omission : std::max(largest_, omission);
  smallest_ = omissions_ == 0 ? omission : std::min(smallest_, omission);
  ++omissions_;
  last_ = omission;
  sum_ += omission;
}

OmissionStats OmissionTally::Result(int32_t current) const {
  OmissionStats s;
  s.count = count_;
  s.current = current;
  if (omissions_ > 0) {
    s.largest = largest_;
    s.smallest = smallest_;
    s.last = last_;
    s.average = static_cast<int32_t>(DivRoundHalfEven(sum_, count_));
  }
  return s;
}

}  // namespace dlt
