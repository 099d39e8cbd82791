#include "chart/indicator_panel.h"

#include <algorithm>

#include "chart/chart_builder.h"
#include "chart/chart_readout.h"

namespace dlt {
namespace {

constexpr int kPeriods[] = {kPageSpan, 45, 54, 60, 66};

}  // namespace

PanelGeometry GeometryOf(PanelLayout layout, int height) {
  const double h = height;
  switch (layout) {
    case PanelLayout::Whole:
      return {h - 40, h - 60};
    case PanelLayout::UpperHalf:
      return {h / 2 - 30, h / 2 - 50};
    case PanelLayout::LowerHalf:
      return {h - 30, h / 2 - 50};
    case PanelLayout::UpperThird:
      return {h / 3 - 30, h / 3 - 50};
    case PanelLayout::MiddleThird:
      return {2 * h / 3 - 30, h / 3 - 50};
    case PanelLayout::LowerThird:
      return {h - 30, h / 3 - 50};
  }
  return {h - 40, h - 60};
}

AxisRange RangeHolding(int32_t min, int32_t max,
                       const std::vector<std::optional<int32_t>>& values) {
  AxisRange r{min, max};
  for (const auto& v : values) {
    if (!v) continue;
    r.min = std::min(r.min, *v);
    r.max = std::max(r.max, *v);
  }
  return r;
}

ChartPanel IndicatorPanel(const IndicatorPanelSetup& setup, const TextMetrics& metrics) {
  ChartPanel panel;
  panel.title = setup.title;
  tcoordinate& c = panel.coord;
  const AxisRange range = RangeHolding(setup.min, setup.max, setup.values);
  const ValueAxis axis = IndicatorValueAxis(range.min, range.max);
  const PanelGeometry g = GeometryOf(setup.layout, setup.height);
  c.originY = g.originY;
  c.plotHeight = g.plotHeight;
  c.plotWidth = setup.width - 60;
  c.yMin = axis.yMin;
  c.yMax = axis.yMax;
  c.yMinorUnits = axis.yMinorUnits;
  c.yMajorUnits = axis.yMajorUnits;
  c.yLabels = axis.labels;
  c.xFirst = setup.anchor;
  c.xLast = setup.anchor + setup.span;
  c.xLabels = IssueLabels(setup.draws, setup.anchor, setup.span);
  // Room for the widest y label, so that no label starts left of the picture.
  double widest = 0;
  for (const std::string& l : c.yLabels) widest = std::max(widest, metrics.Width(l));
  c.originX = widest + 10;
  AddAxes(panel, metrics);
  AddReferenceLine(panel, (static_cast<double>(c.yMin) + c.yMax) / 2, colours::kPurple);

  std::vector<std::optional<int32_t>> plotted;
  std::vector<std::string> labels;
  for (size_t i = 0; i < setup.values.size(); ++i) {
    const auto& v = setup.values[i];
    plotted.push_back(v ? std::optional<int32_t>(*v * 10) : std::nullopt);
    if (!setup.labels.empty())
      labels.push_back(i < setup.labels.size() ? setup.labels[i] : std::string());
    else
      labels.push_back(v ? std::to_string(*v) : std::string());
  }
  AddSeries(panel, setup.anchor, plotted, labels, SeriesStyle{}, metrics);

  const int lastShown = setup.anchor + static_cast<int>(setup.values.size()) - 1;
  NameReadoutColumns(panel, setup.draws, setup.anchor, lastShown);
  const int lastDraw = static_cast<int>(setup.draws.size()) - 1;
  if (!setup.values.empty() && lastShown == lastDraw && setup.draws[lastDraw].qs == kForecastQs)
    AddColumnBox(panel, lastShown, colours::kRed, LineStyle::Dot);
  return panel;
}

const std::vector<std::string>& PeriodTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    for (int period : kPeriods) t.push_back(SpanText(period));
    return t;
  }();
  return texts;
}

}  // namespace dlt
