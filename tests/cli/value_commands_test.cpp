#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace dlt {
namespace {

using test::RunDlt;

class ValueCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    // z_num1 runs 1, 3, 5; z_hz 15, 60, 100.
    Add({"2009001", "1", "2", "3", "4", "5", "1", "2"});
    Add({"2009002", "3", "5", "12", "18", "22", "5", "11"});
    Add({"2009003", "5", "10", "20", "30", "35", "2", "9"});
  }
  void Add(std::vector<std::string> fields) {
    fields.insert(fields.begin(), {"history", "add"});
    ASSERT_EQ(RunDlt(dir.path(), fields).status, 0);
  }
  test::TempDir dir;
};

TEST_F(ValueCommand, ValueAtTheLastDrawByDefault) {
  auto r = RunDlt(dir.path(), {"value", "z_num1"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "5\n");
  r = RunDlt(dir.path(), {"value", "(z_hz+z_num1)%10"});
  EXPECT_EQ(r.out, "5\n");
  r = RunDlt(dir.path(), {"value", "[-1]z_num1*10+z_num1"});
  EXPECT_EQ(r.out, "35\n");
  // A misspelt name would read -999 for every draw: it is refused.
  r = RunDlt(dir.path(), {"value", "nosuchkey"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "公式有误:nosuchkey指标不存在\n");
}

TEST_F(ValueCommand, ValueAtAChosenDraw) {
  auto r = RunDlt(dir.path(), {"value", "z_hz", "--draw", "2009002"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "60\n");
  r = RunDlt(dir.path(), {"value", "[-1]z_hz", "--draw", "2009001"});
  EXPECT_EQ(r.out, "15\n") << "the first draw has no earlier one: it reads itself";
  r = RunDlt(dir.path(), {"value", "getylz(z_num1%2)", "--draw", "2009003"});
  EXPECT_EQ(r.out, "0\n");
}

TEST_F(ValueCommand, EveryDraw) {
  auto r = RunDlt(dir.path(), {"value", "[-1]z_num1+z_num1", "--all"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "2009001\t2\n2009002\t4\n2009003\t8\n");
}

TEST_F(ValueCommand, AFailingFormulaExitsWithItsMessage) {
  auto r = RunDlt(dir.path(), {"value", "z_hz+"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "公式有误:运算符号后只能接指标或数据或括号\n");
  r = RunDlt(dir.path(), {"value", "foo(1)", "--draw", "2009001"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "公式有误:foo函数不存在\n");
  // A division by zero at the second draw only: the first line is printed.
  r = RunDlt(dir.path(), {"value", "100/(z_num1-3)", "--all"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "2009001\t-50\n");
  EXPECT_EQ(r.err, "公式有误:除数不能为零\n出错的期号: 2009002\n");
}

TEST_F(ValueCommand, BadDrawsAndOptions) {
  auto r = RunDlt(dir.path(), {"value", "z_hz", "--draw", "2009999"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "没有第2009999期的开奖数据\n");
  r = RunDlt(dir.path(), {"value", "z_hz", "--draw", "2009001", "--all"});
  EXPECT_EQ(r.status, 1) << "--draw and --all exclude each other";
  EXPECT_EQ(r.out, "");
  test::TempDir empty;
  r = RunDlt(empty.path(), {"value", "1+1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "历史数据为空\n");
}

}  // namespace
}  // namespace dlt
