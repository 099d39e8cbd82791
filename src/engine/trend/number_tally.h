#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "chart/chart_panel.h"
#include "common/draw.h"
#include "history/draw_range.h"

namespace dlt {

// One number of a zone over a range: how many draws of the range hold it,
// and how many draws it has been missing, counted back from the range's
// last draw (0 when it stands in that draw).
struct NumberCount {
  int number = 0;
  int32_t count = 0;
  int32_t omission = 0;
  bool operator==(const NumberCount&) const = default;
};

// A zone's records in number order and two copies sorted ascending by count
// and by omission; equal values keep ascending number order.
struct ZoneTally {
  std::vector<NumberCount> byNumber, byCount, byOmission;
};

struct NumberTally {
  ZoneTally front, back;  // 1..35 and 1..12
};

NumberTally TallyNumbers(std::span<const Draw> draws, const DrawRange& range);

// The bar chart of a zone's tally: slot i holds the i-th number in number
// order, by count or by omission; "出现次数" a red bar left of each tick up
// to the count, "遗漏次数" a blue bar right of it up to the omission, each
// with its value; y from 0 to ten steps of (largest / 10 + 1). With what
// chance gives the zone (per number, in number order): the expected count
// as a dashed line across the chart, each number's deviation under its
// label, and the fit beside the legend.
enum class BarOrder { ByNumber = 0, ByCount, ByOmission };
struct TallyChance;
struct NumberBarSetup {
  const ZoneTally* zone = nullptr;
  int slotCount = 35;
  BarOrder order = BarOrder::ByNumber;
  bool counts = true, omissions = true;
  int width = 0, height = 0;
  const TallyChance* chance = nullptr;
};
Chart NumberBarChart(const NumberBarSetup& setup, const TextMetrics& metrics);

// The cold, warm and hot numbers of a zone in one line: "主区冷号:" and each
// cold number followed by two blanks, then ";  主区温号:" and ";  主区热号:"
// likewise ("副区" for the back zone).
std::string ColdHotLine(const std::vector<int>& cold, const std::vector<int>& warm,
                        const std::vector<int>& hot, bool back);

}  // namespace dlt
