#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "formula/formula_functions.h"
#include "formula/formula_syntax.h"
#include "indicators/base_indicators.h"
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
  // Each operation loads an operand and applies it with its operator, the
  // way the scan applies an operand as soon as it is read. A bracket opened
  // with no pending operator needs no stack slot: its value simply becomes
  // the accumulator, so neither end of it is recorded.
  enum class OpCode : uint8_t {
    Const,       // operand := value (also an unresolved name: -999)
    Read,        // operand := indicator at the draw
    ReadOffset,  // operand := indicator at the draw `value` records away
    ReadDraw,    // Read of a base indicator computed from the draw and the one before
    ReadDrawOffset,
    Call,   // operand := function call `index`
    Open,   // push the accumulator
    Close,  // operand := accumulator; accumulator := popped
    Fail,   // error `index`
    End     // the value is the accumulator (dropped by Finish: the list simply ends)
  };
  // Operator of an operation: an OperatorCode, or kKeepOperand for an
  // operand that is read but never applied (a scanning error follows it).
  static constexpr uint8_t kKeepOperand = 6;
  struct Op {
    OpCode code = OpCode::End;
    uint8_t op = kOpNone;
    uint8_t fused = 0;  // code and operator in one byte, set by Finish()
    int32_t value = 0;
    uint32_t index = 0;
    const Indicator* indicator = nullptr;
    DrawFn drawFn = nullptr;  // ReadDraw, ReadDrawOffset
  };

  // A function call; its arguments are programs of their own.
  struct Call {
    FormulaFunction function = FormulaFunction::Max;
    bool hasOffset = false;
    int32_t offset = 0;
    std::vector<std::unique_ptr<CompiledProgram>> leading;
    std::string splitError;                 // set when splitting failed after `leading`
    std::unique_ptr<CompiledProgram> last;  // max, min, mid, abs and the history functions
    IndicatorPtr lastIndicator;             // getzb
    std::string lastIndicatorError;         // getzb: a malformed parameter
    // max, min, mid and abs whose arguments are all plain operands (which
    // cannot fail): the operands to fold, read without running programs.
    bool plainArguments = false;
    std::vector<Op> plainOperands;
  };

  explicit CompiledProgram(std::string text) : CompiledFormula(std::move(text)) {}

  FormulaResult Evaluate(const EvalContext& ctx) const override;
  // The value, or false with `error` pointing at the message.
  bool Run(const EvalContext& ctx, int32_t& value, const std::string*& error) const;

  // Building, used by the compiler.
  void Add(OpCode code, uint8_t op = kOpNone, int32_t value = 0);
  void AddRead(uint8_t op, IndicatorPtr indicator, bool hasOffset, int32_t offset);
  void AddFail(std::string message);
  void AddCall(uint8_t op, std::unique_ptr<Call> call);
  bool IsSingleOperand() const { return singleOperand_; }
  const Op& FirstOp() const { return ops_.front(); }
  // Ends building: notes a program that is one plain operand (most
  // function arguments), which then runs without the operation loop.
  void Finish();

 private:
  bool Execute(const EvalContext& ctx, int32_t& value, const std::string*& error) const;
  bool RunCall(const Call& call, const EvalContext& ctx, int32_t& value,
               const std::string*& error) const;

  bool singleOperand_ = false;
  std::vector<Op> ops_;
  std::vector<std::string> messages_;
  std::vector<IndicatorPtr> indicators_;  // keeps the Read operations' indicators alive
  std::vector<std::unique_ptr<Call>> calls_;
};

// Compiles `text` into a program (the work behind CompiledFormula::Compile).
std::unique_ptr<CompiledProgram> CompileProgram(std::string_view text);

}  // namespace dlt
