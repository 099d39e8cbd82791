// The statistics over real formulas and their agreement with the catalogue
// families and the formula functions built on them.
#include <gtest/gtest.h>

#include "indicator_test_support.h"
#include "indicators/indicator.h"
#include "indicators/series.h"
#include "indicators/statistics.h"

namespace dlt {
namespace {

using test::ContextAt;

int32_t Sum(const EvalContext& c) {
  int32_t s = 0;
  for (auto n : c.Current().front) s += n;
  return s;
}

class FormulaStatisticsOnHistory : public ::testing::Test {
 protected:
  std::vector<Draw> history = test::RandomHistory(600, 17);
};

TEST_F(FormulaStatisticsOnHistory, FormulaTextsGiveTheRoutineValues) {
  for (int pos = 0; pos < 600; pos += 13) {
    const EvalContext c = ContextAt(history, pos);
    const FormulaResult om = ValueOmission(c, "z_hz"), amp = ValueAmplitude(c, "z_hz"),
                        oa = OmissionAmplitude(c, "z_hz");
    ASSERT_TRUE(om.ok && amp.ok && oa.ok) << om.error << amp.error << oa.error;
    EXPECT_EQ(om.value, ValueOmission(c, Sum)) << pos;
    EXPECT_EQ(amp.value, ValueAmplitude(c, Sum)) << pos;
    EXPECT_EQ(oa.value, OmissionAmplitude(c, Sum)) << pos;
  }
}

TEST_F(FormulaStatisticsOnHistory, AFormulaErrorIsReported) {
  const FormulaResult r = ValueOmission(ContextAt(history, 10), "foo(1)");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "foo函数不存在");
  const FormulaResult a = ValueAmplitude(ContextAt(history, 10), "z_hz+");
  EXPECT_FALSE(a.ok);
  EXPECT_FALSE(a.error.empty());
  const FormulaSeries s = ComputeFormulaSeries(ContextAt(history, 0), "foo(1)");
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(s.errorIndex, 0);
  EXPECT_EQ(s.error, "foo函数不存在");
}

TEST_F(FormulaStatisticsOnHistory, FormulaSeriesEqualsThePerDrawWalks) {
  const EvalContext base = ContextAt(history, 0);
  const FormulaSeries s = ComputeFormulaSeries(base, "z_hz%7+z_num1");
  ASSERT_TRUE(s.ok()) << s.error;
  for (int pos = 0; pos < base.count; pos += 11) {
    const EvalContext c = base.At(pos);
    EXPECT_EQ(*s.series.omission[pos], ValueOmission(c, "z_hz%7+z_num1").value) << pos;
    EXPECT_EQ(*s.series.amplitude[pos], ValueAmplitude(c, "z_hz%7+z_num1").value) << pos;
    EXPECT_EQ(*s.series.omissionAmplitude[pos], OmissionAmplitude(c, "z_hz%7+z_num1").value) << pos;
  }
}

TEST_F(FormulaStatisticsOnHistory, CatalogueFamiliesAndFormulaFunctionsAgree) {
  for (const Source source : {Source::Table, Source::Memory}) {
    for (int pos = 0; pos < 600; pos += 29) {
      const EvalContext c = ContextAt(history, pos, nullptr, source);
      const int32_t omission = ValueOmission(c, Sum);
      EXPECT_EQ(IndicatorValue(c, "z_hzyl"), omission) << pos;
      EXPECT_EQ(IndicatorValue(c, "z_hzylzf"), OmissionAmplitude(c, Sum)) << pos;
      EXPECT_EQ(IndicatorValue(c, "z_hzzf"), ValueAmplitude(c, Sum)) << pos;
      EXPECT_EQ(IndicatorValue(c, "z_num3yl_toall"), NumberOmission(c, 3)) << pos;
      const FormulaResult f = EvaluateFormula(c, "getylz(z_hz)");
      ASSERT_TRUE(f.ok) << f.error;
      EXPECT_EQ(f.value, omission) << pos;
      const FormulaResult g = EvaluateFormula(c, "getylzzf(z_hz)");
      ASSERT_TRUE(g.ok) << g.error;
      EXPECT_EQ(g.value, OmissionAmplitude(c, Sum)) << pos;
      const FormulaResult z = EvaluateFormula(c, "getzf(z_hz)");
      ASSERT_TRUE(z.ok) << z.error;
      EXPECT_EQ(z.value, ValueAmplitude(c, Sum)) << pos;
    }
  }
}

// Values near the 32-bit limits: the amplitude of a formula and getzf of it
// wrap alike, and a difference that wraps is never read as a negative amplitude.
TEST_F(FormulaStatisticsOnHistory, AmplitudesWrapAlikeNearTheLimits) {
  const std::string wide = "z_num1*123456789";
  int wrapped = 0;
  for (int pos = 1; pos < 600; pos += 7) {
    const EvalContext c = ContextAt(history, pos);
    const int64_t now = int64_t{history[pos].front[0]} * 123456789;
    const int64_t before = int64_t{history[pos - 1].front[0]} * 123456789;
    const FormulaResult amplitude = ValueAmplitude(c, wide);
    const FormulaResult getzf = EvaluateFormula(c, "getzf(" + wide + ")");
    ASSERT_TRUE(amplitude.ok && getzf.ok) << amplitude.error << getzf.error;
    EXPECT_EQ(amplitude.value, getzf.value) << pos;
    const int64_t wrappedNow = static_cast<int32_t>(static_cast<uint32_t>(now));
    const int64_t wrappedBefore = static_cast<int32_t>(static_cast<uint32_t>(before));
    const int64_t difference = wrappedNow - wrappedBefore;
    const int32_t expected = static_cast<int32_t>(static_cast<uint32_t>(difference));
    EXPECT_EQ(amplitude.value, expected < 0 ? -int64_t{expected} : expected) << pos;
    wrapped += difference > INT32_MAX || difference < INT32_MIN;
  }
  EXPECT_GT(wrapped, 0) << "some differences must pass the 32-bit limits";
}

TEST_F(FormulaStatisticsOnHistory, CompoundKeysResolveThroughTheValueByName) {
  const EvalContext c = ContextAt(history, 200);
  int32_t pairs = 0;
  const auto& f = c.Current().front;
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 5; ++j) pairs += f[j] - f[i] == 2;
  EXPECT_EQ(IndicatorValue(c, "c_cz_2"), pairs);
  EXPECT_EQ(IndicatorValue(c, "c_cz_x"), kNoValue);
  EXPECT_EQ(ResolveIndicator("c_cz_x").error, "参数不正确: c_cz_x");
  const int32_t shape = IndicatorValue(c, "c_2zbzh:z_num1|z_num2:0");
  EXPECT_EQ(shape, (f[0] % 2) * 2 + f[1] % 2);
}

}  // namespace
}  // namespace dlt
