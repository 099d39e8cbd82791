#include <algorithm>

#include "analysis/analysis_charts.h"
#include "analysis/field_groups.h"
#include "chart/chart_builder.h"
#include "common/text.h"

namespace dlt {
namespace {

constexpr ChartColour kGridGrey{200, 200, 200};

}  // namespace

Chart BallGridChart(const AnalysisView& view, const BallGridSetup& setup,
                    const TextMetrics& metrics) {
  Chart chart;
  chart.width = view.width;
  chart.height = view.height;
  ChartPanel panel;
  panel.title = setup.title;
  const int rows = static_cast<int>(setup.rowTexts.size());
  const int columns = view.span + 1;
  double labelWidth = 0;
  for (const std::string& t : setup.rowTexts) labelWidth = std::max(labelWidth, metrics.Width(t));
  const double left = labelWidth + 12, top = 30, bottom = 24;
  const double cellW = std::max((view.width - left - 10) / columns, 1.0);
  const double cellH = rows > 0 ? std::max((view.height - top - bottom) / rows, 1.0) : 1.0;
  tcoordinate& c = panel.coord;
  c.originX = left;
  c.originY = top + rows * cellH;
  c.plotWidth = columns * cellW;
  c.plotHeight = rows * cellH;
  c.xFirst = view.anchor;
  c.xLast = view.anchor + columns;
  c.xScale = cellW;
  if (!setup.title.empty())
    AddText(panel, {left + c.plotWidth / 2, 4}, setup.title, colours::kBlack, HAlign::Centre,
            VAlign::Top);

  for (int r = 0; r <= rows; ++r)
    panel.items.push_back(
        ChartLine{{left, top + r * cellH}, {left + columns * cellW, top + r * cellH}, kGridGrey});
  for (int col = 0; col <= columns; ++col)
    panel.items.push_back(
        ChartLine{{left + col * cellW, top}, {left + col * cellW, c.originY}, kGridGrey});
  for (size_t g = 0; g + 1 < setup.groupBounds.size(); ++g) {
    const double y = top + setup.groupBounds[g] * cellH;
    panel.items.push_back(ChartLine{{0, y}, {left + columns * cellW, y}, colours::kBlack, 2});
  }
  for (int r = 0; r < rows; ++r)
    AddText(panel, {left - 6, top + (r + 0.5) * cellH}, setup.rowTexts[r], colours::kBlack,
            HAlign::Right, VAlign::Centre);

  for (size_t i = 0; i < setup.rowOfDraw.size(); ++i) {
    const int r = setup.rowOfDraw[i];
    const int d = view.anchor + static_cast<int>(i);
    const double x = left + i * cellW;
    if (d < static_cast<int>(view.draws.size()) && view.draws[d].qs == kForecastQs)
      panel.items.push_back(
          ChartBox{x, top, cellW, c.plotHeight, std::nullopt, colours::kRed, LineStyle::Dot});
    if (r < 0 || r >= rows) continue;
    panel.items.push_back(ChartSprite{x + 1, top + r * cellH + 1, cellW - 2, cellH - 2, 2, 0});
    if (d < static_cast<int>(view.series.size()))
      AddText(panel, {x + cellW / 2, top + (r + 0.5) * cellH}, std::to_string(view.series[d]),
              colours::kWhite, HAlign::Centre, VAlign::Centre);
  }
  const std::vector<std::string> labels = IssueLabels(view.draws, view.anchor, view.span);
  for (size_t k = 0; k < labels.size(); ++k)
    AddText(panel, {left + (3 * (k + 1) + 0.5) * cellW, c.originY + 4}, labels[k], colours::kBlack,
            HAlign::Centre, VAlign::Top);
  chart.panels.push_back(std::move(panel));
  return chart;
}

const std::vector<std::string>& DistributionStyleTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    for (int k = 1; k <= 15; ++k) t.push_back("图" + ChineseNumeral(k));
    return t;
  }();
  return texts;
}

DistributionRows DistributionRowOrder(int32_t min, int32_t max, int style) {
  DistributionRows rows;
  if (max < min) std::swap(min, max);
  const int step = std::clamp(style, 0, 14) + 2;
  for (int start = 0; start < step; ++start) {
    for (int64_t v = static_cast<int64_t>(min) + start; v <= max; v += step)
      rows.values.push_back(static_cast<int32_t>(v));
    if (rows.groupBounds.empty() || rows.groupBounds.back() != static_cast<int>(rows.values.size()))
      rows.groupBounds.push_back(static_cast<int>(rows.values.size()));
  }
  return rows;
}

BallGridSetup DistributionGrid(const AnalysisView& view, int32_t min, int32_t max, int style) {
  const DistributionRows order = DistributionRowOrder(min, max, style);
  BallGridSetup setup;
  for (int32_t v : order.values) setup.rowTexts.push_back(std::to_string(v));
  setup.groupBounds = order.groupBounds;
  for (int d = view.anchor; d <= view.LastShown(); ++d) {
    const auto it = std::find(order.values.begin(), order.values.end(), view.series[d]);
    setup.rowOfDraw.push_back(
        it == order.values.end() ? -1 : static_cast<int>(it - order.values.begin()));
  }
  setup.title = "数据分布图";
  return setup;
}

BallGridSetup FieldGrid(const AnalysisView& view, const std::vector<std::string>& groups) {
  BallGridSetup setup;
  setup.rowTexts = groups;
  for (int d = view.anchor; d <= view.LastShown(); ++d)
    setup.rowOfDraw.push_back(FieldGroupOf(groups, view.series[d]));
  setup.title = "田野走势图";
  return setup;
}

}  // namespace dlt
