#include "trend/indicator_chart.h"

#include <algorithm>

#include "chart/indicator_panel.h"
#include "indicators/catalogue.h"
#include "indicators/indicator.h"
#include "indicators/statistics.h"

namespace dlt {

IndicatorPanelSetup PanelSetupOf(const TrendPage& page) {
  IndicatorPanelSetup setup;
  setup.draws = page.draws;
  static_cast<PageWindow&>(setup) = page;
  setup.width = page.width;
  setup.height = page.height;
  return setup;
}

EvalContext PageContext(const TrendPage& page, int index) {
  return TableContext(page.draws, index, page.testColumn, page.env);
}

std::vector<int32_t> IndicatorValues(const TrendPage& page, const std::string& key, int first,
                                     int last) {
  std::vector<int32_t> values;
  const Resolution r = ResolveIndicator(key);
  for (int i = std::max(first, 0); i <= last && i < static_cast<int>(page.draws.size()); ++i)
    values.push_back(r.ok() ? r.indicator->Value(PageContext(page, i)) : kNoValue);
  return values;
}

std::vector<int32_t> IndicatorAmplitudes(const TrendPage& page, const std::string& key, int first,
                                         int last) {
  first = std::max(first, 0);
  const std::vector<int32_t> values = IndicatorValues(page, key, first - 1, last);
  std::vector<int32_t> amplitudes;
  // values[0] is the draw before `first` unless `first` is the first draw.
  const size_t offset = first > 0 ? 1 : 0;
  for (size_t i = offset; i < values.size(); ++i)
    amplitudes.push_back(AbsDifference(values[i], i > 0 ? values[i - 1] : 0));
  return amplitudes;
}

Chart ValueAmplitudeChart(const TrendPage& page, const std::string& key,
                          const TextMetrics& metrics) {
  Chart chart;
  chart.width = page.width;
  chart.height = page.height;
  const tsetaccostr* row = FindCatalogueRow(key);
  const std::string label = row ? row->label : std::string();
  const int32_t min = row ? row->min : 0, max = row ? row->max : 0;

  auto optional = [](const std::vector<int32_t>& v) {
    return std::vector<std::optional<int32_t>>(v.begin(), v.end());
  };
  const int last = page.draws.empty() ? -1 : page.LastShown();
  IndicatorPanelSetup setup = PanelSetupOf(page);

  setup.values = optional(IndicatorValues(page, key, page.anchor, last));
  setup.min = min;
  setup.max = max;
  setup.title = label;
  setup.layout = PanelLayout::UpperHalf;
  chart.panels.push_back(IndicatorPanel(setup, metrics));

  setup.values = optional(IndicatorAmplitudes(page, key, page.anchor, last));
  setup.min = 0;
  setup.title = label + "振幅";
  setup.layout = PanelLayout::LowerHalf;
  chart.panels.push_back(IndicatorPanel(setup, metrics));
  return chart;
}

}  // namespace dlt
