#include "formula/formula.h"

#include "formula/tgs.h"

namespace dlt {

FormulaResult EvaluateFormula(const EvalContext& ctx, std::string_view text) {
  FormulaResult result;
  tgs interpreter;
  int32_t value = 0;
  result.ok = interpreter.Evaluate(text, ctx, value);
  if (result.ok)
    result.value = value;
  else
    result.error = interpreter.ErrorText();
  return result;
}

std::string_view TrimFormulaText(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

}  // namespace dlt
