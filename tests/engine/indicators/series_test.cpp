#include "indicators/series.h"

#include <gtest/gtest.h>

#include "indicator_test_support.h"

namespace dlt {
namespace {

using test::ContextAt;
using test::FakeFormula;

class SeriesTest : public ::testing::Test {
 protected:
  std::vector<Draw> history = test::RandomHistory(3000, 21);
};

// Expressions with few, medium and many distinct values, and one that repeats rarely.
const std::vector<std::pair<const char*, ValueFn>>& Expressions() {
  static const std::vector<std::pair<const char*, ValueFn>> list = {
      {"first number", [](const EvalContext& c) { return int32_t{c.Current().front[0]}; }},
      {"sum",
       [](const EvalContext& c) {
         int32_t s = 0;
         for (auto n : c.Current().front) s += n;
         return s;
       }},
      {"sum tail",
       [](const EvalContext& c) {
         int32_t s = 0;
         for (auto n : c.Current().front) s += n;
         return s % 10;
       }},
      {"signed product",
       [](const EvalContext& c) {
         const auto& f = c.Current().front;
         return int32_t{f[0]} * f[1] * f[4] - int32_t{f[2]} * f[3] * 30;
       }},
  };
  return list;
}

TEST_F(SeriesTest, EqualsThePerDrawDefinitionsOnARealSizeHistory) {
  const EvalContext base = ContextAt(history, 0);
  for (const auto& [name, fn] : Expressions()) {
    const StatisticSeries s = ComputeStatisticSeries(base, fn);
    ASSERT_EQ(s.value.size(), history.size());
    for (int i = 0; i < base.count; ++i) {
      const EvalContext c = base.At(i);
      ASSERT_EQ(s.value[i], fn(c)) << name << " " << i;
      ASSERT_EQ(s.omission[i], ValueOmission(c, fn)) << name << " " << i;
      ASSERT_EQ(s.amplitude[i], ValueAmplitude(c, fn)) << name << " " << i;
      ASSERT_EQ(s.omissionAmplitude[i], OmissionAmplitude(c, fn)) << name << " " << i;
    }
  }
}

TEST_F(SeriesTest, FailuresFallWhereTheWalksMeetThem) {
  const EvalContext base = ContextAt(history, 0);
  // The first number, failing at a scattered set of draws.
  const FakeFormula f([](const EvalContext& c) { return int32_t{c.Current().front[0]}; },
                      [](const EvalContext& c) { return c.pos % 97 == 13 || c.pos == 2500; });
  const FormulaSeries fs = ComputeFormulaSeries(base, f);
  EXPECT_FALSE(fs.ok());
  EXPECT_EQ(fs.errorIndex, 13);
  EXPECT_EQ(fs.error, "fake error@13");
  int failedOmissions = 0;
  for (int i = 0; i < base.count; ++i) {
    const EvalContext c = base.At(i);
    const FormulaResult om = ValueOmission(c, f), amp = ValueAmplitude(c, f),
                        oa = OmissionAmplitude(c, f);
    ASSERT_EQ(fs.series.omission[i].has_value(), om.ok) << i;
    if (om.ok) {
      ASSERT_EQ(*fs.series.omission[i], om.value) << i;
    }
    ASSERT_EQ(fs.series.amplitude[i].has_value(), amp.ok) << i;
    if (amp.ok) {
      ASSERT_EQ(*fs.series.amplitude[i], amp.value) << i;
    }
    ASSERT_EQ(fs.series.omissionAmplitude[i].has_value(), oa.ok) << i;
    if (oa.ok) {
      ASSERT_EQ(*fs.series.omissionAmplitude[i], oa.value) << i;
    }
    failedOmissions += om.ok ? 0 : 1;
  }
  // More omissions fail than values: walks cross the failing draws.
  EXPECT_GT(failedOmissions, 40);
}

TEST_F(SeriesTest, AFormulaThatAlwaysEvaluatesIsOk) {
  const FakeFormula f([](const EvalContext& c) { return int32_t{c.Current().back[1]}; },
                      [](const EvalContext&) { return false; });
  const FormulaSeries fs = ComputeFormulaSeries(ContextAt(history, 0), f);
  EXPECT_TRUE(fs.ok());
  EXPECT_TRUE(fs.error.empty());
  for (const auto& v : fs.series.omissionAmplitude) EXPECT_TRUE(v.has_value());
}

TEST(SeriesFromValuesTest, SmallWorkedExample) {
  const StatisticSeries s = SeriesFromValues(std::vector<int32_t>{5, 6, 5, 7, 6, 5});
  EXPECT_EQ(s.omission, std::vector<int32_t>({0, 1, 1, 3, 2, 2}));
  EXPECT_EQ(s.amplitude, std::vector<int32_t>({5, 1, 1, 2, 1, 1}));
  EXPECT_EQ(s.omissionAmplitude, std::vector<int32_t>({0, 1, 0, 2, 1, 0}));
  EXPECT_TRUE(SeriesFromValues(std::vector<int32_t>{}).omission.empty());
}

TEST_F(SeriesTest, NumberOmissionSeriesEqualsNumberOmission) {
  const EvalContext base = ContextAt(history, 0);
  const auto series = NumberOmissionSeries(base);
  ASSERT_EQ(series.size(), history.size());
  for (int i = 0; i < base.count; ++i)
    for (int k = 1; k <= 5; ++k)
      ASSERT_EQ(series[i][k - 1], NumberOmission(base.At(i), k)) << i << " " << k;
}

}  // namespace
}  // namespace dlt
