#include "chart/chart_readout.h"

#include <gtest/gtest.h>

#include "chart/indicator_panel.h"
#include "support/test_support.h"
#include "trend/blue_charts.h"
#include "trend/omission_events.h"

namespace dlt {
namespace {

using Lines = std::vector<std::string>;

// Four draws and the forecast record; a value panel over an amplitude panel
// sharing one x axis of four steps.
struct TwoPanelChart {
  std::vector<Draw> draws = {
      test::MakeDraw(2024001, {3, 8, 9, 20, 31}, {1, 2}),
      test::MakeDraw(2024002, {7, 8, 9, 20, 31}, {1, 2}),
      test::MakeDraw(2024003, {5, 8, 9, 20, 31}, {1, 2}),
      test::MakeDraw(2024004, {12, 13, 19, 20, 31}, {1, 2}),
      test::MakeDraw(kForecastQs, {9, 13, 19, 20, 31}, {1, 2}),
  };
  Chart chart;

  TwoPanelChart() {
    const FixedTextMetrics metrics;
    chart.width = 400;
    chart.height = 300;
    IndicatorPanelSetup setup;
    setup.draws = draws;
    setup.anchor = 0;
    setup.span = 4;
    setup.width = chart.width;
    setup.height = chart.height;
    setup.min = 1;
    setup.max = 35;
    setup.values = {3, 7, 5, 12, 9};
    setup.title = "主号一";
    setup.layout = PanelLayout::UpperHalf;
    chart.panels.push_back(IndicatorPanel(setup, metrics));
    setup.values = {3, 4, 2, 7, 3};
    setup.min = 0;
    setup.title = "主号一振幅";
    setup.layout = PanelLayout::LowerHalf;
    chart.panels.push_back(IndicatorPanel(setup, metrics));
  }

  const tcoordinate& Upper() const { return chart.panels[0].coord; }
  const tcoordinate& Lower() const { return chart.panels[1].coord; }
};

TEST(ChartReadout, ReadsTheDrawAndEverySeriesUnderTheMouse) {
  const TwoPanelChart t;
  const tcoordinate& up = t.Upper();
  const tcoordinate& low = t.Lower();
  const double upperMiddle = up.originY - up.plotHeight / 2;
  const double lowerMiddle = low.originY - low.plotHeight / 2;
  struct Case {
    const char* what;
    ChartPoint mouse;
    std::optional<Lines> lines;
  };
  const Case cases[] = {
      {"on the first point", PlotPosition(up, 0, 30),
       Lines{"2024001", "主号一：3", "主号一振幅：3"}},
      {"a little right of a column",
       {PlotX(up, 1) + up.xScale * 0.4, upperMiddle},
       Lines{"2024002", "主号一：7", "主号一振幅：4"}},
      {"nearer the next column",
       {PlotX(up, 1) + up.xScale * 0.6, upperMiddle},
       Lines{"2024003", "主号一：5", "主号一振幅：2"}},
      {"in the lower panel",
       {PlotX(low, 3), lowerMiddle},
       Lines{"2024004", "主号一：12", "主号一振幅：7"}},
      {"the forecast record",
       {PlotX(up, 4), upperMiddle},
       Lines{"预测区", "主号一：9", "主号一振幅：3"}},
      {"on the x labels under the upper plot",
       {PlotX(up, 2), up.originY + 10},
       Lines{"2024003", "主号一：5", "主号一振幅：2"}},
      {"left of the first column", {PlotX(up, 0) - up.xScale * 0.6, upperMiddle}, std::nullopt},
      {"right of the last column", {PlotX(up, 4) + up.xScale * 0.6, upperMiddle}, std::nullopt},
      {"below the lowest labels", {PlotX(low, 2), low.originY + 40}, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto readout = ReadoutAt(t.chart, c.mouse);
    ASSERT_EQ(readout.has_value(), c.lines.has_value()) << c.what;
    if (readout) {
      EXPECT_EQ(readout->lines, *c.lines) << c.what;
    }
  }
}

TEST(ChartReadout, ColumnXIsTheColumnOfThePanelUnderTheMouse) {
  const TwoPanelChart t;
  const auto upper = ReadoutAt(t.chart, {PlotX(t.Upper(), 2) + 3, t.Upper().originY - 5});
  ASSERT_TRUE(upper);
  EXPECT_DOUBLE_EQ(upper->columnX, PlotX(t.Upper(), 2));
}

TEST(ChartReadout, AChartWithoutReadoutReadsNothing) {
  Chart chart;
  chart.width = 200;
  chart.height = 100;
  ChartPanel bare;
  bare.coord.originX = 10;
  bare.coord.originY = 90;
  bare.coord.plotWidth = 180;
  bare.coord.plotHeight = 80;
  bare.coord.xLast = 10;
  bare.coord = DeriveScales(bare.coord);
  chart.panels.push_back(bare);
  EXPECT_FALSE(ReadoutAt(chart, {100, 50}));
  // Only the crosshair through the mouse.
  const ChartPanel overlay = ReadoutOverlay(chart, {100, 50}, FixedTextMetrics());
  EXPECT_EQ(overlay.items.size(), 2u);
  EXPECT_EQ(overlay.ItemsOf<ChartLine>().size(), 2u);
}

TEST(ChartReadout, OverlayBoxHoldsTheLinesInsideThePicture) {
  const TwoPanelChart t;
  const FixedTextMetrics metrics;
  struct Case {
    const char* what;
    ChartPoint mouse;
  };
  const Case cases[] = {
      {"left and high", PlotPosition(t.Upper(), 0, 30)},
      {"the right edge", {PlotX(t.Upper(), 4), t.Upper().originY - 5}},
      {"the lower right corner", {PlotX(t.Lower(), 4), t.Lower().originY + 20}},
  };
  for (const Case& c : cases) {
    const ChartPanel overlay = ReadoutOverlay(t.chart, c.mouse, metrics);
    const auto lines = overlay.ItemsOf<ChartLine>();
    ASSERT_EQ(lines.size(), 2u) << c.what;
    EXPECT_DOUBLE_EQ(lines[0].from.x, c.mouse.x) << c.what;
    EXPECT_DOUBLE_EQ(lines[1].from.y, c.mouse.y) << c.what;
    const auto boxes = overlay.ItemsOf<ChartBox>();
    ASSERT_EQ(boxes.size(), 1u) << c.what;
    const ChartBox& box = boxes[0];
    EXPECT_GE(box.x, 0) << c.what;
    EXPECT_GE(box.y, 0) << c.what;
    EXPECT_LE(box.x + box.width, t.chart.width) << c.what;
    EXPECT_LE(box.y + box.height, t.chart.height) << c.what;
    Lines written;
    for (const ChartText& text : overlay.ItemsOf<ChartText>()) {
      written.push_back(text.text);
      EXPECT_GE(text.at.x, box.x) << c.what;
      EXPECT_LE(text.at.x + metrics.Width(text.text), box.x + box.width) << c.what;
    }
    EXPECT_EQ(written, ReadoutAt(t.chart, c.mouse)->lines) << c.what;
  }
}

TEST(ChartReadout, OmissionEventsReadTheirIssueAndOmission) {
  OmissionEvents events;
  events.events = {{2024003, 2}, {2024010, 6}, {2024012, 1}};
  events.largest = 6;
  const Chart chart = OmissionEventChart(events, 0, 7, 600, 400, FixedTextMetrics());
  const tcoordinate& c = chart.panels[0].coord;
  const auto readout = ReadoutAt(chart, {PlotX(c, 1), c.originY - 10});
  ASSERT_TRUE(readout);
  EXPECT_EQ(readout->lines, (Lines{"2024010", "遗漏：6", "遗漏振幅：4"}));
}

TEST(ChartReadout, StackedPanelsReadOneDrawInEach) {
  // Back numbers 9, 4, 11, 12 (the second of each pair) over three stacked panels.
  const std::vector<Draw> draws = {
      test::MakeDraw(2023151, {1, 2, 3, 4, 5}, {2, 9}),
      test::MakeDraw(2023152, {1, 2, 3, 4, 5}, {1, 4}),
      test::MakeDraw(2024001, {1, 2, 3, 4, 5}, {3, 11}),
      test::MakeDraw(2024002, {1, 2, 3, 4, 5}, {5, 12}),
  };
  TrendPage page;
  page.draws = draws;
  page.anchor = 0;
  page.span = 3;
  page.width = 500;
  page.height = 450;
  const Chart chart = BlueChangeChart(page, FixedTextMetrics());
  ASSERT_EQ(chart.panels.size(), 3u);
  struct Case {
    int record, panel;
    Lines lines;
  };
  const Case cases[] = {
      {0, 0, {"2023151", "副号二：9", "绝对振幅：0", "尾数：9"}},
      {1, 2, {"2023152", "副号二：4", "绝对振幅：5", "尾数：4"}},
      {2, 1, {"2024001", "副号二：11", "绝对振幅：7", "尾数：1"}},
      {3, 0, {"2024002", "副号二：12", "绝对振幅：1", "尾数：2"}},
  };
  for (const Case& c : cases) {
    const tcoordinate& coord = chart.panels[c.panel].coord;
    const auto readout = ReadoutAt(chart, {PlotX(coord, c.record), coord.originY - 5});
    ASSERT_TRUE(readout) << c.record;
    EXPECT_EQ(readout->lines, c.lines) << c.record;
  }
}

}  // namespace
}  // namespace dlt
