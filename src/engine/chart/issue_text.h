#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace dlt {

// The issue an IssueText names, as a picker listing them gives it back:
// its digits, or the forecast record for "预测区"; nullopt for any other text.
std::optional<int32_t> ParseIssueText(std::string_view text);

}  // namespace dlt
