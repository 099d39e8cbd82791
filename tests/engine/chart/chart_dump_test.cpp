#include "chart/chart_dump.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

TEST(ChartDump, EveryRecordAndItemOnItsOwnLine) {
  Chart chart;
  chart.width = 300;
  chart.height = 200;
  ChartPanel panel;
  panel.title = "和值";
  panel.coord.originX = 24;
  panel.coord.originY = 170.5;
  panel.coord.plotWidth = 260;
  panel.coord.plotHeight = 150;
  panel.coord.xFirst = 10;
  panel.coord.xLast = 46;
  panel.coord.yMin = -30;
  panel.coord.yMax = 650;
  panel.coord.xScale = 260.0 / 36;
  panel.coord.yScale = 1.0 / 3;
  panel.coord.xMinorTicks = 36;
  panel.coord.xMajorTicks = 12;
  panel.coord.yDownward = true;
  panel.coord.xLabels = {"2009013", "预测区"};
  panel.coord.yLabels = {"10"};
  panel.items.push_back(
      ChartLine{{24, 170.5}, {284, -0.001}, colours::kPurple, 1, LineStyle::Dash});
  panel.items.push_back(ChartDisc{{31.2222, 100}, 5, colours::kBlue, colours::kBlack});
  panel.items.push_back(ChartBox{1, 2, 3, 4, std::nullopt, colours::kRed, LineStyle::Dot});
  panel.items.push_back(
      ChartText{{5, 6}, "01", colours::kGreen, HAlign::Centre, VAlign::Bottom, true});
  panel.items.push_back(ChartSprite{7, 8, 20, 20, 4, 2});
  chart.panels.push_back(panel);
  chart.panels.push_back(ChartPanel{});
  EXPECT_EQ(ChartDump(chart),
            "chart 300x200 #ffffff\n"
            "panel 1 \"和值\"\n"
            "  origin (24.00,170.50) plot 260.00x150.00\n"
            "  x 10..46 scale 7.22 ticks 1/3 count 36/12\n"
            "  y -30..650 scale 0.33 ticks 10/10 count 0/0 downward\n"
            "  x labels \"2009013\" \"预测区\"\n"
            "  y labels \"10\"\n"
            "  line (24.00,170.50)-(284.00,0.00) #800080 1.00 dash\n"
            "  disc (31.22,100.00) r 5.00 #0000ff on #000000\n"
            "  box 1.00,2.00 3.00x4.00 none on #ff0000 dot\n"
            "  text (5.00,6.00) \"01\" #008000 centre bottom bold\n"
            "  sprite 7.00,8.00 20.00x20.00 strip 4 index 2\n"
            "panel 2 \"\"\n"
            "  origin (0.00,0.00) plot 0.00x0.00\n"
            "  x 0..0 scale 0.00 ticks 1/3 count 0/0\n"
            "  y 0..0 scale 0.00 ticks 10/10 count 0/0\n"
            "  x labels\n"
            "  y labels\n");
}

}  // namespace
}  // namespace dlt
