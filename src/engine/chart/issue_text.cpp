#include "chart/issue_text.h"

#include "chart/tcoordinate.h"
#include "common/text.h"

namespace dlt {

std::optional<int32_t> ParseIssueText(std::string_view text) {
  if (text == IssueText(kForecastQs)) return kForecastQs;
  return IntegerOfText<int32_t>(text);
}

}  // namespace dlt
