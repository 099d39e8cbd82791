#pragma once

#include <string>

#include "common/draw.h"

namespace dlt {

// The runs of consecutive front numbers, two digits each, groups joined by
// " | ": 03 04 05 12 13 gives "03,04,05 | 12,13"; no run gives "".
std::string ConsecutiveNumberText(const Draw& d);

// The groups of front numbers sharing a tail, started from each of the
// first four numbers: 03 08 13 23 30 gives "03,13,23 | 13,23".
std::string SameTailText(const Draw& d);

}  // namespace dlt
