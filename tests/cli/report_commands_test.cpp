#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "common/data_folder.h"
#include "common/gbk_text.h"
#include "generator/condition_files.h"
#include "history/draw_table.h"

namespace dlt::test {
namespace {

class ReportCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    // Three draws; the middle one is checked.
    ASSERT_TRUE(DataFolder(dir_.file("data")).Ensure());
    DrawTable table(dir_.file("data/database/basedata.db"));
    ASSERT_TRUE(table.AppendDraw(MakeDraw(2009001, {1, 9, 16, 23, 30}, {1, 2})));
    ASSERT_TRUE(table.AppendDraw(MakeDraw(2009002, {3, 8, 17, 22, 31}, {5, 9})));
    ASSERT_TRUE(table.AppendDraw(MakeDraw(2009003, {2, 4, 6, 8, 10}, {3, 4})));

    set_.Switches() = GlobalSwitches{false, true, false};
    ASSERT_TRUE(set_.SetEnabled(FrontNumber("dsgs"), true));
    ASSERT_TRUE(set_.SetValues(FrontNumber("dsgs"),
                               *ValueSet::From({2, 3})));  // big numbers (>= 18): 22, 31
    ASSERT_TRUE(set_.SetEnabled(FrontNumber("red1"), true));
    ASSERT_TRUE(
        set_.SetValues(FrontNumber("red1"), *ValueSet::From({1})));  // first number 3: wrong
    ASSERT_TRUE(set_.SetTolerant(FrontNumber("red1"), true));
    ASSERT_TRUE(SaveFrontSet(set_, File("set.zh")));
  }

  std::string File(const std::string& name) const { return dir_.file(name); }
  std::string ReportFile() const { return dir_.file("data/database/showcond.txt"); }
  CliRun Run(std::vector<std::string> args) { return RunDlt(dir_.file("data"), std::move(args)); }

  TempDir dir_;
  ConditionSet set_;
};

const char* const kFullPool =
    "01，02，03，04，05，06，07，08，09，10，11，12，13，14，15，16，17，18，19，20，21，22，23，24"
    "，"
    "25，26，27，28，29，30，31，32，33，34，35，";

TEST_F(ReportCommands, ListReportGoesToStdoutAndTheReportFile) {
  const CliRun r = Run({"report", "--zh", File("set.zh")});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string expected = std::string("可选主号：") + kFullPool +
                               "\n胆码：\n\n指标过滤设置：\n\n大数个数：2，3，\n"
                               "主号一：1，（容错）\n\n去除等间距组合\n";
  EXPECT_EQ(r.out, expected);
  std::string crlf;
  for (char ch : expected) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  EXPECT_EQ(ReadBytes(ReportFile()), *Utf8ToGbk(crlf));
}

TEST_F(ReportCommands, CheckReportInTheThreeModes) {
  const std::string right1 = std::string("正确 可选红号：") + kFullPool;
  CliRun r = Run({"report", "--zh", File("set.zh"), "--check", "2009002"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, right1 +
                       "\n正确 胆码：\n\n指标过滤设置：\n\n正确 大数个数：2，3，\n"
                       "错误 红号一：1，（容错）\n\n正确 去除等间距组合\n");

  r = Run({"report", "--zh", File("set.zh"), "--check", "2009002", "--mode", "right"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, right1 +
                       "\n正确 胆码：\n\n指标过滤设置：\n\n正确 大数个数：2，3，\n"
                       "\n正确 去除等间距组合\n");

  r = Run({"report", "--zh", File("set.zh"), "--check", "2009002", "--mode", "wrong"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "\n指标过滤设置：\n\n错误 红号一：1，（容错）\n\n");
  EXPECT_EQ(ReadBytes(ReportFile()),
            *Utf8ToGbk("\r\n指标过滤设置：\r\n\r\n错误 红号一：1，（容错）\r\n\r\n"));
}

TEST_F(ReportCommands, EqualGapsOfTheCheckedDrawAreMarkedWrong) {
  const CliRun r = Run({"report", "--zh", File("set.zh"), "--check", "2009003", "--mode", "wrong"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("错误 去除等间距组合"), std::string::npos);
  EXPECT_NE(r.out.find("错误 大数个数：2，3，"), std::string::npos);  // no big number
}

TEST_F(ReportCommands, FailuresGoToStderrAndLeaveTheOldReport) {
  WriteBytes(ReportFile(), "old");
  CliRun r = Run({"report", "--zh", File("none.zh")});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
  EXPECT_TRUE(r.out.empty());

  r = Run({"report", "--zh", File("set.zh"), "--check", "2008001"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "历史数据中没有第2008001期\n");

  r = Run({"report", "--zh", File("set.zh"), "--check", "2009002", "--mode", "odd"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("odd"), std::string::npos);

  WriteBytes(File("bad.zh"), "not a condition file");
  r = Run({"report", "--zh", File("bad.zh")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(ReadBytes(ReportFile()), "old");
}

TEST_F(ReportCommands, ModeNeedsACheckedDraw) {
  const CliRun r = Run({"report", "--zh", File("set.zh"), "--mode", "wrong"});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace dlt::test
