#include "chart/chart_readout.h"

#include <algorithm>
#include <cmath>

#include "chart/chart_builder.h"

namespace dlt {
namespace {

// Room above the plot for the title and below it for the axis labels.
constexpr double kTitleRoom = 25, kLabelRoom = 35;

bool InBand(const tcoordinate& c, double y) {
  return y >= c.originY - c.plotHeight - kTitleRoom && y <= c.originY + kLabelRoom;
}

const ReadoutColumn* FindColumn(const ChartPanel& panel, int record) {
  for (const ReadoutColumn& column : panel.readout)
    if (column.record == record) return &column;
  return nullptr;
}

bool SameXAxis(const tcoordinate& a, const tcoordinate& b) {
  return a.xFirst == b.xFirst && a.xLast == b.xLast;
}

// The panel under y: of the bands holding it, the one whose plot centre is nearest.
const ChartPanel* PanelAt(const Chart& chart, double y) {
  const ChartPanel* best = nullptr;
  double bestDistance = 0;
  for (const ChartPanel& panel : chart.panels) {
    const tcoordinate& c = panel.coord;
    if (panel.readout.empty() || !InBand(c, y)) continue;
    const double distance = std::abs(y - (c.originY - c.plotHeight / 2));
    if (!best || distance < bestDistance) best = &panel, bestDistance = distance;
  }
  return best;
}

}  // namespace

ReadoutColumn& ReadoutColumnOf(ChartPanel& panel, int record) {
  for (ReadoutColumn& column : panel.readout)
    if (column.record == record) return column;
  panel.readout.push_back(ReadoutColumn{record, {}, {}});
  return panel.readout.back();
}

void NameReadoutColumns(ChartPanel& panel, std::span<const Draw> draws, int first, int last) {
  const int count = static_cast<int>(draws.size());
  for (int r = std::max(first, 0); r <= last && r < count; ++r)
    ReadoutColumnOf(panel, r).name = IssueText(draws[r].qs);
}

std::optional<ChartReadout> ReadoutAt(const Chart& chart, ChartPoint mouse) {
  const ChartPanel* panel = PanelAt(chart, mouse.y);
  if (!panel) return std::nullopt;
  const tcoordinate& c = panel->coord;
  if (c.xScale <= 0) return std::nullopt;
  const int record = c.xFirst + static_cast<int>(std::lround((mouse.x - c.originX) / c.xScale));
  if (record < std::min(c.xFirst, c.xLast) || record > std::max(c.xFirst, c.xLast))
    return std::nullopt;
  const ReadoutColumn* column = FindColumn(*panel, record);
  if (!column) return std::nullopt;

  ChartReadout out;
  out.columnX = PlotX(c, record);
  if (!column->name.empty()) out.lines.push_back(column->name);
  for (const ChartPanel& other : chart.panels) {
    if (!SameXAxis(other.coord, c)) continue;
    if (const ReadoutColumn* same = FindColumn(other, record))
      out.lines.insert(out.lines.end(), same->values.begin(), same->values.end());
  }
  return out;
}

ChartPanel ReadoutOverlay(const Chart& chart, ChartPoint mouse, const TextMetrics& metrics) {
  constexpr double kPad = 4, kOffset = 12;
  constexpr ChartColour kBoxFill{255, 255, 225};
  ChartPanel overlay;
  const double w = chart.width, h = chart.height;
  overlay.items.push_back(
      ChartLine{{mouse.x, 0}, {mouse.x, h}, colours::kBlack, 1, LineStyle::Dot});
  overlay.items.push_back(
      ChartLine{{0, mouse.y}, {w, mouse.y}, colours::kBlack, 1, LineStyle::Dot});
  const std::optional<ChartReadout> readout = ReadoutAt(chart, mouse);
  if (!readout || readout->lines.empty()) return overlay;

  double textWidth = 0, lineHeight = 0;
  for (const std::string& line : readout->lines) {
    textWidth = std::max(textWidth, metrics.Width(line));
    lineHeight = std::max(lineHeight, metrics.Height(line));
  }
  const double boxW = textWidth + 2 * kPad;
  const double boxH = lineHeight * static_cast<double>(readout->lines.size()) + 2 * kPad;
  // Right of and below the mouse, flipped to the other side at the picture's edge.
  double x = mouse.x + kOffset, y = mouse.y + kOffset;
  if (x + boxW > w) x = mouse.x - kOffset - boxW;
  if (y + boxH > h) y = mouse.y - kOffset - boxH;
  x = std::max(x, 0.0);
  y = std::max(y, 0.0);
  overlay.items.push_back(ChartBox{x, y, boxW, boxH, kBoxFill, colours::kBlack});
  for (size_t i = 0; i < readout->lines.size(); ++i)
    AddText(overlay, {x + kPad, y + kPad + lineHeight * static_cast<double>(i)}, readout->lines[i],
            colours::kBlack, HAlign::Left, VAlign::Top, i == 0);
  return overlay;
}

}  // namespace dlt
