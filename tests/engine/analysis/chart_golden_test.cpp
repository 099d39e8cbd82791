// One page of every chart tab of the indicator analysis over a fixed history
// and series (the front sum), dumped as text and compared with the golden
// files under tests/data/charts/ (DLT_REGENERATE_GOLDEN=1 rewrites them after
// an intended change).
#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/analysis_charts.h"
#include "analysis/omission_stats.h"
#include "analysis/run_chart.h"
#include "analysis/segments.h"
#include "analysis/series_fill.h"
#include "chart/page_window.h"
#include "engine/chart/chart_test_support.h"
#include "history/draw_range.h"
#include "indicators/series.h"
#include "support/test_support.h"

namespace dlt {
namespace {

constexpr int kDraws = 150;

class AnalysisChartGolden : public ::testing::Test {
 protected:
  AnalysisChartGolden() : draws(test::RandomHistory(kDraws, 31)) {
    for (const Draw& d : draws) {
      int sum = 0;
      for (int n : d.front) sum += n;
      series.push_back(sum);
    }
    const ValueRange range = AnalysisRange(series);
    view.draws = draws;
    view.series = series;
    view.anchor = LastPageAnchor(kDraws);
    view.from = range.from;
    view.to = range.to;
    view.width = 900;
    view.height = 500;
  }

  std::vector<Draw> draws;
  std::vector<int32_t> series;
  AnalysisView view;
  FixedTextMetrics metrics;
};

TEST_F(AnalysisChartGolden, PagedSeriesCharts) {
  test::ExpectChartGolden("analysis_means",
                          MeanChart(view, {true, true, false, true, false, true}, metrics));
  test::ExpectChartGolden("analysis_remainders",
                          RemainderStripsChart(view, RemainderStyleDivisors(2), metrics));
  test::ExpectChartGolden("analysis_features", FeatureChart(view, metrics));
  test::ExpectChartGolden("analysis_change", ChangeChart(view, metrics));
  const StatisticSeries s = SeriesFromValues(series);
  test::ExpectChartGolden("analysis_omission_values",
                          OmissionValueChart(view, s.omission, s.omissionAmplitude, metrics));
  test::ExpectChartGolden(
      "analysis_distribution",
      BallGridChart(view, DistributionGrid(view, 60, 120, kDefaultDistributionStyle), metrics));
  BallGridSetup field = FieldGrid(view, {"60 61 62 63 64 65 66 67 68 69 70 71 72 73 74 75 76",
                                         "77 78 79 80 81 82 83 84 85 86 87 88 89 90",
                                         "91 92 93 94 95 96 97 98 99 100 101 102 103 104"});
  field.title = "田野走势图一";
  test::ExpectChartGolden("analysis_field", BallGridChart(view, field, metrics));
  test::ExpectChartGolden(
      "analysis_run_series",
      RunSeriesChart(view, ComputeRunSeries(series, {RunBase::Tail}, view.from, view.to), "信号图",
                     metrics));
}

TEST_F(AnalysisChartGolden, SingleValueCountsAndSegments) {
  // The value met most often, so the page has many omissions to show.
  const std::vector<int32_t> all = OccurrenceCounts(series, NearRange(kDraws, kDraws), 0, kSeriesMax);
  const auto value = static_cast<int32_t>(std::max_element(all.begin(), all.end()) - all.begin());
  const std::vector<ValueOmissionEntry> entries = SingleValueOmissions(draws, series, value);
  ASSERT_GT(entries.size(), 5u);
  test::ExpectChartGolden(
      "analysis_single_value",
      SingleValueChart(entries, std::max(static_cast<int>(entries.size()) - kSingleValuePage, 0),
                       value, view.width, view.height, metrics));

  const DrawRange window = NearRange(kDraws, kDefaultNearCount);
  const std::vector<int32_t> counts = OccurrenceCounts(series, window, 0, view.to);
  std::vector<BarItem> occurrences;
  for (int32_t v = view.from; v < view.from + kOccurrencePage && v <= view.to; ++v)
    occurrences.push_back({std::to_string(v), counts[v], std::nullopt, std::nullopt});
  test::ExpectChartGolden("analysis_occurrences",
                          BarChart(occurrences, window.count, false, "和值出现次数统计图",
                                   view.width, view.height, metrics));
  std::vector<BarItem> classes;
  for (const ItemClass& c : ItemClassCounts(series, window, ItemKind::Zones, 3, view.from, view.to))
    classes.push_back({c.label, c.count, std::nullopt, std::nullopt});
  test::ExpectChartGolden(
      "analysis_item_classes",
      BarChart(classes, window.count, true, "和值分项统计", view.width, view.height, metrics));

  std::vector<ValueOmissionStats> stats =
      OmissionStatistics(series, window.First(), window.last, view.from, view.to);
  stats.resize(std::min<size_t>(stats.size(), kOmissionStatsPage));
  test::ExpectChartGolden(
      "analysis_omission_stats",
      OmissionStatsChart(stats, window.count, false, view.width, view.height, metrics));
  test::ExpectChartGolden(
      "analysis_segments",
      SegmentChart(ComputeSegments(draws, series, 10, 0, SegmentStatistic::Mean), "和值平均值",
                   view.width, view.height, metrics));
}

}  // namespace
}  // namespace dlt
