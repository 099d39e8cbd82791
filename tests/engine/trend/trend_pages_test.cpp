#include <gtest/gtest.h>

#include "indicators/indicator.h"
#include "support/test_support.h"
#include "trend/data_tables.h"
#include "trend/distribution_chart.h"
#include "trend/indicator_chart.h"
#include "trend/omission_events.h"

namespace dlt {
namespace {

using test::MakeDraw;

HitRow Hits(std::initializer_list<int> numbers) {
  HitRow row{};
  for (int n : numbers) row[n - 1] = true;
  return row;
}

TEST(DistributionChart, RunMarksInEveryDirection) {
  const std::vector<HitRow> hits = {
      Hits({1, 2, 3, 10, 11, 15, 20, 30}),  // 连号 of three and of two
      Hits({5, 14, 20, 30, 33}),            // 重号 20 (two), 30 (three); 15 -> 14 斜连号 (two)
      Hits({6, 30}),                        // 5 -> 6 -> 7 斜连号 (three)
      Hits({7, 25}),
  };
  const auto m = RunMarks(hits);
  struct Case {
    int row, number;
    RunMark mark;
  };
  const Case cases[] = {
      {0, 1, RunMark::Long},   {0, 3, RunMark::Long},   {0, 10, RunMark::Short},
      {0, 11, RunMark::Short}, {0, 20, RunMark::Short}, {1, 20, RunMark::Short},
      {0, 30, RunMark::Long},  {2, 30, RunMark::Long},  {0, 15, RunMark::Short},
      {1, 14, RunMark::Short}, {1, 5, RunMark::Long},   {3, 7, RunMark::Long},
      {1, 33, RunMark::None},  {3, 25, RunMark::None},
  };
  for (const Case& c : cases)
    EXPECT_EQ(m[c.row][c.number - 1], c.mark) << "row " << c.row << " number " << c.number;

  const int colours[4][3] = {{0, 1, 2}, {0, 1, 2}, {0, 0, 2}, {0, 0, 0}};  // none, short, long
  for (int style = 0; style < 4; ++style)
    for (int mark = 0; mark < 3; ++mark)
      EXPECT_EQ(MarkerColourOf(static_cast<RunMark>(mark), style), colours[style][mark]);
}

TEST(DistributionChart, RunsCrossingThePageEdges) {
  std::vector<Draw> draws;
  for (int i = 0; i < 30; ++i) draws.push_back(MakeDraw(2009001 + i, {1, 9, 17, 25, 33}, {1, 2}));
  // 5 stands in the two draws before the page and its first; 30 in its last and the two after.
  for (int i : {3, 4, 5}) draws[i].front = {2, 5, 17, 25, 33};
  for (int i : {23, 24, 25}) draws[i].front = {2, 9, 17, 25, 30};
  for (int i = 0; i < 30; ++i)
    if (i != 3 && i != 4 && i != 5 && i != 23 && i != 24 && i != 25)
      draws[i].front[0] = 3 + i % 2 * 3;
  const DistributionPage page = ComputeDistributionPage(draws, 5);
  ASSERT_EQ(page.rows.size(), 19u);
  EXPECT_EQ(page.rows.front().qs, 2009006);
  EXPECT_EQ(page.rows.front().marks[1], RunMark::Long);  // 5, run from before the page
  EXPECT_EQ(page.rows.back().marks[4], RunMark::Long);   // 30, run beyond the page
  EXPECT_EQ(page.rows[1].marks[1], RunMark::Long);       // 9 from row 6 on, every draw
  // Near the end the page is shorter; past the end it is empty.
  EXPECT_EQ(ComputeDistributionPage(draws, 25).rows.size(), 5u);
  EXPECT_TRUE(ComputeDistributionPage({}, 0).rows.empty());
}

TEST(DataTables, RowsOfHandComputedDraws) {
  const std::vector<Draw> draws = {MakeDraw(2009001, {2, 9, 16, 23, 30}, {1, 12}),
                                   MakeDraw(2009002, {3, 4, 5, 13, 23}, {5, 11})};
  const std::vector<std::string> one = {"2009002",
                                        "03",
                                        "04",
                                        "05",
                                        "13",
                                        "23",
                                        "05",
                                        "11",
                                        "20",
                                        "3",
                                        "2",
                                        "1",
                                        "1",
                                        "4:1",
                                        "03,05,13,23,",
                                        "04,",
                                        "4:1",
                                        "03,05,13,23,",
                                        "04,",
                                        "03,04,05",
                                        "03,13,23 | 13,23",
                                        "01,01,08,10,",
                                        "10",
                                        "1",
                                        "3",
                                        "48",
                                        "0",
                                        "18",
                                        "0"};
  ColdHotSettings s;
  EXPECT_EQ(DataTableRow(1, draws, 1, s), one);
  EXPECT_EQ(DataTableHeaders(1).size(), one.size());
  const std::vector<std::string> two = {"2009002", "03",      "04",        "05",
                                        "13",      "23",      "05",        "11",
                                        "4:1",     "3:2:0",   "3:1:0:1:0", "3:0:1:0:1:0:0",
                                        "1:2:2",   "1:2:0:2", "1:0:0:3:1"};
  EXPECT_EQ(DataTableRow(2, draws, 1, s), two);
  EXPECT_EQ(DataTableHeaders(2).size(), two.size());

  s.qs = s.f_qs = 2;
  s.coldcs = s.f_coldcs = 0;
  s.hotcs = s.f_hotcs = 2;
  const std::vector<std::string> three = {
      "2009002",
      "4:1:0",
      "03,04,05,13,",
      "23,",
      "",
      "冷号：01,06,07,08,10,11,12,14,15,17,18,19,20,21,22,24,25,26,27,28,29,31,32,33,34,35, "
      "温号：02,03,04,05,09,13,16,30, 热号：23,",
      "2:0:0",
      "05,11,",
      "",
      "",
      "冷号：02,03,04,06,07,08,09,10, 温号：01,05,11,12, 热号："};
  EXPECT_EQ(DataTableRow(3, draws, 1, s), three);
  // The first draw is judged against its own window.
  EXPECT_EQ(DataTableRow(3, draws, 0, s)[1], "0:5:0");
  EXPECT_EQ(DataTableRow(1, draws, 0, s)[11], "0");  // no previous draw: nothing repeated
  EXPECT_TRUE(DataTableRow(1, draws, 2, s).empty());
}

TEST(OmissionEvents, EventsEndWithTheOpenOmission) {
  std::vector<Draw> draws;
  for (int i = 0; i < 7; ++i) draws.push_back(MakeDraw(2009001 + i, {1, 2, 3, 4, 5}, {1, 2}));
  for (int i : {1, 4}) draws[i].front = {3, 7, 9, 11, 13};
  draws[6].back = {7, 9};
  const OmissionEvents front = NumberOmissionEvents(draws, 7, false);
  EXPECT_EQ(front.events, (std::vector<OmissionEvent>{{2009002, 1}, {2009005, 2}, {2009007, 2}}));
  EXPECT_EQ(front.largest, 2);
  // Hit in the last draw: no open event.
  EXPECT_EQ(NumberOmissionEvents(draws, 7, true).events,
            (std::vector<OmissionEvent>{{2009007, 6}}));
  EXPECT_EQ(NumberOmissionEvents(draws, 35, false).events,
            (std::vector<OmissionEvent>{{2009007, 7}}));
  EXPECT_TRUE(NumberOmissionEvents({}, 7, false).events.empty());

  EXPECT_EQ(FirstEventPage(100), 64);
  EXPECT_EQ(FirstEventPage(20), 0);
  EXPECT_EQ(MoveEventStart(64, 36, 100), 99);
  EXPECT_EQ(MoveEventStart(10, -36, 100), 0);
  EXPECT_EQ(MoveEventStart(0, 1, 0), 0);
}

TEST(IndicatorChart, AmplitudesAndTheFirstDraw) {
  const std::vector<Draw> draws = test::RandomHistory(40);
  const EvalEnv env;
  TrendPage page;
  page.draws = draws;
  page.env = &env;
  const auto sum = [&](int i) {
    int s = 0;
    for (int n : draws[i].front) s += n;
    return s;
  };
  const std::vector<int32_t> first = IndicatorAmplitudes(page, "z_hz", 0, 2);
  EXPECT_EQ(first,
            (std::vector<int32_t>{sum(0), std::abs(sum(1) - sum(0)), std::abs(sum(2) - sum(1))}));
  EXPECT_EQ(IndicatorAmplitudes(page, "z_hz", 5, 5),
            (std::vector<int32_t>{std::abs(sum(5) - sum(4))}));
  // A key that does not resolve gives -999 and amplitudes of 0 after the first.
  EXPECT_EQ(IndicatorValues(page, "nosuchkey", 0, 1), (std::vector<int32_t>{kNoValue, kNoValue}));

  // The chart: the anchor and N more draws in two panels, fewer at the end.
  page.anchor = 10;
  page.span = 36;
  page.width = 900;
  page.height = 500;
  const FixedTextMetrics metrics;
  const Chart chart = ValueAmplitudeChart(page, "xh51", metrics);
  ASSERT_EQ(chart.panels.size(), 2u);
  EXPECT_EQ(chart.panels[0].title, "线和5_1");
  EXPECT_EQ(chart.panels[1].title, "线和5_1振幅");
  EXPECT_EQ(chart.panels[0].ItemsOf<ChartDisc>().size(), 30u);
  EXPECT_EQ(chart.panels[1].coord.yMin, 0);
  // Unknown keys and empty histories still draw both panels.
  EXPECT_EQ(ValueAmplitudeChart(page, "nosuchkey", metrics).panels.size(), 2u);
  page.draws = {};
  page.anchor = 0;
  EXPECT_TRUE(ValueAmplitudeChart(page, "z_hz", metrics).panels[0].ItemsOf<ChartDisc>().empty());
}

}  // namespace
}  // namespace dlt
