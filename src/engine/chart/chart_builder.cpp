#include "chart/chart_builder.h"

#include <algorithm>
#include <cmath>

#include "chart/chart_readout.h"

namespace dlt {

void AddAxes(ChartPanel& panel, const TextMetrics& metrics) {
  tcoordinate& c = panel.coord;
  c = DeriveScales(c);
  c.xLabelWidth = metrics.Width("2006001");
  c.xLabelHeight = metrics.Height("2006001");
  const std::string firstY = c.yLabels.empty() ? std::string() : c.yLabels.front();
  c.yLabelWidth = metrics.Width(firstY);
  c.yLabelHeight = metrics.Height(firstY);

  const double top = c.originY - c.plotHeight;
  if (!panel.title.empty())
    AddText(panel, {c.originX + c.plotWidth / 2, top - 20}, panel.title, colours::kBlack,
            HAlign::Centre, VAlign::Top);

  auto xTick = [&](double x, int length) {
    panel.items.push_back(ChartLine{{x, c.originY}, {x, c.originY - length}});
  };
  auto yTick = [&](double y, int length) {
    panel.items.push_back(ChartLine{{c.originX, y}, {c.originX + length, y}});
  };
  for (int i = 1; i <= c.xMinorTicks; ++i)
    xTick(c.originX + i * c.xMinorSpacing, c.minorTickLength);
  for (int i = 1; i <= c.xMajorTicks; ++i)
    xTick(c.originX + i * c.xMajorSpacing, c.majorTickLength);
  for (int i = 1; i <= c.yMinorTicks; ++i)
    yTick(c.originY - i * c.yMinorSpacing, c.minorTickLength);
  for (int i = 1; i <= c.yMajorTicks; ++i)
    yTick(c.originY - i * c.yMajorSpacing, c.majorTickLength);

  const int xLabels = std::min<int>(static_cast<int>(c.xLabels.size()), c.xMajorTicks);
  double widestX = 0;
  for (const auto* line : {&c.xLabels, &c.xLabels2})
    for (const std::string& l : *line) widestX = std::max(widestX, metrics.Width(l));
  const int stride = LabelStride(c.xMajorSpacing, widestX);
  for (int k = 0; k < xLabels; ++k) {
    if (!WritesLabel(k, xLabels, stride)) continue;
    const double x = c.originX + (k + 1) * c.xMajorSpacing;
    AddText(panel, {x, c.originY + 5}, c.xLabels[k], colours::kBlack, HAlign::Centre, VAlign::Top);
    if (k < static_cast<int>(c.xLabels2.size()) && !c.xLabels2[k].empty())
      AddText(panel, {x, c.originY + 5 + metrics.Height(c.xLabels2[k])}, c.xLabels2[k],
              colours::kBlack, HAlign::Centre, VAlign::Top);
  }

  double widest = 0;
  for (const std::string& l : c.yLabels) widest = std::max(widest, metrics.Width(l));
  const int yLabels = std::min<int>(static_cast<int>(c.yLabels.size()), c.yMajorTicks);
  for (int k = 0; k < yLabels; ++k)
    AddText(panel, {c.originX - widest - 7, c.originY - (k + 1) * c.yMajorSpacing}, c.yLabels[k],
            colours::kBlack, HAlign::Left, VAlign::Centre);

  panel.items.push_back(ChartLine{{c.originX, c.originY}, {c.originX + c.plotWidth, c.originY}});
  panel.items.push_back(ChartLine{{c.originX, c.originY}, {c.originX, top}});
}

int LabelStride(double spacing, double widest) {
  constexpr double kGap = 4;
  if (spacing <= 0) return 1;
  return std::max(1, static_cast<int>(std::ceil((widest + kGap) / spacing)));
}

void AddReferenceLine(ChartPanel& panel, double value, ChartColour colour, LineStyle style) {
  const tcoordinate& c = panel.coord;
  const double y = PlotY(c, value);
  panel.items.push_back(ChartLine{{c.originX, y}, {c.originX + c.plotWidth, y}, colour, 1, style});
}

std::vector<ChartPoint> AddSeries(ChartPanel& panel, int firstRecord,
                                  const std::vector<std::optional<int32_t>>& values,
                                  const std::vector<std::string>& labels, const SeriesStyle& style,
                                  const TextMetrics& metrics) {
  std::vector<ChartPoint> points;
  std::vector<bool> present;
  for (size_t i = 0; i < values.size(); ++i) {
    present.push_back(values[i].has_value());
    points.push_back(values[i]
                         ? PlotPosition(panel.coord, firstRecord + static_cast<int>(i), *values[i])
                         : ChartPoint{});
  }
  for (size_t i = 1; i < points.size(); ++i)
    if (present[i] && present[i - 1])
      panel.items.push_back(
          ChartLine{points[i - 1], points[i], style.line, style.lineWidth, LineStyle::Solid});
  if (style.discs)
    for (size_t i = 0; i < points.size(); ++i)
      if (present[i])
        panel.items.push_back(ChartDisc{points[i], style.radius, style.fill, style.outline});
  const std::string& name = style.readoutName.empty() ? panel.title : style.readoutName;
  for (size_t i = 0; i < values.size(); ++i) {
    if (!present[i]) continue;
    const std::string text =
        i < labels.size() && !labels[i].empty() ? labels[i] : std::to_string(*values[i]);
    ReadoutColumnOf(panel, firstRecord + static_cast<int>(i))
        .values.push_back(name.empty() ? text : name + "：" + text);
  }
  const double half = metrics.Width("16") / 2;
  for (size_t i = style.labelFirst ? 0 : 1; i < points.size() && i < labels.size(); ++i)
    if (present[i] && !labels[i].empty())
      AddText(panel, {points[i].x - half, points[i].y - 5}, labels[i], style.label, HAlign::Left,
              VAlign::Bottom);
  return points;
}

void AddColumnBox(ChartPanel& panel, int record, ChartColour colour, LineStyle style) {
  const tcoordinate& c = panel.coord;
  const double x = PlotX(c, record);
  const double w = c.xMinorUnits * c.xScale;
  panel.items.push_back(
      ChartBox{x - w / 2, c.originY - c.plotHeight, w, c.plotHeight, std::nullopt, colour, style});
}

void AddBar(ChartPanel& panel, int record, double from, double to, double widthPixels,
            std::optional<ChartColour> fill, std::optional<ChartColour> outline) {
  const tcoordinate& c = panel.coord;
  const double x = PlotX(c, record);
  const double y1 = PlotY(c, from), y2 = PlotY(c, to);
  panel.items.push_back(ChartBox{x - widthPixels / 2, std::min(y1, y2), widthPixels,
                                 std::abs(y1 - y2), fill, outline, LineStyle::Solid});
}

void AddText(ChartPanel& panel, ChartPoint at, std::string text, ChartColour colour, HAlign h,
             VAlign v, bool bold) {
  panel.items.push_back(ChartText{at, std::move(text), colour, h, v, bold});
}

}  // namespace dlt
