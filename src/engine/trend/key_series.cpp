#include "trend/key_series.h"

#include <algorithm>

#include "indicators/indicator.h"

namespace dlt {

std::optional<std::vector<int32_t>> KeySeries(std::span<const Draw> draws, const EvalEnv& env,
                                              std::string_view key, int first, int count) {
  const Resolution r = ResolveIndicator(key);
  if (!r.ok()) return std::nullopt;
  const int total = static_cast<int>(draws.size());
  first = std::clamp(first, 0, total);
  count = std::clamp(count, 0, total - first);
  EvalContext ctx;
  ctx.source = Source::Table;
  ctx.draws = draws.data();
  ctx.count = total;
  ctx.env = &env;
  std::vector<int32_t> values;
  values.reserve(static_cast<size_t>(count));
  for (int i = first; i < first + count; ++i) values.push_back(r.indicator->Value(ctx.At(i)));
  return values;
}

}  // namespace dlt
