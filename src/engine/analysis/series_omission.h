#pragma once

#include <cstdint>
#include <span>

namespace dlt {

class DrawTable;

// The scratch fields `testyl` and `testyl_zf` follow an analysed series (a
// value per draw of the table, oldest first): each draw's omission of its
// value and that omission's change from the draw before. Values past the
// table's draws are ignored; draws past the series keep what they had.
void WriteSeriesOmission(DrawTable& table, std::span<const int32_t> series);

}  // namespace dlt
