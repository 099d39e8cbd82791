#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "indicators/eval_context.h"

namespace dlt {

// Outcome of evaluating a formula at one draw.
struct FormulaResult {
  bool ok = false;
  int32_t value = 0;
  std::string error;  // the formula language's message; may be empty on failure
};

// A formula parsed once and evaluated many times. Gives exactly the value
// or error of the interpreter `tgs` for every formula and every draw.
class CompiledFormula {
 public:
  static std::shared_ptr<const CompiledFormula> Compile(std::string_view text);
  virtual ~CompiledFormula() = default;
  virtual FormulaResult Evaluate(const EvalContext& ctx) const = 0;
  const std::string& Text() const { return text_; }

 protected:
  explicit CompiledFormula(std::string text) : text_(std::move(text)) {}

 private:
  std::string text_;
};

// Convenience: the interpreter's answer for one formula at one draw.
FormulaResult EvaluateFormula(const EvalContext& ctx, std::string_view text);

}  // namespace dlt
