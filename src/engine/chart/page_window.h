#pragma once

#include <algorithm>

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

}  // namespace dlt
