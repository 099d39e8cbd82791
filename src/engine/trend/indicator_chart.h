#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chart/chart_panel.h"
#include "chart/indicator_panel.h"
#include "chart/page_window.h"
#include "common/draw.h"
#include "indicators/eval_context.h"

namespace dlt {

// The history a chart page reads: the draws in issue order, the page (the
// anchor, the shared current draw, and the period N), plus the picture size.
struct TrendPage : PageWindow {
  std::span<const Draw> draws;
  const EvalEnv* env = nullptr;
  const int32_t* testColumn = nullptr;  // the scratch field `test`, for keys that read it
  int width = 0, height = 0;

  // The indices plotted end here.
  int LastShown() const { return LastShownOf(static_cast<int>(draws.size())); }
  int Shown() const { return draws.empty() ? 0 : LastShown() - anchor + 1; }
};

// A value panel over the page: its draws, anchor, span and size; the caller
// adds the values, range and title.
IndicatorPanelSetup PanelSetupOf(const TrendPage& page);

// A table-source context over the page's draws at `index`.
EvalContext PageContext(const TrendPage& page, int index);

// The values of an indicator key (or -999 where it does not resolve) at the
// draws first..last, and their amplitudes: |value - value of the draw before|
// with 0 before the first draw of the history.
std::vector<int32_t> IndicatorValues(const TrendPage& page, const std::string& key, int first,
                                     int last);
std::vector<int32_t> IndicatorAmplitudes(const TrendPage& page, const std::string& key, int first,
                                         int last);

// The value-and-amplitude chart of the four indicator pages: the upper half
// the values over the catalogue range titled with the label, the lower half
// the amplitudes over [0, max] titled label + "振幅". A key missing from the
// catalogue has no label and a zero range; the chart is still drawn.
Chart ValueAmplitudeChart(const TrendPage& page, const std::string& key,
                          const TextMetrics& metrics);

}  // namespace dlt
