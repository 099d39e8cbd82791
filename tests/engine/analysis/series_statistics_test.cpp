// The analysed series: its fill, range, omissions and statistics, checked
// against the definitions walked draw by draw.
#include <gtest/gtest.h>

#include <random>

#include "analysis/omission_distribution.h"
#include "analysis/omission_stats.h"
#include "analysis/series_fill.h"
#include "chart/page_window.h"
#include "common/rounding.h"
#include "indicators/eval_context.h"
#include "support/test_support.h"

namespace dlt {
namespace {

std::vector<Draw> Numbered(int count) {
  std::vector<Draw> draws = test::RandomHistory(count, 11);
  for (int i = 0; i < count; ++i) draws[i].qs = 2009001 + i;
  return draws;
}

EvalContext HistoryOf(const std::vector<Draw>& draws, const EvalEnv& env) {
  EvalContext c;
  c.draws = draws.data();
  c.count = static_cast<int>(draws.size());
  c.env = &env;
  return c;
}

TEST(SeriesFill, ValuesErrorsAndTheRefusedRange) {
  const std::vector<Draw> draws = Numbered(40);
  const EvalEnv env;
  const SeriesFill ok = FillSeries(HistoryOf(draws, env), "  (z_num1+z_num5)%7 ");
  ASSERT_TRUE(ok.ok()) << ok.error;
  ASSERT_EQ(ok.values.size(), 40u);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(ok.values[i], (draws[i].front[0] + draws[i].front[4]) % 7);

  const SeriesFill broken = FillSeries(HistoryOf(draws, env), "z_hz+");
  EXPECT_EQ(broken.error.rfind("公式有误:", 0), 0u);
  EXPECT_GT(broken.error.size(), std::string("公式有误:").size());
  EXPECT_TRUE(broken.values.empty());

  // Values far above the 0..1000 of old are taken, up to 65535.
  const SeriesFill large = FillSeries(HistoryOf(draws, env), "z_hz*300");
  ASSERT_TRUE(large.ok()) << large.error;
  EXPECT_EQ(large.values[7], draws[7].front[0] * 300 + draws[7].front[1] * 300 +
                                 draws[7].front[2] * 300 + draws[7].front[3] * 300 +
                                 draws[7].front[4] * 300);
  EXPECT_GT(large.largest, 1000);

  // A misspelt name would read -999 at every draw: refused before any draw,
  // with the message of every formula entry.
  for (const char* text : {"foo", " z_hz+foo "}) {
    const SeriesFill misspelt = FillSeries(HistoryOf(draws, env), text);
    EXPECT_EQ(misspelt.error, "公式有误:foo指标不存在") << text;
    EXPECT_EQ(misspelt.errorIndex, -1) << text;
    EXPECT_TRUE(misspelt.values.empty());
  }

  // A negative value and one above 65535 are refused at the draw they appear.
  struct Case {
    const char* formula;
    int draw;
  };
  std::vector<Draw> shifted = draws;
  shifted[7].front = {1, 2, 3, 4, 5};  // z_hz 15
  for (const Case c : {Case{"z_hz-16", 7}, Case{"65551-z_hz", 7}}) {
    const SeriesFill f = FillSeries(HistoryOf(shifted, env), c.formula);
    EXPECT_FALSE(f.ok()) << c.formula;
    EXPECT_EQ(f.errorIndex, c.draw) << c.formula;
    EXPECT_NE(f.error.find("第2009008期的指标值"), std::string::npos) << f.error;
    EXPECT_NE(f.error.find("超出了0至65535的范围"), std::string::npos) << f.error;
  }
}

TEST(SeriesFill, RangeTypedOrFromTheValues) {
  const std::vector<int32_t> constant(30, 7), varied = {4, 9, 2, 6};
  EXPECT_EQ(AnalysisRange(constant), (ValueRange{7, 11}));
  EXPECT_EQ(AnalysisRange(varied), (ValueRange{2, 9}));
  EXPECT_EQ(AnalysisRange(varied, 1, 31), (ValueRange{1, 31}));
  EXPECT_EQ(AnalysisRange(varied, 1, std::nullopt), (ValueRange{2, 9}));  // one bound is none
  EXPECT_EQ(AnalysisRange({}), (ValueRange{0, 4}));
  EXPECT_EQ(LastPageAnchor(100), 63);
  EXPECT_EQ(LastPageAnchor(20), 0);
  EXPECT_EQ(LastPageAnchor(37), 0);
  EXPECT_EQ(LastPageAnchor(38), 1);
}

// The omission of v at d within the window from s, walked as defined.
int32_t Walk(const std::vector<int32_t>& series, int s, int d, int32_t v) {
  int32_t n = 0;
  for (int p = d - 1; p >= s; --p) {
    if (series[p] == v) return n;
    ++n;
  }
  return n;
}

TEST(OmissionStatistics, AgreeWithTheDefinitionOnRandomSeries) {
  std::mt19937 rng(3);
  for (int round = 0; round < 20; ++round) {
    std::vector<int32_t> series(120);
    for (auto& v : series) v = static_cast<int32_t>(rng() % 12);
    const int s = static_cast<int>(rng() % 60), e = s + static_cast<int>(rng() % 60);
    const auto stats = OmissionStatistics(series, s, e, 0, 14);
    ASSERT_EQ(stats.size(), 15u);
    for (int32_t v = 0; v <= 14; ++v) {
      int32_t count = 0, largest = -1, smallest = 99999, last = 0;
      int64_t sum = 0;
      for (int d = s; d <= e; ++d) {
        if (series[d] != v) continue;
        const int32_t g = Walk(series, s, d, v);
        ++count, sum += g, last = g;
        largest = std::max(largest, g), smallest = std::min(smallest, g);
      }
      const ValueOmissionStats& st = stats[v];
      EXPECT_EQ(st.count, count);
      const int32_t current = series[e] == v ? 0 : Walk(series, s, e, v) + 1;
      EXPECT_EQ(st.current, current) << "value " << v;
      if (count == 0) {
        // Never met in the window: 9999 everywhere, the current omission the window size.
        for (int32_t x : {st.largest, st.smallest, st.average, st.last}) EXPECT_EQ(x, kNoOmission);
        EXPECT_EQ(st.current, e - s + 1);
      } else {
        EXPECT_EQ(st.largest, largest);
        EXPECT_EQ(st.smallest, smallest);
        EXPECT_EQ(st.last, last);
        EXPECT_EQ(st.average, DivRoundHalfEven(sum, count));
      }
    }
  }
}

TEST(OmissionStatistics, WindowStartCountsNothingBeforeIt) {
  const std::vector<int32_t> series = {5, 1, 5, 2, 2, 5};
  // At the window's first draw nothing is examined: 0, whatever came before.
  EXPECT_EQ(WindowOmission(series, 3, 3, 5), 0);
  // From draw 4 back to the start at 3: one draw examined without 5.
  EXPECT_EQ(WindowOmission(series, 3, 4, 5), 1);
  // From the table's start the first draw is examined: 5 found at 2 after 3, 4.
  EXPECT_EQ(WindowOmission(series, 0, 5, 5), 2);
  EXPECT_EQ(WindowOmission(series, 0, 5, 7), 5);
  const auto stats = OmissionStatistics(series, 3, 5, 5, 5);
  EXPECT_EQ(stats[0].count, 1);
  EXPECT_EQ(stats[0].largest, 2);  // draws 4 and 3 examined, the window stops there
  EXPECT_EQ(stats[0].current, 0);
}

TEST(OmissionStatistics, BarColoursAndSorting) {
  auto st = [](int32_t current, int32_t average, int32_t last, int32_t largest) {
    ValueOmissionStats s;
    s.current = current, s.average = average, s.last = last, s.largest = largest;
    return s;
  };
  EXPECT_EQ(BarColourOf(st(5, 5, 3, 9)), OmissionBarColour::Black);
  EXPECT_EQ(BarColourOf(st(6, 5, 7, 9)), OmissionBarColour::Orange);
  EXPECT_EQ(BarColourOf(st(8, 5, 7, 9)), OmissionBarColour::RedOrange);
  EXPECT_EQ(BarColourOf(st(10, 5, 7, 9)), OmissionBarColour::Red);
  std::vector<ValueOmissionStats> v(4);
  const int32_t currents[] = {3, 1, 3, 0};
  for (int i = 0; i < 4; ++i) v[i].value = i, v[i].current = currents[i];
  SortByCurrentOmission(v, false);
  EXPECT_EQ((std::vector<int32_t>{v[0].value, v[1].value, v[2].value, v[3].value}),
            (std::vector<int32_t>{0, 2, 1, 3}));  // ties keep their order
}

TEST(OmissionDistribution, CellsSummaryRowsAndTheWidthLimit) {
  std::vector<Draw> draws = Numbered(8);
  draws[7].qs = kForecastQs;
  const std::vector<int32_t> series = {2, 3, 2, 4, 4, 1, 3, 2};
  OmissionDistributionSetup setup;
  setup.first = 2;
  setup.last = 7;
  setup.from = 1;
  setup.to = 4;
  setup.order = 1;  // 按质合: 1 2 3 | 4
  const OmissionDistribution t = ComputeOmissionDistribution(draws, series, setup);
  ASSERT_TRUE(t.ok());
  EXPECT_EQ(t.columns, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(t.bounds, (std::vector<int>{3, 4}));
  ASSERT_EQ(t.rows.size(), 6u);
  const std::vector<std::vector<int32_t>> cells = {
      {1, 2, 1, 1},  // 2: the first row counts 1
      {2, 1, 2, 4},  // 4
      {3, 2, 3, 4},  // 4
      {1, 3, 4, 1},  // 1
      {1, 4, 3, 2},  // 3
      {2, 2, 1, 3},  // 2
  };
  for (int r = 0; r < 6; ++r) EXPECT_EQ(t.rows[r].cells, cells[r]) << "row " << r;
  EXPECT_EQ(t.rows[5].issue, "预测区");
  EXPECT_EQ(t.rows[0].hitColumn, 1);
  const Draw& d = draws[2];
  EXPECT_EQ(t.rows[0].drawText.size(), 5 * 3 + 2 + 2 * 3u);
  EXPECT_EQ(t.rows[0].drawText.substr(15, 2), "| ");
  EXPECT_EQ(t.rows[0].drawText.substr(0, 3),
            (d.front[0] < 10 ? "0" : "") + std::to_string(d.front[0]) + " ");
  const std::vector<std::string> current = {"2", "0", "1", "3"};  // the hit of the last row is 0
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(OmissionDistributionSummary(t, 0, c), std::to_string(t.columns[c]));
    EXPECT_EQ(OmissionDistributionSummary(t, 5, c), current[c]) << "column " << c;
  }
  EXPECT_EQ(OmissionDistributionSummary(t, 1, 3), "2");  // 4 twice in the rows' draws

  setup.from = 0;
  setup.to = 200;  // 201 values
  const OmissionDistribution wide = ComputeOmissionDistribution(draws, series, setup);
  EXPECT_EQ(wide.error, kTableTooWide);
  EXPECT_TRUE(wide.rows.empty());
  setup.to = 199;
  EXPECT_TRUE(ComputeOmissionDistribution(draws, series, setup).ok());
}

}  // namespace
}  // namespace dlt
