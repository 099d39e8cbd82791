#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "generator/result_files.h"

namespace dlt::test {
namespace {

class TicketCommands : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return dir_.file(name); }
  CliRun Run(std::vector<std::string> args) { return RunDlt(dir_.file("data"), std::move(args)); }

  TempDir dir_;
};

TEST_F(TicketCommands, OrderMatchingWritesTheTicketFile) {
  WriteBytes(File("front.txt"), "01 02 03 04 05 \r\n06 07 08 09 10 \r\n11 12 13 14 15 \r\n");
  WriteBytes(File("back.txt"), "01 02 \r\n03 04 \r\n");
  const CliRun r =
      Run({"match", File("front.txt"), File("back.txt"), "--style", "order", "--out", File("t")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadBytes(File("t.txt")),
            "01 02 03 04 05 01 02 \r\n06 07 08 09 10 03 04 \r\n11 12 13 14 15 01 02 \r\n");
  EXPECT_NE(r.out.find("已得到双区组合数有3个"), std::string::npos);
}

TEST_F(TicketCommands, FullMatchingUnderTheTicketsGroupAndNamesWithoutTxt) {
  WriteBytes(File("front.txt"), "01 02 03 04 05 \r\n06 07 08 09 10 \r\n");
  WriteBytes(File("back.txt"), "01 02 \r\n03 04 \r\n");
  const CliRun r = Run({"tickets", "match", File("front"), File("back"), "--style", "full", "--out",
                        File("all.txt")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadBytes(File("all.txt")),
            "01 02 03 04 05 01 02 \r\n01 02 03 04 05 03 04 \r\n"
            "06 07 08 09 10 01 02 \r\n06 07 08 09 10 03 04 \r\n");
}

TEST_F(TicketCommands, MatchingRefusalsGoToStderr) {
  std::string front;
  for (int i = 0; i < 50001; ++i) front += "01 02 03 04 05 \r\n";
  WriteBytes(File("big.txt"), front);
  WriteBytes(File("back.txt"), "01 02 \r\n");
  CliRun r = Run({"match", File("big.txt"), File("back.txt"), "--out", File("t.txt")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "双区组合后得到的注数不能超过50000条，请缩小过滤范围\n");

  WriteBytes(File("empty.txt"), "");
  r = Run({"match", File("empty.txt"), File("back.txt"), "--out", File("t.txt")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "主区没有过滤结果，请先在主区号码中得出过滤结果\n");

  r = Run({"match", File("back.txt"), File("back.txt"), "--out", File("t.txt")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, File("back.txt") + " 第1行: 只有2个号码, 应为5个\n");

  r = Run(
      {"match", File("back.txt"), File("back.txt"), "--style", "diagonal", "--out", File("t.txt")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("diagonal"), std::string::npos);
}

TEST_F(TicketCommands, PrizePrintsTheSummaryAndWritesSortedTickets) {
  ASSERT_EQ(Run({"history", "add", "2009001", "3", "8", "15", "22", "30", "4", "9"}).status, 0);
  WriteBytes(File("t.txt"),
             "01 02 05 06 07 01 02 \r\n"    // 0 + 0: no prize
             "03 05 06 07 08 04 09 \r\n"    // 2 + 2: 七等奖
             "03 08 15 22 30 04 09 \r\n");  // 5 + 2: 一等奖
  const CliRun r = Run({"prize", File("t.txt"), "--draw", "2009001", "--out", File("graded")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:0个;六等奖:0个;"
                       "七等奖:1个;八等奖:0个;未中奖:1个\n"),
            std::string::npos);
  const std::string yiDeng = "\xD2\xBB\xB5\xC8\xBD\xB1";    // 一等奖
  const std::string qiDeng = "\xC6\xDF\xB5\xC8\xBD\xB1";    // 七等奖
  const std::string weiZhong = "\xCE\xB4\xD6\xD0\xBD\xB1";  // 未中奖
  EXPECT_EQ(ReadBytes(File("graded.txt")), "03 08 15 22 30 04 09 " + yiDeng + "\r\n" +
                                               "03 05 06 07 08 04 09 " + qiDeng + "\r\n" +
                                               "01 02 05 06 07 01 02 " + weiZhong + "\r\n");
}

TEST_F(TicketCommands, PrizeSummaryIsTheLastLineWithoutOut) {
  WriteBytes(File("t.txt"), "03 08 15 22 30 04 09 \r\n");
  const CliRun r =
      Run({"tickets", "prize", File("t.txt"), "--numbers", "30", "22", "15", "8", "3", "9", "4"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:0个;六等奖:0个;七等奖:0个;"
            "八等奖:0个;未中奖:0个\n");
}

TEST_F(TicketCommands, PrizeRefusesAMissingDrawAndBadNumbers) {
  WriteBytes(File("t.txt"), "03 08 15 22 30 04 09 \r\n");
  CliRun r = Run({"prize", File("t.txt"), "--draw", "2009001"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "历史数据中没有第2009001期\n");
  r = Run({"prize", File("t.txt"), "--draw", "20x9001"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "历史数据中没有第20x9001期\n");
  r = Run({"prize", File("t.txt"), "--numbers", "30", "22", "15", "8", "3", "9", "13"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "副号13超出1到12的范围\n");
  r = Run({"prize", File("t.txt")});
  EXPECT_EQ(r.status, 1);
  WriteBytes(File("bad.txt"), "03 08 15 22 30 04 \r\n");
  r = Run({"prize", File("bad.txt"), "--numbers", "1", "2", "3", "4", "5", "1", "2"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, File("bad.txt") + " 第1行: 只有6个号码, 应为7个\n");
}

TEST_F(TicketCommands, RandomTicketsAreReproducibleWithASeed) {
  CliRun r = Run({"tickets", "random", "--count", "25", "--out", File("a"), "--seed", "5"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("已得到双区组合数有25个"), std::string::npos);
  ASSERT_EQ(Run({"tickets", "random", "--count", "25", "--out", File("b"), "--seed", "5"}).status,
            0);
  EXPECT_EQ(ReadBytes(File("a.txt")), ReadBytes(File("b.txt")));
  std::string error;
  const auto tickets = ReadTicketResults(File("a.txt"), &error);
  ASSERT_TRUE(tickets) << error;
  EXPECT_EQ(tickets->size(), 25u);

  r = Run({"tickets", "random", "--count", "50001", "--out", File("c")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "注数必须是0到50000之间的整数\n");
  // Counts are decimal even with a leading zero.
  ASSERT_EQ(Run({"tickets", "random", "--count", "010", "--out", File("d"), "--seed", "1"}).status,
            0);
  EXPECT_EQ(ReadTicketResults(File("d.txt"), &error)->size(), 10u);
}

}  // namespace
}  // namespace dlt::test
