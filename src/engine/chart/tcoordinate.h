#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/draw.h"

namespace dlt {

// Text sizes in the painter's font. Layout that depends on label sizes stays
// a pure function of its inputs: the window measures with its font, tests
// and benchmarks with a fixed pitch.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual double Width(const std::string& text) const = 0;
  virtual double Height(const std::string& text) const = 0;
};

// Every character `charWidth` wide, Chinese characters twice that.
class FixedTextMetrics : public TextMetrics {
 public:
  explicit FixedTextMetrics(double charWidth = 7, double height = 14)
      : charWidth_(charWidth), height_(height) {}
  double Width(const std::string& text) const override;
  double Height(const std::string&) const override { return height_; }

 private:
  double charWidth_;
  double height_;
};

// The coordinate record of one chart panel. The origin is the lower left
// corner of the plot area; x runs over record numbers, y over plotted units.
struct tcoordinate {
  double originX = 0, originY = 0;
  int xMinorUnits = 1, xMajorUnits = 3;    // records per minor / major x tick
  int yMinorUnits = 10, yMajorUnits = 10;  // plotted units per minor / major y tick
  double xMinorSpacing = 0, xMajorSpacing = 0, yMinorSpacing = 0, yMajorSpacing = 0;  // derived
  int minorTickLength = 5, majorTickLength = 10;
  int xFirst = 0, xLast = 0;  // record numbers: the anchor and anchor + N
  int32_t yMin = 0, yMax = 0;
  std::vector<std::string> xLabels;   // at the major x ticks, first tick first (at most 100)
  std::vector<std::string> xLabels2;  // a second line under them (may be empty)
  std::vector<std::string> yLabels;   // at the major y ticks, lowest first
  double plotWidth = 0, plotHeight = 0;
  double xScale = 0, yScale = 0;  // pixels per record / per unit, derived
  int xMinorTicks = 0, xMajorTicks = 0, yMinorTicks = 0, yMajorTicks = 0;  // derived
  double xLabelWidth = 0, xLabelHeight = 0;                                // of "2006001"
  double yLabelWidth = 0, yLabelHeight = 0;                                // of the first y label
  bool xDownward = false, yDownward = false;  // the ranges run downwards

  bool operator==(const tcoordinate&) const = default;
};

// Scales, tick spacings and tick counts from the ranges and plot size. A
// zero range (a key missing from the catalogue) gives scale 0 and no ticks:
// every point sits on the axis instead of a division by zero.
tcoordinate DeriveScales(tcoordinate c);

// Pixel position of a value at a record: distances from the origin as the
// absolute differences from the first record and from y min.
struct ChartPoint {
  double x = 0, y = 0;
  bool operator==(const ChartPoint&) const = default;
};
ChartPoint PlotPosition(const tcoordinate& c, int record, int32_t value);
// The y pixel of a value and the x pixel of a record alone.
double PlotY(const tcoordinate& c, double value);
double PlotX(const tcoordinate& c, double record);

// The value axis of an indicator panel over [min, max], plotted times ten:
// major step 1 unit below a range of 10, else range / 10 + 1 units; minor
// step 1 unit up to a range of 100, else the major step; labels
// min + k x major step for the major ticks that fit (3..65: 10, 17, ..., 59).
struct ValueAxis {
  int32_t yMin = 0, yMax = 0;
  int yMinorUnits = 10, yMajorUnits = 10;
  std::vector<std::string> labels;
  bool operator==(const ValueAxis&) const = default;
};
ValueAxis IndicatorValueAxis(int32_t min, int32_t max);

// The issue texts of every third draw after the anchor (anchor + 3, + 6,
// ...), `span` / 3 of them, fewer at the end of `issues`; the forecast record
// reads "预测区".
std::vector<std::string> IssueLabels(std::span<const Draw> draws, int anchor, int span,
                                     int every = 3);
std::string IssueText(int32_t qs);
// The issue on two lines as the event charts write it under their x axis:
// the first four digits, then the rest ("预测区" on one line).
std::pair<std::string, std::string> SplitIssueText(int32_t qs);

}  // namespace dlt
