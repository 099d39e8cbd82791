#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formula/formula.h"
#include "indicators/eval_context.h"
#include "indicators/statistics.h"

namespace dlt {

// Value, omission, amplitude and omission amplitude of one expression at
// every draw 0..count-1 of a context's history, equal draw for draw to
// ValueOmission, ValueAmplitude and OmissionAmplitude there.
struct StatisticSeries {
  std::vector<int32_t> value, omission, amplitude, omissionAmplitude;
};

// The same over a value that may fail: an entry is nullopt exactly where the
// per-draw walk would meet a failure.
struct CheckedStatisticSeries {
  std::vector<std::optional<int32_t>> value, omission, amplitude, omissionAmplitude;
};

// A formula's series with the first failure met (errorIndex -1 when none).
struct FormulaSeries {
  CheckedStatisticSeries series;
  std::string error;
  int errorIndex = -1;
  bool ok() const { return errorIndex < 0; }
};

// Derives the four series from the values in one pass with a table of the
// last index of each value. Failed values are nullopt.
CheckedStatisticSeries SeriesFromValues(const std::vector<std::optional<int32_t>>& values);
StatisticSeries SeriesFromValues(const std::vector<int32_t>& values);

StatisticSeries ComputeStatisticSeries(const EvalContext& ctx, const ValueFn& fn);
FormulaSeries ComputeFormulaSeries(const EvalContext& ctx, const CompiledFormula& formula);
FormulaSeries ComputeFormulaSeries(const EvalContext& ctx, std::string_view formula);

// Global omission (NumberOmission) of the five front positions at every draw.
std::vector<std::array<int32_t, 5>> NumberOmissionSeries(const EvalContext& ctx);

}  // namespace dlt
