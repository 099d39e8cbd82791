#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "formula/formula_syntax.h"
#include "formula/tmystack.h"
#include "indicators/eval_context.h"

namespace dlt {

// The formula interpreter: parses and evaluates in one left-to-right scan,
// with its own stack for brackets. It is the reference that the compiled
// form (CompiledFormula) must agree with on every value and every error.
//
// Operands are read at an explicit context: an offset "[n]" moves a copy of
// it for the one indicator (or function) that follows, so the caller's
// position never moves.
class tgs {
 public:
  // True with the value, or false with the reason in ErrorText().
  bool Evaluate(std::string_view formula, const EvalContext& ctx, int32_t& value);
  // The message of the last error; a later successful evaluation keeps it.
  const std::string& ErrorText() const { return errorText_; }

 private:
  enum class State {
    Start,
    Number,
    Name,
    Operator,
    OpenBracket,
    CloseBracket,
    Offset,
    FunctionCall,
    Stop
  };

  bool AtEnd() const { return position_ >= formula_.size(); }
  char Current() const { return AtEnd() ? '\0' : formula_[position_]; }
  State Fail(std::string message);
  // accumulator := accumulator (pending operator) operand; clears the token.
  bool Apply();
  // The state an operand starts in, or Stop when `c` starts none.
  static State OperandState(char c);

  State StartState();
  State NumberState();
  State NameState();
  State OperatorState();
  State OpenBracketState();
  State CloseBracketState();
  State OffsetState();
  State FunctionCallState();
  // An operand ends at an operator, ")" or the end of the text.
  bool OperandEndsHere() const;
  // Applies the operand just read and goes on by the character after it.
  State AfterOperand();
  bool ReadIndicator();
  bool EvaluateArgument(std::string_view text, int32_t& value);

  std::string formula_;
  size_t position_ = 0;       // 0-based index of the character looked at
  EvalContext startingDraw_;  // where the evaluation began; offsets return here
  EvalContext current_;       // the draw operands are read at
  std::string token_;
  OperatorCode pendingOperator_ = kOpNone;
  int32_t accumulator_ = 0;
  int32_t operand_ = 0;
  bool offsetActive_ = false;
  bool ok_ = false;
  tmystack stack_;
  std::string errorText_;
};

}  // namespace dlt
