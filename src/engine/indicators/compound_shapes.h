#pragma once

#include <cstdint>
#include <span>

namespace dlt {

// The value of combination shape `type` for the formula values `now` (two or
// three) given the same formulas' values one and two draws back (the moves
// stop at the first draw). Types 0..13 for two values, 0..30 for three.
int32_t CombinationShapeValue(int type, std::span<const int32_t> now,
                              std::span<const int32_t> back1, std::span<const int32_t> back2);

// Whether the type looks at the values of earlier draws.
bool ShapeNeedsEarlierDraws(int type);

}  // namespace dlt
