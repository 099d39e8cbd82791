#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "cli_test_support.h"
#include "history/draw_table.h"

namespace dlt {
namespace {

using test::Lines;
using test::RunDlt;

class BacktestCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto r = RunDlt(dir.path(), {"history", "demo", "--draws", "80", "--seed", "5"});
    ASSERT_EQ(r.status, 0) << r.err;
  }
  test::CliRun Run(std::vector<std::string> args) {
    for (const char* a : {"--switch", "equaldist=off", "--switch", "special=off"})
      args.push_back(a);
    return RunDlt(dir.path(), std::move(args));
  }
  std::vector<Draw> Draws() { return DrawTable(dir.file("database/basedata.db")).Draws(); }

  test::TempDir dir;
};

// 主号一 limited to 2..31: a draw breaks it exactly when its first number is 1.
std::string ExpectedLine(const Draw& d) {
  return std::to_string(d.qs) + (d.front[0] == 1 ? "\t0\tred1" : "\t1");
}

TEST_F(BacktestCommands, OneLinePerDrawThenTheKeptShare) {
  const std::vector<Draw> draws = Draws();
  const auto r = Run({"backtest", "--cond", "red1=2-31", "--last", "40"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 41u);
  int kept = 0, broken = 0;
  for (int i = 0; i < 40; ++i) {
    const Draw& d = draws[draws.size() - 40 + static_cast<size_t>(i)];
    EXPECT_EQ(lines[static_cast<size_t>(i)], ExpectedLine(d));
    (d.front[0] == 1 ? broken : kept)++;
  }
  ASSERT_GT(broken, 0);  // the seed has such draws, so both kinds of line were checked
  EXPECT_EQ(lines.back(), std::to_string(kept) + "/40");
}

// Without the shape switches 主号一 2..31 keeps C(34,5) of C(35,5)
// combinations, 6/7, whatever came before: four draws give 3.43 by chance,
// and K kept or more has the binomial tail's chance.
TEST_F(BacktestCommands, ExpectedKeptBesideTheCount) {
  const auto r = Run({"backtest", "--cond", "red1=2-31", "--last", "4", "--expected"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  const int kept = std::stoi(lines.back());
  double tail = 0, choose = 1;
  for (int j = 0; j <= 4; ++j) {
    if (j > 0) choose = choose * (4 - j + 1) / j;
    if (j >= kept) tail += choose * std::pow(6.0 / 7, j) * std::pow(1.0 / 7, 4 - j);
  }
  char chance[32];
  std::snprintf(chance, sizeof chance, "%.6f", tail);
  EXPECT_EQ(lines.back(), std::to_string(kept) + "/4\t3.43\t" + chance);
  // The draw lines are those of the plain command.
  const auto plain = Run({"backtest", "--cond", "red1=2-31", "--last", "4"});
  EXPECT_EQ(Lines(plain.out)[3], lines[3]);
}

TEST_F(BacktestCommands, RangeByIssueAndTheForecastRecord) {
  const std::vector<Draw> draws = Draws();
  {
    DrawTable table(dir.file("database/basedata.db"));
    table.WriteForecast(test::MakeDraw(0, {1, 2, 3, 4, 5}, {1, 2}));
  }
  auto r = Run({"backtest", "--cond", "red1~=2-31", "--tolerance", "0-0", "--from",
                std::to_string(draws[10].qs), "--to", std::to_string(draws[19].qs)});
  ASSERT_EQ(r.status, 0) << r.err;
  auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 11u);
  for (size_t i = 0; i < 10; ++i) {
    const Draw& d = draws[10 + i];
    EXPECT_EQ(lines[i], d.front[0] == 1 ? std::to_string(d.qs) + "\t0\tred1~ tolerance"
                                        : std::to_string(d.qs) + "\t1");
  }
  // The last real draws, not the forecast record after them.
  r = Run({"backtest", "--last", "3"});
  ASSERT_EQ(r.status, 0) << r.err;
  lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2].substr(0, 7), std::to_string(draws.back().qs));
  EXPECT_EQ(lines[3], "3/3");
}

TEST_F(BacktestCommands, RefusesWhatTheFilterRefuses) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"backtest", "--range", "bzc="}, "标准差还未确定范围"},
      {{"backtest", "--from", "2000001"}, "没有第2000001期"},
      {{"backtest", "--zh", "/nonexistent/x.zh"}, "x.zh"},
  };
  for (const Case& c : cases) {
    const auto r = Run(c.args);
    EXPECT_EQ(r.status, 1) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
}

// Buckets 0, 1, ... then the count alone; the buckets sum to it.
TEST_F(BacktestCommands, FilterHistogram) {
  struct Case {
    std::string tolerance;
    size_t buckets;  // at most
  };
  for (const Case& c : {Case{"0-0", 1}, Case{"0-2", 3}}) {
    const auto r = Run({"filter", "--histogram", "--cond", "jsgs~=2-3", "--cond", "dsgs~=1-3",
                        "--cond", "hmhz~=60-120", "--tolerance", c.tolerance});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_GE(lines.size(), 3u);
    const long long count = std::stoll(lines.back());
    long long sum = 0;
    size_t k = 0;
    for (size_t i = 1; i + 1 < lines.size(); ++i, ++k) {
      const std::string prefix = std::to_string(k) + "\t";
      ASSERT_EQ(lines[i].substr(0, prefix.size()), prefix) << lines[i];
      sum += std::stoll(lines[i].substr(prefix.size()));
    }
    EXPECT_GE(k, 1u);
    EXPECT_LE(k, c.buckets) << c.tolerance;
    EXPECT_EQ(sum, count) << c.tolerance;
  }
  const auto back = RunDlt(dir.path(), {"filter", "--back", "--histogram"});
  EXPECT_EQ(back.status, 1);
  EXPECT_NE(back.err.find("--histogram"), std::string::npos);
}

}  // namespace
}  // namespace dlt
