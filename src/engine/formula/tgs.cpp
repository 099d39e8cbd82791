#include "formula/tgs.h"

#include <utility>

#include "formula/formula_arithmetic.h"
#include "formula/formula_functions.h"
#include "formula/formula_messages.h"
#include "indicators/indicator.h"

namespace dlt {

namespace msg = formula_messages;

bool tgs::Evaluate(std::string_view formula, const EvalContext& ctx, int32_t& value) {
  stack_.Clear();
  formula_.assign(formula);
  if (const char* error = PrecheckFormula(formula_)) {
    errorText_ = error;
    return false;
  }
  position_ = 0;
  accumulator_ = 0;
  operand_ = 0;
  token_.clear();
  pendingOperator_ = kOpNone;
  offsetActive_ = false;
  ok_ = true;
  startingDraw_ = ctx;
  current_ = ctx;

  State state = State::Start;
  while (state != State::Stop) {
    switch (state) {
      case State::Start:
        state = StartState();
        break;
      case State::Number:
        state = NumberState();
        break;
      case State::Name:
        state = NameState();
        break;
      case State::Operator:
        state = OperatorState();
        break;
      case State::OpenBracket:
        state = OpenBracketState();
        break;
      case State::CloseBracket:
        state = CloseBracketState();
        break;
      case State::Offset:
        state = OffsetState();
        break;
      case State::FunctionCall:
        state = FunctionCallState();
        break;
      case State::Stop:
        break;
    }
  }
  value = accumulator_;
  return ok_;
}

tgs::State tgs::Fail(std::string message) {
  ok_ = false;
  errorText_ = std::move(message);
  return State::Stop;
}

bool tgs::Apply() {
  token_.clear();
  if (ApplyOperator(pendingOperator_, accumulator_, operand_, accumulator_)) return true;
  Fail(msg::kDivisionByZero);
  return false;
}

tgs::State tgs::OperandState(char c) {
  if (IsFormulaDigit(c)) return State::Number;
  if (IsFormulaLetter(c)) return State::Name;
  if (c == '(') return State::OpenBracket;
  if (c == '[') return State::Offset;
  return State::Stop;
}

tgs::State tgs::StartState() {
  token_.clear();
  const State next = OperandState(Current());
  // The first character cannot start an operand ("-1+z_hz", "+3").
  if (next == State::Stop) return Fail(msg::kBadFirstCharacter);
  return next;
}

bool tgs::OperandEndsHere() const {
  return AtEnd() || IsFormulaOperator(Current()) || Current() == ')';
}

tgs::State tgs::AfterOperand() {
  if (!Apply()) return State::Stop;
  if (AtEnd()) return State::Stop;
  return Current() == ')' ? State::CloseBracket : State::Operator;
}

tgs::State tgs::NumberState() {
  token_ += Current();
  ++position_;
  while (!AtEnd() && IsFormulaDigit(Current())) {
    token_ += Current();
    ++position_;
  }
  if (!OperandEndsHere()) return Fail(msg::kBadNumber);
  const auto number = ParseNumberToken(token_);
  if (!number) return Fail(msg::kOutOfRange);
  operand_ = *number;
  return AfterOperand();
}

tgs::State tgs::NameState() {
  // The first character belongs to the name whatever it is (after an
  // offset it need not be a letter).
  if (!AtEnd()) {
    token_ += Current();
    ++position_;
  }
  while (!OperandEndsHere()) {
    if (Current() == '(') return State::FunctionCall;
    token_ += Current();
    ++position_;
  }
  if (!ReadIndicator()) return State::Stop;
  return AfterOperand();
}

bool tgs::ReadIndicator() {
  const Resolution r = ResolveIndicator(token_);
  if (!r.ok() && !r.error.empty()) {
    Fail(r.error);
    return false;
  }
  operand_ = r.ok() ? r.indicator->Value(current_) : kNoValue;
  if (offsetActive_) current_ = startingDraw_;
  return true;
}

tgs::State tgs::OperatorState() {
  pendingOperator_ = OperatorCodeOf(Current());
  offsetActive_ = false;
  ++position_;
  const State next = AtEnd() ? State::Stop : OperandState(Current());
  if (next == State::Stop) return Fail(msg::kAfterOperator);
  return next;
}

tgs::State tgs::OpenBracketState() {
  if (stack_.Count() + 2 > tmystack::kSlots) return Fail(msg::kTooDeep);
  stack_.Push(accumulator_);
  stack_.Push(pendingOperator_);
  accumulator_ = 0;
  operand_ = 0;
  pendingOperator_ = kOpNone;
  ++position_;
  const State next = AtEnd() ? State::Stop : OperandState(Current());
  if (next == State::Stop) return Fail(msg::kAfterOpenBracket);
  return next;
}

tgs::State tgs::CloseBracketState() {
  ++position_;
  if (stack_.Count() == 0) return Fail(msg::kCloseWithoutOpen);
  operand_ = accumulator_;
  const auto code = static_cast<OperatorCode>(stack_.Pop());
  const int32_t saved = stack_.Pop();
  if (!ApplyOperator(code, saved, operand_, accumulator_)) return Fail(msg::kDivisionByZero);
  if (AtEnd()) return State::Stop;
  if (IsFormulaOperator(Current())) return State::Operator;
  if (Current() == ')') return State::CloseBracket;
  // "(1+2)5" would otherwise deliver 3 and drop the rest unread.
  return Fail(msg::kAfterCloseBracket);
}

tgs::State tgs::OffsetState() {
  ++position_;  // past "["
  token_.clear();
  while (!AtEnd() && (IsFormulaDigit(Current()) || Current() == '-' || Current() == '+')) {
    token_ += Current();
    ++position_;
  }
  if (Current() != ']') return Fail(msg::kOffsetUnclosed);
  const char* error = nullptr;
  const auto offset = ParseOffsetToken(token_, &error);
  if (!offset) return Fail(error);
  offsetActive_ = true;
  current_ = current_.Moved(*offset);
  ++position_;
  token_.clear();
  return State::Name;
}

bool tgs::EvaluateArgument(std::string_view text, int32_t& value) {
  // Each argument is a formula of its own, read at the (offset) draw.
  tgs argument;
  if (argument.Evaluate(text, current_, value)) return true;
  Fail(argument.ErrorText());
  return false;
}

tgs::State tgs::FunctionCallState() {
  const auto f = LookupFormulaFunction(token_);
  if (!f) return Fail(token_ + msg::kUnknownFunctionSuffix);
  const FunctionArguments args = SplitFunctionArguments(formula_, position_, *f);
  FunctionFold fold(*f);
  // An argument that fails is reported rather than replaced by a stale value.
  for (std::string_view text : args.leading) {
    int32_t v = 0;
    if (!EvaluateArgument(text, v)) return State::Stop;
    if (FoldsLeadingArguments(*f)) fold.Add(v);
  }
  if (args.error) return Fail(args.error);

  int32_t value = 0;
  if (FoldsLastArgument(*f)) {
    int32_t v = 0;
    if (!EvaluateArgument(args.last, v)) return State::Stop;
    fold.Add(v);
    value = fold.Result();
  } else if (IsHistoryFunction(*f)) {
    std::string error;
    const auto history = [&](const EvalContext& at) -> std::optional<int32_t> {
      tgs series;
      int32_t v = 0;
      if (series.Evaluate(args.last, at, v)) return v;
      error = series.ErrorText();
      return std::nullopt;
    };
    const auto v = HistoryFunctionValue(*f, current_, history);
    if (!v) return Fail(error);
    value = *v;
  } else {  // getzb: one indicator name, taken as it is written
    const Resolution r = ResolveIndicator(args.last);
    if (!r.ok() && !r.error.empty()) return Fail(r.error);
    value = r.ok() ? r.indicator->Value(current_) : kNoValue;
  }
  position_ = args.end;
  operand_ = value;
  // An offset written before the function applied to its arguments only.
  if (offsetActive_) current_ = startingDraw_;
  if (!OperandEndsHere()) return Fail(msg::kAfterFunction);
  return AfterOperand();
}

}  // namespace dlt
