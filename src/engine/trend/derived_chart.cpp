#include "trend/derived_chart.h"

#include <algorithm>
#include <optional>

#include "analysis/series_fill.h"
#include "chart/indicator_panel.h"
#include "indicators/statistics.h"

namespace dlt {

DerivedChart DerivedSeriesChart(const TrendPage& page, const std::string& text,
                                const TextMetrics& metrics) {
  DerivedChart out;
  out.chart.width = page.width;
  out.chart.height = page.height;
  const int count = static_cast<int>(page.draws.size());
  const bool any = page.anchor >= 0 && page.anchor < count;

  const ExpressionSource source(text);
  // Values from the draw before the anchor (for the first amplitude) to the
  // end of the range; none in an empty history, whose panels stay empty.
  std::vector<int32_t> values;
  const int first = std::max(page.anchor - 1, 0);
  const int last = any ? std::min(count - 1, page.anchor + kDerivedRangeDraws - 1) : -1;
  for (int i = first; i <= last; ++i) {
    const FormulaResult r = source.At(PageContext(page, i));
    if (!r.ok) {
      out.error = "公式有误:" + r.error;
      return out;
    }
    values.push_back(r.value);
  }
  const size_t at = page.anchor > 0 && any ? 1 : 0;  // the anchor's place in `values`
  if (values.size() > at) {
    const auto [lo, hi] = std::minmax_element(values.begin() + at, values.end());
    out.smallest = *lo;
    out.largest = *hi == *lo ? *lo + 4 : *hi;
  } else {
    out.largest = 4;
  }

  const int shown = std::min(page.Shown(), static_cast<int>(values.size() - at));
  IndicatorPanelSetup setup = PanelSetupOf(page);
  for (int k = 0; k < shown; ++k) setup.values.emplace_back(values[at + k]);
  setup.min = out.smallest;
  setup.max = out.largest;
  setup.title = text;
  setup.layout = PanelLayout::UpperHalf;
  out.chart.panels.push_back(IndicatorPanel(setup, metrics));

  setup.values.clear();
  for (int k = 0; k < shown; ++k) {
    const size_t i = at + k;
    setup.values.emplace_back(AbsDifference(values[i], i > 0 ? values[i - 1] : 0));
  }
  setup.min = 0;
  setup.title = text + "振幅";
  setup.layout = PanelLayout::LowerHalf;
  out.chart.panels.push_back(IndicatorPanel(setup, metrics));
  return out;
}

}  // namespace dlt
