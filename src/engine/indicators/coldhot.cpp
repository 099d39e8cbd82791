#include "indicators/coldhot.h"

#include <algorithm>
#include <array>

#include "common/numbers.h"

namespace dlt {

ZoneClasses ClassifyZone(std::span<const Draw> draws, int last, int window, int coldThreshold,
                         int hotThreshold, bool back) {
  const int maxNumber = back ? kBackMax : kFrontMax;
  std::array<int, 256> count{};
  const int length = WindowLength(window);
  for (int p = last, seen = 0; p >= 0 && seen < length; --p, ++seen) {
    if (back)
      for (auto n : draws[p].back) ++count[n];
    else
      for (auto n : draws[p].front) ++count[n];
  }
  ZoneClasses z;
  for (int n = 1; n <= maxNumber; ++n) {
    switch (ClassOfCount(count[n], coldThreshold, hotThreshold)) {
      case NumberClass::Cold:
        z.cold.push_back(n);
        break;
      case NumberClass::Warm:
        z.warm.push_back(n);
        break;
      case NumberClass::Hot:
        z.hot.push_back(n);
        break;
    }
  }
  return z;
}

bool ClassifyNumbers(std::span<const Draw> draws, int32_t qs, const ColdHotSettings& settings,
                     ColdHotLists& lists) {
  const auto it =
      std::find_if(draws.begin(), draws.end(), [qs](const Draw& d) { return d.qs == qs; });
  if (it == draws.end()) return false;
  const int index = static_cast<int>(it - draws.begin());
  ZoneClasses front =
      ClassifyZone(draws, index, settings.qs, settings.coldcs, settings.hotcs, false);
  ZoneClasses back =
      ClassifyZone(draws, index, settings.f_qs, settings.f_coldcs, settings.f_hotcs, true);
  lists.frontCold = std::move(front.cold);
  lists.frontHot = std::move(front.hot);
  lists.frontWarm = std::move(front.warm);
  lists.backCold = std::move(back.cold);
  lists.backHot = std::move(back.hot);
  lists.backWarm = std::move(back.warm);
  return true;
}

ColdWarmHot ColdWarmHotCounts(const EvalContext& ctx) {
  const ColdHotSettings& s = ctx.ColdHot();
  const int window = WindowLength(s.qs);
  std::array<int, 256> count{};
  for (int p = ctx.pos - 1, seen = 0; p >= 0 && seen < window; --p, ++seen)
    for (auto n : ctx.draws[p].front) ++count[n];
  ColdWarmHot r;
  for (auto n : ctx.Current().front) {
    switch (ClassOfCount(count[n], s.coldcs, s.hotcs)) {
      case NumberClass::Cold:
        ++r.cold;
        break;
      case NumberClass::Warm:
        ++r.warm;
        break;
      case NumberClass::Hot:
        ++r.hot;
        break;
    }
  }
  return r;
}

}  // namespace dlt
