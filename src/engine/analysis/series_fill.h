#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formula/formula.h"
#include "indicators/eval_context.h"
#include "indicators/indicator.h"

namespace dlt {

// An indicator key or a formula, resolved once and evaluated at any draw. A
// key is taken as written (parameter keys may hold operator characters);
// anything else is compiled as a formula.
class ExpressionSource {
 public:
  explicit ExpressionSource(std::string_view text);
  FormulaResult At(const EvalContext& ctx) const;
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  IndicatorPtr indicator_;
  std::shared_ptr<const CompiledFormula> formula_;
};

// The values an analysed series may take: far beyond what any real series
// reaches (an omission of the whole history stays in the thousands), and
// small enough that a table over every value of the range stays small.
constexpr int32_t kSeriesMin = 0;
constexpr int32_t kSeriesMax = 65535;

// The series of a key or formula: its value at every draw, oldest first.
struct SeriesFill {
  std::vector<int32_t> values;
  int32_t smallest = 0, largest = 0;
  std::string error;    // empty when the fill succeeded
  int errorIndex = -1;  // the draw the fill stopped at
  bool ok() const { return error.empty(); }
};

// Evaluates the text (blanks trimmed) at every draw of the context's history
// (the context's position is ignored). A text that can never be computed (a
// misspelt name) is refused first with CheckExpression's message; otherwise
// it stops at the first failure with "公式有误:" + the formula's message, or
// at the first value outside kSeriesMin..kSeriesMax with a message naming
// the draw.
SeriesFill FillSeries(const EvalContext& history, std::string_view text);

// The value range of an analysis: the typed bounds when both are given
// (in either order),
// else the smallest to the largest value, with to = from + 4 when they are
// equal (0..4 without values).
struct ValueRange {
  int32_t from = 0, to = 0;
  int Size() const { return to - from + 1; }
  bool operator==(const ValueRange&) const = default;
};
ValueRange AnalysisRange(std::span<const int32_t> values, std::optional<int32_t> from = {},
                         std::optional<int32_t> to = {});

// Empty when typed bounds lie in kSeriesMin..kSeriesMax; otherwise the
// message that refuses them.
std::string AnalysisBoundsError(int64_t from, int64_t to);

}  // namespace dlt
