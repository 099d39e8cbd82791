// Legends in words: each says what a mark of its chart means, and covers
// every mark the chart draws.
#include "trend/legends.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "support/test_support.h"
#include "trend/distribution_chart.h"
#include "trend/number_matrix.h"
#include "trend/omission_grid.h"

namespace dlt {
namespace {

using test::MakeDraw;

using SpriteId = std::pair<int, int>;  // kind, index

std::set<SpriteId> SpritesOf(const Chart& chart) {
  std::set<SpriteId> sprites;
  for (const ChartPanel& p : chart.panels)
    for (const ChartSprite& s : p.ItemsOf<ChartSprite>()) sprites.insert({s.kind, s.index});
  return sprites;
}

std::set<SpriteId> SpritesOf(const std::vector<LegendEntry>& legend) {
  std::set<SpriteId> sprites;
  for (const LegendEntry& e : legend)
    if (const auto* s = std::get_if<ChartSprite>(&e.swatch)) sprites.insert({s->kind, s->index});
  return sprites;
}

// Draws with a run of three (05 06 07), a run of two (20 21) and single numbers.
std::vector<Draw> RunsHistory() {
  std::vector<Draw> draws;
  for (int i = 0; i < 25; ++i)
    draws.push_back(i % 2 ? MakeDraw(2020001 + i, {5, 6, 7, 20, 21}, {1, 2})
                          : MakeDraw(2020001 + i, {1, 10, 14, 28, 33}, {3, 4}));
  return draws;
}

TEST(Legends, DistributionLegendNamesTheRunsOfEachColour) {
  const struct {
    int style;
    std::vector<std::pair<int, std::string>> entries;  // colour, words
  } cases[] = {
      {0,
       {{0, "不在连号、重号、斜连号中"},
        {1, "二个连号、重号或斜连号"},
        {2, "三个以上连号、重号或斜连号"}}},
      {1,
       {{0, "不在连号、重号、斜连号中"},
        {1, "二个连号、重号或斜连号"},
        {2, "三个以上连号、重号或斜连号"}}},
      {2,
       {{0, "不在连号、重号、斜连号中，二个连号、重号或斜连号"},
        {2, "三个以上连号、重号或斜连号"}}},
      {3, {{0, "开出的号码（不标识）"}}},
  };
  for (const auto& c : cases) {
    const std::vector<LegendEntry> legend = DistributionLegend(0, c.style);
    ASSERT_EQ(legend.size(), c.entries.size()) << c.style;
    for (size_t i = 0; i < legend.size(); ++i) {
      const auto* sprite = std::get_if<ChartSprite>(&legend[i].swatch);
      ASSERT_NE(sprite, nullptr);
      EXPECT_EQ(sprite->kind, 2) << "balls in display mode 0";
      EXPECT_EQ(sprite->index, c.entries[i].first) << c.style;
      EXPECT_EQ(legend[i].words, c.entries[i].second) << c.style;
    }
  }
  // Squares in the square display modes.
  for (const LegendEntry& e : DistributionLegend(2, 0))
    EXPECT_EQ(std::get<ChartSprite>(e.swatch).kind, 1);
}

TEST(Legends, TheDistributionLegendCoversEveryMarkDrawn) {
  const std::vector<Draw> draws = RunsHistory();
  const DistributionPage page = ComputeDistributionPage(draws, 3);
  for (int mode = 0; mode < 4; ++mode)
    for (int style = 0; style < 4; ++style) {
      const Chart chart = DistributionChart(page, 760, 400, mode, style);
      const std::set<SpriteId> drawn = SpritesOf(chart);
      ASSERT_FALSE(drawn.empty());
      EXPECT_EQ(drawn, SpritesOf(DistributionLegend(mode, style)))
          << "mode " << mode << " style " << style;
    }
}

TEST(Legends, TheMatrixLegendCoversItsCellsAndDiscs) {
  const std::vector<Draw> draws = RunsHistory();
  const FixedTextMetrics metrics;
  const MatrixPicture picture = MatrixChart(draws, 10, MatrixPictureSetup{}, 1200, 600, metrics);
  const std::vector<LegendEntry> legend = MatrixLegend();
  EXPECT_EQ(SpritesOf(picture.chart), SpritesOf(legend));
  ASSERT_EQ(legend.size(), 3u);
  const auto& disc = std::get<ChartDisc>(legend[0].swatch);
  EXPECT_EQ(disc.fill, colours::kRed);
  EXPECT_EQ(legend[0].words, "开出的号码");
  EXPECT_EQ(legend[1].words, "空行或空列中的格");
  EXPECT_EQ(legend[2].words, "其他格");
  // The drawn numbers' discs are the legend's colour.
  for (const ChartDisc& d : picture.chart.panels[0].ItemsOf<ChartDisc>())
    EXPECT_EQ(d.fill, disc.fill);
}

TEST(Legends, PartitionLegendShowsBothFills) {
  const ChartColour odd{255, 219, 247}, even{231, 239, 255};
  const std::vector<LegendEntry> legend = PartitionLegend(odd, even, false);
  ASSERT_EQ(legend.size(), 2u);
  EXPECT_EQ(std::get<ChartBox>(legend[0].swatch).fill, odd);
  EXPECT_EQ(std::get<ChartBox>(legend[1].swatch).fill, even);
  EXPECT_EQ(legend[0].words, "第1、3、5…分区");
  EXPECT_EQ(legend[1].words, "第2、4、6…分区");
  // Columns sorted by type are shaded by their type groups.
  const std::vector<LegendEntry> byType = PartitionLegend(odd, even, true);
  EXPECT_EQ(byType[0].words, "第1、3、5…类型组");
  EXPECT_EQ(byType[1].words, "第2、4、6…类型组");
  OmissionGridSetup setup;
  setup.kind = OmissionGridKind::Front;
  EXPECT_FALSE(ShadesTypeGroups(setup));
  setup.order = 2;
  EXPECT_TRUE(ShadesTypeGroups(setup));
  setup.kind = OmissionGridKind::Back;
  EXPECT_FALSE(ShadesTypeGroups(setup));
  // Every swatch lies inside its square.
  for (const LegendEntry& e : legend) {
    const auto& box = std::get<ChartBox>(e.swatch);
    EXPECT_GE(box.x, 0);
    EXPECT_LE(box.x + box.width, kLegendSwatch);
  }
}

}  // namespace
}  // namespace dlt
