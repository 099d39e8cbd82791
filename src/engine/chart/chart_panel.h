#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "chart/tcoordinate.h"

namespace dlt {

// A chart as plain values: what to draw, in pixels, in painting order. The
// engine computes it; one painter draws whatever it holds.
struct ChartColour {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const ChartColour&) const = default;
};

namespace colours {
constexpr ChartColour kBlack{0, 0, 0};
constexpr ChartColour kWhite{255, 255, 255};
constexpr ChartColour kRed{255, 0, 0};
constexpr ChartColour kBlue{0, 0, 255};
constexpr ChartColour kGreen{0, 128, 0};
constexpr ChartColour kPurple{128, 0, 128};
}  // namespace colours

enum class LineStyle { Solid, Dash, Dot };
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

struct ChartLine {
  ChartPoint from, to;
  ChartColour colour = colours::kBlack;
  double width = 1;
  LineStyle style = LineStyle::Solid;
  bool operator==(const ChartLine&) const = default;
};

// A point of a series: a filled disc with an outline.
struct ChartDisc {
  ChartPoint centre;
  double radius = 5;
  ChartColour fill = colours::kBlue;
  ChartColour outline = colours::kBlack;
  bool operator==(const ChartDisc&) const = default;
};

// Rectangles: bars, cells, frames and highlight boxes.
struct ChartBox {
  double x = 0, y = 0, width = 0, height = 0;
  std::optional<ChartColour> fill;
  std::optional<ChartColour> outline = colours::kBlack;
  LineStyle style = LineStyle::Solid;
  bool operator==(const ChartBox&) const = default;
};

// A text placed by one of its corners, edges or its centre.
struct ChartText {
  ChartPoint at;
  std::string text;
  ChartColour colour = colours::kBlack;
  HAlign h = HAlign::Left;
  VAlign v = VAlign::Top;
  bool bold = false;
  bool operator==(const ChartText&) const = default;
};

// Marker sprite `index` of strip `kind` (1 squares, 2 balls, 3 pictures,
// 4 rounded squares) painted into a cell.
struct ChartSprite {
  double x = 0, y = 0, width = 0, height = 0;
  int kind = 2;
  int index = 0;
  bool operator==(const ChartSprite&) const = default;
};

using ChartItem = std::variant<ChartLine, ChartDisc, ChartBox, ChartText, ChartSprite>;

// What the crosshair reads off one column of a panel: the column's name (the
// draw's issue, "预测区" for the forecast record) and one text per series.
struct ReadoutColumn {
  int record = 0;
  std::string name;
  std::vector<std::string> values;
  bool operator==(const ReadoutColumn&) const = default;
};

// One panel: its coordinate record, title and everything drawn on it.
struct ChartPanel {
  tcoordinate coord;
  std::string title;
  std::vector<ChartItem> items;
  std::vector<ReadoutColumn> readout;  // the columns a hover can read, by record

  template <class T>
  std::vector<T> ItemsOf() const {
    std::vector<T> out;
    for (const ChartItem& i : items)
      if (const T* t = std::get_if<T>(&i)) out.push_back(*t);
    return out;
  }
};

// A whole picture: cleared to the background, then the panels in order.
struct Chart {
  int width = 0, height = 0;
  ChartColour background = colours::kWhite;
  std::vector<ChartPanel> panels;
};

}  // namespace dlt
