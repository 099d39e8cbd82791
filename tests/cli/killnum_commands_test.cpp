#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace dlt {
namespace {

using test::RunDlt;

class KillnumCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    Add({"2009001", "1", "5", "12", "23", "30", "3", "11"});
    Add({"2009002", "2", "5", "13", "24", "35", "1", "12"});
    Add({"2009003", "3", "6", "14", "25", "34", "4", "7"});
    // The fourth formula divides by zero on draw 2009002 (z_num1 is 2).
    test::WriteBytes(dir.file("set.txt"), "5\r\n[-1]z_num1\r\n3\r\n9/(z_num1-2)\r\n");
  }
  void Add(std::vector<std::string> fields) {
    fields.insert(fields.begin(), {"history", "add"});
    ASSERT_EQ(RunDlt(dir.path(), fields).status, 0);
  }
  test::TempDir dir;
};

TEST_F(KillnumCommands, KillPrintsEachFormulaAndThePredictionsKillList) {
  auto r = RunDlt(dir.path(),
                  {"kill", "--kind", "front", "--formulas", dir.file("set.txt"), "--count", "3"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\t1\t33.3\n2\t2\t66.7\n3\t2\t66.7\n03 05\n");

  r = RunDlt(dir.path(), {"kill", "--kind", "back-banker", "--formulas", dir.file("set.txt"),
                          "--start", "2009002"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "1\t0\t0\n2\t1\t50\n3\t0\t0\n4\t0\t0\n03 05\n");
  EXPECT_EQ(r.err, "第4条公式有误：除数不能为零\n");

  r = RunDlt(dir.path(),
             {"kill", "--kind", "front", "--formulas", dir.file("set.txt"), "--start", "2009009"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "没有第2009009期的开奖数据\n");
}

// A misspelt name would read -999, never drawn, and score 100%: the file is
// refused with its line named, whatever --count uses of it.
TEST_F(KillnumCommands, AFormulaSetWithAMisspeltNameIsRefused) {
  test::WriteBytes(dir.file("bad.txt"), "5\r\n\r\n[-1]z_num1\r\nfoo\r\n");
  for (const std::vector<std::string>& extra :
       {std::vector<std::string>{}, std::vector<std::string>{"--count", "1"}}) {
    std::vector<std::string> args = {"kill", "--kind", "front", "--formulas", dir.file("bad.txt")};
    args.insert(args.end(), extra.begin(), extra.end());
    const auto r = RunDlt(dir.path(), args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "第4行: 公式有误:foo指标不存在\n");
  }
}

TEST_F(KillnumCommands, SearchPrintsTheFormulaAndItsRateOrSaysWhyNot) {
  auto r = RunDlt(dir.path(), {"search", "--kind", "front", "--lookback", "2", "--range", "1-10",
                               "--target", "0-100", "--seed", "5"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("*[-2]z_hw)+"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("per second"), std::string::npos);

  r = RunDlt(dir.path(),
             {"search", "--kind", "back", "--target", "101-102", "--max-candidates", "300"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("测试了300个公式，没有找到达到目标准确率的公式"), std::string::npos);

  r = RunDlt(dir.path(), {"search", "--kind", "front", "--indicator", "nokey"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("没有这个指标：nokey"), std::string::npos);
}

}  // namespace
}  // namespace dlt
