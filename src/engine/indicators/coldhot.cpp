#include "indicators/coldhot.h"

#include <array>

namespace dlt {

ColdWarmHot ColdWarmHotCounts(const EvalContext& ctx) {
  const ColdHotSettings& s = ctx.ColdHot();
  const int window = s.qs & 0xFF;  // the window length is an 8-bit count
  std::array<int, 36> count{};
  for (int p = ctx.pos - 1, seen = 0; p >= 0 && seen < window; --p, ++seen)
    for (auto n : ctx.draws[p].front) ++count[n];
  ColdWarmHot r;
  for (auto n : ctx.Current().front) {
    const int c = count[n];
    if (c <= s.coldcs) ++r.cold;
    else if (c >= s.hotcs) ++r.hot;
    else ++r.warm;
  }
  return r;
}

}  // namespace dlt
