#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace dlt {
namespace {

using test::RunDlt;

void AddDraws(const std::string& dir) {
  for (auto draw : {std::vector<std::string>{"2009001", "1", "2", "3", "4", "5", "1", "2"},
                    {"2009002", "1", "7", "8", "9", "10", "1", "3"},
                    {"2009003", "2", "11", "12", "13", "14", "4", "5"}}) {
    draw.insert(draw.begin(), {"history", "add"});
    ASSERT_EQ(RunDlt(dir, draw).status, 0);
  }
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

TEST(TallyCommand, CountsAndOmissionsPerNumber) {
  test::TempDir dir;
  AddDraws(dir.path());
  struct Case {
    std::vector<std::string> range;
    std::vector<std::string> expected;  // some lines of the output
  };
  const Case cases[] = {
      {{},
       {"front\t1\t2\t1", "front\t2\t2\t0", "front\t3\t1\t2", "back\t1\t2\t1", "back\t5\t1\t0"}},
      {{"--last", "1"}, {"front\t1\t0\t1", "front\t14\t1\t0", "back\t1\t0\t1"}},
      // The first two draws: counted back from 2009002.
      {{"--from", "2009001", "--to", "2009002"},
       {"front\t1\t2\t0", "front\t2\t1\t1", "back\t4\t0\t2"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"tally"};
    args.insert(args.end(), c.range.begin(), c.range.end());
    const auto r = RunDlt(dir.path(), args);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 47u);
    EXPECT_EQ(lines[0].substr(0, 8), "front\t1\t");
    EXPECT_EQ(lines[35].substr(0, 7), "back\t1\t");
    for (const std::string& e : c.expected)
      EXPECT_NE(std::find(lines.begin(), lines.end(), e), lines.end()) << e << "\n" << r.out;
  }
}

// Number 1 in two of three draws, missing one: a chance of 1/7 a draw gives
// 0.43 draws, +2.59 standard deviations off; the long-run omission is 6 and
// (6/7)^1 the chance of the current one. The χ² lines close each zone.
TEST(TallyCommand, ExpectedColumnsAndFits) {
  test::TempDir dir;
  AddDraws(dir.path());
  const auto r = RunDlt(dir.path(), {"tally", "--expected"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 49u);
  EXPECT_EQ(lines[0], "front\t1\t2\t1\t0.43\t+2.59\t6.00\t0.857143");
  EXPECT_EQ(lines[35], "back\t1\t2\t1\t0.50\t+2.32\t5.00\t0.833333");
  EXPECT_EQ(lines[47], "front\tχ²=33.24  自由度=34  p=0.504470（期望次数小于5的项较多，仅供参考）");
  EXPECT_EQ(lines[48], "back\tχ²=11.00  自由度=11  p=0.443263（期望次数小于5的项较多，仅供参考）");
}

TEST(PairsCommand, ListsInTheWindowsText) {
  test::TempDir dir;
  AddDraws(dir.path());
  const auto r = RunDlt(dir.path(), {"pairs", "--above", "1", "--below", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "相生[0]");
  EXPECT_EQ(lines[1], "相克[" + std::to_string(lines.size() - 2) + "]");
  EXPECT_EQ(lines[2], "01:06==>0次");  // column by column: 1 and 6 never together
  const auto together = RunDlt(dir.path(), {"pairs", "--above", "0", "--last", "1"});
  const auto t = Lines(together.out);
  ASSERT_GE(t.size(), 2u);
  EXPECT_EQ(t[0], "相生[10]");
  EXPECT_EQ(t[1], "02:11==>1次");
}

TEST(TallyCommand, BadInputFails) {
  test::TempDir dir;
  EXPECT_EQ(RunDlt(dir.path(), {"tally"}).status, 1);  // empty history
  AddDraws(dir.path());
  const auto missing = RunDlt(dir.path(), {"pairs", "--from", "2009999"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_NE(missing.err.find("2009999"), std::string::npos) << missing.err;
  EXPECT_EQ(RunDlt(dir.path(), {"tally", "--last", "5", "--from", "2009001"}).status, 1);
  EXPECT_EQ(RunDlt(dir.path(), {"tally", "--last", "0"}).status, 1);
  EXPECT_EQ(RunDlt(dir.path(), {"pairs", "--above", "1001"}).status, 1);
}

}  // namespace
}  // namespace dlt
