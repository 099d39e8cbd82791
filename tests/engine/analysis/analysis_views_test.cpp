// What the analysis tabs derive from a series: segments, the run chart and
// its signal grid, the transfer, occurrence and class counts, means and the
// class tables.
#include <gtest/gtest.h>

#include "analysis/analysis_charts.h"
#include "analysis/characteristic.h"
#include "analysis/field_groups.h"
#include "analysis/occurrence.h"
#include "analysis/run_chart.h"
#include "analysis/segments.h"
#include "analysis/transfer.h"
#include "common/gbk_text.h"
#include "support/test_support.h"

namespace dlt {
namespace {

std::vector<Draw> Numbered(int count) {
  std::vector<Draw> draws = test::RandomHistory(count, 2);
  for (int i = 0; i < count; ++i) draws[i].qs = 2010001 + i;
  return draws;
}

TEST(Segments, LengthsOfTheNewestSegmentAndTheStatistics) {
  struct Case {
    int length, adjustment, first;
  };
  for (const Case c : {Case{5, 1, 4}, Case{5, 5, 5}, Case{5, 10, 5}, Case{5, -3, 3},
                       Case{10, 0, 10}, Case{2, -10, 2}})
    EXPECT_EQ(FirstSegmentLength(c.length, c.adjustment), c.first)
        << c.length << " " << c.adjustment;

  const std::vector<Draw> draws = Numbered(12);
  const std::vector<int32_t> series = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  const auto segments = ComputeSegments(draws, series, 5, 1, SegmentStatistic::Sum);
  ASSERT_EQ(segments.size(), 3u);  // 4 newest, then 5, then the 3 left
  EXPECT_EQ(segments[0].length, 4);
  EXPECT_EQ(segments[0].newestQs, 2010012);
  EXPECT_EQ(segments[0].oldestQs, 2010009);
  EXPECT_EQ(segments[0].value, 9 + 10 + 11 + 12);
  EXPECT_EQ(segments[1].length, 5);
  EXPECT_EQ(segments[2].length, 3);
  EXPECT_EQ(segments[2].value, 6);

  struct Stat {
    std::vector<int32_t> newestFirst;
    SegmentStatistic statistic;
    int32_t value;
  };
  const Stat stats[] = {
      {{3, 5, 3, 3, 7}, SegmentStatistic::Repeated, 3},
      {{1, 2, 3, 4}, SegmentStatistic::Repeated, 0},
      {{1, 2}, SegmentStatistic::Mean, 2},  // 1.5 to even
      {{3, 2}, SegmentStatistic::Mean, 2},  // 2.5 to even
      {{4, 9, 1}, SegmentStatistic::Largest, 9},
      {{4, 9, 1}, SegmentStatistic::Smallest, 1},
      {{1, 4, 2}, SegmentStatistic::MeanAmplitude, 2},  // (3 + 2) / 2 = 2.5
      {{7}, SegmentStatistic::MeanAmplitude, 0},
  };
  for (const Stat& s : stats)
    EXPECT_EQ(SegmentValue(s.newestFirst, s.statistic), s.value)
        << SegmentStatisticTexts()[static_cast<int>(s.statistic)];
}

// Twenty segments on a narrow picture: the newest draw labels (the forecast
// record as "预测区") thinned so that none runs into the next, each with its
// "(共N期)" under it, and the largest value's label clear of the title.
TEST(Segments, TheChartLabelsFitAndNameTheForecast) {
  std::vector<Draw> draws = Numbered(100);
  draws.back().qs = kForecastQs;
  std::vector<int32_t> series(100);
  for (int i = 0; i < 100; ++i) series[i] = (i * 7) % 13;
  const auto segments = ComputeSegments(draws, series, 5, 1, SegmentStatistic::Sum);
  const FixedTextMetrics metrics(7, 14);
  const Chart chart = SegmentChart(segments, "区段总和", 600, 400, metrics);
  const ChartPanel& p = chart.panels.at(0);
  const double axis = p.coord.originY + 5;
  std::vector<ChartText> issues, lengths;
  std::optional<ChartText> title;
  for (const ChartText& t : p.ItemsOf<ChartText>()) {
    if (t.at.y == axis) issues.push_back(t);
    if (t.text.starts_with("(共")) lengths.push_back(t);
    if (t.text == "区段总和") title = t;
  }
  ASSERT_GE(issues.size(), 2u);
  EXPECT_LT(issues.size(), 20u);
  EXPECT_EQ(issues.back().text, "预测区");
  EXPECT_EQ(lengths.size(), issues.size());
  for (size_t i = 1; i < issues.size(); ++i)
    EXPECT_GE(issues[i].at.x - issues[i - 1].at.x, metrics.Width("2010099") + 4);
  ASSERT_TRUE(title);
  for (const ChartDisc& d : p.ItemsOf<ChartDisc>())
    EXPECT_GE(d.centre.y - 5 - metrics.Height("0"), title->at.y + metrics.Height("0"));
}

TEST(RunChart, BaseSeriesRangesAndThresholds) {
  const std::vector<int32_t> series = {12, 15, 12, 30, 30};
  struct Case {
    RunBaseChoice choice;
    std::vector<int32_t> values;
    int32_t min, max, threshold;
    std::string suffix;
  };
  const Case cases[] = {
      {{RunBase::Regular}, series, 10, 31, 21, "常规图"},
      {{RunBase::Tail}, {2, 5, 2, 0, 0}, 0, 9, 5, "尾数图"},
      {{RunBase::Remainder, 7}, {5, 1, 5, 2, 2}, 0, 6, 3, "除7余数图"},
      {{RunBase::Amplitude}, {12, 3, 3, 18, 0}, 0, 18, 11, "振幅图"},
      {{RunBase::Omission}, {0, 1, 1, 3, 0}, 0, 3, 20, "遗漏图"},
      {{RunBase::OmissionAmplitude}, {0, 1, 0, 2, 3}, 0, 3, 20, "遗漏振幅图"},
  };
  for (const Case& c : cases) {
    const RunSeries r = ComputeRunSeries(series, c.choice, 10, 31);
    EXPECT_EQ(r.values, c.values) << c.suffix;
    EXPECT_EQ(r.shownMin, c.min) << c.suffix;
    EXPECT_EQ(r.shownMax, c.max) << c.suffix;
    EXPECT_EQ(r.threshold, c.threshold) << c.suffix;
    EXPECT_EQ(r.suffix, c.suffix);
  }
  // A constant derived series is shown over min .. min + 4.
  const RunSeries flat = ComputeRunSeries(std::vector<int32_t>(6, 3), {RunBase::Omission}, 0, 9);
  EXPECT_EQ(flat.shownMin, 0);
  EXPECT_EQ(flat.shownMax, 4);
}

TEST(RunChart, SignalsAndTheGridLayout) {
  const std::vector<int32_t> base = {5, 5, 6, 7, 3, 3, 3, 3, 3, 3, 4};
  const std::vector<bool> rise = SignalBits(base, RunSignal::RiseFall, 0);
  EXPECT_EQ(rise, (std::vector<bool>{0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(SignalBits(base, RunSignal::OddEven, 0)[2], true);
  EXPECT_EQ(SignalBits(std::vector<int32_t>{1, 4}, RunSignal::PrimeComposite, 0),
            (std::vector<bool>{0, 1}));
  EXPECT_EQ(SignalBits(std::vector<int32_t>{4, 5}, RunSignal::BigSmall, 5),
            (std::vector<bool>{1, 0}));

  const std::vector<Draw> draws = Numbered(11);
  const auto grid = SignalGrid(draws, rise);
  // O O | X X | O O O O (O wraps at the sixth row) | X
  ASSERT_EQ(grid.size(), 5u);
  EXPECT_EQ(grid[0].marks, (std::array<int8_t, 5>{0, 0, -1, -1, -1}));
  EXPECT_EQ(grid[0].qs, 2010001);  // the first mark is an O in row 1
  EXPECT_EQ(grid[1].marks, (std::array<int8_t, 5>{1, 1, -1, -1, -1}));
  EXPECT_EQ(grid[1].qs, 2010003);
  EXPECT_EQ(grid[2].marks, (std::array<int8_t, 5>{0, 0, 0, 0, 0}));
  EXPECT_EQ(grid[3].marks, (std::array<int8_t, 5>{0, -1, -1, -1, -1}));
  EXPECT_EQ(grid[3].qs, 2010010);
  EXPECT_EQ(grid[4].qs, 2010011);
  EXPECT_EQ(MarkText(RunSignal::RiseFall, grid[0].marks[0], false), "O");
  EXPECT_EQ(MarkText(RunSignal::RiseFall, grid[1].marks[0], true), "升");
  // A first X leaves grid column 1 empty.
  const auto startsHigh = SignalGrid(draws, {true});
  ASSERT_EQ(startsHigh.size(), 2u);
  EXPECT_EQ(startsHigh[0].qs, 0);
  EXPECT_EQ(startsHigh[1].marks[0], 1);
}

TEST(Transfer, AllowedValuesFormulaTextAndRefusals) {
  TransferOptions o;
  o.min = 10;
  o.max = 15;
  o.rise = true;
  EXPECT_EQ(AllowedValues(o, 12).values, (std::vector<int32_t>{13, 14, 15}));
  o.rise = false;
  o.odd = true;
  EXPECT_EQ(AllowedValues(o, 12).values, (std::vector<int32_t>{11}));
  o.rise.reset();
  o.odd.reset();
  o.prime = true;
  EXPECT_EQ(AllowedValues(o, 12).values, (std::vector<int32_t>{11, 13}));
  o.min = 0;
  o.max = 3;
  EXPECT_EQ(AllowedValues(o, 0).values, (std::vector<int32_t>{1, 2, 3}));  // 1 is prime
  o.max.reset();
  EXPECT_EQ(AllowedValues(o, 0).error, kTransferBoundsEmpty);
  o.min = 9;
  o.max = 8;
  EXPECT_EQ(AllowedValues(o, 0).error, kTransferBoundsReversed);

  struct Case {
    RunBaseChoice base;
    std::string formula;
  };
  const Case cases[] = {
      {{RunBase::Regular}, "z_hz+1"},          {{RunBase::Amplitude}, "getzf(z_hz+1)"},
      {{RunBase::Omission}, "getylz(z_hz+1)"}, {{RunBase::OmissionAmplitude}, "getylzzf(z_hz+1)"},
      {{RunBase::Tail}, "z_hz+1%10"},          {{RunBase::Remainder, 7}, "z_hz+1%7"},
  };
  for (const Case& c : cases) EXPECT_EQ(TransferFormula("z_hz+1", c.base), c.formula);
  EXPECT_EQ(AnalysedText("z_hz", "z_hz+1"), "z_hz");
  EXPECT_EQ(AnalysedText("", "z_hz+1"), "z_hz+1");
  EXPECT_EQ(AnalysedText("", ""), "");
}

TEST(Occurrence, WindowsCountsAndClasses) {
  const std::vector<int32_t> series = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1000, 4};
  // One count per value of the range, from its first value.
  EXPECT_EQ(OccurrenceCounts(series, RangeBetween(11, 1, 10), 3, 6),
            (std::vector<int32_t>{1, 2, 1, 1}));
  // Values past the old table of 0..1000 count like any other.
  const std::vector<int32_t> high = {4000, 65535, 4000, 0};
  const auto counts = OccurrenceCounts(high, RangeBetween(4, 0, 3), 0, 65535);
  ASSERT_EQ(counts.size(), 65536u);
  EXPECT_EQ(counts[4000], 2);
  EXPECT_EQ(counts[65535], 1);
  EXPECT_EQ(counts[0], 1);
  EXPECT_EQ(OccurrenceCounts(high, RangeBetween(4, 0, 3), 5, 4), std::vector<int32_t>{});
  EXPECT_EQ(CountText(1, 3, true), "33.3");
  EXPECT_EQ(CountText(2, 3, true), "66.7");
  EXPECT_EQ(CountText(2, 3, false), "2");

  const DrawRange all = RangeBetween(11, 0, 8);  // 1..9
  EXPECT_EQ(ItemClassCounts(series, all, ItemKind::OddEven, 0, 1, 9),
            (std::vector<ItemClass>{{"奇数", 5}, {"偶数", 4}}));
  EXPECT_EQ(ItemClassCounts(series, all, ItemKind::PrimeComposite, 0, 1, 9),
            (std::vector<ItemClass>{{"质数", 5}, {"合数", 4}}));  // 1 2 3 5 7
  // 3..9 in two zones: 3..5 and 6..9 (the last one wider); 1 and 2 in none.
  EXPECT_EQ(ItemClassCounts(series, all, ItemKind::Zones, 2, 3, 9),
            (std::vector<ItemClass>{{"第1分区<3..5>", 3}, {"第2分区<6..9>", 4}}));
  EXPECT_EQ(ItemClassCounts(series, all, ItemKind::Remainder, 4, 1, 9)[0],
            (ItemClass{"除4余0", 2}));
}

TEST(AnalysisCharts, MeansAndRowOrders) {
  const std::vector<int32_t> series = {7, 4, 9, 1};
  // Divided by the span even where fewer draws exist.
  EXPECT_DOUBLE_EQ(MovingMean(series, 1, 5), (7 + 4) / 5.0);
  EXPECT_DOUBLE_EQ(MovingMean(series, 3, 3), 4.67);
  EXPECT_DOUBLE_EQ(MovingMean(series, 2, 2), 6.5);
  EXPECT_EQ(MiddleValueText(1, 32), "16.5");
  EXPECT_EQ(MiddleValueText(1, 31), "16");

  const DistributionRows rows = DistributionRowOrder(0, 7, 1);  // 图二: step 3
  EXPECT_EQ(rows.values, (std::vector<int32_t>{0, 3, 6, 1, 4, 7, 2, 5}));
  EXPECT_EQ(rows.groupBounds, (std::vector<int>{3, 6, 8}));

  const std::vector<std::string> groups = {"01 02", "03 10", "10 11"};
  EXPECT_EQ(FieldGroupOf(groups, 10), 1);  // the first group holding "10"
  EXPECT_EQ(FieldGroupOf(groups, 2), 0);
  EXPECT_EQ(FieldGroupOf(groups, 4), -1);

  const std::vector<Draw> draws = Numbered(9);
  const std::vector<int32_t> values = {5, 1, 5, 5, 2, 5, 3, 3, 3};
  const auto entries = SingleValueOmissions(draws, values, 5);
  // Occurrences at 0, 2, 3, 5; the last draw is not one: its current omission.
  const std::vector<int32_t> omissions = {0, 1, 0, 1, 3};
  ASSERT_EQ(entries.size(), omissions.size());
  for (size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].omission, omissions[i]);
  EXPECT_EQ(entries.back().qs, 2010009);
  EXPECT_EQ(SingleValueOmissions(draws, std::vector<int32_t>{0, 0, 0, 0, 5}, 5).front().omission,
            4);
}

TEST(AnalysisCharts, ComponentsAndTheirClasses) {
  struct Case {
    const char* name;
    Component component;
  };
  const Case cases[] = {
      {"尾号", {ComponentKind::Tail, 10}},
      {"小大", {ComponentKind::SmallBig, 2}},
      {"三区", {ComponentKind::Zones, 3}},
      {"十五区", {ComponentKind::Zones, 15}},
      {"除四余数", {ComponentKind::Remainder, 4}},
      {"除十一余数", {ComponentKind::Remainder, 11}},
      {"十六区", {}},
      {"余数", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ComponentOfName(c.name), c.component) << c.name;
  const Component zones{ComponentKind::Zones, 3};
  EXPECT_EQ(ComponentClassOf(zones, 12, 1, 35), 1);  // 1-11, 12-23, 24-35
  EXPECT_EQ(ComponentClassOf(zones, 36, 1, 35), -1);
  EXPECT_EQ(ComponentClassOf({ComponentKind::SmallBig, 2}, 16, 1, 32), 0);
  EXPECT_EQ(ComponentClassOf({ComponentKind::SmallBig, 2}, 17, 1, 32), 1);
  EXPECT_EQ(ComponentClassLabels({ComponentKind::PrimeComposite, 2}),
            (std::vector<std::string>{"质", "合"}));
}

TEST(FieldGroups, AMissingFileIsCreatedAndEditsAreKept) {
  test::TempDir dir;
  const std::string path = FieldGroupsPath(dir.path(), 4);
  auto groups = LoadFieldGroups(path, 4);
  ASSERT_TRUE(groups);
  for (const auto& chart : *groups)
    EXPECT_EQ(chart, (std::vector<std::string>{"01", "02", "03", "04"}));
  EXPECT_EQ(test::ReadBytes(path).substr(0, 8), "01\r\n02\r\n");
  (*groups)[9][3] = "04 05 06 第四组";
  ASSERT_TRUE(SaveFieldGroups(path, *groups));
  const auto again = LoadFieldGroups(path, 4);
  ASSERT_TRUE(again);
  EXPECT_EQ((*again)[9][3], "04 05 06 第四组");
  EXPECT_EQ((*again)[0][0], "01");
}

}  // namespace
}  // namespace dlt
