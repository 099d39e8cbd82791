#include "indicators/indicator_series.h"

#include <algorithm>

#include "indicators/indicator.h"

namespace dlt {

std::vector<int32_t> IndicatorSeries(const EvalContext& history, std::string_view key) {
  const Resolution r = ResolveIndicator(key);
  std::vector<int32_t> values(static_cast<size_t>(std::max(history.count, 0)), kNoValue);
  if (!r.ok()) return values;
  for (int i = 0; i < history.count; ++i) values[i] = r.indicator->Value(history.At(i));
  return values;
}

}  // namespace dlt
