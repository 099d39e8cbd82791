#include "common/table_text.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

struct TableCase {
  const char* what;
  TextRows rows;
  std::string csv, tabs;
};

TEST(TableText, CsvQuotesAsTheStandardSaysAndTabsNeverSplitAField) {
  const TableCase cases[] = {
      {"empty table", {}, "", ""},
      {"one empty row", {{}}, "\r\n", "\n"},
      {"one empty field", {{""}}, "\r\n", "\n"},
      {"plain fields",
       {{"期号", "主号一"}, {"2007001", "5"}},
       "期号,主号一\r\n2007001,5\r\n",
       "期号\t主号一\n2007001\t5\n"},
      {"empty fields keep their places", {{"", "a", ""}}, ",a,\r\n", "\ta\t\n"},
      {"comma", {{"1,2", "x"}}, "\"1,2\",x\r\n", "1,2\tx\n"},
      {"double quote doubled", {{"say \"hi\""}}, "\"say \"\"hi\"\"\"\r\n", "say \"hi\"\n"},
      {"line breaks", {{"a\nb", "c\r\nd"}}, "\"a\nb\",\"c\r\nd\"\r\n", "a b\tc  d\n"},
      {"tab inside a field", {{"a\tb", "c"}}, "a\tb,c\r\n", "a b\tc\n"},
      {"spaces kept", {{" a ", "b "}}, " a ,b \r\n", " a \tb \n"},
      {"ragged rows", {{"a", "b", "c"}, {"d"}}, "a,b,c\r\nd\r\n", "a\tb\tc\nd\n"},
      {"only a quote", {{"\""}}, "\"\"\"\"\r\n", "\"\n"},
  };
  for (const TableCase& c : cases) {
    EXPECT_EQ(CsvText(c.rows), c.csv) << c.what;
    EXPECT_EQ(TabSeparatedText(c.rows), c.tabs) << c.what;
  }
}

}  // namespace
}  // namespace dlt
