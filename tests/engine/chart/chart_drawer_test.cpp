#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_builder.h"
#include "chart/indicator_panel.h"
#include "support/test_support.h"

namespace dlt {
namespace {

std::vector<std::string> Labels(std::initializer_list<int> values) {
  std::vector<std::string> out;
  for (int v : values) out.push_back(std::to_string(v));
  return out;
}

TEST(ChartDrawer, ValueAxisTickRules) {
  struct Case {
    int32_t min, max;
    int major, minor;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {3, 65, 70, 10, Labels({10, 17, 24, 31, 38, 45, 52, 59})},
      // Above a range of 100 the minor step is the major one.
      {15, 165, 160, 160, Labels({31, 47, 63, 79, 95, 111, 127, 143, 159})},
      {0, 10, 20, 10, Labels({2, 4, 6, 8, 10})},
      {0, 9, 10, 10, Labels({1, 2, 3, 4, 5, 6, 7, 8, 9})},
      {1, 31, 40, 10, Labels({5, 9, 13, 17, 21, 25, 29})},
      // A key missing from the catalogue: no range, no labels.
      {0, 0, 10, 10, {}},
  };
  for (const Case& c : cases) {
    const ValueAxis a = IndicatorValueAxis(c.min, c.max);
    EXPECT_EQ(a.yMin, c.min * 10);
    EXPECT_EQ(a.yMax, c.max * 10);
    EXPECT_EQ(a.yMajorUnits, c.major) << c.min << ".." << c.max;
    EXPECT_EQ(a.yMinorUnits, c.minor) << c.min << ".." << c.max;
    EXPECT_EQ(a.labels, c.labels) << c.min << ".." << c.max;
  }
}

TEST(ChartDrawer, DerivedScalesAndZeroRanges) {
  tcoordinate c;
  c.plotWidth = 720;
  c.plotHeight = 310;
  c.xFirst = 100;
  c.xLast = 136;
  c.yMin = 30;
  c.yMax = 650;
  c.yMinorUnits = 10;
  c.yMajorUnits = 70;
  const tcoordinate d = DeriveScales(c);
  EXPECT_DOUBLE_EQ(d.xScale, 20);
  EXPECT_DOUBLE_EQ(d.yScale, 0.5);
  EXPECT_DOUBLE_EQ(d.xMajorSpacing, 60);
  EXPECT_DOUBLE_EQ(d.yMajorSpacing, 35);
  EXPECT_EQ(d.xMinorTicks, 36);
  EXPECT_EQ(d.xMajorTicks, 12);
  EXPECT_EQ(d.yMinorTicks, 62);
  EXPECT_EQ(d.yMajorTicks, 8);
  EXPECT_EQ(PlotPosition(d, 103, 400), (ChartPoint{60, -185}));

  // No range on either axis (empty history, unknown key): finite, no ticks.
  tcoordinate z = c;
  z.xLast = z.xFirst;
  z.yMax = z.yMin;
  z.yMajorUnits = 0;
  const tcoordinate dz = DeriveScales(z);
  EXPECT_EQ(dz.xScale, 0);
  EXPECT_EQ(dz.yScale, 0);
  EXPECT_EQ(dz.xMajorTicks, 0);
  EXPECT_EQ(dz.yMajorTicks, 0);
  EXPECT_EQ(PlotPosition(dz, 120, 77), (ChartPoint{0, 0}));
}

TEST(ChartDrawer, IndicatorPanelPlacesAxesPointsAndForecastBox) {
  std::vector<Draw> draws = test::RandomHistory(50);
  draws.back().qs = kForecastQs;
  const FixedTextMetrics metrics(7, 14);
  IndicatorPanelSetup setup;
  setup.draws = draws;
  setup.anchor = 13;
  setup.span = 36;
  for (int i = 13; i < 50; ++i) setup.values.push_back(draws[i].front[0] + draws[i].front[4]);
  setup.min = 3;
  setup.max = 65;
  setup.title = "线和5_1";
  setup.width = 800;
  setup.height = 400;
  setup.layout = PanelLayout::UpperHalf;
  const ChartPanel p = IndicatorPanel(setup, metrics);
  const tcoordinate& c = p.coord;
  EXPECT_DOUBLE_EQ(c.originX, 2 * 7 + 10);  // the widest label "59" + 10
  EXPECT_DOUBLE_EQ(c.originY, 170);
  EXPECT_DOUBLE_EQ(c.plotHeight, 150);
  EXPECT_DOUBLE_EQ(c.plotWidth, 740);
  EXPECT_EQ(c.yMajorTicks, 8);

  // Labels drawn: the title, eight y labels, twelve issues (the last is the forecast).
  std::vector<std::string> texts;
  for (const ChartText& t : p.ItemsOf<ChartText>()) texts.push_back(t.text);
  EXPECT_EQ(texts.front(), "线和5_1");
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(texts[k], IssueText(draws[13 + 3 * k].qs));
  EXPECT_EQ(texts[12], "预测区");
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 13, texts.begin() + 21),
            Labels({10, 17, 24, 31, 38, 45, 52, 59}));

  // 37 points: the anchor and 36 more, at their plotted places.
  const auto discs = p.ItemsOf<ChartDisc>();
  ASSERT_EQ(discs.size(), 37u);
  for (int i = 0; i < 37; ++i) {
    EXPECT_EQ(discs[i].centre, PlotPosition(c, 13 + i, *setup.values[i] * 10));
    EXPECT_EQ(texts[21 + i], std::to_string(*setup.values[i]));
  }
  // The forecast record, last and plotted, is boxed in dotted red one step wide.
  const auto boxes = p.ItemsOf<ChartBox>();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].outline, colours::kRed);
  EXPECT_EQ(boxes[0].style, LineStyle::Dot);
  EXPECT_DOUBLE_EQ(boxes[0].width, c.xScale);
  EXPECT_DOUBLE_EQ(boxes[0].x + boxes[0].width / 2, discs.back().centre.x);

  // A page ending before the last draw has no box; fewer draws end the labels.
  setup.anchor = 30;
  setup.values.resize(10);
  EXPECT_TRUE(IndicatorPanel(setup, metrics).ItemsOf<ChartBox>().empty());
  EXPECT_EQ(IndicatorPanel(setup, metrics).coord.xLabels.size(), 6u);
}

TEST(ChartDrawer, EmptyAndRangelessPanelsStayFinite) {
  const FixedTextMetrics metrics;
  IndicatorPanelSetup setup;
  setup.width = 300;
  setup.height = 200;
  setup.values = {std::nullopt};
  const ChartPanel p = IndicatorPanel(setup, metrics);
  for (const ChartLine& l : p.ItemsOf<ChartLine>())
    EXPECT_TRUE(std::isfinite(l.from.y) && std::isfinite(l.to.y) && std::isfinite(l.to.x));
  EXPECT_TRUE(p.ItemsOf<ChartDisc>().empty());
  EXPECT_EQ(PeriodOfText("显示45期"), 45);
  EXPECT_EQ(PeriodOfText("显示40期"), 0);
}

}  // namespace
}  // namespace dlt
