// The one draw-range type of the statistics windows, the analysis counts and
// the backtest: "近" N draws, a custom range, and the default starts.
#include "history/draw_range.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace dlt {
namespace {

using test::MakeDraw;

TEST(DrawRange, NearCustomAndBetween) {
  const std::vector<Draw> draws = {MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 2}),
                                   MakeDraw(2009002, {3, 12, 18, 27, 35}, {5, 11}),
                                   MakeDraw(2009003, {7, 8, 17, 24, 33}, {6, 12})};
  struct Case {
    DrawRange got, want;
  };
  const Case cases[] = {
      {NearRange(150, 100), {149, 100}},
      {NearRange(50, 100), {49, 50}},  // shorter history: all of it
      {NearRange(50, NearCountOfText("所有", 50)), {49, 50}},
      {NearRange(0, 100), {-1, 0}},
      {NearRange(10, -3), {9, 0}},
      {CustomRange(draws, 2009001, 2009002), {1, 2}},
      {CustomRange(draws, 2009003, 2009001), {0, 0}},  // start after the end: empty
      {CustomRange(draws, 2009001, 2009009), {-1, 0}},
      {RangeBetween(10, 8, 3), {8, 6}},  // either order
      {RangeBetween(10, 3, 8), {8, 6}},
      {RangeBetween(10, -4, 20), {9, 10}},  // clamped to the history
      {RangeBetween(10, 4, 4), {4, 1}},
      {RangeBetween(0, 0, 5), {-1, 0}},
      {RangeBetween(10, 12, 15), {9, 0}},  // wholly past the end: empty
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.want.last << "/" << c.want.count;
  EXPECT_EQ(RangeBetween(10, 8, 3).First(), 3);
  EXPECT_TRUE(RangeBetween(10, 12, 15).Empty());
}

TEST(DrawRange, BoxTextsAndTheirCounts) {
  const std::vector<std::string>& texts = NearCountTexts();
  ASSERT_EQ(texts.size(), 18u);
  EXPECT_EQ(texts.front(), "5");
  EXPECT_EQ(texts[12], std::to_string(kDefaultNearCount));
  EXPECT_EQ(texts.back(), "所有");
  for (size_t i = 0; i + 1 < texts.size(); ++i)
    EXPECT_EQ(NearCountOfText(texts[i], 5000), std::stoi(texts[i])) << texts[i];
  EXPECT_EQ(NearCountOfText("所有", 321), 321);
  EXPECT_EQ(NearCountOfText("37", 50), 37);  // typed into an editable box
  for (const char* bad : {"3x", "", "0", "-5", " 5", "所"}) EXPECT_EQ(NearCountOfText(bad, 50), 0);
}

TEST(DrawRange, DefaultStartsOfTheGridsAndTheCustomRanges) {
  struct Case {
    int drawCount, grid, custom;
  };
  // The grids start on the first of the last 100 draws; a custom range on
  // the issue 100 before the last, so it holds 101 draws.
  const Case cases[] = {{0, 0, 0},   {1, 0, 0},   {100, 0, 0},
                        {101, 1, 0}, {102, 2, 1}, {2911, 2811, 2810}};
  for (const Case& c : cases) {
    EXPECT_EQ(DefaultGridStart(c.drawCount), c.grid) << c.drawCount;
    EXPECT_EQ(DefaultRangeStart(c.drawCount), c.custom) << c.drawCount;
  }
}

}  // namespace
}  // namespace dlt
