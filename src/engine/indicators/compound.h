#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "indicators/indicator.h"

namespace dlt {

// Resolution of the parameterised "c_" keys (differences, sums, omission
// ranges, zones, remainders, grid shapes, combination shapes, and the
// derived series of the trend pages). nullopt when the key holds none of the
// prefixes; otherwise a resolution that is either an indicator or the error
// "参数不正确: <key>" for a malformed parameter.
//
// The prefixes are searched in the order of CompoundPrefixes(); the first
// one found anywhere in the key wins, and the parameters start one
// separator ("_" or ":") after it.
std::optional<Resolution> ResolveCompound(std::string_view key);

// The search order of the prefixes.
const std::vector<std::string_view>& CompoundPrefixes();

}  // namespace dlt
