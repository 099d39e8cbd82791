#include "indicators/statistics.h"

#include <gtest/gtest.h>

#include "indicator_test_support.h"

namespace dlt {
namespace {

using test::ContextAt;
using test::FakeFormula;
using test::FrontHistory;

int32_t FirstNumber(const EvalContext& c) {
  return c.Current().front[0];
}

// The value sequence 5 6 5 7 6 5, one per draw.
const std::vector<int32_t> kSeq = {5, 6, 5, 7, 6, 5};
int32_t FromSeq(const EvalContext& c) {
  return kSeq[c.pos];
}

TEST(ValueOmissionTest, ZeroWhenThePreviousDrawHasTheValue) {
  const auto h = FrontHistory({{1, 2, 3, 4, 5}, {1, 6, 7, 8, 9}});
  EXPECT_EQ(ValueOmission(ContextAt(h, 1), FirstNumber), 0);
}

TEST(ValueOmissionTest, NineForANewValueAtTheTenthDraw) {
  std::vector<std::array<int, 5>> fronts;
  for (int i = 0; i < 10; ++i) fronts.push_back({i + 1, 20, 21, 22, 23});
  const auto h = FrontHistory(fronts);
  EXPECT_EQ(ValueOmission(ContextAt(h, 9), FirstNumber), 9);
  // The second number is the same everywhere.
  EXPECT_EQ(
      ValueOmission(ContextAt(h, 9), [](const EvalContext& c) { return c.Current().front[1]; }), 0);
  EXPECT_EQ(ValueOmission(ContextAt(h, 0), FirstNumber), 0);
}

TEST(ValueOmissionTest, CountsTheDrawsSinceTheLastOccurrence) {
  const auto h = FrontHistory(std::vector<std::array<int, 5>>(6, {1, 2, 3, 4, 5}));
  const std::vector<int32_t> expected = {0, 1, 1, 3, 2, 2};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(ValueOmission(ContextAt(h, i), FromSeq), expected[i]) << i;
}

TEST(ValueAmplitudeTest, FirstDrawGivesTheValueItself) {
  const auto h = FrontHistory({{7, 8, 9, 10, 11}, {3, 8, 9, 10, 11}});
  EXPECT_EQ(ValueAmplitude(ContextAt(h, 0), FirstNumber), 7);
  EXPECT_EQ(ValueAmplitude(ContextAt(h, 1), FirstNumber), 4);
  // The previous value counts as 0, so a negative value gives its absolute value.
  EXPECT_EQ(ValueAmplitude(ContextAt(h, 0), [](const EvalContext&) { return -4; }), 4);
}

TEST(OmissionAmplitudeTest, DifferenceOfConsecutiveOmissions) {
  const auto h = FrontHistory(std::vector<std::array<int, 5>>(6, {1, 2, 3, 4, 5}));
  const std::vector<int32_t> expected = {0, 1, 0, 2, 1, 0};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(OmissionAmplitude(ContextAt(h, i), FromSeq), expected[i]) << i;
}

TEST(OmissionAmplitudeTest, FirstDrawIsZero) {
  const auto h = FrontHistory({{9, 10, 11, 12, 13}});
  EXPECT_EQ(OmissionAmplitude(ContextAt(h, 0), FirstNumber), 0);
}

TEST(FormulaStatisticsTest, AFailureOnTheWalkReportsTheFormulasMessage) {
  const auto h = FrontHistory(std::vector<std::array<int, 5>>(6, {1, 2, 3, 4, 5}));
  const FakeFormula f(
      FromSeq, [](const EvalContext& c) { return c.pos == 1; }, "bad");
  FormulaResult r = ValueOmission(ContextAt(h, 2), f);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "bad@1");
  // The walk from draw 5 stops at draw 2, before the failing draw.
  r = ValueOmission(ContextAt(h, 5), f);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.value, 2);
  EXPECT_FALSE(ValueAmplitude(ContextAt(h, 2), f).ok);
  r = ValueAmplitude(ContextAt(h, 3), f);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.value, 2);
  // Needs the omission at draw 1, which fails at once.
  r = OmissionAmplitude(ContextAt(h, 2), f);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "bad@1");
  // Draw 5's own walk avoids draw 1, but draw 4's (for 6) reaches it.
  EXPECT_FALSE(OmissionAmplitude(ContextAt(h, 5), f).ok);
  r = OmissionAmplitude(ContextAt(h, 0), f);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.value, 0);
}

TEST(FormulaStatisticsTest, AFailureAtTheCurrentDrawFails) {
  const auto h = FrontHistory(std::vector<std::array<int, 5>>(3, {1, 2, 3, 4, 5}));
  const FakeFormula f(FromSeq, [](const EvalContext& c) { return c.pos == 2; });
  EXPECT_FALSE(ValueOmission(ContextAt(h, 2), f).ok);
  EXPECT_FALSE(ValueAmplitude(ContextAt(h, 2), f).ok);
  EXPECT_FALSE(OmissionAmplitude(ContextAt(h, 2), f).ok);
  EXPECT_TRUE(ValueOmission(ContextAt(h, 1), f).ok);
}

TEST(NumberOmissionTest, WaitsForTheNumberAtAnyPosition) {
  const auto h = FrontHistory({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {1, 6, 11, 12, 13}});
  const EvalContext c = ContextAt(h, 2);
  EXPECT_EQ(NumberOmission(c, 1), 1);
  EXPECT_EQ(NumberOmission(c, 2), 0);
  EXPECT_EQ(NumberOmission(c, 3), 2);  // never seen: all earlier draws
  // By position: z_num1 (1) waits for 1 at position 1, found two draws back.
  EXPECT_EQ(ValueOmission(c, FirstNumber), 1);
  // 6 came out in the previous draw, but at position 1, not 2.
  EXPECT_EQ(ValueOmission(c, [](const EvalContext& x) { return x.Current().front[1]; }), 2);
}

TEST(CurrentNumberOmissionsTest, OffsetOfTheLatestAppearance) {
  const auto h = FrontHistory({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {1, 6, 11, 12, 13}});
  const auto om = CurrentNumberOmissions(ContextAt(h, 2));
  for (int n : {1, 6, 11, 12, 13}) EXPECT_EQ(om[n], 0) << n;
  for (int n : {7, 8, 9, 10}) EXPECT_EQ(om[n], 1) << n;
  for (int n : {2, 3, 4, 5}) EXPECT_EQ(om[n], 2) << n;
  // Never drawn: the three draws walked, not 0 as if just drawn.
  for (int n = 14; n <= 35; ++n) EXPECT_EQ(om[n], 3) << n;
  const auto back = CurrentBackNumberOmissions(ContextAt(h, 2));
  EXPECT_EQ(back[1], 0);
  EXPECT_EQ(back[2], 0);
  for (int n = 3; n <= 12; ++n) EXPECT_EQ(back[n], 3) << n;
}

TEST(CurrentNumberOmissionsTest, AgreesWithAWalkOnARealSizeHistory) {
  const auto h = test::RandomHistory(400, 11);
  const EvalContext c = ContextAt(h, 399);
  const auto om = CurrentNumberOmissions(c);
  for (int n = 1; n <= 35; ++n) {
    int expected = 0;
    for (int p = 399; p >= 0; --p, ++expected) {
      const auto& f = h[p].front;
      if (std::find(f.begin(), f.end(), n) != f.end()) break;
    }
    EXPECT_EQ(om[n], expected) << n;
  }
}

TEST(AbsDifferenceTest, WrapsLikeTheFormulaArithmetic) {
  struct Case {
    int32_t a, b, amplitude;
  };
  const Case cases[] = {
      {-5, 3, 8},
      {3, -5, 8},
      {2000000000, 1000000000, 1000000000},
      {INT32_MAX, 0, INT32_MAX},
      // The difference wraps first: 2^31 + 1 reads -(2^31 - 1), whose
      // amplitude is 2^31 - 1 and never negative.
      {INT32_MAX, -2, INT32_MAX},
      {-2, INT32_MAX, INT32_MAX},
      {INT32_MIN, 1, INT32_MAX},
      {INT32_MIN, 0, INT32_MIN},  // abs(-2^31) wraps to itself, as getzf gives
  };
  for (const Case& c : cases) EXPECT_EQ(AbsDifference(c.a, c.b), c.amplitude) << c.a << " " << c.b;
}

}  // namespace
}  // namespace dlt
