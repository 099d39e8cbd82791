// The conversion chain, its leading values and the kill numbers, against
// versions written straight from the definitions.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "support/test_support.h"
#include "trend/conversion_kills.h"
#include "trend/key_series.h"

namespace dlt {
namespace {

// Conversion of `column` at row i: walk up from i - 1 to the first row that
// holds the same value, counting the distinct values passed.
std::vector<int32_t> ReferenceConversion(const std::vector<int32_t>& column) {
  std::vector<int32_t> out(column.size(), 0);
  for (size_t i = 1; i < column.size(); ++i) {
    std::set<int32_t> seen;
    for (size_t j = i; j-- > 0;) {
      if (column[j] == column[i]) break;
      seen.insert(column[j]);
    }
    out[i] = static_cast<int32_t>(seen.size());
  }
  return out;
}

// Conversion `k` of a next draw with indicator value x, by appending it.
int32_t NextConversion(std::vector<int32_t> values, int32_t x, int k) {
  values.push_back(x);
  std::vector<int32_t> column = values;
  for (int j = 0; j < k; ++j) column = ReferenceConversion(column);
  return column.back();
}

std::vector<int32_t> RandomSeries(int count, int32_t top, uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int32_t> value(0, top);
  std::vector<int32_t> v(count);
  for (auto& x : v) x = value(random);
  return v;
}

TEST(ConversionTable, ChainAsDefined) {
  // 3, 5, 3, 3 gives 0, 1, 1, 0.
  const ConversionTable small = ConversionTable::Build({3, 5, 3, 3}, 2);
  EXPECT_EQ(small.Column(1), (std::vector<int32_t>{0, 1, 1, 0}));
  EXPECT_EQ(small.Column(2), (std::vector<int32_t>{0, 1, 0, 1}));
  EXPECT_EQ(ExportedColumnLines(small, {2009001, 2009002, 2009003, kForecastQs}, "主号一", 1),
            (std::vector<std::string>{"期数    转换1", "2009001    0", "2009002    1",
                                      "2009003    1", "预测区    0"}));
  EXPECT_EQ(ExportedColumnLines(small, {2009001}, "主号一", 0)[0], "期数    主号一");

  // Values beyond 40 (a wider indicator) are counted as well as small ones.
  for (auto [top, seed] : {std::pair{4, 1u}, std::pair{40, 2u}, std::pair{165, 3u}}) {
    const std::vector<int32_t> values = RandomSeries(300, top, seed);
    const ConversionTable t = ConversionTable::Build(values, 12);
    std::vector<int32_t> column = values;
    for (int k = 1; k <= 12; ++k) {
      column = ReferenceConversion(column);
      ASSERT_EQ(t.Column(k), column) << "conversion " << k << " of values up to " << top;
    }
  }
  EXPECT_EQ(ConversionTable::Build({}, 200).Rows(), 0);
}

TEST(ConversionTable, LeadingValuesAsDefined) {
  const std::vector<int32_t> values = RandomSeries(80, 8, 11);
  const ConversionTable t = ConversionTable::Build(values, 6);
  const int last = t.Rows() - 1;
  for (int k = 1; k <= 6; ++k)
    for (int32_t target = 0; target <= 9; ++target) {
      std::optional<int32_t> expected;
      for (int32_t x = 0; x <= 40 && !expected; ++x)
        if (NextConversion(values, x, k) == target) expected = x;
      ASSERT_EQ(t.LeadingValue(k, last, target), expected) << "k " << k << " target " << target;
    }
  // "指标值" gives back every typed value; a typed word that is no number is refused.
  std::string error;
  EXPECT_EQ(LeadingValuesText(t, 0, " 0 7  40 ", &error), "0 7 40 ");
  EXPECT_FALSE(LeadingValuesText(t, 1, "1 a", &error));
  EXPECT_EQ(error, "\"a\"不是整数");
  // Targets that nothing leads to are left out.
  std::string expected;
  for (int32_t target : {0, 1, 99})
    if (auto v = t.LeadingValue(3, last, target)) expected += std::to_string(*v) + " ";
  EXPECT_EQ(LeadingValuesText(t, 3, "0 1 99"), expected);
}

// The kills of one analysed row, from the definitions.
ConversionKillPrediction ReferenceKills(const std::vector<int32_t>& values,
                                        const ConversionTable& t, int row, int a, int b) {
  std::vector<int> absolute(41), ordinary(41);
  std::string absolutePositions, ordinaryPositions;
  const std::vector<int32_t> upTo(values.begin(), values.begin() + row + 1);
  for (int k = a; k <= b; ++k) {
    int run = 1;
    while (run <= row && t.At(k, row - run) == t.At(k, row)) ++run;
    if (run != 2 && run != 3) continue;
    int killed = 0;
    for (int x = 0; x <= 40; ++x)
      if (NextConversion(upTo, x, k) == t.At(k, row)) {
        killed = x;
        break;
      }
    (run == 3 ? absolute : ordinary)[killed]++;
    (run == 3 ? absolutePositions : ordinaryPositions) += std::to_string(k) + ",";
  }
  auto list = [](const std::vector<int>& counts) {
    std::string s;
    for (int x = 0; x <= 40; ++x)
      if (counts[x]) s += std::to_string(x) + "(" + std::to_string(counts[x]) + "),";
    return s;
  };
  ConversionKillPrediction p;
  p.kills = "绝杀：" + list(absolute) + "普杀：" + list(ordinary);
  p.positions = "绝杀位置：" + absolutePositions + "普杀位置：" + ordinaryPositions;
  return p;
}

TEST(ConversionKills, AgreeWithTheDefinitions) {
  const std::vector<int32_t> values = RandomSeries(40, 5, 21);
  const ConversionTable t = ConversionTable::Build(values, 8);
  int reported = 0;
  const ConversionKills kills = ComputeKills(t, 2, 8, [&](int done) { reported = done; });
  EXPECT_EQ(reported, 40);
  ASSERT_EQ(kills.predictions.size(), 40u);
  int correct = 0;
  for (int i = 0; i < 40; ++i) {
    const ConversionKillPrediction expected = ReferenceKills(values, t, i, 2, 8);
    EXPECT_EQ(kills.predictions[i].kills, expected.kills) << "row " << i;
    EXPECT_EQ(kills.predictions[i].positions, expected.positions) << "row " << i;
    if (i == 0) {
      EXPECT_FALSE(kills.verdicts[0]);
      continue;
    }
    // Correct when the value escaped both lists of the row before.
    const std::string& before = kills.predictions[i - 1].kills;
    const std::string mark = std::to_string(values[i]) + "(";
    const bool hit = before.find("：" + mark) != std::string::npos ||
                     before.find("," + mark) != std::string::npos;
    EXPECT_EQ(kills.verdicts[i], !hit) << "row " << i << " " << before;
    correct += hit ? 0 : 1;
  }
  EXPECT_EQ(kills.correct, correct);
}

TEST(ConversionKills, RunsOfTwoAndThreeKillAndNothingElseDoes) {
  // Value 1 four times: conversion 1 is 0, 0, 0, 0; the value that keeps it
  // at 0 is 1 itself.
  const ConversionTable t = ConversionTable::Build({1, 1, 1, 1}, 1);
  const ConversionKills k = ComputeKills(t, 1, 1);
  struct Row {
    const char* kills;
    const char* positions;
    const char* verdict;
  };
  const Row rows[] = {
      {"绝杀：普杀：", "绝杀位置：普杀位置：", ""},             // a run of one
      {"绝杀：普杀：1(1),", "绝杀位置：普杀位置：1,", "正确"},  // two: ordinary kill
      {"绝杀：1(1),普杀：", "绝杀位置：1,普杀位置：", "错误"},  // three: absolute kill
      {"绝杀：普杀：", "绝杀位置：普杀位置：", "错误"},         // four: none
  };
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(k.predictions[i].kills, rows[i].kills) << i;
    EXPECT_EQ(k.predictions[i].positions, rows[i].positions) << i;
    EXPECT_EQ(VerdictText(k.verdicts[i]), rows[i].verdict) << i;
  }
  EXPECT_EQ(k.RateText(), "25%");  // one correct of four analysed

  // The rate divides by the analysed draws: 80 of 100 reads "80%".
  ConversionKills hundred;
  hundred.verdicts.assign(100, true);
  hundred.verdicts[0].reset();
  hundred.correct = 80;
  EXPECT_EQ(hundred.RateText(), "80%");
  // No draw judged (none analysed, or one: the first has no verdict): no rate.
  EXPECT_EQ(ConversionKills{}.RateText(), kNoDrawJudged);
  const ConversionKills one = ComputeKills(ConversionTable::Build({5}), 1, 30);
  EXPECT_EQ(one.Analysed(), 1);
  EXPECT_EQ(one.RateText(), kNoDrawJudged);
}

TEST(ConversionKills, IndicatorSeriesOfTheHistory) {
  const std::vector<Draw> draws = test::RandomHistory(20, 4);
  const EvalEnv env;
  const auto values = KeySeries(draws, env, "xc51", 5, 10);
  ASSERT_TRUE(values);
  ASSERT_EQ(values->size(), 10u);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ((*values)[i], draws[5 + i].front[4] - draws[5 + i].front[0]);
  EXPECT_FALSE(KeySeries(draws, env, "no_such_key", 0, 20));
  EXPECT_EQ(ConversionIndicators().size(), 41u);
  EXPECT_EQ(ConversionItemText(ConversionIndicators()[7]).substr(0, 4), "xc51");
}

}  // namespace
}  // namespace dlt
