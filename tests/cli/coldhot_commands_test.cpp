#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace dlt {
namespace {

using test::RunDlt;

void Add(const std::string& dir, std::vector<std::string> fields) {
  fields.insert(fields.begin(), {"history", "add"});
  const auto r = RunDlt(dir, fields);
  ASSERT_EQ(r.status, 0) << r.err;
}

class ColdHotCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    Add(dir.path(), {"2009001", "1", "2", "3", "4", "5", "1", "2"});
    Add(dir.path(), {"2009002", "5", "6", "7", "8", "9", "1", "3"});
    Add(dir.path(), {"2009003", "1", "10", "11", "12", "13", "1", "4"});
  }
  test::TempDir dir;
};

TEST_F(ColdHotCommand, PrintsSixListsForTheLastDraw) {
  const auto r = RunDlt(dir.path(), {"coldhot", "--qs", "2", "--coldcs", "0", "--hotcs", "2",
                                     "--f-qs", "3", "--f-coldcs", "1", "--f-hotcs", "3"});
  ASSERT_EQ(r.status, 0) << r.err;
  // Window of the last two draws: every number at most once, none twice.
  std::string cold = "主区冷号:";
  for (int n : {2, 3, 4}) cold += " 0" + std::to_string(n);
  for (int n = 14; n <= 35; ++n) cold += " " + std::to_string(n);
  const std::string expected = cold + "\n" +
                               "主区温号: 01 05 06 07 08 09 10 11 12 13\n"
                               "主区热号:\n"
                               "副区冷号: 02 03 04 05 06 07 08 09 10 11 12\n"
                               "副区温号:\n"
                               "副区热号: 01\n";
  EXPECT_EQ(r.out, expected);
}

TEST_F(ColdHotCommand, ChosenDrawAndDefaults) {
  const auto r = RunDlt(dir.path(), {"coldhot", "--draw", "2009001"});
  ASSERT_EQ(r.status, 0) << r.err;
  // Default thresholds 2 and 8: one draw makes nothing warm or hot.
  EXPECT_NE(r.out.find("主区温号:\n主区热号:\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("副区冷号: 01 02 03"), std::string::npos) << r.out;
}

TEST_F(ColdHotCommand, UnknownDrawFails) {
  const auto r = RunDlt(dir.path(), {"coldhot", "--draw", "2009999"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find("2009999"), std::string::npos) << r.err;
}

TEST(ColdHotCommandEmpty, EmptyHistoryFails) {
  test::TempDir dir;
  const auto r = RunDlt(dir.path(), {"coldhot"});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace dlt
