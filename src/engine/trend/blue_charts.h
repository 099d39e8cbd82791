#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chart/chart_panel.h"
#include "trend/indicator_chart.h"

namespace dlt {

// The charts of the back-zone window: the larger back number v of each draw
// (the `blue` field) from the anchor over N further draws, x labels the
// issue of every third draw.

// The stored moving means of v at a draw over 2, 3, 4, 5 and 10 draws, in
// tenths (65 is 6.5).
using BlueMeans = std::function<std::array<int32_t, 5>(int index)>;
// Which series "均值走势图" joins by lines: "常规线", "二期均值", "三期均值",
// "四期均值", "五期均值", "十期均值". Every point is plotted either way.
using BlueSeriesShown = std::array<bool, 6>;
Chart BlueMeanChart(const TrendPage& page, const BlueMeans& means, const BlueSeriesShown& shown,
                    const TextMetrics& metrics);

// "余数走势图": v mod 3, 4 and 5 in three panels.
Chart BlueRemainderChart(const TrendPage& page, const TextMetrics& metrics);
// "柱状图": a bar up to v per draw, blue when odd and green when even.
Chart BlueBarChart(const TrendPage& page, const TextMetrics& metrics);
// "变化量及尾数图": v, |v - previous v| and v mod 10 in three panels.
Chart BlueChangeChart(const TrendPage& page, const TextMetrics& metrics);
// "抖动率": v / previous v, plotted times ten.
Chart BlueRatioChart(const TrendPage& page, const TextMetrics& metrics);
// "分布图": v on its slot for interval 1, 2 or 3.
Chart BlueSlotChart(const TrendPage& page, int interval, const TextMetrics& metrics);
// "田野走势图一" .. "田野走势图五": v on the row of its group of four.
Chart BlueFieldChart(const TrendPage& page, int variant, const TextMetrics& metrics);

// |v - v of the draw before| (0 for the first draw of the history).
int32_t BlueChange(std::span<const Draw> draws, int index);
// The ratio to the previous draw's v: 1 for the first draw of the history,
// 0 when the previous value is 0 (incomplete data). Plotted as ratio x 10
// rounded, labelled with two decimals.
struct BlueRatio {
  int32_t plotted = 0;
  std::string label;
};
BlueRatio BlueRatioAt(std::span<const Draw> draws, int index);

// The slot 1..16 of a value 1..16 for interval k: the values grouped by
// (v - 1) mod (k + 1), groups in that order, each ascending.
int BlueSlot(int value, int interval);
// The texts of the rows 1..4 of a "田野走势图" variant (0..4), and the row of
// a value (0 when no row holds it).
const std::array<std::string, 4>& FieldRowTexts(int variant);
int FieldRow(int variant, int value);
const std::vector<std::string>& FieldVariantTexts();

// The group box legends of the pages.
extern const char* const kBlueMeanLegend;
extern const char* const kBlueRemainderLegend;
extern const char* const kBlueBarLegend;
extern const char* const kBlueChangeLegend;

}  // namespace dlt
