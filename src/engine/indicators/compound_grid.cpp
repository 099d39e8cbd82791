// The grid keys over the number grid layout: with c columns and r rows,
// row i and column j hold cell i·c + j.
#include <array>
#include <cstdint>

#include "indicators/compound_internal.h"

namespace dlt::compound {
namespace {

struct GridParams {
  int32_t style, columns, rows;
};

std::optional<GridParams> ParseGrid(const KeyParams& p) {
  const auto v = ParseNumbers(p.text, 3);
  if (!v) return std::nullopt;
  const GridParams g{(*v)[0], (*v)[1], (*v)[2]};
  if (g.style < 0 || g.style > 2 || g.columns < 1 || g.rows < 1) return std::nullopt;
  if (static_cast<int64_t>(g.columns) * g.rows > static_cast<int64_t>(GridLayout{}.size()))
    return std::nullopt;
  return g;
}

// Which rows and which columns hold at least one of the draw's front numbers.
struct GridHits {
  std::array<bool, 40> row{}, column{};
};

GridHits HitsOf(const EvalContext& ctx, const GridParams& g) {
  std::array<bool, 256> drawn{};
  for (auto n : ctx.Current().front) drawn[n] = true;
  const GridLayout& layout = ctx.Layout();
  GridHits h;
  for (int i = 0; i < g.rows; ++i)
    for (int j = 0; j < g.columns; ++j) {
      const int cell = layout[i * g.columns + j];
      if (cell >= 0 && cell < 256 && drawn[cell]) h.row[i] = h.column[j] = true;
    }
  return h;
}

}  // namespace

Resolution GridEmptyLines(const KeyParams& p) {
  const auto g = ParseGrid(p);
  if (!g) return Malformed(p.key);
  return Make([g = *g](const EvalContext& ctx) {
    const GridHits h = HitsOf(ctx, g);
    int emptyRows = 0, emptyColumns = 0;
    for (int i = 0; i < g.rows; ++i) emptyRows += !h.row[i];
    for (int j = 0; j < g.columns; ++j) emptyColumns += !h.column[j];
    const int value = g.style == 0   ? emptyRows
                      : g.style == 1 ? emptyColumns
                                     : emptyRows + emptyColumns;
    return Byte(value);
  });
}

Resolution GridShapeCode(const KeyParams& p) {
  const auto g = ParseGrid(p);
  if (!g) return Malformed(p.key);
  return Make([g = *g](const EvalContext& ctx) {
    const GridHits h = HitsOf(ctx, g);
    // Digit i of the row-then-column string weighs 2^i; digits beyond the
    // 32nd (a 1 x 40 grid read both ways) fall off the 32-bit value.
    uint32_t code = 0;
    int bit = 0;
    auto put = [&code, &bit](bool hit) {
      if (hit && bit < 32) code |= uint32_t{1} << bit;
      ++bit;
    };
    if (g.style != 1)
      for (int i = 0; i < g.rows; ++i) put(h.row[i]);
    if (g.style != 0)
      for (int j = 0; j < g.columns; ++j) put(h.column[j]);
    return static_cast<int32_t>(code);
  });
}

}  // namespace dlt::compound
