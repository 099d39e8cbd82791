#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "formula/formula_functions.h"
#include "formula/formula_syntax.h"
#include "indicators/indicator.h"

namespace dlt {

// The compiled form of a formula: the interpreter's scan done once, its
// actions recorded as a straight list of operations on the same machine
// (accumulator, operand, bracket stack). Scanning errors become a Fail
// operation at the place the scan meets them, so the operations before it
// (and their data-dependent errors, such as a zero divisor) run first, as
// in the interpreter.
class CompiledProgram : public CompiledFormula {
 public:
  enum class OpCode : uint8_t {
    Const,  // operand := value
    Read,   // operand := indicator at the (offset) draw; -999 when unresolved
    Call,   // operand := function call `index`
    Apply,  // accumulator := accumulator (op) operand
    Open,   // push the accumulator; accumulator := 0
    Close,  // accumulator := popped (op) accumulator
    Fail,   // error `index`
    End     // the value is the accumulator
  };
  struct Op {
    OpCode code = OpCode::End;
    OperatorCode op = kOpNone;
    bool hasOffset = false;
    int32_t value = 0;  // Const: the number; Read: the offset
    uint32_t index = 0;
    const Indicator* indicator = nullptr;
  };

  // A function call; its arguments are programs of their own.
  struct Call {
    FormulaFunction function = FormulaFunction::Max;
    bool hasOffset = false;
    int32_t offset = 0;
    std::vector<std::unique_ptr<CompiledProgram>> leading;
    std::string splitError;                // set when splitting failed after `leading`
    std::unique_ptr<CompiledProgram> last;  // max, min, mid, abs and the history functions
    IndicatorPtr lastIndicator;            // getzb
    std::string lastIndicatorError;        // getzb: a malformed parameter
  };

  explicit CompiledProgram(std::string text) : CompiledFormula(std::move(text)) {}

  FormulaResult Evaluate(const EvalContext& ctx) const override;
  // The value, or false with `error` pointing at the message.
  bool Run(const EvalContext& ctx, int32_t& value, const std::string*& error) const;

  // Building, used by the compiler.
  void Add(const Op& op) { ops_.push_back(op); }
  void AddRead(IndicatorPtr indicator, bool hasOffset, int32_t offset);
  void AddFail(std::string message);
  void AddCall(std::unique_ptr<Call> call);

 private:
  bool RunCall(const Call& call, const EvalContext& ctx, int32_t& value,
               const std::string*& error) const;

  std::vector<Op> ops_;
  std::vector<std::string> messages_;
  std::vector<IndicatorPtr> indicators_;  // keeps the Read operations' indicators alive
  std::vector<std::unique_ptr<Call>> calls_;
};

// Compiles `text` into a program (the work behind CompiledFormula::Compile).
std::unique_ptr<CompiledProgram> CompileProgram(std::string_view text);

}  // namespace dlt
