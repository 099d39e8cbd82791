#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace dlt {
namespace {

using test::RunDlt;

void AddDraws(const std::string& dir, const std::vector<std::vector<std::string>>& draws) {
  for (auto draw : draws) {
    draw.insert(draw.begin(), {"history", "add"});
    ASSERT_EQ(RunDlt(dir, draw).status, 0);
  }
}

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
  // z_num1: 1, 2, 1, 3, 1
  AddDraws(dir.path(), {{"2009001", "1", "5", "6", "7", "8", "1", "2"},
                        {"2009002", "2", "5", "6", "7", "8", "1", "2"},
                        {"2009003", "1", "5", "6", "7", "8", "1", "2"},
                        {"2009004", "3", "5", "6", "7", "8", "1", "2"},
                        {"2009005", "1", "5", "6", "7", "8", "1", "2"}});
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
