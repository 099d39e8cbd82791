#include "formula/formula_functions.h"

#include "formula/formula_messages.h"

namespace dlt {

std::optional<FormulaFunction> LookupFormulaFunction(std::string_view name) {
  if (name == "max") return FormulaFunction::Max;
  if (name == "min") return FormulaFunction::Min;
  if (name == "mid") return FormulaFunction::Mid;
  if (name == "abs") return FormulaFunction::Abs;
  if (name == "getylz") return FormulaFunction::GetYlz;
  if (name == "getzf") return FormulaFunction::GetZf;
  if (name == "getylzzf") return FormulaFunction::GetYlzZf;
  if (name == "getzb") return FormulaFunction::GetZb;
  return std::nullopt;
}

FunctionArguments SplitFunctionArguments(std::string_view text, size_t open, FormulaFunction f) {
  FunctionArguments args;
  size_t p = open + 1;
  int found = 0;
  for (;;) {
    const size_t comma = text.find(',', p);
    const size_t close = text.find(')', p);
    if (comma == std::string_view::npos && close == std::string_view::npos) {
      args.error = formula_messages::kBadFunctionBody;
      return args;
    }
    if (f == FormulaFunction::Mid && found == kMaxMidArguments) {
      args.error = formula_messages::kTooManyMidArguments;
      return args;
    }
    ++found;
    if (comma != std::string_view::npos && (close == std::string_view::npos || comma < close)) {
      args.leading.push_back(text.substr(p, comma - p));
      p = comma + 1;
    } else {
      args.last = text.substr(p, close - p);
      args.end = close + 1;
      return args;
    }
  }
}

namespace {

// Nearest integer, halves to even: adding and taking away 1.5 * 2^52
// rounds in the default rounding mode, valid for |x| < 2^51 (tenths of a
// 32-bit mean stay far below).
double RoundHalfEvenInline(double x) {
  constexpr double kShift = 6755399441055744.0;
  return (x + kShift) - kShift;
}

}  // namespace

int32_t MidOfValues(const int32_t* values, int count) {
  int64_t sum = 0;
  for (int i = 0; i < count; ++i) sum += values[i];
  const float mean = static_cast<float>(sum) / static_cast<float>(count);
  // The mean to one decimal, halves to even, kept in tenths: comparing
  // distances in tenths as integers orders them exactly as in decimals.
  const auto tenths = static_cast<int64_t>(RoundHalfEvenInline(static_cast<double>(mean) * 10.0));
  const auto distance = [tenths](int32_t v) {
    const int64_t d = int64_t{v} * 10 - tenths;
    return d < 0 ? -d : d;
  };
  int32_t best = values[0];
  int64_t bestDistance = distance(values[0]);
  for (int i = 1; i < count; ++i) {
    const int64_t d = distance(values[i]);
    const bool nearer = d < bestDistance;  // a later value wins only when strictly nearer
    best = nearer ? values[i] : best;
    bestDistance = nearer ? d : bestDistance;
  }
  return best;
}

}  // namespace dlt
