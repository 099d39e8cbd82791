#include <algorithm>
#include <cmath>
#include <functional>

#include "analysis/analysis_charts.h"
#include "chart/chart_builder.h"
#include "chart/indicator_panel.h"
#include "common/chance_figures.h"

namespace dlt {
namespace {

// A panel with positions 1..n along x, each labelled (on one or two lines),
// and a value axis over lo..hi (plotted times ten).
ChartPanel PositionPanel(int n, const std::vector<std::string>& xLabels, int32_t lo, int32_t hi,
                         double originY, double plotHeight, int width, double originX,
                         const std::string& title, const TextMetrics& metrics,
                         const std::vector<std::string>& xLabels2 = {}) {
  ChartPanel panel;
  panel.title = title;
  tcoordinate& c = panel.coord;
  const ValueAxis axis = IndicatorValueAxis(lo, hi);
  c.originY = originY;
  c.plotHeight = plotHeight;
  c.yMin = axis.yMin;
  c.yMax = axis.yMax;
  c.yMinorUnits = axis.yMinorUnits;
  c.yMajorUnits = axis.yMajorUnits;
  c.yLabels = axis.labels;
  c.originX = originX > 0
                  ? originX
                  : metrics.Width(c.yLabels.empty() ? std::string() : c.yLabels.back()) + 14;
  c.plotWidth = width - c.originX - 20;
  c.xFirst = 0;
  c.xLast = n + 1;
  c.xMinorUnits = 1;
  c.xMajorUnits = 1;
  c.xLabels = xLabels;
  c.xLabels2 = xLabels2;
  AddAxes(panel, metrics);
  return panel;
}

// Beyond two standard deviations chance alone rarely goes: red.
ChartColour DeviationColour(double deviation) {
  return std::fabs(deviation) >= 2 ? colours::kRed : colours::kBlack;
}

int32_t Highest(const std::vector<int32_t>& values) {
  int32_t hi = 0;
  for (int32_t v : values) hi = std::max(hi, v);
  return std::max(hi, 1);
}

}  // namespace

Chart BarChart(const std::vector<BarItem>& items, int windowSize, bool percent,
               const std::string& title, int width, int height, const TextMetrics& metrics) {
  Chart chart;
  chart.width = width;
  chart.height = height;
  std::vector<std::string> labels;
  std::vector<int32_t> heights;
  bool chance = false;
  for (const BarItem& i : items) {
    labels.push_back(i.label);
    heights.push_back(i.count);
    if (i.expected) {
      chance = true;
      heights.push_back(static_cast<int32_t>(std::ceil(*i.expected)));
    }
  }
  const int n = static_cast<int>(items.size());
  const int32_t hi = Highest(heights);
  // A row of deviations under the labels.
  const double below = chance ? metrics.Height("0") + 4 : 0;
  ChartPanel panel = PositionPanel(
      n, labels, 0, hi + std::max(hi / 10, 1), height - 40 - below, height - 70 - below, width, 0,
      chance ? title + "（虚线：期望次数；下排：偏差σ）" : title, metrics);
  const tcoordinate& c = panel.coord;
  const double barWidth = std::max(c.xScale * 0.6, 2.0);
  for (int i = 0; i < n; ++i) {
    const BarItem& item = items[i];
    AddBar(panel, i + 1, 0, item.count * 10.0, barWidth, colours::kBlue, colours::kBlack);
    AddText(panel, {PlotX(c, i + 1), PlotY(c, item.count * 10.0) - 3},
            CountText(item.count, windowSize, percent), colours::kBlack, HAlign::Centre,
            VAlign::Bottom);
    if (item.expected) {
      const double y = PlotY(c, *item.expected * 10.0);
      panel.items.push_back(ChartLine{{PlotX(c, i + 1) - barWidth * 0.75, y},
                                      {PlotX(c, i + 1) + barWidth * 0.75, y},
                                      colours::kRed,
                                      2,
                                      LineStyle::Dash});
    }
    if (item.deviation)
      AddText(panel, {PlotX(c, i + 1), c.originY + below + 4}, ShortDeviationText(*item.deviation),
              DeviationColour(*item.deviation), HAlign::Centre, VAlign::Top);
  }
  chart.panels.push_back(std::move(panel));
  return chart;
}

Chart OmissionStatsChart(const std::vector<ValueOmissionStats>& stats, int windowSize, bool percent,
                         int width, int height, const TextMetrics& metrics,
                         std::span<const OmissionOdds> odds) {
  Chart chart;
  chart.width = width;
  chart.height = height;
  // The statistic rows, and with the odds theirs beside 平均遗漏 and 本次遗漏.
  struct Row {
    std::string title;
    std::function<std::string(size_t)> text;
    ChartColour colour = colours::kBlack;
  };
  const auto& titles = OmissionStatisticTitles();
  const bool withOdds = odds.size() >= stats.size() && !stats.empty();
  std::vector<Row> rows;
  for (int k = 0; k < static_cast<int>(titles.size()); ++k) {
    rows.push_back(
        {titles[k],
         [&stats, k](size_t i) { return std::to_string(OmissionStatisticValue(stats[i], k)); },
         k == 5 ? colours::kRed : colours::kBlack});
    if (withOdds && k == 3)
      rows.push_back({"期望遗漏",
                      [odds](size_t i) { return ShortExpectedText(odds[i].expectedAverage); },
                      colours::kBlue});
    if (withOdds && k == 5)
      rows.push_back({"遗漏概率%",
                      [odds](size_t i) { return WholePercentText(odds[i].currentChance); },
                      colours::kBlue});
  }
  const double rowHeight = metrics.Height("0") + 4;
  const double tableTop = height - rowHeight * rows.size() - 6;
  double titleWidth = 0;
  for (const Row& r : rows) titleWidth = std::max(titleWidth, metrics.Width(r.title));
  std::vector<int32_t> currents;
  for (const auto& s : stats) currents.push_back(s.current);
  const int n = static_cast<int>(stats.size());
  const int32_t hi = Highest(currents);
  ChartPanel panel = PositionPanel(n, {}, 0, hi + std::max(hi / 10, 1), tableTop - 8, tableTop - 40,
                                   width, titleWidth + 16, "", metrics);
  const tcoordinate& c = panel.coord;
  const double barWidth = std::max(c.xScale * 0.6, 2.0);
  static const ChartColour barColours[] = {colours::kBlack, ChartColour{237, 160, 18},
                                           ChartColour{236, 84, 19}, colours::kRed};
  for (int i = 0; i < n; ++i) {
    const ChartColour colour = barColours[static_cast<int>(BarColourOf(stats[i]))];
    AddBar(panel, i + 1, 0, stats[i].current * 10.0, barWidth, colour, colour);
    AddText(panel, {PlotX(c, i + 1), PlotY(c, stats[i].current * 10.0) - 3},
            CountText(stats[i].current, windowSize, percent), colours::kBlack, HAlign::Centre,
            VAlign::Bottom);
  }
  for (size_t row = 0; row < rows.size(); ++row) {
    const double y = tableTop + row * rowHeight;
    panel.items.push_back(ChartLine{{4, y}, {c.originX + c.plotWidth, y}, {200, 200, 200}});
    AddText(panel, {6, y + 2}, rows[row].title, colours::kBlack, HAlign::Left, VAlign::Top,
            row == 0);
    for (int i = 0; i < n; ++i)
      AddText(panel, {PlotX(c, i + 1), y + 2}, rows[row].text(static_cast<size_t>(i)),
              rows[row].colour, HAlign::Centre, VAlign::Top, row == 0);
  }
  chart.panels.push_back(std::move(panel));
  return chart;
}

Chart SegmentChart(const std::vector<Segment>& segments, const std::string& title, int width,
                   int height, const TextMetrics& metrics) {
  Chart chart;
  chart.width = width;
  chart.height = height;
  const int n = static_cast<int>(std::min<size_t>(segments.size(), 20));
  // Oldest at the left: the first n segments are the newest.
  std::vector<const Segment*> shown;
  for (int i = n - 1; i >= 0; --i) shown.push_back(&segments[i]);
  std::vector<std::string> labels, lengths;
  int32_t lo = 0, hi = 0;
  for (size_t i = 0; i < shown.size(); ++i) {
    labels.push_back(IssueText(shown[i]->newestQs));
    lengths.push_back("(共" + std::to_string(shown[i]->length) + "期)");
    lo = i == 0 ? shown[i]->value : std::min(lo, shown[i]->value);
    hi = i == 0 ? shown[i]->value : std::max(hi, shown[i]->value);
  }
  if (hi == lo) hi = lo + 4;
  // A step of room above the largest value, so that its label stays clear
  // of the title.
  hi += std::max((hi - lo) / 10, 1);
  const double line = metrics.Height("0");
  ChartPanel panel = PositionPanel(n, labels, lo, hi, height - 30 - line, height - 60 - line, width,
                                   0, title, metrics, lengths);
  std::vector<std::optional<int32_t>> plotted;
  std::vector<std::string> texts;
  for (size_t i = 0; i < shown.size(); ++i) {
    plotted.push_back(shown[i]->value * 10);
    texts.push_back(std::to_string(shown[i]->value));
  }
  AddSeries(panel, 1, plotted, texts, SeriesStyle{}, metrics);
  chart.panels.push_back(std::move(panel));
  return chart;
}

}  // namespace dlt
