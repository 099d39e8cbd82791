#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "common/draw.h"

namespace dlt {

// Which history an evaluation reads: 0 the draw table at a record,
// 1 the in-memory history at an index (the generator's candidate slot).
enum class Source : int { Table = 0, Memory = 1 };

// Cold/warm/hot windows and thresholds (settings qs, coldcs, hotcs and the
// back-zone f_ twins). Window lengths are taken as 8-bit counts.
struct ColdHotSettings {
  int qs = 30, coldcs = 2, hotcs = 8;
  int f_qs = 30, f_coldcs = 2, f_hotcs = 8;
};

// The 40-cell number grid layout ("行列式"), by default 1..40.
using GridLayout = std::array<int, 40>;
constexpr GridLayout DefaultGridLayout() {
  GridLayout g{};
  for (int i = 0; i < 40; ++i) g[i] = i + 1;
  return g;
}

// Process-wide values the computations read, passed in explicitly.
struct EvalEnv {
  ColdHotSettings coldHot;
  GridLayout layout = DefaultGridLayout();
};

// An explicit evaluation position: a contiguous run of draws in qs order,
// and the index of the current one. The previous draw is index - 1; index 0
// has none. Contexts are values: walking back works on a copy, so the
// caller's position is never disturbed, and contexts on different threads
// evaluate independently.
struct EvalContext {
  Source source = Source::Table;
  const Draw* draws = nullptr;
  int count = 0;  // number of draws visible (the candidate included)
  int pos = 0;    // 0-based current index
  // Table source: the `test` scratch column, one value per draw (may be null).
  const int32_t* testColumn = nullptr;
  // Memory source: `test` of the table's current record (read whatever the source).
  int32_t tableTest = 0;
  const EvalEnv* env = nullptr;

  const Draw& Current() const { return draws[pos]; }
  bool HasPrevious() const { return pos > 0; }
  const Draw& Previous() const { return draws[pos - 1]; }
  // Draw `back` places earlier, clamped at the first draw.
  const Draw& Back(int back) const { return draws[pos - back < 0 ? 0 : pos - back]; }
  EvalContext At(int index) const {
    EvalContext c = *this;
    c.pos = index;
    return c;
  }
  // Moves by n draws, stopping at the first and the last.
  EvalContext Moved(int n) const {
    long p = static_cast<long>(pos) + n;
    if (p < 0) p = 0;
    if (p > count - 1) p = count - 1;
    return At(static_cast<int>(p));
  }
  int32_t Test() const {
    if (source == Source::Table) return testColumn ? testColumn[pos] : 0;
    return tableTest;
  }
  const ColdHotSettings& ColdHot() const;
  const GridLayout& Layout() const;
};

// The one way to make a context over a span of draws. A memory context
// whose last slot is a candidate or a virtual next draw evaluates "the next
// draw" without touching the table: pos = draws.size() - 1.
inline EvalContext MemoryContext(std::span<const Draw> draws, int pos, int32_t tableTest,
                                 const EvalEnv* env) {
  EvalContext c;
  c.source = Source::Memory;
  c.draws = draws.data();
  c.count = static_cast<int>(draws.size());
  c.pos = pos;
  c.tableTest = tableTest;
  c.env = env;
  return c;
}
// A table-source context: `testColumn` holds one `test` value per draw (may be null).
inline EvalContext TableContext(std::span<const Draw> draws, int pos, const int32_t* testColumn,
                                const EvalEnv* env) {
  EvalContext c;
  c.source = Source::Table;
  c.draws = draws.data();
  c.count = static_cast<int>(draws.size());
  c.pos = pos;
  c.testColumn = testColumn;
  c.env = env;
  return c;
}

}  // namespace dlt
