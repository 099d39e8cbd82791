#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chart/chart_panel.h"
#include "common/draw.h"

namespace dlt {

// The hover readout: what a chart says about the column under the mouse.
// Builders fill each panel's readout columns as they plot; the crosshair
// reads them back here, and the overlay is drawn by the one chart painter so
// that an exported picture can carry it.

// The column of a record, made when missing.
ReadoutColumn& ReadoutColumnOf(ChartPanel& panel, int record);
// Names the columns of records first..last by the issues of draws[first..last]
// ("预测区" for the forecast record).
void NameReadoutColumns(ChartPanel& panel, std::span<const Draw> draws, int first, int last);

struct ChartReadout {
  double columnX = 0;  // pixel x of the column read off
  // The column's name first (when it has one), then each series' value there
  // in every panel sharing the column's x axis, top panel first.
  std::vector<std::string> lines;
  bool operator==(const ChartReadout&) const = default;
};
// The column under a mouse position: the panel whose plot band (title and
// axis labels included) holds the point, the record nearest the point's x.
// None outside every panel or away from every column read off.
std::optional<ChartReadout> ReadoutAt(const Chart& chart, ChartPoint mouse);

// The crosshair through the mouse position (dotted black lines across the
// picture) and, where a column is read off, a box with the readout's lines
// beside the mouse, kept inside the picture.
ChartPanel ReadoutOverlay(const Chart& chart, ChartPoint mouse, const TextMetrics& metrics);

}  // namespace dlt
