// One page of every chart of the trend window, the back-zone window and the
// statistics area over a fixed history, dumped as text and compared with
// the golden files under tests/data/charts/ (DLT_REGENERATE_GOLDEN=1
// rewrites them after an intended change).
#include <gtest/gtest.h>

#include <array>

#include "chart/page_window.h"
#include "engine/chart/chart_test_support.h"
#include "history/draw_range.h"
#include "support/test_support.h"
#include "trend/blue_charts.h"
#include "trend/derived_chart.h"
#include "trend/distribution_chart.h"
#include "trend/framed_charts.h"
#include "trend/indicator_chart.h"
#include "trend/number_matrix.h"
#include "trend/number_tally.h"
#include "trend/omission_events.h"

namespace dlt {
namespace {

constexpr int kDraws = 120;

class TrendChartGolden : public ::testing::Test {
 protected:
  TrendChartGolden() : draws(test::RandomHistory(kDraws, 29)) {
    page.draws = draws;
    page.env = &env;
    page.anchor = LastPageAnchor(kDraws);
    page.width = 900;
    page.height = 500;
  }

  std::vector<Draw> draws;
  EvalEnv env;
  TrendPage page;
  FixedTextMetrics metrics;
};

TEST_F(TrendChartGolden, TrendWindowPages) {
  test::ExpectChartGolden("trend_value_amplitude", ValueAmplitudeChart(page, "z_hz", metrics));
  test::ExpectChartGolden("trend_remainders", RemainderChart(page, 3, metrics));
  test::ExpectChartGolden("trend_gaps", GapChart(page, false, 0, metrics));
  test::ExpectChartGolden("trend_gap_numbers", GapChart(page, true, 2, metrics));
  test::ExpectChartGolden("trend_dispersion",
                          DispersionChart(page, DispersionKind::Variation, metrics));
  const OmissionEvents events = NumberOmissionEvents(draws, 7, false);
  test::ExpectChartGolden(
      "trend_omission_events",
      OmissionEventChart(events, FirstEventPage(static_cast<int>(events.events.size())), 7,
                         page.width, page.height, metrics));
  test::ExpectChartGolden(
      "trend_distribution",
      DistributionChart(ComputeDistributionPage(draws, kDraws - kDistributionRows), page.width,
                        page.height, 0, 0));
  const DerivedChart derived = DerivedSeriesChart(page, "c_lwr_30_0_2", metrics);
  ASSERT_TRUE(derived.ok()) << derived.error;
  test::ExpectChartGolden("trend_derived", derived.chart);
  MatrixPictureSetup matrix;
  matrix.size = MatrixRadioSizes().front();
  test::ExpectChartGolden(
      "trend_matrix", MatrixChart(draws, kDraws - matrix.count, matrix, 1200, 600, metrics).chart);
}

TEST_F(TrendChartGolden, BackZoneWindow) {
  // The stored moving means of the larger back number in tenths.
  const BlueMeans means = [this](int index) {
    std::array<int32_t, 5> tenths{};
    const int spans[] = {2, 3, 4, 5, 10};
    for (int k = 0; k < 5; ++k) {
      int sum = 0, n = 0;
      for (int i = index; i >= 0 && n < spans[k]; --i, ++n) sum += draws[i].back[1];
      tenths[k] = sum * 10 / n;
    }
    return tenths;
  };
  test::ExpectChartGolden(
      "back_means", BlueMeanChart(page, means, {true, true, false, true, false, true}, metrics));
  test::ExpectChartGolden("back_remainders", BlueRemainderChart(page, metrics));
  test::ExpectChartGolden("back_bars", BlueBarChart(page, metrics));
  test::ExpectChartGolden("back_change", BlueChangeChart(page, metrics));
  test::ExpectChartGolden("back_ratio", BlueRatioChart(page, metrics));
  test::ExpectChartGolden("back_slots", BlueSlotChart(page, 2, metrics));
  test::ExpectChartGolden("back_field", BlueFieldChart(page, 3, metrics));
}

TEST_F(TrendChartGolden, StatisticsArea) {
  const NumberTally tally = TallyNumbers(draws, NearRange(kDraws, kDefaultNearCount));
  NumberBarSetup front;
  front.zone = &tally.front;
  front.width = 1000;
  front.height = 400;
  test::ExpectChartGolden("statistics_front_by_number", NumberBarChart(front, metrics));
  NumberBarSetup back = front;
  back.zone = &tally.back;
  back.slotCount = 12;
  back.order = BarOrder::ByOmission;
  back.counts = false;
  test::ExpectChartGolden("statistics_back_by_omission", NumberBarChart(back, metrics));
}

}  // namespace
}  // namespace dlt
