#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "chart/chart_panel.h"
#include "common/draw.h"

namespace dlt {

// Whether a hit belongs to a run of two (short) or of three or more (long)
// hits in one of four directions: n, n+1, ... in one draw (连号); n in
// successive draws (重号); n, n-1, ... and n, n+1, ... in successive draws
// (斜连号). The longest run in any direction decides.
enum class RunMark : uint8_t { None = 0, Short = 1, Long = 2 };

using HitRow = std::array<bool, 35>;  // element n - 1 for front number n
std::vector<std::array<RunMark, 35>> RunMarks(const std::vector<HitRow>& hits);

// One page of the distribution chart ("主号分布图"): the anchor and the 18
// draws after it (fewer at the end), each front number with its run mark.
// The marks are computed on the hits from two draws before the page to two
// after it, so runs that cross the page edges count.
struct DistributionRow {
  int32_t qs = 0;
  std::array<uint8_t, 5> numbers{};
  std::array<RunMark, 5> marks{};
};
struct DistributionPage {
  std::vector<DistributionRow> rows;
};
constexpr int kDistributionRows = 19;
DistributionPage ComputeDistributionPage(std::span<const Draw> draws, int anchor);

// "显示全部标识", "标识二个以上连号,重号,斜连号", "标识三个以上连号,重号,斜连号", "取消标识".
const std::vector<std::string>& DistributionMarkTexts();
// The sprite colour of a hit under mark style `style` (an index of the texts).
int MarkerColourOf(RunMark mark, int style);

// Display mode of the grids and this chart: 0 "球+数字", 1 "球", 2 "方块+数字", 3 "方块".
const std::vector<std::string>& DisplayModeTexts();
inline bool ShowsBall(int mode) {
  return mode == 0 || mode == 1;
}
inline bool ShowsNumber(int mode) {
  return mode == 0 || mode == 2;
}

// The chart: cells of side c = width / 38 (or height / 20 when that is
// smaller), an issue column three cells wide and 35 number columns under a
// header row, 19 draw rows, a marker in the column of each front number.
Chart DistributionChart(const DistributionPage& page, int width, int height, int displayMode,
                        int markStyle);

}  // namespace dlt
