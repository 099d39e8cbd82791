#include "chart/page_window.h"

#include "common/text.h"

namespace dlt {

int AnchorAfter(PageMove move, int anchor, int span, int drawCount) {
  if (drawCount <= 0) return 0;
  const int last = drawCount - 1;
  const int page = std::max(span, 1);
  auto within = [last](int index) { return std::clamp(index, 0, last); };
  // Forward never moves back, and never past the newest full page.
  auto forward = [&](int index) {
    return std::max(within(anchor), FullPageAnchor(index, span, drawCount));
  };
  switch (move) {
    case PageMove::kFirst:
      return 0;
    case PageMove::kPageBack:
      return within(anchor - page);
    case PageMove::kStepBack:
      return within(anchor - 1);
    case PageMove::kStepForward:
      return forward(anchor + 1);
    case PageMove::kPageForward:
      return forward(anchor + page);
    case PageMove::kNewest:
      return std::max(last - std::max(span, 0), 0);
  }
  return within(anchor);
}

int ClampedSpan(int span) {
  return std::clamp(span, kFewestPageDraws, kMostPageDraws);
}

int ZoomedSpan(int span, int notches) {
  int zoomed = ClampedSpan(span);
  for (; notches > 0; --notches) zoomed = ClampedSpan(zoomed - std::max(zoomed / 5, 1));
  for (; notches < 0; ++notches) zoomed = ClampedSpan(zoomed + std::max(zoomed / 4, 1));
  return zoomed;
}

std::optional<int> SpanOfText(std::string_view text) {
  text = Trim(text);
  constexpr std::string_view kBefore = "显示", kAfter = "期";
  if (text.starts_with(kBefore) && text.ends_with(kAfter) &&
      text.size() >= kBefore.size() + kAfter.size())
    text = Trim(text.substr(kBefore.size(), text.size() - kBefore.size() - kAfter.size()));
  const std::optional<int> span = IntegerOfText<int>(text);
  if (!span || *span < kFewestPageDraws || *span > kMostPageDraws) return std::nullopt;
  return span;
}

std::string SpanText(int span) {
  return "显示" + std::to_string(span) + "期";
}

}  // namespace dlt
