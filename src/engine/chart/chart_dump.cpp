#include "chart/chart_dump.h"

#include <cstdio>
#include <string_view>
#include <type_traits>

namespace dlt {
namespace {

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  // A value that rounds to zero prints without its sign.
  return std::string_view(text) == "-0.00" ? "0.00" : text;
}

std::string Point(const ChartPoint& p) {
  return "(" + Number(p.x) + "," + Number(p.y) + ")";
}

std::string Rect(double x, double y, double width, double height) {
  return Number(x) + "," + Number(y) + " " + Number(width) + "x" + Number(height);
}

std::string Colour(const ChartColour& c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
  return text;
}

std::string Colour(const std::optional<ChartColour>& c) {
  return c ? Colour(*c) : "none";
}

std::string_view Style(LineStyle s) {
  switch (s) {
    case LineStyle::Solid:
      return "solid";
    case LineStyle::Dash:
      return "dash";
    case LineStyle::Dot:
      return "dot";
  }
  return "?";
}

std::string_view Align(HAlign h) {
  return h == HAlign::Left ? "left" : h == HAlign::Centre ? "centre" : "right";
}

std::string_view Align(VAlign v) {
  return v == VAlign::Top ? "top" : v == VAlign::Centre ? "centre" : "bottom";
}

std::string Labels(const std::vector<std::string>& labels) {
  std::string line;
  for (const std::string& l : labels) line += " \"" + l + "\"";
  return line;
}

void AddAxes(std::string& out, const tcoordinate& c) {
  out += "  origin " + Point({c.originX, c.originY}) + " plot " + Number(c.plotWidth) + "x" +
         Number(c.plotHeight) + "\n";
  out += "  x " + std::to_string(c.xFirst) + ".." + std::to_string(c.xLast) + " scale " +
         Number(c.xScale) + " ticks " + std::to_string(c.xMinorUnits) + "/" +
         std::to_string(c.xMajorUnits) + " count " + std::to_string(c.xMinorTicks) + "/" +
         std::to_string(c.xMajorTicks) + (c.xDownward ? " downward" : "") + "\n";
  out += "  y " + std::to_string(c.yMin) + ".." + std::to_string(c.yMax) + " scale " +
         Number(c.yScale) + " ticks " + std::to_string(c.yMinorUnits) + "/" +
         std::to_string(c.yMajorUnits) + " count " + std::to_string(c.yMinorTicks) + "/" +
         std::to_string(c.yMajorTicks) + (c.yDownward ? " downward" : "") + "\n";
  out += "  x labels" + Labels(c.xLabels) + "\n";
  out += "  y labels" + Labels(c.yLabels) + "\n";
}

std::string ItemLine(const ChartItem& item) {
  return std::visit(
      [](const auto& i) -> std::string {
        using T = std::decay_t<decltype(i)>;
        if constexpr (std::is_same_v<T, ChartLine>) {
          return "line " + Point(i.from) + "-" + Point(i.to) + " " + Colour(i.colour) + " " +
                 Number(i.width) + " " + std::string(Style(i.style));
        } else if constexpr (std::is_same_v<T, ChartDisc>) {
          return "disc " + Point(i.centre) + " r " + Number(i.radius) + " " + Colour(i.fill) +
                 " on " + Colour(i.outline);
        } else if constexpr (std::is_same_v<T, ChartBox>) {
          return "box " + Rect(i.x, i.y, i.width, i.height) + " " + Colour(i.fill) + " on " +
                 Colour(i.outline) + " " + std::string(Style(i.style));
        } else if constexpr (std::is_same_v<T, ChartText>) {
          return "text " + Point(i.at) + " \"" + i.text + "\" " + Colour(i.colour) + " " +
                 std::string(Align(i.h)) + " " + std::string(Align(i.v)) + (i.bold ? " bold" : "");
        } else {
          return "sprite " + Rect(i.x, i.y, i.width, i.height) + " strip " +
                 std::to_string(i.kind) + " index " + std::to_string(i.index);
        }
      },
      item);
}

}  // namespace

std::string ChartDump(const Chart& chart) {
  std::string out = "chart " + std::to_string(chart.width) + "x" + std::to_string(chart.height) +
                    " " + Colour(chart.background) + "\n";
  for (size_t p = 0; p < chart.panels.size(); ++p) {
    const ChartPanel& panel = chart.panels[p];
    out += "panel " + std::to_string(p + 1) + " \"" + panel.title + "\"\n";
    AddAxes(out, panel.coord);
    for (const ChartItem& item : panel.items) out += "  " + ItemLine(item) + "\n";
  }
  return out;
}

}  // namespace dlt
