#include "analysis/series_fill.h"

#include <algorithm>

#include "formula/formula_check.h"
#include "formula/formula_syntax.h"

namespace dlt {

ExpressionSource::ExpressionSource(std::string_view text) : text_(TrimFormulaText(text)) {
  Resolution r = ResolveIndicator(text_);
  if (r.ok())
    indicator_ = std::move(r.indicator);
  else
    formula_ = CompiledFormula::Compile(text_);
}

FormulaResult ExpressionSource::At(const EvalContext& ctx) const {
  if (!indicator_) return formula_->Evaluate(ctx);
  FormulaResult r;
  r.ok = true;
  r.value = indicator_->Value(ctx);
  return r;
}

SeriesFill FillSeries(const EvalContext& history, std::string_view text) {
  SeriesFill fill;
  // A misspelt name would read -999 at every draw: refused before any draw.
  if (auto problem = CheckExpression(text)) {
    fill.error = *problem;
    return fill;
  }
  const ExpressionSource source(text);
  fill.values.reserve(history.count);
  for (int i = 0; i < history.count; ++i) {
    const FormulaResult r = source.At(history.At(i));
    if (!r.ok) {
      fill.error = "公式有误:" + r.error;
    } else if (r.value < kSeriesMin || r.value > kSeriesMax) {
      fill.error = "第" + std::to_string(history.draws[i].qs) + "期的指标值" +
                   std::to_string(r.value) + "超出了0至1000的范围，无法剖析";
    }
    if (!fill.ok()) {
      fill.errorIndex = i;
      fill.values.clear();
      return fill;
    }
    fill.values.push_back(r.value);
  }
  if (!fill.values.empty()) {
    const auto [lo, hi] = std::minmax_element(fill.values.begin(), fill.values.end());
    fill.smallest = *lo;
    fill.largest = *hi;
  }
  return fill;
}

ValueRange AnalysisRange(std::span<const int32_t> values, std::optional<int32_t> from,
                         std::optional<int32_t> to) {
  if (from && to) return {std::min(*from, *to), std::max(*from, *to)};
  if (values.empty()) return {0, 4};
  const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
  return {*lo, *hi == *lo ? *lo + 4 : *hi};
}

}  // namespace dlt
