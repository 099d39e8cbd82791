// The marks on the omission grids' selection rows and the forecast draw the
// front marks make.
#include "trend/grid_selection.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

TEST(GridSelection, ValuesToggleWithinOneToFortyAndTailsCycleThroughFourMarks) {
  GridSelection s;
  for (int v : {0, 1, 35, 36, 40, 41, -3}) s.Toggle(v);
  EXPECT_FALSE(s.IsMarked(0));
  EXPECT_TRUE(s.IsMarked(1));
  EXPECT_TRUE(s.IsMarked(35));
  EXPECT_TRUE(s.IsMarked(36));  // a back number beside the front ones
  EXPECT_TRUE(s.IsMarked(40));
  EXPECT_FALSE(s.IsMarked(41));
  EXPECT_FALSE(s.IsMarked(-3));
  s.Toggle(35);
  EXPECT_FALSE(s.IsMarked(35));
  EXPECT_EQ(s.MarkedFront(), (std::vector<int>{1}));  // 36 and 40 are no front numbers

  const int expected[] = {1, 2, 3, 0, 1};
  for (int step : expected) {
    s.CycleTail(9);
    EXPECT_EQ(s.TailMark(9), step);
  }
  s.CycleTail(10);
  s.CycleTail(-1);
  EXPECT_EQ(s.TailMark(10), 0);
  EXPECT_EQ(s.TailMark(-1), 0);
  s.CycleTail(0);
  s.ClearTails();
  EXPECT_EQ(s.TailMark(0), 0);
  EXPECT_EQ(s.TailMark(9), 0);
  EXPECT_TRUE(s.IsMarked(1));  // the values keep their marks
  s.ClearValues();
  EXPECT_FALSE(s.IsMarked(1));
  EXPECT_FALSE(s.IsMarked(40));
}

TEST(GridSelection, OnlyExactlyFiveFrontMarksMakeTheForecastDraw) {
  struct Case {
    std::vector<int> marked;
    std::optional<std::array<uint8_t, 5>> front;
  };
  const Case cases[] = {
      {{}, std::nullopt},
      {{3, 8, 15, 22}, std::nullopt},
      {{3, 8, 15, 22, 30, 31}, std::nullopt},
      {{30, 3, 22, 8, 15}, std::array<uint8_t, 5>{3, 8, 15, 22, 30}},
      // Back numbers marked beside them do not count toward the five.
      {{1, 2, 3, 4, 35, 36, 40}, std::array<uint8_t, 5>{1, 2, 3, 4, 35}},
      {{1, 2, 3, 4, 36}, std::nullopt},
  };
  for (const Case& c : cases) {
    GridSelection s;
    for (int v : c.marked) s.Toggle(v);
    const std::optional<Draw> forecast = ForecastOfSelection(s);
    ASSERT_EQ(forecast.has_value(), c.front.has_value()) << c.marked.size();
    if (!forecast) continue;
    EXPECT_EQ(forecast->qs, kForecastQs);
    EXPECT_EQ(forecast->front, *c.front);
    EXPECT_EQ(forecast->back, (std::array<uint8_t, 2>{1, 2}));
  }
}

}  // namespace
}  // namespace dlt
