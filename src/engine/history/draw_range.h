#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/draw.h"

namespace dlt {

// The draws a statistics window counts, walked back from the last one: the
// `count` draws ending at index `last` (count 0: an empty range). The
// forecast record, when it is stored, is a draw like any other.
struct DrawRange {
  int last = -1;
  int count = 0;
  int First() const { return last - count + 1; }
  bool Empty() const { return count <= 0; }
  bool operator==(const DrawRange&) const = default;
};

// "近": the last `n` draws of a history of `drawCount` (all of them when n
// exceeds it).
DrawRange NearRange(int drawCount, int n);

// "自定义": from the draw `fromQs` to the draw `toQs`, both included. An
// unknown issue or a start after the end gives an empty range.
DrawRange CustomRange(std::span<const Draw> draws, int32_t fromQs, int32_t toQs);

// The draws between the indices a and b, in either order, clamped to a
// history of `drawCount`.
DrawRange RangeBetween(int drawCount, int a, int b);

// The items of the "近" count boxes, "5" .. "300" and "所有" (every draw),
// and the one they start on.
const std::vector<std::string>& NearCountTexts();
constexpr const char* kAllDrawsText = "所有";
constexpr int kDefaultNearCount = 100;
// The count a box text names: "所有" the whole history, a number itself,
// anything else 0.
int NearCountOfText(const std::string& text, int drawCount);

// The first draw of the grids' default range: the last kDefaultNearCount
// draws (all of a shorter history).
constexpr int DefaultGridStart(int drawCount) {
  return std::max(drawCount - kDefaultNearCount, 0);
}

// The first draw of the statistics windows' "自定义" default: the issue
// kDefaultNearCount draws before the last (the first of a shorter history).
constexpr int DefaultRangeStart(int drawCount) {
  return std::max(drawCount - 1 - kDefaultNearCount, 0);
}

}  // namespace dlt
