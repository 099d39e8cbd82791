#include "trend/framed_charts.h"

#include <cstdio>

#include "chart/chart_builder.h"
#include "chart/chart_readout.h"
#include "chart/indicator_panel.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "indicators/number_spread.h"

namespace dlt {
namespace {

std::string OneDecimal(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", RoundToDecimals(v, 1));
  return buf;
}

Chart EmptyChart(const TrendPage& page) {
  Chart chart;
  chart.width = page.width;
  chart.height = page.height;
  return chart;
}

const ChartColour kPositionColours[5] = {
    colours::kWhite, colours::kRed, {51, 138, 140}, colours::kPurple, colours::kGreen};

// Positions (1-based) of the pairs "2_1显示" .. "5_1显示".
const int kPairs[10][2] = {{2, 1}, {3, 2}, {4, 3}, {5, 4}, {3, 1},
                           {4, 2}, {5, 3}, {4, 1}, {5, 2}, {5, 1}};

}  // namespace

ChartPanel FramedPanel(const TrendPage& page, double originY, double plotHeight) {
  ChartPanel panel;
  tcoordinate& c = panel.coord;
  c.originX = 30;
  c.originY = originY;
  c.plotWidth = page.width - 60;
  c.plotHeight = plotHeight;
  c.xFirst = page.anchor;
  c.xLast = page.anchor + page.span;
  if (!page.draws.empty()) NameReadoutColumns(panel, page.draws, page.anchor, page.LastShown());
  return panel;
}

void SetValueAxis(tcoordinate& c, int32_t yMin, int32_t yMax, int minor, int major,
                  std::vector<std::string> labels) {
  c.yMin = yMin;
  c.yMax = yMax;
  c.yMinorUnits = minor;
  c.yMajorUnits = major;
  c.yLabels = std::move(labels);
}

Chart RemainderChart(const TrendPage& page, int divisor, const TextMetrics& metrics) {
  Chart chart = EmptyChart(page);
  if (divisor < 2) divisor = 3;
  for (int position = 1; position <= 5; ++position) {
    ChartPanel panel =
        FramedPanel(page, (page.height - 20) / 5.0 * position, page.height / 5.0 - 50);
    panel.title = "主号" + std::to_string(position);
    std::vector<std::string> labels;
    for (int k = 1; k < divisor; ++k) labels.push_back(std::to_string(k));
    SetValueAxis(panel.coord, 0, divisor - 1, 1, 1, labels);
    AddAxes(panel, metrics);
    std::vector<std::optional<int32_t>> values;
    std::vector<std::string> texts;
    for (int i = page.anchor; i <= page.LastShown() && !page.draws.empty(); ++i) {
      const int32_t v = page.draws[i].front[position - 1] % divisor;
      values.push_back(v);
      texts.push_back(std::to_string(v));
    }
    SeriesStyle style;
    style.radius = 3;
    style.labelFirst = false;
    AddSeries(panel, page.anchor, values, texts, style, metrics);
    chart.panels.push_back(std::move(panel));
  }
  return chart;
}

const std::vector<std::string>& GapPairTexts() {
  static const std::vector<std::string> texts = {"全部显示", "2_1显示", "3_2显示", "4_3显示",
                                                 "5_4显示",  "3_1显示", "4_2显示", "5_3显示",
                                                 "4_1显示",  "5_2显示", "5_1显示"};
  return texts;
}

Chart GapChart(const TrendPage& page, bool numberMarks, int pair, const TextMetrics& metrics) {
  Chart chart = EmptyChart(page);
  ChartPanel panel = FramedPanel(page, page.height - 40.0, page.height - 60.0);
  std::vector<std::string> labels;
  for (int v = 3; v <= 33; v += 2) labels.push_back(std::to_string(v));
  SetValueAxis(panel.coord, 1, 35, 1, 2, labels);
  AddAxes(panel, metrics);
  const tcoordinate& c = panel.coord;

  // (upper, lower) positions drawn, upper first.
  std::vector<std::pair<int, int>> links;
  if (pair <= 0 || pair > 10) {
    for (int p = 5; p >= (numberMarks ? 2 : 1); --p) links.push_back({p, p - 1});
  } else {
    links.push_back({kPairs[pair - 1][0], kPairs[pair - 1][1]});
  }
  for (int i = page.anchor + 1; i <= page.LastShown() && !page.draws.empty(); ++i) {
    const Draw& d = page.draws[i];
    const double x = PlotX(c, i);
    auto number = [&](int position) { return position >= 1 ? d.front[position - 1] : 1; };
    for (const auto& [upper, lower] : links) {
      const int hi = number(upper);
      const bool all = pair <= 0 || pair > 10;
      if (!numberMarks) {
        const ChartColour fill = all ? kPositionColours[upper - 1] : colours::kRed;
        // All positions: bars down to the axis overlap into bands; a pair: one band.
        const double bottom = all ? c.yMin : number(lower);
        AddBar(panel, i, hi, bottom, 16, fill, colours::kWhite);
        if (lower >= 1) {
          const int lo = number(lower);
          AddText(panel, {x, PlotY(c, (hi + lo) / 2.0)}, std::to_string(hi - lo), colours::kWhite,
                  HAlign::Centre, VAlign::Centre);
        }
      } else {
        const int lo = number(lower);
        const ChartPoint a = PlotPosition(c, i, hi), b = PlotPosition(c, i, lo);
        const ChartColour colour = all ? kPositionColours[upper - 1] : colours::kRed;
        panel.items.push_back(ChartLine{a, b, colour, 2});
        panel.items.push_back(ChartDisc{a, 5, colours::kBlue, colours::kBlack});
        panel.items.push_back(ChartDisc{b, 5, colours::kBlue, colours::kBlack});
        AddText(panel, {a.x + 6, a.y}, TwoDigit(hi), colours::kBlack, HAlign::Left, VAlign::Centre);
        AddText(panel, {b.x + 6, b.y}, TwoDigit(lo), colours::kBlack, HAlign::Left, VAlign::Centre);
      }
    }
  }
  chart.panels.push_back(std::move(panel));
  return chart;
}

Chart DispersionChart(const TrendPage& page, DispersionKind kind, const TextMetrics& metrics) {
  Chart chart = EmptyChart(page);
  ChartPanel panel = FramedPanel(page, page.height - 40.0, page.height - 60.0);
  tcoordinate& c = panel.coord;

  std::vector<std::optional<int32_t>> values;
  std::vector<std::string> texts;
  for (int i = page.anchor; i <= page.LastShown() && !page.draws.empty(); ++i) {
    const NumberSpread s = SpreadOf(page.draws[i]);
    double shown = s.mean;
    std::string suffix;
    if (kind == DispersionKind::StandardDeviation) shown = s.standardDeviation;
    if (kind == DispersionKind::Variation) {
      shown = s.ScaledCoefficientOfVariation();
      suffix = "%";
    }
    const double plotted =
        kind == DispersionKind::StandardDeviation ? s.ScaledStandardDeviation() : shown;
    values.push_back(static_cast<int32_t>(RoundHalfEven(plotted)));
    texts.push_back(OneDecimal(shown) + suffix);
  }

  // The fixed axes (4..32, 10..210 labelled in tenths, 0..100) widen in whole
  // major steps where a value passes them (a mean of 3, a variation of 142%).
  struct Axis {
    int32_t min, max;
    int minor, major, labelDivisor;
  };
  const Axis axis = kind == DispersionKind::Mean                ? Axis{4, 32, 1, 4, 1}
                    : kind == DispersionKind::StandardDeviation ? Axis{10, 210, 5, 20, 10}
                                                                : Axis{0, 100, 2, 10, 1};
  const AxisRange held = RangeHolding(axis.min, axis.max, values);
  const auto steps = [&](int32_t over) { return (over + axis.major - 1) / axis.major; };
  const int32_t lo = axis.min - axis.major * steps(axis.min - held.min);
  const int32_t hi = axis.max + axis.major * steps(held.max - axis.max);
  std::vector<std::string> labels;
  for (int32_t v = lo + axis.major; v <= hi; v += axis.major)
    labels.push_back(std::to_string(v / axis.labelDivisor));
  SetValueAxis(c, lo, hi, axis.minor, axis.major, labels);
  AddAxes(panel, metrics);
  if (kind == DispersionKind::Mean) AddReferenceLine(panel, 17.5, colours::kRed);
  if (kind == DispersionKind::Variation) AddReferenceLine(panel, 50, colours::kRed);

  SeriesStyle style;
  style.labelFirst = false;
  style.readoutName = kind == DispersionKind::Mean                ? "平均量"
                      : kind == DispersionKind::StandardDeviation ? "标准差"
                                                                  : "离散系数";
  AddSeries(panel, page.anchor, values, texts, style, metrics);
  chart.panels.push_back(std::move(panel));
  return chart;
}

}  // namespace dlt
