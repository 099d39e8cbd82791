#include "chart/page_window.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

TEST(PageWindow, TheLastDrawShownNeverPassesTheHistory) {
  struct Case {
    int anchor, span, drawCount, lastShown;
  };
  const Case cases[] = {
      {0, kPageSpan, 100, 36}, {63, kPageSpan, 100, 99}, {70, kPageSpan, 100, 99},
      {10, 45, 100, 55},       {10, 0, 100, 10},         {10, -5, 100, 10},
      {0, kPageSpan, 1, 0},    {0, kPageSpan, 0, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ((PageWindow{c.anchor, c.span}.LastShownOf(c.drawCount)), c.lastShown)
        << c.anchor << "+" << c.span << " of " << c.drawCount;
  EXPECT_EQ(PageWindow{}.span, 36);
}

TEST(PageWindow, TheLastPageEndsOnTheLastDraw) {
  for (int count : {0, 1, 36, 37, 38, 100, 2911}) {
    const PageWindow last{LastPageAnchor(count)};
    if (count > kPageSpan) {
      EXPECT_EQ(last.anchor + kPageSpan, count - 1) << count;
    } else {
      EXPECT_EQ(last.anchor, 0) << count;
    }
    EXPECT_EQ(last.LastShownOf(count), count - 1) << count;
  }
}

}  // namespace
}  // namespace dlt
