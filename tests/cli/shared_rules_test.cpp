// Rules every command keeps alike: draw ranges, range checks of options in
// the program's words, and failures that always end with a message.
#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <new>

#include "cli_test_support.h"
#include "history/draw_table.h"

namespace dlt {
namespace {

using test::Lines;
using test::RunDlt;

// 150 draws: 2007001 .. 2007150.
class SharedRules : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto r = RunDlt(dir.path(), {"history", "demo", "--draws", "150", "--seed", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    test::WriteBytes(dir.file("set.txt"), "[-1]z_hw\r\n([-1]z_num1+3)%35+1\r\n");
  }
  test::CliRun Run(std::vector<std::string> args) { return RunDlt(dir.path(), std::move(args)); }
  void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
    const auto r = Run(args);
    EXPECT_EQ(r.status, 1) << args[0] << " " << args.back();
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_NE(r.err.find(message), std::string::npos)
        << args[0] << " " << args.back() << ": " << r.err;
  }
  test::TempDir dir;
};

// A range whose start lies after its end is refused by every command with
// the same message, whether the ends were typed or one is the default.
TEST_F(SharedRules, AReversedDrawRangeIsRefusedAlike) {
  const std::string reversed = "期号范围的起点在终点之后: 第2007140期在第2007010期之后";
  const std::vector<std::vector<std::string>> commands = {
      {"tally", "--from", "2007140", "--to", "2007010"},
      {"pairs", "--from", "2007140", "--to", "2007010"},
      {"omission", "--from", "2007140", "--to", "2007010"},
      {"backtest", "--from", "2007140", "--to", "2007010", "--cond", "red1=1-31"},
      {"analyse", "z_num1", "--range", "2007140-2007010"},
      {"convert", "z_num1", "--from", "2007140", "--to", "2007010"},
      {"convert", "z_num1", "--from", "2007140", "--to", "2007010", "--kill", "1-30"},
      {"search", "--kind", "front", "--from", "2007140", "--to", "2007010"},
  };
  for (const auto& args : commands) ExpectRefused(args, reversed);
  // The default start of tally and backtest is 100 draws before the last:
  // 2007050, after an end typed earlier.
  const std::string defaultStart = "第2007050期在第2007010期之后";
  ExpectRefused({"tally", "--to", "2007010"}, defaultStart);
  ExpectRefused({"pairs", "--to", "2007010"}, defaultStart);
  ExpectRefused({"backtest", "--to", "2007010", "--cond", "red1=1-31"}, defaultStart);
  // An issue the history lacks is named.
  ExpectRefused({"omission", "--from", "2007151"}, "没有第2007151期的开奖数据");
  // A range of one draw is a range.
  EXPECT_EQ(Run({"tally", "--from", "2007010", "--to", "2007010"}).status, 0);
  EXPECT_EQ(Run({"analyse", "z_num1", "--range", "2007010-2007010"}).status, 0);
}

TEST_F(SharedRules, ABacktestRangeWithoutARealDrawSaysSo) {
  DrawTable(dir.file("database/basedata.db"))
      .WriteForecast(test::MakeDraw(0, {1, 2, 3, 4, 5}, {1, 2}));
  ExpectRefused({"backtest", "--from", "9999999", "--to", "9999999", "--cond", "red1=1-31"},
                "范围内没有开奖数据");
}

// Range checks of numeric options name the real bounds in Chinese, never
// "Value 0 not in range ... 1.797e308".
TEST_F(SharedRules, OptionBoundsAreStatedInTheProgramsWords) {
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"tally", "--last", "0"}, "应是不小于1的整数: 0"},
      {{"pairs", "--last", "-3"}, "应是不小于1的整数: -3"},
      {{"pairs", "--above", "1001"}, "应是0到1000之间的整数: 1001"},
      {{"history", "demo", "--draws", "0"}, "应是1到100000之间的整数: 0"},
      {{"history", "sync", "--pages", "0"}, "应是1到100000之间的整数: 0"},
      {{"coldhot", "--qs", "256"}, "应是1到255之间的整数: 256"},
      {{"coldhot", "--qs", "0"}, "应是1到255之间的整数: 0"},
      {{"value", "z_lwr_rmgs", "--coldcs", "-1"}, "应是0到255之间的整数: -1"},
      {{"value", "z_lwr_rmgs", "--hotcs", "99999999999"}, "应是0到255之间的整数: 99999999999"},
      {{"coldhot", "--f-qs", "300"}, "应是1到255之间的整数: 300"},
      {{"coldhot", "--f-coldcs", "256"}, "应是0到255之间的整数: 256"},
      {{"coldhot", "--f-hotcs", "-5"}, "应是0到255之间的整数: -5"},
      {{"kill", "--kind", "front", "--formulas", "set.txt", "--count", "0"},
       "应是不小于1的整数: 0"},
      {{"kill", "--kind", "front", "--formulas", "set.txt", "--count", "-1"},
       "应是不小于1的整数: -1"},
      {{"search", "--kind", "front", "--max-wrong", "-1"}, "应是不小于0的整数: -1"},
      {{"search", "--kind", "front", "--lookback", "101"}, "应是0到100之间的整数: 101"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    for (auto& a : args)
      if (a == "set.txt") a = dir.file("set.txt");
    ExpectRefused(args, c.message);
    EXPECT_EQ(Run(args).err.find("Value"), std::string::npos);
  }
  // The edges themselves are taken.
  EXPECT_EQ(Run({"coldhot", "--qs", "255", "--coldcs", "0", "--hotcs", "255"}).status, 0);
  EXPECT_EQ(Run({"coldhot", "--qs", "1"}).status, 0);
}

// The settings file is held to the same bounds; a value out of them is
// named with the file, not used as a byte would wrap it.
TEST_F(SharedRules, ColdHotValuesOfTheSettingsFileAreChecked) {
  const std::string ini = dir.file("settings.ini");
  test::WriteBytes(ini, "[software]\ndltsettings\\qs=256\n");
  ExpectRefused({"coldhot"}, "设置文件 " + ini + " 中的qs=256不在1到255之间");
  test::WriteBytes(ini, "[software]\ndltsettings\\f_hotcs=-2\n");
  ExpectRefused({"value", "z_lwr_rmgs"}, "中的f_hotcs=-2不在0到255之间");
  test::WriteBytes(ini, "[software]\ndltsettings\\qs=255\ndltsettings\\hotcs=0\n");
  EXPECT_EQ(Run({"coldhot"}).status, 0);
}

TEST_F(SharedRules, SearchSettingsAreRefusedBeforeAnyCandidate) {
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"--range", "0-2147483647"}, "--range 应是0到999之间的整数"},
      {{"--range", "2147483640-2147483647"}, "--range 应是0到999之间的整数"},
      {{"--range", "9-3"}, "取值范围应在0到999之间，且最小值不大于最大值"},
      {{"--target", "100-80"}, "目标准确率应在0到100之间，且下限不大于上限: 100-80"},
      {{"--target", "nan-100"}, "目标准确率应在0到100之间，且下限不大于上限: nan-100"},
      {{"--target", "200-300"}, "目标准确率应在0到100之间，且下限不大于上限: 200-300"},
      {{"--seed", "18446744073709551616"}, "--seed 应是0到18446744073709551615之间的整数"},
      {{"--seed", "-1"}, "--seed 应是0到18446744073709551615之间的整数: -1"},
      {{"--indicator", "nokey"}, "没有这个指标：nokey"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"search", "--kind", "front"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    ExpectRefused(args, c.message);
    // No search ran, so no count of candidates comes before the message.
    EXPECT_EQ(Run(args).err.find("candidates"), std::string::npos) << c.args[1];
  }
  const auto r = Run({"search", "--kind", "front", "--seed", "18446744073709551615", "--target",
                      "0-100", "--lookback", "1"});
  EXPECT_EQ(r.status, 0) << r.err;
}

TEST_F(SharedRules, KillNeedsAFormulaToCount) {
  test::WriteBytes(dir.file("empty.txt"), "\r\n  \r\n");
  ExpectRefused({"kill", "--kind", "front", "--formulas", dir.file("empty.txt")},
                "公式集文件中没有公式: " + dir.file("empty.txt"));
  ExpectRefused({"kill", "--kind", "front", "--formulas", dir.file("set.txt"), "--count", "3"},
                "--count 应是1到2之间的整数: 3");
  EXPECT_EQ(Run({"kill", "--kind", "front", "--formulas", dir.file("set.txt")}).status, 0);
}

TEST_F(SharedRules, MatrixSizesThatOverflowedAreRefused) {
  for (const char* size :
       {"65536x65536", "46341x46341", "2147483647x2", "2x2147483647", "99999999999x1", "41x1"})
    ExpectRefused({"matrix", "--size", size}, std::string("行乘列不能大于40: ") + size);
  EXPECT_EQ(Run({"matrix", "--size", "40x1"}).status, 0);
}

// A database path taken by a folder or a device is named as such.
TEST_F(SharedRules, ADatabaseThatIsNoFileIsNamed) {
  test::TempDir other;
  std::filesystem::create_directories(other.file("database/basedata.db"));
  auto r = RunDlt(other.path(), {"history", "list"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("这是一个文件夹, 不是数据库文件"), std::string::npos) << r.err;
  test::TempDir third;
  std::filesystem::create_directories(third.file("database"));
  std::filesystem::create_symlink("/dev/zero", third.file("database/basedata.db"));
  r = RunDlt(third.path(), {"tally"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("这不是普通文件(是设备或管道), 不是数据库文件"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("磁盘已满"), std::string::npos) << r.err;
}

// Whatever a command throws ends with a message and status 1.
TEST(CommandGuard, EveryFailureEndsWithAMessage) {
  const auto usage = [](const CLI::ParseError&) { return 1; };
  const struct {
    std::function<void()> run;
    std::string message;
  } cases[] = {
      {[] { throw std::bad_alloc(); }, "内存不足, 命令没有完成"},
      {[] { throw std::length_error("vector"); }, "命令没有完成: vector"},
      {[] { throw 7; }, "命令没有完成: 未知的错误"},
  };
  for (const auto& c : cases) {
    std::ostringstream err;
    EXPECT_EQ(cli::RunGuarded(c.run, err, usage), 1);
    EXPECT_EQ(err.str(), c.message + "\n");
  }
  std::ostringstream err;
  EXPECT_EQ(cli::RunGuarded([] {}, err, usage), 0);
  EXPECT_TRUE(err.str().empty());
}

}  // namespace
}  // namespace dlt
