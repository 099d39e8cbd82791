#include "killnum/formula_search.h"

#include <gtest/gtest.h>

#include "engine/killnum/killnum_test_support.h"
#include "formula/formula.h"
#include "killnum/search_candidate.h"

namespace dlt {
namespace {

using test::HistoryOf;

TEST(SearchCandidate, FormulaTexts) {
  const struct {
    CandidateShape shape;
    std::vector<int32_t> c;
    const char* text;
  } cases[] = {
      {{"z_hw", 2, 1, 10}, {37, 5, 82}, "((37*[-1]z_hw)+(5*[-2]z_hw)+82)%10+1"},
      {{"z_hw", 0, 1, 10}, {82}, "(82)%10+1"},
      {{"z_num1", 1, 0, 0}, {0, 7}, "((0*[-1]z_num1)+7)%1+0"},
  };
  for (const auto& c : cases) EXPECT_EQ(CandidateText(c.shape, c.c), c.text);
}

TEST(SearchCandidate, ShapesThatMakeNoFormula) {
  const struct {
    CandidateShape shape;
    const char* message;
  } cases[] = {
      {{"z_hw", 6, 1, 10}, ""},
      {{"z_hwx", 6, 1, 10}, "没有这个指标：z_hwx"},
      {{"z_hw+1", 6, 1, 10}, "没有这个指标：z_hw+1"},
      {{"z_hw", 101, 1, 10}, "回溯期数应在0到100之间"},
      {{"z_hw", 6, 5, 4}, "取值范围不正确"},
      {{"z_hw", 6, -1, 4}, "取值范围不正确"},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckShape(c.shape), c.message) << c.shape.indicator;
}

// The direct evaluation against the formula language, on every draw of a
// history and on the virtual draw after it, including the first draws where
// offsets stay on the first draw.
TEST(SearchCandidate, DirectValueIsTheFormulaValueOnEveryDraw) {
  const KillHistory h = HistoryOf(test::RandomHistory(160, 11));
  const CandidateShape shapes[] = {{"z_hw", 6, 1, 10},   {"z_hw", 0, 1, 10}, {"z_hz", 2, 1, 35},
                                   {"z_num5", 9, 0, 11}, {"f_hz", 1, 3, 3},  {"z_hz", 4, 7, 100}};
  int64_t index = 0;
  for (const CandidateShape& shape : shapes) {
    const CandidateEvaluator fast(h, shape);
    std::vector<int32_t> c(static_cast<size_t>(shape.lookback + 1));
    for (int k = 0; k < 8; ++k, ++index) {
      CandidateCoefficients(99, index, c);
      const std::string text = CandidateText(shape, c);
      for (int i = 0; i <= h.VirtualIndex(); ++i) {
        const FormulaResult r = EvaluateFormula(h.Context(i), text);
        ASSERT_TRUE(r.ok) << text;
        ASSERT_EQ(fast.Value(i, c), r.value) << text << " at " << i;
      }
    }
  }
}

TEST(SearchCandidate, CoefficientsDependOnSeedAndIndexOnly) {
  std::vector<int32_t> a(7), b(7), c(7);
  CandidateCoefficients(5, 12, a);
  CandidateCoefficients(5, 12, b);
  CandidateCoefficients(5, 13, c);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
  for (int32_t v : a) EXPECT_TRUE(v >= 0 && v < 100);
}

// Candidates of z_hw over 1..10 tested on the draws start..end.
SearchSettings SearchOver(int start, int end, int lookback, double from, double to, uint64_t seed,
                          int64_t candidates) {
  SearchSettings s;
  s.setup.shape = {"z_hw", lookback, 1, 10};
  s.setup.start = start;
  s.setup.end = end;
  s.targetFrom = from;
  s.targetTo = to;
  s.seed = seed;
  s.maxCandidates = candidates;
  return s;
}

SearchSettings PairSearch(int lookback, double from, double to) {
  return SearchOver(0, 99, lookback, from, to, 3, 600);
}

// Draws 150..249 of a random history.
SearchSettings RandomSearch(int lookback, double targetFrom, uint64_t seed, int64_t candidates) {
  return SearchOver(150, 249, lookback, targetFrom, 100, seed, candidates);
}

// Every number 1..10 is drawn in 20 of the 100 draws, so every constant
// candidate (K = 0) kills with exactly 80 percent.
TEST(FormulaSearch, TargetBoundsAreInclusive) {
  const KillHistory h = HistoryOf(test::PairDraws(100));
  const struct {
    double from, to;
    SearchOutcome outcome;
  } cases[] = {{80, 100, SearchOutcome::Found},
               {0, 80, SearchOutcome::Found},
               {80.01, 100, SearchOutcome::Exhausted},
               {0, 79.99, SearchOutcome::Exhausted}};
  for (const auto& c : cases) {
    const SearchResult r = SearchFormula(h, PairSearch(0, c.from, c.to));
    EXPECT_EQ(r.outcome, c.outcome) << c.from << "-" << c.to;
    if (r.outcome == SearchOutcome::Found) {
      EXPECT_EQ(r.rate, 80);
      EXPECT_EQ(r.candidateIndex, 0);
    } else {
      EXPECT_EQ(r.tested, 600);
    }
  }
}

// The first accepted candidate in index order, whatever the threads and
// whether values come from the text or the coefficients.
TEST(FormulaSearch, ResultIsTheFirstAcceptedCandidateOfTheSeed) {
  const KillHistory h = HistoryOf(test::RandomHistory(300, 4));
  SearchSettings s = RandomSearch(6, 88, 2024, 100000);
  s.maxWrong = 2;
  s.threads = 1;
  const SearchResult one = SearchFormula(h, s);
  ASSERT_EQ(one.outcome, SearchOutcome::Found);
  s.threads = 2;
  EXPECT_EQ(SearchFormula(h, s).formula, one.formula);
  s.setup.quick = false;
  EXPECT_EQ(SearchFormula(h, s).candidateIndex, one.candidateIndex);

  std::string error;
  const auto tester = CandidateTester::Make(h, s.setup, &error);
  RunLimits limits;
  limits.maxRun = 2;
  std::vector<int32_t> c(7);
  for (int64_t i = 0; i <= one.candidateIndex; ++i) {
    CandidateCoefficients(s.seed, i, c);
    const CandidateScore score = tester->Test(c, limits);
    const bool accepted = !score.dropped && score.Rate() >= 88;
    ASSERT_EQ(accepted, i == one.candidateIndex) << i;
  }
  EXPECT_LE(one.longestRun, 2);
  EXPECT_EQ(one.tested, one.candidateIndex + 1);
}

// A search that ends without a hit still offers its best candidate, the
// earliest of the best rate, whatever the threads.
TEST(FormulaSearch, WithoutAHitTheBestCandidateTestedIsKept) {
  const KillHistory h = HistoryOf(test::RandomHistory(300, 4));
  SearchSettings s = RandomSearch(3, 100.5, 11, 700);
  s.targetTo = 101;
  std::string error;
  const auto tester = CandidateTester::Make(h, s.setup, &error);
  std::vector<int32_t> c(4);
  int64_t best = -1;
  double bestRate = -1;
  for (int64_t i = 0; i < s.maxCandidates; ++i) {
    CandidateCoefficients(s.seed, i, c);
    const double rate = tester->Test(c, {}).Rate();
    if (rate > bestRate) {
      bestRate = rate;
      best = i;
    }
  }
  for (int threads : {1, 2, 5}) {
    s.threads = threads;
    const SearchResult r = SearchFormula(h, s);
    EXPECT_EQ(r.outcome, SearchOutcome::Exhausted);
    EXPECT_EQ(r.candidateIndex, best) << threads;
    EXPECT_EQ(r.rate, bestRate);
    CandidateCoefficients(s.seed, best, c);
    EXPECT_EQ(r.formula, CandidateText(s.setup.shape, c));
  }
  // Cancelled before any candidate: nothing to offer.
  std::atomic<bool> cancel{true};
  s.maxCandidates = 0;
  const SearchResult none = SearchFormula(h, s, {}, &cancel);
  EXPECT_EQ(none.outcome, SearchOutcome::Cancelled);
  EXPECT_TRUE(none.formula.empty());
}

TEST(FormulaSearch, StopsWithAMessageInsteadOfRunningForever) {
  const KillHistory h = HistoryOf(test::PairDraws(100));
  SearchSettings bad = PairSearch(6, 80, 100);
  bad.setup.start = 50;
  bad.setup.end = 100;  // the virtual draw is not a tested draw
  EXPECT_EQ(SearchFormula(h, bad).error, "搜索范围不正确");

  SearchSettings custom = PairSearch(6, 80, 100);
  custom.maxCandidates = 0;
  custom.setup.kind = KillKind::Custom;
  custom.setup.customIndicator = "z_hw/0";
  const SearchResult r = SearchFormula(h, custom);
  EXPECT_EQ(r.outcome, SearchOutcome::Failed);
  EXPECT_EQ(r.error, "公式有误:除数不能为零");
  custom.setup.customIndicator = "z_hwx";  // would read -999: every candidate would hold
  EXPECT_EQ(SearchFormula(h, custom).error, "公式有误:z_hwx指标不存在");

  SearchSettings never = PairSearch(6, 101, 102);
  never.maxCandidates = 0;
  std::atomic<bool> cancel{true};
  EXPECT_EQ(SearchFormula(h, never, {}, &cancel).outcome, SearchOutcome::Cancelled);
}

}  // namespace
}  // namespace dlt
