#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "formula/formula_arithmetic.h"
#include "indicators/eval_context.h"
#include "indicators/statistics.h"

namespace dlt {

// The functions of the formula language.
enum class FormulaFunction { Max, Min, Mid, Abs, GetYlz, GetZf, GetYlzZf, GetZb };

// By exact (case-sensitive) name; nullopt for a name that is no function.
std::optional<FormulaFunction> LookupFormulaFunction(std::string_view name);

// Functions whose last argument is evaluated like the others and folded
// (max, min, mid, abs); the rest treat the last argument's text specially.
inline bool FoldsLastArgument(FormulaFunction f) {
  return f == FormulaFunction::Max || f == FormulaFunction::Min || f == FormulaFunction::Mid ||
         f == FormulaFunction::Abs;
}
// Functions that fold the arguments before the last too (max, min, mid).
inline bool FoldsLeadingArguments(FormulaFunction f) {
  return f == FormulaFunction::Max || f == FormulaFunction::Min || f == FormulaFunction::Mid;
}
// getylz, getzf, getylzzf.
inline bool IsHistoryFunction(FormulaFunction f) {
  return f == FormulaFunction::GetYlz || f == FormulaFunction::GetZf ||
         f == FormulaFunction::GetYlzZf;
}

constexpr int kMaxMidArguments = 30;

// The arguments of a call whose "(" is at `open`: split at the first "," or
// ")" in turn, so an argument holds neither. `leading` are the arguments
// before the last. When splitting fails (no "," or ")" left, or a 31st
// argument of mid) `error` says why and `last` is unset; the leading
// arguments found before still count, they are evaluated first.
struct FunctionArguments {
  std::vector<std::string_view> leading;
  std::string_view last;
  const char* error = nullptr;
  size_t end = 0;  // index just after the closing ")"
};
FunctionArguments SplitFunctionArguments(std::string_view text, size_t open, FormulaFunction f);

// Folds the argument values of max, min, mid and abs in written order.
// Inline: compiled formulas fold on their hot path.
class FunctionFold {
 public:
  explicit FunctionFold(FormulaFunction f)
      : f_(f),
        result_(f == FormulaFunction::Max   ? -1
                : f == FormulaFunction::Min ? 999999
                                            : 0) {}
  void Add(int32_t v) {
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
  int32_t Result() const;

 private:
  FormulaFunction f_;
  int32_t result_;
  int count_ = 0;
  std::array<int32_t, kMaxMidArguments> values_;  // the first count_ are set
};

// The value of "mid": the first value nearest to the mean, the mean taken
// in single precision and rounded to one decimal with halves to even.
int32_t MidOfValues(const int32_t* values, int count);

inline int32_t FunctionFold::Result() const {
  if (f_ != FormulaFunction::Mid) return result_;
  return count_ > 0 ? MidOfValues(values_.data(), count_) : 0;
}

// getylz, getzf and getylzzf of a fallible value; nullopt at the first failure met.
template <class Fn>
std::optional<int32_t> HistoryFunctionValue(FormulaFunction f, const EvalContext& ctx,
                                            const Fn& fn) {
  switch (f) {
    case FormulaFunction::GetYlz:
      return CheckedValueOmission(ctx, fn);
    case FormulaFunction::GetZf:
      return CheckedValueAmplitude(ctx, fn);
    case FormulaFunction::GetYlzZf:
      return CheckedOmissionAmplitude(ctx, fn);
    default:
      return std::nullopt;
  }
}

}  // namespace dlt
