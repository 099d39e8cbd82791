// The back-zone window's charts.
#include "trend/blue_charts.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace dlt {
namespace {

using test::MakeDraw;

TrendPage Page(const std::vector<Draw>& draws, int anchor = 0) {
  TrendPage p;
  p.draws = draws;
  p.anchor = anchor;
  p.span = 36;
  p.width = 900;
  p.height = 600;
  return p;
}

TEST(BlueCharts, SlotsOfTheIntervalsAndFieldRows) {
  // 7 lies on slot 4 of interval 1, slot 3 of interval 2, slot 10 of interval 3.
  EXPECT_EQ(BlueSlot(7, 1), 4);
  EXPECT_EQ(BlueSlot(7, 2), 3);
  EXPECT_EQ(BlueSlot(7, 3), 10);
  EXPECT_EQ(BlueSlot(16, 1), 16);
  EXPECT_EQ(BlueSlot(2, 2), 7);
  EXPECT_EQ(BlueSlot(0, 1), 0);
  // Every slot is taken once.
  for (int k = 1; k <= 3; ++k) {
    std::vector<int> seen(17, 0);
    for (int v = 1; v <= 16; ++v) ++seen[BlueSlot(v, k)];
    EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), 1), 16) << k;
  }
  EXPECT_EQ(FieldRow(0, 9), 1);
  EXPECT_EQ(FieldRow(3, 9), 2);
  EXPECT_EQ(FieldRow(4, 12), 2);
  EXPECT_EQ(FieldRow(1, 1), 1);  // "01" of "01,08,09,16", not the "1" of "16"
  EXPECT_EQ(FieldRow(1, 17), 0);
}

TEST(BlueCharts, FirstDrawAmplitudeZeroRatioOneAndAZeroBefore) {
  std::vector<Draw> draws = {MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 6}),
                             MakeDraw(2009002, {1, 2, 3, 4, 5}, {2, 9}),
                             MakeDraw(2009003, {1, 2, 3, 4, 5}, {1, 3})};
  EXPECT_EQ(BlueChange(draws, 0), 0);
  EXPECT_EQ(BlueChange(draws, 1), 3);
  struct Case {
    int index;
    int32_t plotted;
    const char* label;
  };
  for (const Case& c : {Case{0, 10, "1.00"}, Case{1, 15, "1.50"}, Case{2, 3, "0.33"}}) {
    EXPECT_EQ(BlueRatioAt(draws, c.index).plotted, c.plotted) << c.index;
    EXPECT_EQ(BlueRatioAt(draws, c.index).label, c.label) << c.index;
  }
  // Incomplete data: a 0 before shows 0 and does not fail.
  draws[1].back[1] = 0;
  EXPECT_EQ(BlueRatioAt(draws, 2).plotted, 0);
  EXPECT_EQ(BlueRatioAt(draws, 2).label, "0.00");
  FixedTextMetrics metrics;
  EXPECT_EQ(BlueRatioChart(Page(draws), metrics).panels.size(), 1u);
}

TEST(BlueCharts, UncheckedMeansArePlottedWithoutLines) {
  std::vector<Draw> draws;
  for (int i = 0; i < 20; ++i)
    draws.push_back(MakeDraw(2009001 + i, {1, 2, 3, 4, 5}, {1, 2 + i % 10}));
  const BlueMeans means = [](int i) { return std::array<int32_t, 5>{60 + i, 61, 62, 63, 64}; };
  FixedTextMetrics metrics;
  auto count = [](const Chart& c, ChartColour colour) {
    std::pair<int, int> lines{0, 0};  // lines, discs
    for (const ChartLine& l : c.panels[0].ItemsOf<ChartLine>()) lines.first += l.colour == colour;
    for (const ChartDisc& d : c.panels[0].ItemsOf<ChartDisc>()) lines.second += d.fill == colour;
    return lines;
  };
  BlueSeriesShown all{true, true, true, true, true, true};
  const Chart shown = BlueMeanChart(Page(draws), means, all, metrics);
  all[5] = false;
  const Chart hidden = BlueMeanChart(Page(draws), means, all, metrics);
  EXPECT_EQ(count(shown, colours::kBlue), (std::pair<int, int>{19, 20}));
  EXPECT_EQ(count(hidden, colours::kBlue), (std::pair<int, int>{0, 20}));
  EXPECT_EQ(count(hidden, colours::kRed), count(shown, colours::kRed));
  // The means are labelled as tenths: "6.1" for 61.
  bool tenths = false;
  for (const ChartText& t : shown.panels[0].ItemsOf<ChartText>()) tenths |= t.text == "6.1";
  EXPECT_TRUE(tenths);
}

TEST(BlueCharts, EveryChartDrawsItsPanels) {
  const std::vector<Draw> draws = test::RandomHistory(60);
  const TrendPage page = Page(draws, 10);
  FixedTextMetrics metrics;
  const BlueMeans means = [](int) { return std::array<int32_t, 5>{}; };
  struct Case {
    const char* name;
    Chart chart;
    size_t panels;
  };
  const Case cases[] = {
      {"means", BlueMeanChart(page, means, {true, true, true, true, true, true}, metrics), 1},
      {"remainders", BlueRemainderChart(page, metrics), 3},
      {"bars", BlueBarChart(page, metrics), 1},
      {"change", BlueChangeChart(page, metrics), 3},
      {"ratio", BlueRatioChart(page, metrics), 1},
      {"slots", BlueSlotChart(page, 2, metrics), 1},
      {"field", BlueFieldChart(page, 4, metrics), 1},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(c.chart.panels.size(), c.panels) << c.name;
    EXPECT_EQ(c.chart.panels[0].coord.xLabels.front(), std::to_string(draws[13].qs)) << c.name;
  }
  // The slot chart: one disc per draw after the anchor, with its two-digit value.
  const Chart slots = BlueSlotChart(page, 2, metrics);
  int bigDiscs = 0;
  for (const ChartDisc& d : slots.panels[0].ItemsOf<ChartDisc>()) bigDiscs += d.radius == 10;
  EXPECT_EQ(bigDiscs, 36);
  EXPECT_EQ(slots.panels[0].coord.yLabels[2], "7");  // interval 2: 1, 4, 7, ...
  // The bar chart: the anchor's bar is half a step wide, the others a whole step.
  const auto boxes = BlueBarChart(page, metrics).panels[0].ItemsOf<ChartBox>();
  ASSERT_EQ(boxes.size(), 37u);
  EXPECT_DOUBLE_EQ(boxes[0].width * 2, boxes[1].width);
  EXPECT_EQ(*boxes[1].fill, draws[11].back[1] % 2 ? colours::kBlue : colours::kGreen);
}

}  // namespace
}  // namespace dlt
