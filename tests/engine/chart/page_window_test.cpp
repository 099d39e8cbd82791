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

TEST(PageWindow, MovesStopAtTheFirstDrawAndTheNewestFullPage) {
  using enum PageMove;
  struct Case {
    PageMove move;
    int anchor, span, drawCount, after;
  };
  const Case cases[] = {
      // Paging by the page's span, whatever the zoom; forward stops at the
      // newest full page, and an anchor already past it stays.
      {kPageForward, 50, 36, 150, 86},
      {kPageForward, 100, 36, 150, 113},
      {kPageForward, 113, 36, 150, 113},
      {kPageForward, 10, 100, 150, 49},
      {kPageForward, 50, 100, 150, 50},
      {kPageForward, 140, 36, 150, 140},
      {kPageForward, 149, 36, 150, 149},
      {kPageBack, 86, 36, 150, 50},
      {kPageBack, 20, 36, 150, 0},
      {kPageBack, 0, 36, 150, 0},
      {kPageBack, 300, 250, 2911, 50},
      // One draw at a time.
      {kStepForward, 104, 36, 150, 105},
      {kStepForward, 112, 36, 150, 113},
      {kStepForward, 113, 36, 150, 113},
      {kStepForward, 149, 36, 150, 149},
      {kStepForward, 3, 36, 20, 3},
      {kStepBack, 105, 36, 150, 104},
      {kStepBack, 0, 36, 150, 0},
      // The first page, and the newest full page for the page's span.
      {kFirst, 90, 36, 150, 0},
      {kNewest, 0, 36, 150, 113},
      {kNewest, 149, 36, 150, 113},
      {kNewest, 0, 45, 200, 154},
      {kNewest, 0, 500, 2911, 2410},
      {kNewest, 5, 36, 30, 0},
      {kNewest, 0, 36, 37, 0},
      {kNewest, 0, 36, 38, 1},
      // An empty history, and a page span never below one draw.
      {kPageForward, 0, 36, 0, 0},
      {kNewest, 0, 36, 0, 0},
      {kPageForward, 3, 0, 10, 4},
      {kPageBack, 3, -5, 10, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnchorAfter(c.move, c.anchor, c.span, c.drawCount), c.after)
        << static_cast<int>(c.move) << " from " << c.anchor << " span " << c.span << " of "
        << c.drawCount;
  }
  // The newest page ends on the last draw, as where the charts open.
  for (int count : {1, 36, 37, 100, 2911})
    EXPECT_EQ(AnchorAfter(PageMove::kNewest, 0, kPageSpan, count), LastPageAnchor(count)) << count;
}

TEST(PageWindow, ZoomChangesTheDrawsPerPageWithinTheBounds) {
  struct Case {
    int span, notches, zoomed;
  };
  const Case cases[] = {
      {36, 0, 36},    {36, 1, 29},   {36, -1, 45},  {45, -1, 56},    {36, 2, 24},  {36, -2, 56},
      {12, 1, 10},    {10, 1, 10},   {10, 3, 10},   {11, 1, 10},     {10, -1, 12}, {450, -1, 500},
      {500, -1, 500}, {500, 1, 400}, {36, 100, 10}, {36, -100, 500}, {3, 0, 10},   {900, 0, 500},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ZoomedSpan(c.span, c.notches), c.zoomed) << c.span << " by " << c.notches;
  // Between the bounds every notch changes the page.
  for (int span = kFewestPageDraws + 1; span < kMostPageDraws; ++span) {
    EXPECT_LT(ZoomedSpan(span, 1), span) << span;
    EXPECT_GT(ZoomedSpan(span, -1), span) << span;
  }
}

TEST(PageWindow, TheZoomBoxReadsItsChoicesAndFreeValues) {
  struct Case {
    const char* text;
    std::optional<int> span;
  };
  const Case cases[] = {
      {"显示36期", 36}, {"显示66期", 66}, {"120", 120}, {" 显示 200 期 ", 200},
      {"10", 10},       {"500", 500},     {"9", {}},    {"501", {}},
      {"显示9期", {}},  {"-36", {}},      {"", {}},     {"显示期", {}},
      {"36期", {}},     {"3 6", {}},      {"abc", {}},  {"99999999999", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SpanOfText(c.text), c.span) << c.text;
  for (int span : {10, 36, 45, 500}) EXPECT_EQ(SpanOfText(SpanText(span)), span);
  EXPECT_EQ(SpanText(54), "显示54期");
  EXPECT_EQ(ClampedSpan(7), kFewestPageDraws);
  EXPECT_EQ(ClampedSpan(777), kMostPageDraws);
}

}  // namespace
}  // namespace dlt
