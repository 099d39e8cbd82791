#include "formula/formula_functions.h"

#include <cmath>

#include "common/rounding.h"
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

bool FoldsLastArgument(FormulaFunction f) {
  return f == FormulaFunction::Max || f == FormulaFunction::Min || f == FormulaFunction::Mid ||
         f == FormulaFunction::Abs;
}

bool FoldsLeadingArguments(FormulaFunction f) {
  return f == FormulaFunction::Max || f == FormulaFunction::Min || f == FormulaFunction::Mid;
}

bool IsHistoryFunction(FormulaFunction f) {
  return f == FormulaFunction::GetYlz || f == FormulaFunction::GetZf ||
         f == FormulaFunction::GetYlzZf;
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

FunctionFold::FunctionFold(FormulaFunction f) : f_(f) {
  switch (f) {
    case FormulaFunction::Max:
      result_ = -1;
      break;
    case FormulaFunction::Min:
      result_ = 999999;
      break;
    default:
      result_ = 0;
  }
}

void FunctionFold::Add(int32_t v) {
  switch (f_) {
    case FormulaFunction::Max:
      if (v > result_) result_ = v;
      break;
    case FormulaFunction::Min:
      if (v < result_) result_ = v;
      break;
    case FormulaFunction::Mid:
      if (count_ < kMaxMidArguments) values_[count_++] = v;
      break;
    case FormulaFunction::Abs:
      result_ = WrapAbs(v);
      break;
    default:
      break;
  }
}

int32_t FunctionFold::Result() const {
  if (f_ == FormulaFunction::Mid) return count_ > 0 ? MidOfValues(values_.data(), count_) : 0;
  return result_;
}

int32_t MidOfValues(const int32_t* values, int count) {
  int64_t sum = 0;
  for (int i = 0; i < count; ++i) sum += values[i];
  const float mean = static_cast<float>(sum) / static_cast<float>(count);
  const double rounded = RoundToDecimals(static_cast<double>(mean), 1);
  int32_t best = values[0];
  double bestDistance = std::fabs(static_cast<double>(values[0]) - rounded);
  for (int i = 1; i < count; ++i) {
    const double d = std::fabs(static_cast<double>(values[i]) - rounded);
    if (d < bestDistance) {  // a later value wins only when strictly nearer
      best = values[i];
      bestDistance = d;
    }
  }
  return best;
}

}  // namespace dlt
