#include <gtest/gtest.h>

#include <filesystem>

#include "cli_test_support.h"
#include "generator/condition_files.h"
#include "history/draw_table.h"

namespace dlt {
namespace {

using test::Lines;
using test::RunDlt;

// The last line of the output.
std::string LastLine(const std::string& out) {
  std::string s = out;
  if (!s.empty() && s.back() == '\n') s.pop_back();
  const size_t nl = s.rfind('\n');
  return nl == std::string::npos ? s : s.substr(nl + 1);
}

class FilterCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto r = RunDlt(dir.path(), {"history", "demo", "--draws", "80", "--seed", "5"});
    ASSERT_EQ(r.status, 0) << r.err;
  }
  test::CliRun Run(std::vector<std::string> args) { return RunDlt(dir.path(), std::move(args)); }
  void WriteForecast() {
    DrawTable table(dir.file("database/basedata.db"));
    table.WriteForecast(test::MakeDraw(0, {1, 2, 3, 4, 5}, {1, 2}));
  }
  bool HasForecast() { return DrawTable(dir.file("database/basedata.db")).HasForecast(); }

  test::TempDir dir;
  const std::vector<std::string> shapesOff = {"--switch", "equaldist=off", "--switch",
                                              "special=off"};
};

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(FilterCommands, FullPoolWithoutConditionsWritesEveryCombination) {
  const auto r = Run(Concat({"filter", "--out", dir.file("all")}, shapesOff));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(LastLine(r.out), "324632");
  EXPECT_NE(r.out.find("微秒  已得到符合条件的主号组有324632个"), std::string::npos) << r.out;
  const std::string bytes = test::ReadBytes(dir.file("all.txt"));
  EXPECT_EQ(bytes.substr(0, 34), "31 32 33 34 35 \r\n30 32 33 34 35 \r\n");
  EXPECT_EQ(bytes.size(), 324632u * 17);
}

TEST_F(FilterCommands, PoolBankersAndConditions) {
  auto r = Run(Concat({"filter", "--pool", "1-10"}, shapesOff));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(LastLine(r.out), "252");
  r = Run(Concat({"filter", "--pool", "1-4"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "0") << "a pool of four";
  r = Run(Concat({"filter", "--banker", "1-5"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "1") << "five bankers";
  r = Run({"filter", "--banker", "1-5"});
  EXPECT_EQ(LastLine(r.out), "0") << "1 2 3 4 5 is a progression";
  r = Run(Concat({"filter", "--pool", "1-8", "--cond", "red1=1"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "35");
  // Tolerant with 总容错 0-0 is as strict; with 1-1 only the violators stay.
  r = Run(
      Concat({"filter", "--pool", "1-8", "--cond", "red1~=1", "--tolerance", "0-0"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "35");
  r = Run(
      Concat({"filter", "--pool", "1-8", "--cond", "red1~=1", "--tolerance", "1-1"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "21");  // C(8,5) - 35
  r = Run(Concat({"filter", "--pool", "1-8", "--cond", "red1~=1"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "56");
  r = Run(Concat({"filter", "--pool", "1-8", "--cond", "red1="}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "56") << "an empty value set is not applied";
  r = Run(Concat({"filter", "--pool", "1-8", "--self", "1,2:2"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "20");  // C(6,3)
  r = Run(Concat({"filter", "--pool", "1-9", "--tail", "1,2:2"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "35");  // 1 and 2 with three of 3..9
  r = Run(Concat({"filter", "--pool", "1-8", "--formula", "z_num1:1"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "35");
  EXPECT_TRUE(r.err.empty()) << r.err;
  r = Run(Concat(
      {"filter", "--pool", "1-8", "--formula", "9/(z_num1-z_num1):1", "--formula", "z_num2:2"},
      shapesOff));
  EXPECT_NE(r.err.find("9/(z_num1-z_num1) 在最新一期无法计算"), std::string::npos) << r.err;
  r = Run(Concat({"filter", "--pool", "1-8", "--formula", "z_num1:", "--formula", "z_num2:2"},
                 shapesOff));
  EXPECT_NE(r.err.find("没有取值"), std::string::npos) << r.err;
  EXPECT_EQ(LastLine(r.out), "56") << "an entry without values ends the custom checks";
  r = Run(Concat({"filter", "--pool", "1-8", "--range", "bzc=0-1"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "0") << "five distinct numbers spread more than 1";
  r = Run({"filter", "--pool", "1-8", "--engine", "reference", "--cond", "red1=1"});
  // Of the 35, the shape switches remove 1 2 3 4 5 and twelve other runs.
  EXPECT_EQ(LastLine(r.out), "22");
}

TEST_F(FilterCommands, ContinueFilteringASavedResultFile) {
  auto r = Run(Concat({"filter", "--pool", "1-9", "--out", dir.file("first.txt")}, shapesOff));
  ASSERT_EQ(LastLine(r.out), "126");
  r = Run(Concat({"filter", "--continue", dir.file("first.txt"), "--pool", "1-9", "--banker", "9",
                  "--out", dir.file("second")},
                 shapesOff));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(LastLine(r.out), "70");  // C(8,4)
  EXPECT_NE(r.out.find("个性组号  筛选耗时"), std::string::npos);
  EXPECT_NE(r.out.find("系统保留的记录个数70"), std::string::npos);
  EXPECT_EQ(Lines(test::ReadBytes(dir.file("second.txt"))).size(), 70u);
  // A banker no result holds empties the list.
  r = Run(Concat({"filter", "--continue", dir.file("first.txt"), "--banker", "20"}, shapesOff));
  EXPECT_EQ(LastLine(r.out), "0");
  r = Run({"filter", "--continue", dir.file("missing.txt")});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
}

TEST_F(FilterCommands, SavedConditionsFilterTheSameWay) {
  auto r = Run(Concat({"filter", "--pool", "1-12", "--cond", "jsgs=2,3", "--cond", "hmhz~=40-45",
                       "--tolerance", "0-1", "--save", dir.file("mine")},
                      shapesOff));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string count = LastLine(r.out);
  ASSERT_TRUE(std::filesystem::exists(dir.file("mine.zh")));
  EXPECT_EQ(std::filesystem::file_size(dir.file("mine.zh")), 1200u * 8381u);
  r = Run({"filter", "--zh", dir.file("mine.zh")});
  EXPECT_EQ(LastLine(r.out), count);
  // Inline conditions on top of the file.
  r = Run({"filter", "--zh", dir.file("mine.zh"), "--banker", "12"});
  EXPECT_LT(std::stoi(LastLine(r.out)), std::stoi(count));
  r = Run({"filter", "--zh", dir.file("nothing.zh")});
  EXPECT_EQ(r.status, 1);
}

TEST_F(FilterCommands, ForecastRecordBlocksEveryFilterAndIsDeleted) {
  ASSERT_EQ(Run(Concat({"filter", "--pool", "1-9", "--out", dir.file("r.txt")}, shapesOff)).status,
            0);
  const std::vector<std::vector<std::string>> commands = {
      {"filter", "--pool", "1-9"},   {"filter", "--continue", dir.file("r.txt")},
      {"filter", "--back"},          {"pick", "--count", "3"},
      {"batch", dir.file("any.zh")},
  };
  ASSERT_EQ(Run({"filter", "--pool", "1-9", "--save", dir.file("any.zh")}).status, 0);
  for (const auto& args : commands) {
    WriteForecast();
    ASSERT_TRUE(HasForecast());
    const auto r = Run(args);
    EXPECT_EQ(r.status, 1) << args[0] << " " << args[1];
    EXPECT_NE(r.err.find("在过滤前，如果预测区存在，必须先清除预测区，否则条件设置可能存在错误。"
                         "预测区已清除，请你重新设置条件。"),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(HasForecast()) << args[0];
  }
  EXPECT_EQ(Run({"filter", "--pool", "1-9"}).status, 0);
}

TEST_F(FilterCommands, RangeGuards) {
  auto r = Run({"filter", "--range", "bzc="});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "标准差还未确定范围\n");
  r = Run({"filter", "--range", "lsxs=5-"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "离散系数还未确定范围\n");
  r = Run({"filter", "--pool", "1-9", "--range", "lsxs=0-99", "--range", "bzc=0-99"});
  EXPECT_EQ(r.status, 0) << r.err;
}

// The command line uses the settings of the desktop program: its settings
// file, with single values overridden on the line.
TEST_F(FilterCommands, TheDesktopProgramsSettingsApply) {
  const std::vector<std::string> args = Concat({"filter", "--cond", "coldgs=0"}, shapesOff);
  const std::string defaults = LastLine(Run(args).out);
  test::WriteBytes(dir.file("settings.ini"),
                   "[software]\r\ndltsettings\\qs=10\r\ndltsettings\\coldcs=1\r\n");
  const auto changed = Run(Concat(args, {"--save", dir.file("cold")}));
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_NE(LastLine(changed.out), defaults);
  EXPECT_EQ(LastLine(Run({"batch", dir.file("cold.zh")}).out), LastLine(changed.out));
  EXPECT_EQ(LastLine(Run(Concat(args, {"--qs", "30", "--coldcs", "2"})).out), defaults);
  EXPECT_EQ(LastLine(Run(Concat({"--settings", dir.file("absent.ini")}, args)).out), defaults);
}

// Doubtful input is refused with a message rather than filtered to nothing.
TEST_F(FilterCommands, DoubtfulInputIsRefused) {
  ASSERT_EQ(Run({"filter", "--back", "--save", dir.file("b")}).status, 0);
  ASSERT_EQ(Run({"filter", "--pool", "1-6", "--save", dir.file("f")}).status, 0);
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"filter", "--zh", dir.file("b.fh")}, "这是副区条件文件"},
      {{"filter", "--back", "--fh", dir.file("f.zh")}, "这是主区条件文件"},
      {{"filter", "--range", "bzc=9-3"}, "下限大于上限"},
      {{"filter", "--tolerance", "5-2"}, "下限大于上限"},
      {{"filter", "--formula", "z_hz+*foo(:6"}, "公式有误:\"(\"与\")\"不匹配"},
      {{"filter", "--formula", "z_hz/0:0-4"}, "公式有误:除数不能为零"},
      {{"filter", "--formula", "Z_HZ:1"}, "公式有误:Z_HZ指标不存在"},
      {{"filter", "--zh", dir.path()}, "这是一个文件夹"},
      {{"filter", "--continue", dir.path()}, "这是一个文件夹"},
      {{"batch", dir.path()}, "这是一个文件夹"},
      {{"prize", dir.path(), "--draw", "2007001"}, "这是一个文件夹"},
      {{"match", dir.path(), dir.path(), "--out", dir.file("t")}, "这是一个文件夹"},
      {{"prize", "/dev/zero", "--draw", "2007001"}, "不是普通文件"},
  };
  for (const auto& [args, part] : cases) {
    const auto r = Run(args);
    EXPECT_EQ(r.status, 1) << args[0] << " " << args[1];
    EXPECT_NE(r.err.find(part), std::string::npos) << args.back() << ": " << r.err;
  }
}

TEST_F(FilterCommands, BackZoneFilter) {
  auto r = Run({"filter", "--back", "--out", dir.file("back")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(LastLine(r.out), "66");
  EXPECT_NE(r.out.find("超强组号  已得到符合条件的副号组有66个"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(dir.file("back.txt")).substr(0, 14), "11 12 \r\n10 12 ");
  r = Run({"filter", "--back", "--banker", "5", "--cond", "f_hz=10-14", "--save", dir.file("b")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(LastLine(r.out), "4");
  EXPECT_EQ(std::filesystem::file_size(dir.file("b.fh")), 20u * 8381u);
  r = Run({"filter", "--back", "--fh", dir.file("b.fh")});
  EXPECT_EQ(LastLine(r.out), "4");
  // Tolerant 副区和值 with at most one violation lets every pair with 5 through.
  r = Run({"filter", "--back", "--banker", "5", "--cond", "f_hz~=10-14", "--limit", "1"});
  EXPECT_EQ(LastLine(r.out), "11");
}

TEST_F(FilterCommands, BadOptionsFailWithAMessage) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"filter", "--cond", "nosuch=1"}, "没有名为 nosuch 的条件"},
      {{"filter", "--cond", "hmhz=10-20"}, "40到160"},
      {{"filter", "--cond", "dsgs"}, "名称=取值"},
      {{"filter", "--cond", "dsgs=1-x"}, "不是整数或范围"},
      {{"filter", "--banker", "1-6"}, "选择主区胆码不能大于5个"},
      {{"filter", "--pool", "0-3"}, "超出1到35"},
      {{"filter", "--switch", "shape=on"}, "nothistory"},
      {{"filter", "--tolerance", "5"}, "FROM-TO"},
      {{"filter", "--engine", "turbo"}, "fast 或 reference"},
      {{"filter", "--limit", "2"}, "--limit"},
      {{"filter", "--fh", "x.fh"}, "--back"},
      {{"filter", "--cond", "f_hz=10"}, "--back"},
      {{"filter", "--back", "--cond", "hmhz=50"}, "不是副区条件"},
      {{"filter", "--back", "--range", "bzc=1-2"}, "--range"},
      {{"filter", "--back", "--banker", "1-3"}, "选择副区胆码不能大于2个"},
      {{"filter", "--back", "--zh", "a.zh"}, "--back"},
      {{"filter", "--back", "--limit", "16"}, "1到15"},
      {{"filter", "--self", "1-40:1"}, "超出1到35"},
      {{"pick", "--count", "10000"}, "9999"},
      {{"pick", "--pool", "1-10"}, "--filtered"},
      {{"pick", "--tickets", "--filtered"}, "双区机选"},
  };
  for (const auto& [args, part] : cases) {
    const auto r = Run(args);
    EXPECT_EQ(r.status, 1) << args[1];
    EXPECT_NE(r.err.find(part), std::string::npos)
        << args[1] << " " << args.back() << ": " << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
}

TEST_F(FilterCommands, RandomPicks) {
  auto r = Run({"pick", "--count", "5", "--seed", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines.back(), "5");
  EXPECT_EQ(lines[0].size(), 14u) << lines[0];
  EXPECT_EQ(Run({"pick", "--count", "5", "--seed", "1"}).out, r.out) << "seeded";
  EXPECT_EQ(LastLine(Run({"pick"}).out), "10") << "the count defaults to 10";

  r = Run(
      Concat({"pick", "--filtered", "--pool", "1-6", "--count", "10", "--out", dir.file("picked")},
             shapesOff));
  ASSERT_EQ(r.status, 0) << r.err;
  lines = Lines(r.out);
  EXPECT_EQ(lines.back(), "6") << "C(6,5) accepted, fewer than asked: all of them";
  EXPECT_EQ(Lines(test::ReadBytes(dir.file("picked.txt"))).size(), 6u);
  for (size_t i = 0; i + 2 < lines.size(); ++i) EXPECT_LE(lines[i].substr(12), "06") << lines[i];

  r = Run({"pick", "--tickets", "--count", "3", "--seed", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].size(), 20u) << lines[0];
  EXPECT_EQ(lines.back(), "3");
}

TEST_F(FilterCommands, BatchFilter) {
  ASSERT_EQ(Run(Concat({"filter", "--pool", "1-12", "--save", dir.file("a")}, shapesOff)).status,
            0);
  ASSERT_EQ(Run(Concat({"filter", "--pool", "1-12", "--banker", "12", "--save", dir.file("b")},
                       shapesOff))
                .status,
            0);
  auto r = Run({"batch", dir.file("a.zh"), "--out", dir.file("one")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(LastLine(r.out), "792") << "a batch of one is one filter";
  auto lines = Lines(r.out);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "批量过滤完毕");
  const auto filtered = Run({"filter", "--zh", dir.file("a.zh"), "--out", dir.file("direct")});
  EXPECT_EQ(test::ReadBytes(dir.file("one.txt")), test::ReadBytes(dir.file("direct.txt")));

  r = Run({"batch", dir.file("a.zh"), dir.file("gone.zh"), dir.file("b.zh")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(LastLine(r.out), "330");  // C(11,4) with 12
  EXPECT_NE(r.out.find("gone.zh: 文件不存在, 已跳过"), std::string::npos) << r.out;

  test::WriteBytes(dir.file("bad.zh"), "garbage");
  r = Run({"batch", dir.file("bad.zh"), dir.file("b.zh")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(LastLine(r.out), "330");
  EXPECT_NE(r.err.find("bad.zh"), std::string::npos);

  r = Run({"batch", dir.file("gone.zh")});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace dlt
