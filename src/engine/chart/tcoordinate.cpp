#include "chart/tcoordinate.h"

#include <cmath>
#include <cstdlib>

namespace dlt {

double FixedTextMetrics::Width(const std::string& text) const {
  double w = 0;
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    // UTF-8: one unit per ASCII byte, two per wider character.
    const size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    w += len == 1 ? charWidth_ : 2 * charWidth_;
    i += len;
  }
  return w;
}

tcoordinate DeriveScales(tcoordinate c) {
  const double xRange = std::abs(static_cast<double>(c.xLast) - c.xFirst);
  const double yRange = std::abs(static_cast<double>(c.yMax) - c.yMin);
  c.xDownward = c.xLast < c.xFirst;
  c.yDownward = c.yMax < c.yMin;
  c.xScale = xRange > 0 ? c.plotWidth / xRange : 0;
  c.yScale = yRange > 0 ? c.plotHeight / yRange : 0;
  c.xMinorSpacing = c.xMinorUnits * c.xScale;
  c.xMajorSpacing = c.xMajorUnits * c.xScale;
  c.yMinorSpacing = c.yMinorUnits * c.yScale;
  c.yMajorSpacing = c.yMajorUnits * c.yScale;
  auto ticks = [](double range, int units) {
    return units > 0 ? static_cast<int>(static_cast<int64_t>(range) / units) : 0;
  };
  c.xMinorTicks = ticks(xRange, c.xMinorUnits);
  c.xMajorTicks = ticks(xRange, c.xMajorUnits);
  c.yMinorTicks = ticks(yRange, c.yMinorUnits);
  c.yMajorTicks = ticks(yRange, c.yMajorUnits);
  return c;
}

double PlotX(const tcoordinate& c, double record) {
  return c.originX + std::abs(record - c.xFirst) * c.xScale;
}

double PlotY(const tcoordinate& c, double value) {
  return c.originY - std::abs(value - c.yMin) * c.yScale;
}

ChartPoint PlotPosition(const tcoordinate& c, int record, int32_t value) {
  return {PlotX(c, record), PlotY(c, value)};
}

ValueAxis IndicatorValueAxis(int32_t min, int32_t max) {
  ValueAxis a;
  a.yMin = min * 10;
  a.yMax = max * 10;
  const int64_t range = static_cast<int64_t>(max) - min;
  const int64_t major = range < 10 ? 1 : range / 10 + 1;
  a.yMajorUnits = static_cast<int>(major * 10);
  a.yMinorUnits = range <= 100 ? 10 : a.yMajorUnits;
  if (range > 9) {
    const int64_t fit = range * 10 / (major * 10);
    for (int64_t k = 1; k <= 10 && k <= fit; ++k)
      a.labels.push_back(std::to_string(min + k * major));
  } else {
    for (int64_t k = 1; k <= range; ++k) a.labels.push_back(std::to_string(min + k));
  }
  return a;
}

std::string IssueText(int32_t qs) {
  return qs == kForecastQs ? "预测区" : std::to_string(qs);
}

std::pair<std::string, std::string> SplitIssueText(int32_t qs) {
  const std::string text = IssueText(qs);
  if (qs == kForecastQs || text.size() <= 4) return {text, std::string()};
  return {text.substr(0, 4), text.substr(4)};
}

std::vector<std::string> IssueLabels(std::span<const Draw> draws, int anchor, int span, int every) {
  std::vector<std::string> labels;
  if (every <= 0) return labels;
  for (int k = 1; k <= span / every; ++k) {
    const int index = anchor + k * every;
    if (index < 0 || index >= static_cast<int>(draws.size())) break;
    labels.push_back(IssueText(draws[index].qs));
  }
  return labels;
}

}  // namespace dlt
