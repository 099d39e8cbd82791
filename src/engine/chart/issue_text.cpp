#include "chart/issue_text.h"

#include <charconv>

#include "chart/tcoordinate.h"

namespace dlt {

std::optional<int32_t> ParseIssueText(std::string_view text) {
  if (text == IssueText(kForecastQs)) return kForecastQs;
  int32_t qs = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, qs);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return qs;
}

}  // namespace dlt
