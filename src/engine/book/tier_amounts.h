#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dlt {

class DrawTable;

// An amount per ticket entered by hand for a tier of a stored draw (a
// floating tier the results sync has no figure for): kept with the draw's
// prize amounts, beside the published tiers. nullopt removes the amount.
// false with a message for a level outside 1..8.
bool EnterTierAmount(DrawTable& table, int32_t qs, int level, std::optional<int64_t> fen,
                     std::string* error);

}  // namespace dlt
