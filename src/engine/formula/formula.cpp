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

}  // namespace dlt
