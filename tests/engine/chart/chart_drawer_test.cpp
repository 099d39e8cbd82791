#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_builder.h"
#include "chart/indicator_panel.h"
#include "support/test_support.h"
#include "trend/framed_charts.h"
#include "trend/indicator_chart.h"

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

// Values past the catalogue range (an omission of 319 against 0..150)
// widen the axis on that side: every point lies inside the plot area.
TEST(ChartDrawer, TheAxisHoldsEveryValueShown) {
  const std::vector<Draw> draws = test::RandomHistory(40);
  const FixedTextMetrics metrics(7, 14);
  IndicatorPanelSetup setup;
  setup.draws = draws;
  setup.anchor = 0;
  setup.span = 36;
  setup.values = {3, 319, 150, std::nullopt, 304, 0};
  setup.min = 0;
  setup.max = 150;
  setup.width = 800;
  setup.height = 400;
  const ChartPanel p = IndicatorPanel(setup, metrics);
  const tcoordinate& c = p.coord;
  EXPECT_EQ(c.yMin, 0);
  EXPECT_GE(c.yMax, 3190);
  for (const ChartDisc& d : p.ItemsOf<ChartDisc>()) {
    EXPECT_LE(d.centre.y, c.originY);
    EXPECT_GE(d.centre.y, c.originY - c.plotHeight);
  }
  // Within the range the catalogue's axis stays; below it the axis widens down.
  EXPECT_EQ(RangeHolding(0, 150, {3, 150, std::nullopt}), (AxisRange{0, 150}));
  EXPECT_EQ(RangeHolding(15, 165, {12, 100}), (AxisRange{12, 165}));
  EXPECT_EQ(RangeHolding(0, 150, {319, 304}), (AxisRange{0, 319}));
}

// The fixed axes of "离中量" widen in whole steps where a draw passes them:
// 01 02 03 04 35 varies by 144%, 01..05 has the mean 3 (below 4..32).
TEST(ChartDrawer, DispersionAxesHoldEveryDraw) {
  const std::vector<Draw> draws = {test::MakeDraw(2009001, {1, 2, 3, 4, 35}, {1, 2}),
                                   test::MakeDraw(2009002, {1, 2, 3, 4, 5}, {1, 2}),
                                   test::MakeDraw(2009003, {10, 15, 20, 25, 30}, {1, 2})};
  TrendPage page;
  page.draws = draws;
  page.span = 36;
  page.width = 800;
  page.height = 400;
  const FixedTextMetrics metrics(7, 14);
  const struct {
    DispersionKind kind;
    int32_t yMin, yMax;
    const char* firstLabel;
  } cases[] = {{DispersionKind::Mean, 0, 32, "4"},
               {DispersionKind::StandardDeviation, 10, 210, "3"},
               {DispersionKind::Variation, 0, 150, "10"}};
  for (const auto& k : cases) {
    const Chart chart = DispersionChart(page, k.kind, metrics);
    const tcoordinate& c = chart.panels.at(0).coord;
    EXPECT_EQ(c.yMin, k.yMin);
    EXPECT_EQ(c.yMax, k.yMax);
    EXPECT_EQ(c.yLabels.front(), k.firstLabel);
    EXPECT_EQ(static_cast<int>(c.yLabels.size()), (k.yMax - k.yMin) / c.yMajorUnits);
    for (const ChartDisc& d : chart.panels[0].ItemsOf<ChartDisc>()) {
      EXPECT_LE(d.centre.y, c.originY + 1e-9);
      EXPECT_GE(d.centre.y, c.originY - c.plotHeight - 1e-9);
    }
  }
}

// Issue labels that would run together are thinned evenly, the last one
// kept, and their second line with them.
TEST(ChartDrawer, XLabelsNeverRunTogether) {
  EXPECT_EQ(LabelStride(60, 49), 1);
  EXPECT_EQ(LabelStride(30, 49), 2);
  EXPECT_EQ(LabelStride(10, 49), 6);
  EXPECT_EQ(LabelStride(0, 49), 1);
  const FixedTextMetrics metrics(7, 14);
  ChartPanel panel;
  tcoordinate& c = panel.coord;
  c.originX = 30;
  c.originY = 200;
  c.plotWidth = 36 * 20;  // 20 pixels a label, "2024" 28 wide
  c.plotHeight = 150;
  c.xFirst = 0;
  c.xLast = 37;
  c.xMajorUnits = c.xMinorUnits = 1;
  c.yMax = 10;
  for (int k = 0; k < 36; ++k) {
    c.xLabels.push_back(k == 35 ? "预测区" : "2024");
    c.xLabels2.push_back(k == 35 ? "" : std::to_string(100 + k));
  }
  AddAxes(panel, metrics);
  std::vector<ChartText> first, second;
  for (const ChartText& t : panel.ItemsOf<ChartText>())
    (t.at.y == c.originY + 5 ? first : second).push_back(t);
  // "预测区" is 42 wide: every third label.
  ASSERT_EQ(first.size(), 12u);
  EXPECT_EQ(first.back().text, "预测区");
  for (size_t i = 1; i < first.size(); ++i)
    EXPECT_GE(first[i].at.x - first[i - 1].at.x, metrics.Width("预测区") + 4);
  ASSERT_EQ(second.size(), 11u);
  EXPECT_EQ(second.back().text, "132");
  EXPECT_EQ(second.back().at.x, first[first.size() - 2].at.x);
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
  // The period box's choices are zoom box entries.
  EXPECT_EQ(PeriodTexts().size(), 5u);
  EXPECT_EQ(SpanOfText(PeriodTexts()[1]), 45);
}

}  // namespace
}  // namespace dlt
