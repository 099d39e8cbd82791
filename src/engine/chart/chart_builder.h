#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_panel.h"

namespace dlt {

// The axes of a panel (drawAxes): derives the coordinate record, then adds
// the title centred 20 pixels above the plot area, minor and major ticks
// upward from the x axis and rightward from the y axis, x labels centred on
// their major ticks 5 pixels below the axis, y labels left-aligned at
// origin - widest label - 7 and centred on their ticks, and both axis lines.
// Labels that would run together are skipped evenly (LabelStride), the last
// one always written; a second label line (xLabels2) sits under the first.
void AddAxes(ChartPanel& panel, const TextMetrics& metrics);

// Every how many labels one is written so that labels `spacing` pixels
// apart and at most `widest` wide keep a gap between them: 1 when all fit.
int LabelStride(double spacing, double widest);
// Whether label k of `count` is written at that stride (the last always is).
constexpr bool WritesLabel(int k, int count, int stride) {
  return (count - 1 - k) % stride == 0;
}

// A horizontal line across the plot area at a value (plotted units).
void AddReferenceLine(ChartPanel& panel, double value, ChartColour colour,
                      LineStyle style = LineStyle::Dash);

// How a series is drawn.
struct SeriesStyle {
  double radius = 5;
  ChartColour fill = colours::kBlue;
  ChartColour outline = colours::kBlack;
  ChartColour line = colours::kBlack;
  ChartColour label = colours::kBlack;
  double lineWidth = 1;
  bool labelFirst = true;  // some charts leave the first point unlabelled
  bool discs = true;       // false: lines only (radius-0 points)
  // The series' name in the hover readout; empty: the panel's title.
  std::string readoutName;
};

// One value per record from `firstRecord` on (plotted units; nullopt leaves a
// gap): each point joined to the previous by a line, a disc on it, and its
// label with the left edge at the point less half the width of "16" and the
// bottom 5 pixels above the point. Lines first, then discs, then labels, so
// that no line crosses a point. Each value also goes into the readout of its
// record's column as "name：label". Returns the pixel positions.
std::vector<ChartPoint> AddSeries(ChartPanel& panel, int firstRecord,
                                  const std::vector<std::optional<int32_t>>& values,
                                  const std::vector<std::string>& labels, const SeriesStyle& style,
                                  const TextMetrics& metrics);

// A box one minor x step wide and the full plot height centred on a record's
// column (the forecast highlight).
void AddColumnBox(ChartPanel& panel, int record, ChartColour colour, LineStyle style);

// A bar centred on a record from value `from` to value `to` (plotted units).
void AddBar(ChartPanel& panel, int record, double from, double to, double widthPixels,
            std::optional<ChartColour> fill, std::optional<ChartColour> outline);

// A text at a pixel position.
void AddText(ChartPanel& panel, ChartPoint at, std::string text, ChartColour colour,
             HAlign h = HAlign::Left, VAlign v = VAlign::Top, bool bold = false);

}  // namespace dlt
