#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/draw.h"
#include "indicators/eval_context.h"

namespace dlt {

enum class NumberClass { Cold, Warm, Hot };

// Class of a number that came out `count` times in the window: cold up to
// the cold threshold, hot from the hot threshold, warm between.
constexpr NumberClass ClassOfCount(int count, int coldThreshold, int hotThreshold) {
  if (count <= coldThreshold) return NumberClass::Cold;
  if (count >= hotThreshold) return NumberClass::Hot;
  return NumberClass::Warm;
}

// Window lengths are 8-bit counts (0..255).
constexpr int WindowLength(int setting) {
  return setting & 0xFF;
}

// The numbers of one zone by class, each list ascending.
struct ZoneClasses {
  std::vector<int> cold, warm, hot;
};

// Classifies 1..35 (or 1..12 with `back`) by their appearances in the
// `window` draws ending at index `last` (included; -1 counts nothing).
ZoneClasses ClassifyZone(std::span<const Draw> draws, int last, int window, int coldThreshold,
                         int hotThreshold, bool back);

// The six lists of a classification.
struct ColdHotLists {
  std::vector<int> frontCold, frontHot, frontWarm;
  std::vector<int> backCold, backHot, backWarm;
};

// Classification for the draw with number `qs`: the window is that draw and
// the draws before it. False, leaving `lists` unchanged, when no such draw exists.
bool ClassifyNumbers(std::span<const Draw> draws, int32_t qs, const ColdHotSettings& settings,
                     ColdHotLists& lists);

// How many of the current draw's five front numbers were cold, warm and hot
// in the window of draws before it (the current draw excluded).
struct ColdWarmHot {
  int32_t cold = 0, warm = 0, hot = 0;
};
ColdWarmHot ColdWarmHotCounts(const EvalContext& ctx);

}  // namespace dlt
