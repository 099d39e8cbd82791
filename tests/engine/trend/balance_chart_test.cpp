#include "trend/balance_chart.h"

#include <gtest/gtest.h>

#include "chart/tcoordinate.h"

namespace dlt {
namespace {

TEST(BalanceChart, RoundSteps) {
  const std::pair<int64_t, int64_t> cases[] = {{0, 1},     {1, 1},     {8, 1},       {9, 2},
                                               {16, 2},    {17, 5},    {40, 5},      {41, 10},
                                               {800, 100}, {801, 200}, {12345, 2000}};
  for (const auto& [range, step] : cases) EXPECT_EQ(RoundStep(range, 8), step) << range;
}

TEST(BalanceChart, TheValueAxisTakesInZeroAndEveryBalance) {
  const FixedTextMetrics metrics;
  // -10 元, -20 元, +985 元 after three draws.
  const std::vector<BalancePoint> points = {{2026011, -1000}, {2026012, -2000}, {2026013, 98500}};
  const Chart chart = BalanceChart(points, 600, 300, metrics);
  ASSERT_EQ(chart.panels.size(), 1u);
  const ChartPanel& p = chart.panels[0];
  EXPECT_EQ(p.coord.yMajorUnits, 200);
  EXPECT_EQ(p.coord.yMin, -200);
  EXPECT_EQ(p.coord.yMax, 1000);
  EXPECT_EQ(p.coord.yLabels.front(), "0");
  EXPECT_EQ(p.coord.yLabels.back(), "1000");
  const auto discs = p.ItemsOf<ChartDisc>();
  ASSERT_EQ(discs.size(), 3u);
  // The second point is lowest on screen, the third highest.
  EXPECT_GT(discs[1].centre.y, discs[0].centre.y);
  EXPECT_LT(discs[2].centre.y, discs[0].centre.y);
  EXPECT_DOUBLE_EQ(discs[0].centre.y, PlotY(p.coord, -10));
  // Every point inside the plot area, left to right.
  for (size_t i = 0; i < discs.size(); ++i) {
    EXPECT_GT(discs[i].centre.x, p.coord.originX);
    EXPECT_LT(discs[i].centre.x, p.coord.originX + p.coord.plotWidth);
    if (i) {
      EXPECT_GT(discs[i].centre.x, discs[i - 1].centre.x);
    }
  }
  std::vector<std::string> texts;
  for (const ChartText& t : p.ItemsOf<ChartText>()) texts.push_back(t.text);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "985"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "2026011"), texts.end());
}

TEST(BalanceChart, NoGradedDrawGivesAnEmptyPanel) {
  const FixedTextMetrics metrics;
  const Chart chart = BalanceChart({}, 400, 200, metrics);
  ASSERT_EQ(chart.panels.size(), 1u);
  EXPECT_TRUE(chart.panels[0].ItemsOf<ChartDisc>().empty());
  EXPECT_EQ(chart.panels[0].coord.yMin, 0);
  EXPECT_EQ(chart.panels[0].coord.yMax, 1);
}

}  // namespace
}  // namespace dlt
