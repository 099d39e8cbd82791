#pragma once

#include <optional>
#include <string_view>

#include "indicators/indicator.h"

namespace dlt {

// Resolution of the parameterised "c_" keys (differences, sums, omission
// ranges, zones, remainders, grid shapes, combination shapes). nullopt when
// the key holds none of the prefixes; otherwise a resolution that is either
// an indicator or an error for a malformed parameter.
std::optional<Resolution> ResolveCompound(std::string_view key);

}  // namespace dlt
