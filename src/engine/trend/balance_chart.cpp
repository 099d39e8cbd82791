#include "trend/balance_chart.h"

#include <algorithm>
#include <limits>

#include "chart/chart_builder.h"

namespace dlt {
namespace {

constexpr int kValueParts = 8;
constexpr int kLabelledDraws = 8;

// Floor division for the negative balances too.
int64_t FloorTo(int64_t v, int64_t step) {
  return (v >= 0 ? v / step : -((-v + step - 1) / step)) * step;
}

int32_t Yuan(int64_t fen) {
  const int64_t yuan = FloorTo(fen, 100) / 100;
  return static_cast<int32_t>(std::clamp<int64_t>(yuan, std::numeric_limits<int32_t>::min() / 2,
                                                  std::numeric_limits<int32_t>::max() / 2));
}

}  // namespace

int64_t RoundStep(int64_t range, int parts) {
  const int64_t wanted = std::max<int64_t>(1, (range + parts - 1) / parts);
  for (int64_t power = 1;; power *= 10)
    for (int64_t m : {1, 2, 5})
      if (m * power >= wanted) return m * power;
}

Chart BalanceChart(const std::vector<BalancePoint>& points, int width, int height,
                   const TextMetrics& metrics) {
  Chart chart;
  chart.width = width;
  chart.height = height;
  ChartPanel panel;
  panel.title = "累计盈亏(元)";
  tcoordinate& c = panel.coord;
  const int n = static_cast<int>(points.size());

  std::vector<std::optional<int32_t>> values;
  std::vector<std::string> labels;
  int32_t low = 0, high = 0;
  for (const BalancePoint& p : points) {
    const int32_t v = Yuan(p.balanceFen);
    values.push_back(v);
    labels.push_back(std::to_string(v));
    low = std::min(low, v);
    high = std::max(high, v);
  }
  const int64_t step = RoundStep(static_cast<int64_t>(high) - low, kValueParts);
  c.yMin = static_cast<int32_t>(FloorTo(low, step));
  c.yMax = static_cast<int32_t>(-FloorTo(-static_cast<int64_t>(high), step));
  if (c.yMax == c.yMin) c.yMax = static_cast<int32_t>(c.yMin + step);
  c.yMinorUnits = c.yMajorUnits = static_cast<int>(step);
  for (int64_t v = c.yMin + step; v <= c.yMax; v += step) c.yLabels.push_back(std::to_string(v));

  // One record per graded draw, with a step of room at both ends.
  c.xFirst = -1;
  c.xLast = std::max(n, 1);
  c.xMinorUnits = 1;
  c.xMajorUnits = std::max(1, (n + kLabelledDraws - 1) / kLabelledDraws);
  for (int record = c.xFirst + c.xMajorUnits; record < n; record += c.xMajorUnits)
    c.xLabels.push_back(IssueText(points[static_cast<size_t>(record)].qs));

  double widest = 0;
  for (const std::string& l : c.yLabels) widest = std::max(widest, metrics.Width(l));
  c.originX = widest + 10;
  c.originY = height - 40;
  c.plotHeight = height - 70;
  c.plotWidth = width - c.originX - 30;
  AddAxes(panel, metrics);
  AddReferenceLine(panel, 0, colours::kPurple);
  AddSeries(panel, 0, values, labels, SeriesStyle{}, metrics);
  chart.panels.push_back(std::move(panel));
  return chart;
}

}  // namespace dlt
