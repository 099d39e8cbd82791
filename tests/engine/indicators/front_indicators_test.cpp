#include "indicators/front_indicators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "common/numbers.h"
#include "indicator_test_support.h"
#include "indicators/back_indicators.h"
#include "indicators/base_indicators.h"
#include "indicators/indicator.h"
#include "indicators/line_indicators.h"
#include "support/test_support.h"

namespace dlt {
namespace {

using test::ContextOver;
using test::MakeDraw;

int32_t ValueOf(const std::vector<Draw>& draws, int pos, const char* key) {
  return IndicatorValue(ContextOver(draws, pos), key);
}

TEST(FrontIndicators, FirstFiveNumbers) {
  const std::vector<Draw> h{MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 2})};
  const struct {
    const char* key;
    int32_t value;
  } expected[] = {{"z_hz", 15},  {"z_hw", 5},   {"z_wh", 15},   {"z_aver", 3}, {"z_zsgs", 4},
                  {"z_hshe", 4}, {"z_lmzs", 4}, {"z_maxlh", 5}, {"z_ac", 0},   {"z_jjgs", 1},
                  {"z_wzgs", 5}, {"z_dsgs", 0}, {"f_aver", 2},  {"f_cz", 1},   {"z_zshe", 11},
                  {"xc51", 4},   {"xh51", 6},   {"z_zdjj", 1},  {"z_zxjj", 1}, {"z_sd", 1}};
  for (const auto& e : expected) EXPECT_EQ(ValueOf(h, 0, e.key), e.value) << e.key;
}

TEST(FrontIndicators, BigCountStartsAt18WhileTheBigHalfSumStartsAt17) {
  const std::vector<Draw> h{MakeDraw(2009001, {17, 18, 19, 20, 21}, {1, 2})};
  EXPECT_EQ(ValueOf(h, 0, "z_dsgs"), 4);
  EXPECT_EQ(ValueOf(h, 0, "z_dxqdshe"), 95);
  EXPECT_EQ(ValueOf(h, 0, "z_dxqxshe"), 0);
}

TEST(BackIndicators, AverageRoundsHalvesToEven) {
  EXPECT_EQ(BackAverage(MakeDraw(1, {1, 2, 3, 4, 5}, {2, 3})), 2);
  EXPECT_EQ(BackAverage(MakeDraw(1, {1, 2, 3, 4, 5}, {1, 2})), 2);
  EXPECT_EQ(BackAverage(MakeDraw(1, {1, 2, 3, 4, 5}, {11, 12})), 12);
  EXPECT_EQ(BackAverage(MakeDraw(1, {1, 2, 3, 4, 5}, {3, 4})), 4);
  EXPECT_EQ(BackAverage(MakeDraw(1, {1, 2, 3, 4, 5}, {3, 5})), 4);
}

TEST(FrontIndicators, AverageRoundsToNearest) {
  // 1+2+3+4+7 = 17 → 3.4 → 3; 1+2+3+4+8 = 18 → 3.6 → 4.
  EXPECT_EQ(FrontAverage(MakeDraw(1, {1, 2, 3, 4, 7}, {1, 2})), 3);
  EXPECT_EQ(FrontAverage(MakeDraw(1, {1, 2, 3, 4, 8}, {1, 2})), 4);
}

TEST(FrontIndicators, FirstDrawRules) {
  const std::vector<Draw> h{MakeDraw(2009001, {1, 2, 3, 4, 5}, {3, 7}),
                            MakeDraw(2009002, {3, 8, 13, 23, 30}, {5, 9})};
  EXPECT_EQ(ValueOf(h, 0, "z_pd"), 0);
  EXPECT_EQ(ValueOf(h, 0, "f_pd"), 0);
  EXPECT_EQ(ValueOf(h, 0, "z_cmgs"), 0);
  // Compared with itself: every number of 01..05 has a neighbour in the draw.
  EXPECT_EQ(ValueOf(h, 0, "z_nmzs"), 5);
  EXPECT_EQ(NeighbourCount(h[1], nullptr), 0);
  // Amplitudes equal the value itself at the first draw.
  EXPECT_EQ(ValueOf(h, 0, "z_hzzf"), 15);
  EXPECT_EQ(ValueOf(h, 0, "f_hzzf"), 10);
  EXPECT_EQ(ValueOf(h, 0, "xc51zf"), 4);
  EXPECT_EQ(ValueOf(h, 0, "z_aczf"), 0);
  // At the second draw the previous one is used.
  EXPECT_EQ(ValueOf(h, 1, "z_cmgs"), 1);  // 03
  EXPECT_EQ(ValueOf(h, 1, "z_nmzs"), 1);  // 03 borders 02 and 04
  EXPECT_EQ(ValueOf(h, 1, "z_pd"), 25);   // 30 is 25 from 05
  EXPECT_EQ(ValueOf(h, 1, "f_pd"), 2);    // 5 → 3 is 2, 9 → 7 is 2
  EXPECT_EQ(ValueOf(h, 1, "z_hzzf"), 77 - 15);
}

TEST(FrontIndicators, NeighbourCountLooksAtThePreviousDraw) {
  const Draw prev = MakeDraw(1, {2, 10, 20, 30, 35}, {1, 2});
  // 01 and 03 border 02, 11 borders 10, 34 borders 35; 25 borders nothing.
  EXPECT_EQ(NeighbourCount(MakeDraw(2, {1, 3, 11, 25, 34}, {1, 2}), &prev), 4);
  // Equal numbers are not neighbours.
  EXPECT_EQ(NeighbourCount(MakeDraw(2, {2, 10, 20, 30, 35}, {1, 2}), &prev), 0);
}

TEST(FrontIndicators, RemainderZoneAndTailCounts) {
  const Draw d = MakeDraw(1, {3, 8, 13, 23, 30}, {1, 2});
  EXPECT_EQ(RemainderCount(d, 3, 0), 2);  // 3, 30
  EXPECT_EQ(RemainderCount(d, 3, 1), 1);  // 13
  EXPECT_EQ(RemainderCount(d, 3, 2), 2);  // 8, 23
  EXPECT_EQ(ThirdZoneCount(d, 1), 2);     // 3, 8
  EXPECT_EQ(ThirdZoneCount(d, 2), 2);     // 13, 23
  EXPECT_EQ(ThirdZoneCount(d, 3), 1);     // 30
  EXPECT_EQ(HighTailCount(d), 1);         // 8
  EXPECT_EQ(HighTailSum(d), 8);
  EXPECT_EQ(DistinctTailCount(d), 3);  // 3, 8, 0
  EXPECT_EQ(RouteSum(d, 0), 33);
  EXPECT_EQ(RemainderSum(d, 3), 0 + 2 + 1 + 2 + 0);
}

TEST(SmallBigSums, SmallIsUpTo17AndOneCountsAsPrime) {
  const Draw d = MakeDraw(1, {1, 9, 17, 18, 35}, {1, 2});
  EXPECT_EQ(SmallOddSum(d), 1 + 9 + 17);
  EXPECT_EQ(BigOddSum(d), 35);
  EXPECT_EQ(SmallEvenSum(d), 0);
  EXPECT_EQ(BigEvenSum(d), 18);
  EXPECT_EQ(SmallPrimeSum(d), 1 + 17);
  EXPECT_EQ(BigPrimeSum(d), 0);
  EXPECT_EQ(SmallCompositeSum(d), 9);
  EXPECT_EQ(BigCompositeSum(d), 18 + 35);
  const std::vector<Draw> h{d};
  EXPECT_EQ(ValueOf(h, 0, "z_xjhe"), 27);
  EXPECT_EQ(ValueOf(h, 0, "z_dhhe"), 53);
}

// Straight from the definitions, written differently from the engine, for a
// differential check over many draws.
int32_t ReferenceAc(const Draw& d) {
  std::set<int> diffs;
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 5; ++j) diffs.insert(d.front[j] - d.front[i]);
  return static_cast<int32_t>(diffs.size()) - 4;
}
int32_t ReferenceMaxRun(const Draw& d) {
  int best = 1;
  for (int k = 0; k < 5; ++k) {
    int j = 0;
    while (k + j + 1 < 5 && d.front[k + j + 1] == d.front[k] + j + 1) ++j;
    best = std::max(best, j + 1);
  }
  return best;
}
int32_t ReferencePd(const Draw& d, const Draw* prev) {
  if (!prev) return 0;
  std::vector<int> nearest;
  for (int n : d.front) {
    std::vector<int> dist;
    for (int p : prev->front) dist.push_back(std::abs(n - p));
    nearest.push_back(*std::min_element(dist.begin(), dist.end()));
  }
  return *std::max_element(nearest.begin(), nearest.end());
}
int32_t ReferenceSd(const Draw& d) {
  int best = 0;
  for (int i = 0; i < 5; ++i) {
    int nearest = 999;
    for (int j = 0; j < 5; ++j)
      if (i != j) nearest = std::min(nearest, std::abs(d.front[i] - d.front[j]));
    best = std::max(best, nearest);
  }
  return best;
}
int32_t ReferenceNeighbours(const Draw& d, const Draw& other) {
  int c = 0;
  for (int n : d.front) {
    bool found = false;
    for (int p : other.front) found = found || std::abs(n - p) == 1;
    c += found;
  }
  return c;
}
int32_t ReferenceRepeats(const Draw& d, const Draw& prev) {
  int c = 0;
  for (int n : d.front) c += std::count(prev.front.begin(), prev.front.end(), n) > 0;
  return c;
}
int32_t ReferenceGapKinds(const Draw& d) {
  std::set<int> gaps;
  for (int k = 0; k < 4; ++k) gaps.insert(d.front[k + 1] - d.front[k]);
  return static_cast<int32_t>(gaps.size());
}
int32_t ReferenceTailKinds(const Draw& d) {
  std::set<int> tails;
  for (int n : d.front) tails.insert(n % 10);
  return static_cast<int32_t>(tails.size());
}
int32_t ReferencePairs(const Draw& d, bool (*pred)(int)) {
  int c = 0;
  for (int k = 1; k < 5; ++k) c += pred(d.front[k - 1]) && pred(d.front[k]);
  return c;
}

TEST(FrontIndicators, AgreeWithDirectDefinitionsOverManyDraws) {
  const std::vector<Draw> h = test::RandomHistory(3000, 11);
  for (size_t i = 0; i < h.size(); ++i) {
    const Draw& d = h[i];
    const Draw* prev = i > 0 ? &h[i - 1] : nullptr;
    SCOPED_TRACE(FormatDrawLine(d));
    int sum = 0, odd = 0, prime = 0, big = 0, tails = 0, big17 = 0;
    for (int n : d.front) {
      sum += n;
      odd += n % 2;
      prime += IsPrime(n);
      big += n > 17;
      tails += n % 10;
      big17 += n >= 17 ? n : 0;
    }
    ASSERT_EQ(FrontSum(d), sum);
    ASSERT_EQ(FrontSumTail(d), sum % 10);
    ASSERT_EQ(FrontTailSum(d), tails);
    ASSERT_EQ(FrontAverage(d), static_cast<int32_t>(std::lround(sum / 5.0)));  // no ties by 5
    ASSERT_EQ(OddCount(d), odd);
    ASSERT_EQ(PrimeCount(d), prime);
    ASSERT_EQ(BigCount(d), big);
    ASSERT_EQ(BigHalfSum(d), big17);
    ASSERT_EQ(OddSum(d) + EvenSum(d), sum);
    ASSERT_EQ(SmallThirdSum(d) + MiddleThirdSum(d) + BigThirdSum(d), sum);
    ASSERT_EQ(RouteSum(d, 0) + RouteSum(d, 1) + RouteSum(d, 2), sum);
    ASSERT_EQ(SmallOddSum(d) + BigOddSum(d) + SmallEvenSum(d) + BigEvenSum(d), sum);
    ASSERT_EQ(SmallPrimeSum(d) + BigPrimeSum(d), PrimeSum(d));
    ASSERT_EQ(SmallCompositeSum(d) + BigCompositeSum(d), CompositeSum(d));
    ASSERT_EQ(AcValue(d), ReferenceAc(d));
    ASSERT_EQ(LongestConsecutiveRun(d), ReferenceMaxRun(d));
    ASSERT_EQ(FrontDeviation(d, prev), ReferencePd(d, prev));
    ASSERT_EQ(FrontScatter(d), ReferenceSd(d));
    ASSERT_EQ(NeighbourCount(d, prev), ReferenceNeighbours(d, prev ? *prev : d));
    ASSERT_EQ(RepeatCount(d, prev), prev ? ReferenceRepeats(d, *prev) : 0);
    ASSERT_EQ(DistinctGapCount(d), ReferenceGapKinds(d));
    ASSERT_EQ(DistinctTailCount(d), ReferenceTailKinds(d));
    ASSERT_EQ(PrimeNeighbourPairs(d), ReferencePairs(d, [](int n) { return IsPrime(n); }));
    ASSERT_EQ(CompositeNeighbourPairs(d), ReferencePairs(d, [](int n) { return !IsPrime(n); }));
    ASSERT_EQ(OddNeighbourPairs(d) + EvenNeighbourPairs(d) <= 4, true);
    ASSERT_EQ(LineDifference(d, 5, 1), d.front[4] - d.front[0]);
    for (int m = 3; m <= 5; ++m) {
      int total = 0;
      for (int r = 0; r < m; ++r) total += RemainderCount(d, m, r);
      ASSERT_EQ(total, 5);
    }
    ASSERT_EQ(ThirdZoneCount(d, 1) + ThirdZoneCount(d, 2) + ThirdZoneCount(d, 3), 5);
  }
}

TEST(BaseIndicators, TableIsIndexedByIdAndEveryRowHasOneComputation) {
  const auto rows = BaseIndicators();
  ASSERT_EQ(static_cast<int>(rows.size()), kBaseIndicatorCount);
  for (int i = 0; i < kBaseIndicatorCount; ++i) {
    EXPECT_EQ(static_cast<int>(rows[i].id), i) << rows[i].key;
    EXPECT_NE(rows[i].draw == nullptr, rows[i].context == nullptr) << rows[i].key;
    EXPECT_EQ(FindBaseIndicator(rows[i].key), rows[i].id);
  }
  EXPECT_FALSE(FindBaseIndicator("z_hzzf").has_value());
  EXPECT_EQ(BaseIndicatorRow(BaseId::z_hz).key, "z_hz");
  EXPECT_EQ(BaseIndicatorRow(BaseId::f_sd).key, "f_sd");
}

TEST(BaseIndicators, DirectRowCallsGiveTheValueByName) {
  const std::vector<Draw> h = test::RandomHistory(60, 5);
  for (int pos : {0, 1, 30, 59}) {
    const EvalContext ctx = ContextOver(h, pos);
    for (const BaseRow& row : BaseIndicators()) {
      const int32_t byName = IndicatorValue(ctx, row.key);
      EXPECT_EQ(BaseValue(row.id, ctx), byName) << row.key;
      if (row.draw) {
        EXPECT_EQ(row.draw(h[pos], pos > 0 ? &h[pos - 1] : nullptr), byName) << row.key;
      }
    }
  }
}

TEST(FrontIndicators, ColdWarmHotAndOmissionSumUseTheHistoryBefore) {
  std::vector<Draw> h;
  for (int i = 0; i < 9; ++i) h.push_back(MakeDraw(2009001 + i, {1, 2, 3, 4, 5}, {1, 2}));
  h.push_back(MakeDraw(2009010, {1, 2, 20, 21, 22}, {1, 2}));
  // 01 and 02 came out 9 times (hot by 8), 20..22 never (cold by 2).
  EXPECT_EQ(ValueOf(h, 9, "z_lwr_rmgs"), 2);
  EXPECT_EQ(ValueOf(h, 9, "z_lwr_lmgs"), 3);
  EXPECT_EQ(ValueOf(h, 9, "z_lwr_wmgs"), 0);
  // At the first draw nothing is counted: all five are cold.
  EXPECT_EQ(ValueOf(h, 0, "z_lwr_lmgs"), 5);
  // Global omissions: 01, 02 were in the previous draw (0 each), 20..22
  // never appeared (9 earlier draws each).
  EXPECT_EQ(ValueOf(h, 9, "z_ylhz"), 27);
  EXPECT_EQ(ValueOf(h, 9, "z_num3yl_toall"), 9);
  EXPECT_EQ(ValueOf(h, 9, "z_num1yl_toall"), 0);
}

}  // namespace
}  // namespace dlt
