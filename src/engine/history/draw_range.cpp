#include "history/draw_range.h"

#include <algorithm>
#include <optional>

#include "common/text.h"

namespace dlt {

DrawRange NearRange(int drawCount, int n) {
  if (drawCount <= 0) return {};
  return {drawCount - 1, std::clamp(n, 0, drawCount)};
}

DrawRange CustomRange(std::span<const Draw> draws, int32_t fromQs, int32_t toQs) {
  auto indexOf = [&](int32_t qs) {
    const auto it = std::lower_bound(draws.begin(), draws.end(), qs,
                                     [](const Draw& d, int32_t q) { return d.qs < q; });
    return it != draws.end() && it->qs == qs ? static_cast<int>(it - draws.begin()) : -1;
  };
  const int from = indexOf(fromQs), to = indexOf(toQs);
  if (from < 0 || to < 0) return {std::max(to, -1), 0};
  return {to, std::max(to - from + 1, 0)};
}

DrawRange RangeBetween(int drawCount, int a, int b) {
  const int first = std::max(std::min(a, b), 0);
  const int last = std::min(std::max(a, b), drawCount - 1);
  return {last, std::max(last - first + 1, 0)};
}

const std::vector<std::string>& NearCountTexts() {
  static const std::vector<std::string> texts = {"5",   "10",  "15",  "20",  "25",  "30",
                                                 "40",  "50",  "60",  "70",  "80",  "90",
                                                 "100", "150", "200", "250", "300", kAllDrawsText};
  return texts;
}

int NearCountOfText(const std::string& text, int drawCount) {
  if (text == kAllDrawsText) return drawCount;
  const std::optional<int> n = IntegerOfText<int>(text);
  return n && *n > 0 ? *n : 0;
}

}  // namespace dlt
