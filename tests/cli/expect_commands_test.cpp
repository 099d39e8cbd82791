#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace dlt {
namespace {

using test::AddDraws;
using test::Lines;
using test::RunDlt;

TEST(ExpectCommand, ValueCountProbabilityAndTotal) {
  test::TempDir dir;
  AddDraws(dir.path(), {{"2009001", "1", "5", "6", "7", "8", "1", "2"},
                        {"2009002", "3", "9", "20", "27", "33", "4", "11"}});
  // The smallest of five numbers is 1 for C(34, 4) = 46376 combinations: 1/7.
  const auto first = RunDlt(dir.path(), {"expect", "z_num1"});
  ASSERT_EQ(first.status, 0) << first.err;
  const auto lines = Lines(first.out);
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(lines[0], "1\t46376\t0.142857");
  EXPECT_EQ(lines[30], "31\t1\t0.000003");
  EXPECT_EQ(lines[31], "total\t324632");

  // Two back numbers: a sum of 3 only from 01 02.
  const auto back = RunDlt(dir.path(), {"expect", "f_hz", "--back"});
  ASSERT_EQ(back.status, 0) << back.err;
  EXPECT_EQ(Lines(back.out).front(), "3\t1\t0.015152");
  EXPECT_EQ(Lines(back.out).back(), "total\t66");

  // A formula over earlier draws reads the real history: the newest sum.
  const auto previous = RunDlt(dir.path(), {"expect", "[-1]z_hz"});
  ASSERT_EQ(previous.status, 0) << previous.err;
  EXPECT_EQ(previous.out, "92\t324632\t1.000000\ntotal\t324632\n");

  // Division by zero wherever the smallest number is 3: C(32, 4) = 35960.
  const auto failing = RunDlt(dir.path(), {"expect", "z_hz/(z_num1-3)"});
  ASSERT_EQ(failing.status, 0) << failing.err;
  EXPECT_EQ(Lines(failing.out).end()[-2], "failed\t35960\t0.110772");
}

TEST(ExpectCommand, AFormulaErrorIsRefused) {
  test::TempDir dir;
  for (const char* text : {"z_hz+", "foo(1)"}) {
    const auto r = RunDlt(dir.path(), {"expect", text});
    EXPECT_EQ(r.status, 1) << text;
    EXPECT_EQ(r.err.rfind("公式有误:", 0), 0u) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
}

}  // namespace
}  // namespace dlt
