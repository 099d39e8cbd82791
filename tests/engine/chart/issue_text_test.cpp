// Issue texts as the pickers show them, and back.
#include "chart/issue_text.h"

#include <gtest/gtest.h>

#include "chart/tcoordinate.h"

namespace dlt {
namespace {

TEST(IssueText, TheForecastReadsAsItsPlaceAndEveryTextParsesBack) {
  EXPECT_EQ(IssueText(kForecastQs), "预测区");
  EXPECT_EQ(IssueText(2009001), "2009001");
  for (int32_t qs : {2009001, 7001, kForecastQs, kReservedQs})
    EXPECT_EQ(ParseIssueText(IssueText(qs)), qs) << qs;
  for (const char* text : {"", "预测", "2009x", "2009001 ", "9999999999", "12.5"})
    EXPECT_EQ(ParseIssueText(text), std::nullopt) << text;
}

}  // namespace
}  // namespace dlt
