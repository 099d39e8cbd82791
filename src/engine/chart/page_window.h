#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace dlt {

// The draws a paged chart shows after its anchor (the shared current draw):
// a page holds the anchor and kPageSpan further draws.
constexpr int kPageSpan = 36;

// A page of draws: the anchor and up to `span` further draws.
struct PageWindow {
  int anchor = 0;
  int span = kPageSpan;

  // The last draw shown of a history of `drawCount`: never past its end.
  int LastShownOf(int drawCount) const {
    return std::min(drawCount - 1, anchor + std::max(span, 0));
  }
};

// The anchor of a full page of `span` further draws at or before `anchor`:
// a page that would run past the newest draw is pulled back to end on it,
// so a page never shows a few points on a whole page's axis (a history
// shorter than a page starts at its first draw).
constexpr int FullPageAnchor(int anchor, int span, int drawCount) {
  return std::clamp(anchor, 0, std::max(drawCount - 1 - std::max(span, 0), 0));
}

// The anchor of the page that ends on the last draw (the first draw of a
// shorter history): where the charts open.
constexpr int LastPageAnchor(int drawCount) {
  return FullPageAnchor(drawCount - 1, kPageSpan, drawCount);
}

// How far a user may zoom a paged chart: the fewest and most draws a page
// shows after its anchor.
constexpr int kFewestPageDraws = 10;
constexpr int kMostPageDraws = 500;

// The moves of a paging bar and of its keys.
enum class PageMove { kFirst, kPageBack, kStepBack, kStepForward, kPageForward, kNewest };

// The anchor after `move` on pages of `span` draws over a history of
// `drawCount`: moves back stop at the first draw; moves forward stop at the
// newest full page (an anchor already past it stays), so paging never ends
// on a few points; kFirst opens the first page, kNewest the page ending on
// the last draw. An empty history keeps anchor 0.
int AnchorAfter(PageMove move, int anchor, int span, int drawCount);

// The draws per page within the zoom's bounds.
int ClampedSpan(int span);
// The draws per page after `notches` turns of the zoom wheel: each notch away
// from the user (positive) shows about a fifth fewer draws, each towards the
// user a quarter more, always at least one draw more or fewer until a bound.
int ZoomedSpan(int span, int notches);
// A zoom box entry: "显示N期" or a bare N, with N within the bounds;
// nothing for any other text.
std::optional<int> SpanOfText(std::string_view text);
// The zoom box's text for a span: "显示N期".
std::string SpanText(int span);

}  // namespace dlt
