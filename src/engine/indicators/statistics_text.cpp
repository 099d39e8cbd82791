// The statistics over a formula text: compiled once per call.
#include <string>

#include "indicators/series.h"
#include "indicators/statistics.h"

namespace dlt {
namespace {

// Stands in when no compiled form is offered: the interpreter answers.
class InterpretedFormula : public CompiledFormula {
 public:
  explicit InterpretedFormula(std::string_view text) : CompiledFormula(std::string(text)) {}
  FormulaResult Evaluate(const EvalContext& ctx) const override {
    return EvaluateFormula(ctx, Text());
  }
};

}  // namespace

std::shared_ptr<const CompiledFormula> FormulaForText(std::string_view text) {
  if (auto compiled = CompiledFormula::Compile(text)) return compiled;
  return std::make_shared<InterpretedFormula>(text);
}

FormulaResult ValueOmission(const EvalContext& ctx, std::string_view formula) {
  return ValueOmission(ctx, *FormulaForText(formula));
}

FormulaResult ValueAmplitude(const EvalContext& ctx, std::string_view formula) {
  return ValueAmplitude(ctx, *FormulaForText(formula));
}

FormulaResult OmissionAmplitude(const EvalContext& ctx, std::string_view formula) {
  return OmissionAmplitude(ctx, *FormulaForText(formula));
}

FormulaSeries ComputeFormulaSeries(const EvalContext& ctx, std::string_view formula) {
  return ComputeFormulaSeries(ctx, *FormulaForText(formula));
}

}  // namespace dlt
