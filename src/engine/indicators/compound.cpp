#include "indicators/compound.h"

namespace dlt {

std::optional<Resolution> ResolveCompound(std::string_view /*key*/) { return std::nullopt; }

}  // namespace dlt
