#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "analysis/analysis_charts.h"
#include "chart/chart_builder.h"
#include "chart/indicator_panel.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "indicators/series.h"

namespace dlt {
namespace {

IndicatorPanelSetup PanelOf(const AnalysisView& view, PanelLayout layout) {
  IndicatorPanelSetup setup;
  setup.draws = view.draws;
  setup.anchor = view.anchor;
  setup.span = view.span;
  setup.layout = layout;
  setup.width = view.width;
  setup.height = view.height;
  return setup;
}

// The page's values of a per-draw series.
template <class F>
std::vector<std::optional<int32_t>> PageValues(const AnalysisView& view, F valueAt) {
  std::vector<std::optional<int32_t>> values;
  for (int d = view.anchor; d <= view.LastShown(); ++d) values.push_back(valueAt(d));
  return values;
}

std::pair<int32_t, int32_t> OwnRange(const std::vector<std::optional<int32_t>>& values) {
  int32_t lo = 0, hi = 0;
  bool any = false;
  for (const auto& v : values) {
    if (!v) continue;
    lo = any ? std::min(lo, *v) : *v;
    hi = any ? std::max(hi, *v) : *v;
    any = true;
  }
  return {lo, hi == lo ? lo + 4 : hi};
}

std::string OneDecimal(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", RoundToDecimals(x, 1));
  return text;
}

const std::vector<PanelLayout>& StripLayouts(size_t strips) {
  static const std::vector<PanelLayout> one = {PanelLayout::Whole};
  static const std::vector<PanelLayout> two = {PanelLayout::UpperHalf, PanelLayout::LowerHalf};
  static const std::vector<PanelLayout> three = {PanelLayout::UpperThird, PanelLayout::MiddleThird,
                                                 PanelLayout::LowerThird};
  return strips <= 1 ? one : strips == 2 ? two : three;
}

// The plot starts right of the widest y label.
double LeftEdge(int32_t min, int32_t max, const TextMetrics& metrics) {
  double widest = 0;
  for (const std::string& l : IndicatorValueAxis(min, max).labels)
    widest = std::max(widest, metrics.Width(l));
  return widest + 12;
}

Chart Sized(const AnalysisView& view) {
  Chart chart;
  chart.width = view.width;
  chart.height = view.height;
  return chart;
}

}  // namespace

double MovingMean(std::span<const int32_t> series, int index, int k) {
  int64_t sum = 0;
  for (int d = std::max(index - k + 1, 0); d <= index; ++d) sum += series[d];
  return RoundToDecimals(static_cast<double>(sum) / k, 2);
}

Chart MeanChart(const AnalysisView& view, const std::array<bool, 6>& lines,
                const TextMetrics& metrics) {
  Chart chart = Sized(view);
  IndicatorPanelSetup setup = PanelOf(view, PanelLayout::Whole);
  // The means lie between the values: an axis that holds the values holds them.
  const AxisRange range =
      RangeHolding(view.from, view.to, PageValues(view, [&](int d) { return view.series[d]; }));
  setup.min = range.min;
  setup.max = range.max;
  ChartPanel panel = IndicatorPanel(setup, metrics);
  static const std::array<ChartColour, 6> colours = {
      colours::kBlack,          colours::kGreen, ChartColour{163, 64, 191},
      ChartColour{248, 134, 7}, colours::kRed,   colours::kBlue};
  for (int line = 0; line < 6; ++line) {
    if (!lines[line]) continue;
    std::vector<std::optional<int32_t>> plotted;
    std::vector<std::string> labels;
    for (int d = view.anchor; d <= view.LastShown(); ++d) {
      if (line == 0) {
        plotted.push_back(view.series[d] * 10);
        labels.push_back(std::to_string(view.series[d]));
      } else {
        const double mean = MovingMean(view.series, d, kMeanSpans[line - 1]);
        plotted.push_back(static_cast<int32_t>(RoundHalfEven(mean * 10)));
        labels.push_back(OneDecimal(mean));
      }
    }
    SeriesStyle style;
    style.radius = 3;
    style.fill = colours[line];
    style.outline = colours[line];
    style.line = colours[line];
    style.label = colours[line];
    AddSeries(panel, view.anchor, plotted, labels, style, metrics);
  }
  chart.panels.push_back(std::move(panel));
  return chart;
}

const std::vector<std::string>& RemainderStyleTexts() {
  static const std::vector<std::string> texts = {"除三、除四、除五余数", "除六、除七余数",
                                                 "除八、除九余数",       "除十、除十一余数",
                                                 "除十二、除十三余数",   "除十四、除十五余数"};
  return texts;
}

std::vector<int> RemainderStyleDivisors(int style) {
  switch (style) {
    case 1:
      return {6, 7};
    case 2:
      return {8, 9};
    case 3:
      return {10, 11};
    case 4:
      return {12, 13};
    case 5:
      return {14, 15};
    default:
      return {3, 4, 5};
  }
}

Chart RemainderStripsChart(const AnalysisView& view, const std::vector<int>& divisors,
                           const TextMetrics& metrics) {
  Chart chart = Sized(view);
  const auto& layouts = StripLayouts(divisors.size());
  for (size_t i = 0; i < divisors.size() && i < layouts.size(); ++i) {
    const int n = std::max(divisors[i], 1);
    IndicatorPanelSetup setup = PanelOf(view, layouts[i]);
    setup.values = PageValues(view, [&](int d) { return ((view.series[d] % n) + n) % n; });
    setup.min = 0;
    setup.max = n - 1;
    setup.title = "除" + std::to_string(n) + "余数";
    chart.panels.push_back(IndicatorPanel(setup, metrics));
  }
  return chart;
}

Chart FeatureChart(const AnalysisView& view, const TextMetrics& metrics) {
  Chart chart = Sized(view);
  struct Strip {
    const char* title;
    const char* yes;
    const char* no;
    bool (*test)(int32_t v, int32_t from, int32_t to);
  };
  static const Strip strips[] = {
      {"奇偶", "奇", "偶", [](int32_t v, int32_t, int32_t) { return v % 2 != 0; }},
      {"质合", "质", "合", [](int32_t v, int32_t, int32_t) { return IsPrime(v); }},
      {"大小", "大", "小",
       [](int32_t v, int32_t from, int32_t to) {
         return 2.0 * v >= static_cast<double>(from) + to;
       }},
  };
  const auto& layouts = StripLayouts(3);
  for (int i = 0; i < 3; ++i) {
    IndicatorPanelSetup setup = PanelOf(view, layouts[i]);
    for (int d = view.anchor; d <= view.LastShown(); ++d) {
      const bool yes = strips[i].test(view.series[d], view.from, view.to);
      setup.values.push_back(yes ? 1 : 0);
      setup.labels.push_back(yes ? strips[i].yes : strips[i].no);
    }
    setup.min = 0;
    setup.max = 1;
    setup.title = strips[i].title;
    chart.panels.push_back(IndicatorPanel(setup, metrics));
  }
  return chart;
}

Chart ChangeChart(const AnalysisView& view, const TextMetrics& metrics) {
  Chart chart = Sized(view);
  const auto& layouts = StripLayouts(3);
  IndicatorPanelSetup value = PanelOf(view, layouts[0]);
  value.values = PageValues(view, [&](int d) { return view.series[d]; });
  value.min = view.from;
  value.max = view.to;
  value.title = "指标值";
  chart.panels.push_back(IndicatorPanel(value, metrics));

  IndicatorPanelSetup change = PanelOf(view, layouts[1]);
  change.values = PageValues(
      view, [&](int d) { return AbsDifference(view.series[d], d > 0 ? view.series[d - 1] : 0); });
  change.min = 0;
  change.max = std::max(OwnRange(change.values).second, std::max(view.to - view.from, 1));
  change.title = "变化量";
  chart.panels.push_back(IndicatorPanel(change, metrics));

  IndicatorPanelSetup tail = PanelOf(view, layouts[2]);
  tail.values = PageValues(view, [&](int d) { return ((view.series[d] % 10) + 10) % 10; });
  tail.min = 0;
  tail.max = 9;
  tail.title = "尾数";
  chart.panels.push_back(IndicatorPanel(tail, metrics));
  return chart;
}

Chart OmissionValueChart(const AnalysisView& view, std::span<const int32_t> omission,
                         std::span<const int32_t> omissionAmplitude, const TextMetrics& metrics) {
  Chart chart = Sized(view);
  const std::span<const int32_t> columns[] = {omission, omissionAmplitude};
  const char* titles[] = {"遗漏值走势", "遗漏振幅走势"};
  const PanelLayout layouts[] = {PanelLayout::UpperHalf, PanelLayout::LowerHalf};
  for (int i = 0; i < 2; ++i) {
    IndicatorPanelSetup setup = PanelOf(view, layouts[i]);
    setup.values = PageValues(view, [&](int d) -> std::optional<int32_t> {
      if (d >= static_cast<int>(columns[i].size())) return std::nullopt;
      return columns[i][d];
    });
    std::tie(setup.min, setup.max) = OwnRange(setup.values);
    setup.title = titles[i];
    chart.panels.push_back(IndicatorPanel(setup, metrics));
  }
  return chart;
}

Chart RunSeriesChart(const AnalysisView& view, const RunSeries& run, const std::string& title,
                     const TextMetrics& metrics) {
  Chart chart = Sized(view);
  IndicatorPanelSetup setup = PanelOf(view, PanelLayout::Whole);
  setup.values = PageValues(view, [&](int d) -> std::optional<int32_t> {
    if (d >= static_cast<int>(run.values.size())) return std::nullopt;
    return run.values[d];
  });
  setup.min = run.shownMin;
  setup.max = run.shownMax;
  setup.title = title;
  chart.panels.push_back(IndicatorPanel(setup, metrics));
  return chart;
}

std::vector<ValueOmissionEntry> SingleValueOmissions(std::span<const Draw> draws,
                                                     std::span<const int32_t> series,
                                                     int32_t value) {
  std::vector<ValueOmissionEntry> entries;
  const int n = static_cast<int>(std::min(draws.size(), series.size()));
  int previous = -1;
  for (int d = 0; d < n; ++d) {
    if (series[d] != value) continue;
    entries.push_back({d, draws[d].qs, d - previous - 1});
    previous = d;
  }
  if (n > 0 && series[n - 1] != value)
    entries.push_back({n - 1, draws[n - 1].qs, n - 1 - previous});
  constexpr size_t kMaxEntries = 10000;
  if (entries.size() > kMaxEntries) entries.erase(entries.begin(), entries.end() - kMaxEntries);
  return entries;
}

Chart SingleValueChart(const std::vector<ValueOmissionEntry>& entries, int first, int32_t value,
                       int width, int height, const TextMetrics& metrics) {
  Chart chart;
  chart.width = width;
  chart.height = height;
  const int count = static_cast<int>(entries.size());
  first = std::clamp(first, 0, std::max(count - 1, 0));
  const int last = std::min(first + kSingleValuePage, count) - 1;
  std::vector<std::optional<int32_t>> omissions, amplitudes;
  for (int i = first; i <= last; ++i) {
    omissions.push_back(entries[i].omission);
    amplitudes.push_back(AbsDifference(entries[i].omission, i > 0 ? entries[i - 1].omission : 0));
  }
  const std::string titles[] = {std::to_string(value) + "的遗漏走势",
                                std::to_string(value) + "的遗漏振幅走势"};
  const std::vector<std::optional<int32_t>>* series[] = {&omissions, &amplitudes};
  const PanelLayout layouts[] = {PanelLayout::UpperHalf, PanelLayout::LowerHalf};
  for (int p = 0; p < 2; ++p) {
    ChartPanel panel;
    panel.title = titles[p];
    tcoordinate& c = panel.coord;
    const auto [lo, hi] = OwnRange(*series[p]);
    const ValueAxis axis = IndicatorValueAxis(lo, hi);
    const PanelGeometry g = GeometryOf(layouts[p], height);
    c.originY = g.originY - 14;  // room for the second line of the x labels
    c.plotHeight = g.plotHeight - 14;
    c.plotWidth = width - 60;
    c.yMin = axis.yMin;
    c.yMax = axis.yMax;
    c.yMinorUnits = axis.yMinorUnits;
    c.yMajorUnits = axis.yMajorUnits;
    c.yLabels = axis.labels;
    c.xFirst = 0;
    c.xLast = kSingleValuePage + 1;
    c.xMinorUnits = 1;
    c.xMajorUnits = 1;
    for (int i = first; i <= last; ++i) {
      auto [year, serial] = SplitIssueText(entries[i].qs);
      c.xLabels.push_back(std::move(year));
      c.xLabels2.push_back(std::move(serial));
    }
    c.originX = LeftEdge(lo, hi, metrics);
    AddAxes(panel, metrics);
    AddReferenceLine(panel, (static_cast<double>(c.yMin) + c.yMax) / 2, colours::kPurple);
    std::vector<std::optional<int32_t>> plotted;
    std::vector<std::string> labels;
    for (const auto& v : *series[p]) {
      plotted.push_back(*v * 10);
      labels.push_back(std::to_string(*v));
    }
    AddSeries(panel, 1, plotted, labels, SeriesStyle{}, metrics);
    chart.panels.push_back(std::move(panel));
  }
  return chart;
}

}  // namespace dlt
