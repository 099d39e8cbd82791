#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chart/chart_panel.h"
#include "chart/page_window.h"
#include "common/draw.h"

namespace dlt {

// Where a panel sits in its picture (H the picture height): the whole
// picture, the upper or lower half, or one of three thirds.
enum class PanelLayout { Whole = 0, UpperHalf, LowerHalf, UpperThird, MiddleThird, LowerThird };

// Origin y and plot height of a layout in a picture of height `height`.
struct PanelGeometry {
  double originY = 0, plotHeight = 0;
};
PanelGeometry GeometryOf(PanelLayout layout, int height);

// One indicator panel (drawIndicatorPanel): the values of the draws from
// `anchor` on (index into `draws`, one value per draw, at most span + 1)
// over [min, max] plotted times ten, x from the anchor to anchor + span with
// the issue of every third draw as label, a dashed purple line at the middle
// of the range, blue discs of radius 5 joined by black lines and labelled
// with their values, and a dotted red box around the forecast record when it
// is the last draw plotted.
struct IndicatorPanelSetup : PageWindow {
  std::span<const Draw> draws;
  std::vector<std::optional<int32_t>> values;
  // The text over each point; empty: the values in decimals.
  std::vector<std::string> labels;
  int32_t min = 0, max = 0;
  std::string title;
  PanelLayout layout = PanelLayout::Whole;
  int width = 0, height = 0;
};
// The axis holds every value shown: [min, max] widened on the side a value
// passes it (a catalogue range is a guide, not a bound: an omission of 319
// against the range 0..150).
ChartPanel IndicatorPanel(const IndicatorPanelSetup& setup, const TextMetrics& metrics);
struct AxisRange {
  int32_t min = 0, max = 0;
  bool operator==(const AxisRange&) const = default;
};
AxisRange RangeHolding(int32_t min, int32_t max, const std::vector<std::optional<int32_t>>& values);

// The period box texts "显示36期" (kPageSpan) .. "显示66期"; SpanOfText reads them.
const std::vector<std::string>& PeriodTexts();

}  // namespace dlt
