#include "indicators/series.h"

namespace dlt {
namespace {

// Unwraps a series whose values all evaluated.
std::vector<int32_t> Unwrap(const std::vector<std::optional<int32_t>>& v) {
  std::vector<int32_t> out;
  out.reserve(v.size());
  for (const auto& x : v) out.push_back(*x);
  return out;
}

FormulaSeries SeriesOfFormula(const EvalContext& ctx, const CompiledFormula& formula) {
  FormulaSeries out;
  std::vector<std::optional<int32_t>> values(static_cast<size_t>(ctx.count));
  for (int i = 0; i < ctx.count; ++i) {
    const FormulaResult r = formula.Evaluate(ctx.At(i));
    if (r.ok) {
      values[i] = r.value;
    } else if (out.errorIndex < 0) {
      out.errorIndex = i;
      out.error = r.error;
    }
  }
  out.series = SeriesFromValues(values);
  return out;
}

}  // namespace

CheckedStatisticSeries SeriesFromValues(const std::vector<std::optional<int32_t>>& values) {
  const size_t n = values.size();
  CheckedStatisticSeries s;
  s.value = values;
  s.omission.resize(n);
  s.amplitude.resize(n);
  s.omissionAmplitude.resize(n);
  std::unordered_map<int32_t, int> lastIndex;
  int lastFailure = -1;
  for (size_t idx = 0; idx < n; ++idx) {
    const int i = static_cast<int>(idx);
    const std::optional<int32_t>& v = values[idx];
    if (v) {
      const auto it = lastIndex.find(*v);
      const int last = it == lastIndex.end() ? -1 : it->second;
      // The walk back visits i-1 down to the match (or to the first draw):
      // a failure in between ends it.
      if (lastFailure <= last) s.omission[idx] = last < 0 ? i : i - 1 - last;
      if (i == 0)
        s.amplitude[idx] = AbsDifference(*v, 0);
      else if (values[idx - 1])
        s.amplitude[idx] = AbsDifference(*v, *values[idx - 1]);
      lastIndex[*v] = i;
    } else {
      lastFailure = i;
    }
    if (i == 0) {
      if (s.omission[idx]) s.omissionAmplitude[idx] = AbsDifference(*s.omission[idx], 0);
    } else if (s.omission[idx - 1] && s.omission[idx]) {
      s.omissionAmplitude[idx] = AbsDifference(*s.omission[idx], *s.omission[idx - 1]);
    }
  }
  return s;
}

StatisticSeries SeriesFromValues(const std::vector<int32_t>& values) {
  const CheckedStatisticSeries c =
      SeriesFromValues(std::vector<std::optional<int32_t>>(values.begin(), values.end()));
  return StatisticSeries{Unwrap(c.value), Unwrap(c.omission), Unwrap(c.amplitude),
                         Unwrap(c.omissionAmplitude)};
}

StatisticSeries ComputeStatisticSeries(const EvalContext& ctx, const ValueFn& fn) {
  std::vector<int32_t> values(static_cast<size_t>(ctx.count));
  for (int i = 0; i < ctx.count; ++i) values[i] = fn(ctx.At(i));
  return SeriesFromValues(values);
}

FormulaSeries ComputeFormulaSeries(const EvalContext& ctx, const CompiledFormula& formula) {
  return SeriesOfFormula(ctx, formula);
}

std::vector<std::array<int32_t, 5>> NumberOmissionSeries(const EvalContext& ctx) {
  std::vector<std::array<int32_t, 5>> out(static_cast<size_t>(ctx.count));
  std::array<int, 256> lastIndex;
  lastIndex.fill(-1);
  for (int i = 0; i < ctx.count; ++i) {
    const Draw& d = ctx.draws[i];
    for (int k = 0; k < 5; ++k) {
      const int last = lastIndex[d.front[k]];
      out[i][k] = last < 0 ? i : i - 1 - last;
    }
    for (auto n : d.front) lastIndex[n] = i;
  }
  return out;
}

}  // namespace dlt
