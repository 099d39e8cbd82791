#include "killnum/scheme_optimisation.h"

#include <gtest/gtest.h>

#include "engine/killnum/killnum_test_support.h"

namespace dlt {
namespace {

using test::HistoryOf;
using test::MakeDraw;

// Ten draws; number 1 is drawn at the given ones.
std::vector<Draw> OneDrawnAt(const std::vector<int>& at) {
  std::vector<Draw> draws;
  for (int i = 0; i < 10; ++i) {
    bool drawn = false;
    for (int a : at) drawn |= a == i;
    draws.push_back(MakeDraw(2015001 + i, {drawn ? 1 : 2, 20, 25, 30, 33}, {1, 2}));
  }
  return draws;
}

// The constant candidate "(0)%10+1" kills number 1 and fails where it was drawn.
TEST(SchemeLimit, ABlockOfMarkedDrawsLongerThanTheLimitDropsTheCandidate) {
  const struct {
    std::vector<int> drawn, marked;
    int limit;
    bool dropped;
  } cases[] = {
      {{4}, {2, 3}, 2, true},      // joins two marked draws: a block of three
      {{2, 3}, {2, 3}, 2, false},  // fails only where others failed: still two
      {{4}, {2, 3}, 3, false},    {{3, 4}, {}, 1, true},  // its own two failures in a row
      {{5}, {3}, 1, false},                               // not adjacent
  };
  for (const auto& c : cases) {
    const KillHistory h = HistoryOf(OneDrawnAt(c.drawn));
    CandidateSetup setup;
    setup.shape = {"z_hw", 0, 1, 10};
    setup.end = 9;
    std::string error;
    const auto tester = CandidateTester::Make(h, setup, &error);
    ASSERT_TRUE(tester) << error;
    std::vector<uint8_t> marks(10, kNoMark);
    for (int m : c.marked) marks[static_cast<size_t>(m)] = 1;
    RunLimits limits;
    limits.marks = &marks;
    limits.mark = 2;
    limits.maxMarkedRun = c.limit;
    const std::vector<int32_t> constant = {0};
    EXPECT_EQ(tester->Test(constant, limits).dropped, c.dropped) << c.limit;
    if (!c.dropped) {
      for (int d : c.drawn) EXPECT_NE(marks[static_cast<size_t>(d)], kNoMark);
    }
  }
}

OptimiseSettings Settings(int wanted) {
  OptimiseSettings s;
  s.setup.shape = {"z_hw", 6, 1, 10};
  s.setup.start = 100;
  s.setup.end = 199;
  s.wanted = wanted;
  s.targetFrom = 84;
  s.seed = 77;
  s.maxCandidates = 200000;
  return s;
}

TEST(SchemeOptimisation, RandomGenerationTakesTheFirstCandidatesUntested) {
  const KillHistory h = HistoryOf(test::RandomHistory(200, 8));
  OptimiseSettings s = Settings(5);
  s.random = true;
  const OptimiseResult r = OptimiseScheme(h, s);
  EXPECT_EQ(r.outcome, SearchOutcome::Found);
  ASSERT_EQ(r.formulas.size(), 5u);
  std::vector<int32_t> c(7);
  for (int q = 0; q < 5; ++q) {
    CandidateCoefficients(77, q, c);
    EXPECT_EQ(r.formulas[static_cast<size_t>(q)].text, CandidateText(s.setup.shape, c));
  }
}

TEST(SchemeOptimisation, WithoutLimitsEveryFormulaReachesTheTarget) {
  const KillHistory h = HistoryOf(test::RandomHistory(200, 8));
  OptimiseSettings s = Settings(4);
  s.threads = 1;
  const OptimiseResult r = OptimiseScheme(h, s);
  ASSERT_EQ(r.outcome, SearchOutcome::Found);
  std::string error;
  const auto tester = CandidateTester::Make(h, s.setup, &error);
  for (const AcceptedFormula& f : r.formulas) {
    const double rate = tester->Test(f.coefficients, {}).Rate();
    EXPECT_TRUE(rate >= 84 && rate <= 100) << f.text;
    EXPECT_EQ(rate, f.rate);
  }
  s.threads = 2;
  const OptimiseResult two = OptimiseScheme(h, s);
  ASSERT_EQ(two.formulas.size(), r.formulas.size());
  for (size_t i = 0; i < r.formulas.size(); ++i)
    EXPECT_EQ(two.formulas[i].text, r.formulas[i].text);
}

// Both limits on: no accepted formula fails more than once in a row, and no
// block of draws on which some formula failed is longer than two.
TEST(SchemeOptimisation, LimitsHoldForTheWholeScheme) {
  const KillHistory h = HistoryOf(test::RandomHistory(200, 8));
  OptimiseSettings s = Settings(3);
  s.targetFrom = 70;
  s.formulaMaxWrong = 1;
  s.schemeMaxWrong = 2;
  s.schemeFormulaCount = 3;
  const OptimiseResult r = OptimiseScheme(h, s);
  ASSERT_EQ(r.outcome, SearchOutcome::Found);
  for (const AcceptedFormula& f : r.formulas) EXPECT_LE(f.longestRun, 1);
  int block = 0, longest = 0, marked = 0;
  for (uint8_t m : r.marks) {
    block = m == kNoMark ? 0 : block + 1;
    longest = std::max(longest, block);
    marked += m != kNoMark;
  }
  EXPECT_LE(longest, 2);
  EXPECT_GT(marked, 0);
}

}  // namespace
}  // namespace dlt
