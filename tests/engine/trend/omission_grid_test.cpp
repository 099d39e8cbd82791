#include "trend/omission_grid.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace dlt {
namespace {

using test::MakeDraw;

std::vector<Draw> SmallHistory() {
  return {MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 2}),
          MakeDraw(2009002, {1, 6, 7, 8, 9}, {3, 4}),
          MakeDraw(2009003, {1, 10, 11, 12, 13}, {1, 5}),
          MakeDraw(2009004, {6, 14, 15, 16, 17}, {1, 6}),
          MakeDraw(2009005, {2, 18, 19, 20, 21}, {7, 8}),
          MakeDraw(2009006, {6, 22, 23, 24, 25}, {9, 12})};
}

TEST(OmissionGrid, StatisticsOfTheEdgeCases) {
  const std::vector<Draw> draws = SmallHistory();
  const OmissionGrid g = ComputeOmissionGrid(draws, {OmissionGridKind::Front, 0, 5, 0, 3});
  ASSERT_EQ(g.Rows(), 6);
  ASSERT_EQ(g.Columns(), 35);
  struct Case {
    int value;
    std::vector<int32_t> cells;  // per row: the value on a hit, else the omission count
    OmissionStats stats;         // hits, largest, smallest, average, last, current
  };
  const Case cases[] = {
      // Consecutive hits: omissions of 0, average 0.
      {1, {1, 1, 1, 1, 2, 3}, {3, 0, 0, 0, 0, 3}},
      // Hit in the first row only: no completed omission.
      {3, {3, 1, 2, 3, 4, 5}, {1, 9999, 9999, 9999, 9999, 5}},
      // Never hit.
      {35, {1, 2, 3, 4, 5, 6}, {0, 9999, 9999, 9999, 9999, 6}},
      // Hit in the last row: 本次遗漏 0.
      {6, {1, 6, 1, 6, 1, 6}, {3, 1, 1, 1, 1, 0}},
      // One omission of 3 over two hits: 1.5 rounds to 2.
      {2, {2, 1, 2, 3, 2, 1}, {2, 3, 3, 2, 3, 1}},
  };
  for (const Case& c : cases) {
    const int col = c.value - 1;
    for (int r = 0; r < 6; ++r)
      EXPECT_EQ(g.Cell(r, col).value, c.cells[r]) << c.value << " row " << r;
    EXPECT_EQ(g.stats[col], c.stats) << c.value;
  }
  EXPECT_EQ(g.drawTexts[0], "01 02 03 04 05 ");
  EXPECT_EQ(g.issues[5], 2009006);
  const int32_t shown[] = {1, 9999, 9999, 9999, 5};  // the five statistic rows of number 3
  for (int row = 0; row < 5; ++row) EXPECT_EQ(StatisticValue(g.stats[2], row), shown[row]);
  EXPECT_EQ(StatisticRowTitles()[4], "本次遗漏");

  // A sub-range restarts the walk; reversed bounds mean the same range.
  const OmissionGrid sub = ComputeOmissionGrid(draws, {OmissionGridKind::Front, 5, 3, 0, 3});
  ASSERT_EQ(sub.Rows(), 3);
  // Number 6 hit in its first and last rows: one omission of 1 over two hits, 0.5 rounds to 0.
  EXPECT_EQ(sub.stats[5], (OmissionStats{2, 1, 1, 0, 1, 0}));
  // An empty history gives an empty grid with its columns.
  const OmissionGrid empty = ComputeOmissionGrid({}, {OmissionGridKind::Front, 0, -1, 0, 3});
  EXPECT_EQ(empty.Rows(), 0);
  EXPECT_EQ(empty.stats[0].current, 0);
}

TEST(OmissionGrid, ZonesTailsAndMarkers) {
  const std::vector<Draw> draws = {MakeDraw(2009001, {3, 13, 23, 24, 34}, {3, 12}),
                                   MakeDraw(2009002, {1, 2, 12, 20, 35}, {2, 12})};
  // Tails: 3 three times is colour 2, 4 twice colour 1, once colour 0.
  const OmissionGrid tails = ComputeOmissionGrid(draws, {OmissionGridKind::Tail, 0, 1, 0, 2});
  EXPECT_EQ(tails.drawTexts[0], "3 3 3 4 4 ");
  EXPECT_EQ(tails.Cell(0, 3).marker, 2);
  EXPECT_EQ(tails.Cell(0, 4).marker, 1);
  EXPECT_EQ(tails.Cell(1, 5).marker, 0);
  EXPECT_FALSE(tails.Cell(0, 1).Hit());
  const OmissionGrid tailsBack =
      ComputeOmissionGrid(draws, {OmissionGridKind::TailWithBack, 0, 1, 0, 2});
  EXPECT_EQ(tailsBack.drawTexts[1], "1 2 2 0 5 | 2 2 ");
  EXPECT_EQ(tailsBack.Cell(1, 2).marker, 2);  // 02, 12 and the back 02, 12

  // Front and back together: a back number is a hit of its column in colour 1.
  const OmissionGrid both =
      ComputeOmissionGrid(draws, {OmissionGridKind::FrontWithBack, 0, 1, 0, 3});
  EXPECT_EQ(both.drawTexts[0], "03 13 23 24 34 | 03,12,");
  EXPECT_EQ(both.Cell(0, 11).marker, 1);  // 12, back only
  EXPECT_EQ(both.Cell(0, 2).marker, 1);   // 03 in both zones
  EXPECT_EQ(both.Cell(0, 12).marker, 0);  // 13, front only
  const OmissionGrid back = ComputeOmissionGrid(draws, {OmissionGridKind::Back, 0, 1, 5, 2});
  EXPECT_EQ(back.Columns(), 12);
  EXPECT_EQ(back.columns[0], 1);  // the back grid keeps the natural order
  EXPECT_EQ(back.backgroundBounds, (std::vector<int>{6, 12}));
  EXPECT_EQ(back.stats[11], (OmissionStats{2, 0, 0, 0, 0, 0}));
}

TEST(OmissionGrid, BackgroundsFollowTheColumnOrder) {
  // The front grid colours by partitions in the natural order, by groups otherwise.
  const std::vector<Draw> draws = SmallHistory();
  EXPECT_EQ(ComputeOmissionGrid(draws, {OmissionGridKind::Front, 0, 5, 0, 3}).backgroundBounds,
            (std::vector<int>{11, 23, 35}));
  EXPECT_EQ(ComputeOmissionGrid(draws, {OmissionGridKind::Front, 0, 5, 1, 3}).backgroundBounds,
            (std::vector<int>{12, 35}));
}

}  // namespace
}  // namespace dlt
