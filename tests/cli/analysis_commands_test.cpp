#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace dlt {
namespace {

// Five draws whose 主号一 is 1, 2, 1, 3, 1.
void AddFirstNumbers(const std::string& dir) {
  test::AddDraws(dir, {{"2009001", "1", "5", "6", "7", "8", "1", "2"},
                       {"2009002", "2", "5", "6", "7", "8", "1", "2"},
                       {"2009003", "1", "5", "6", "7", "8", "1", "2"},
                       {"2009004", "3", "5", "6", "7", "8", "1", "2"},
                       {"2009005", "1", "5", "6", "7", "8", "1", "2"}});
}

using test::AddDraws;
using test::Lines;
using test::RunDlt;

// The same check as `dlt value`: a misspelt name is named, not read as -999.
TEST(AnalyseCommand, AMisspeltNameIsRefusedAsByValue) {
  test::TempDir dir;
  AddDraws(dir.path(), {{"2009001", "1", "5", "6", "7", "8", "1", "2"}});
  for (const char* command : {"analyse", "value"}) {
    const auto r = RunDlt(dir.path(), {command, "foo"});
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_EQ(r.out, "") << command;
    EXPECT_EQ(r.err, "公式有误:foo指标不存在\n") << command;
  }
}

TEST(AnalyseCommand, PerValueStatisticsOverTheHistoryAndARange) {
  test::TempDir dir;
  AddFirstNumbers(dir.path());
  const auto all = RunDlt(dir.path(), {"analyse", "z_num1", "--from", "0", "--to", "4"});
  ASSERT_EQ(all.status, 0) << all.err;
  // value, count, largest, smallest, average, last, current
  EXPECT_EQ(all.out,
            "0\t0\t9999\t9999\t9999\t9999\t5\n"
            "1\t3\t1\t0\t1\t1\t0\n"  // omissions 0, 1, 1
            "2\t1\t1\t1\t1\t1\t3\n"
            "3\t1\t3\t3\t3\t3\t1\n"
            "4\t0\t9999\t9999\t9999\t9999\t5\n");
  // Without bounds the range is the values met; a draw range counts from its start.
  const auto part = RunDlt(dir.path(), {"analyse", "z_num1", "--range", "2009003-2009005"});
  ASSERT_EQ(part.status, 0) << part.err;
  EXPECT_EQ(part.out,
            "1\t2\t1\t0\t0\t1\t0\n"  // omissions 0, 1: average 0.5 to even
            "2\t0\t9999\t9999\t9999\t9999\t3\n"
            "3\t1\t1\t1\t1\t1\t1\n");
}

// The two columns of chance: the smallest number is v for C(35 - v, 4) of
// the 324632 combinations, 0 never.
TEST(AnalyseCommand, ExpectedCountAndDeviation) {
  test::TempDir dir;
  AddFirstNumbers(dir.path());
  const auto r =
      RunDlt(dir.path(), {"analyse", "z_num1", "--from", "0", "--to", "4", "--expected"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "0\t0\t9999\t9999\t9999\t9999\t5\t0.00\t0.00\n"
            "1\t3\t1\t0\t1\t1\t0\t0.71\t+2.92\n"
            "2\t1\t1\t1\t1\t1\t3\t0.63\t+0.50\n"
            "3\t1\t3\t3\t3\t3\t1\t0.55\t+0.64\n"
            "4\t0\t9999\t9999\t9999\t9999\t5\t0.48\t-0.73\n");
  const auto part =
      RunDlt(dir.path(), {"analyse", "z_num1", "--range", "2009004-2009005", "--expected"});
  ASSERT_EQ(part.status, 0) << part.err;
  EXPECT_EQ(Lines(part.out).front(), "1\t1\t1\t1\t1\t1\t0\t0.29\t+1.44");
}

TEST(AnalyseCommand, RefusalsSayWhy) {
  test::TempDir dir;
  AddDraws(dir.path(), {{"2009001", "1", "5", "6", "7", "8", "1", "2"},
                        {"2009002", "2", "5", "6", "7", "8", "1", "2"}});
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"analyse", "z_num1+"}, "公式有误:"},
      {{"analyse", "z_num1-2"}, "2009001"},  // a negative value names its draw
      {{"analyse", "z_num1", "--range", "2009001-2008001"}, "2008001"},
  };
  for (const Case& c : cases) {
    const auto r = RunDlt(dir.path(), c.args);
    EXPECT_EQ(r.status, 1) << c.args[1];
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
}

}  // namespace
}  // namespace dlt
