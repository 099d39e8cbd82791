#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formula/formula_functions.h"
#include "formula/formula_messages.h"
#include "formula/formula_syntax.h"

namespace dlt {

// Brackets open at once; one more gives the too-deep message.
inline constexpr int kMaxOpenBrackets = 5;

// The left-to-right scan of the formula language, state for state as the
// interpreter runs it, for the compilers that record what the scan would do.
// What an operand, a bracket or a call becomes is the builder's:
//   void Fail(std::string_view message);   the scan stops here
//   void Number(OperatorCode pending, int32_t value);
//   bool Read(OperatorCode pending, std::string_view name, bool hasOffset, int32_t offset);
//        (false: the builder recorded a failure, the scan stops)
//   void AfterOperand(OperatorCode pending);  an operand (or call) is applied
//   void End();                               the text ends after an operand or ")"
//   void Open(OperatorCode pending);
//   void Close(OperatorCode code);            the operator saved when the bracket opened
//   void Call(FormulaFunction f, const FunctionArguments& args, bool hasOffset,
//             int32_t offset, std::optional<OperatorCode> apply);
//        (apply: nullopt when the call's value is computed but never applied,
//         because its arguments could not be split or a wrong character follows)
template <class Builder>
class FormulaScan {
 public:
  FormulaScan(std::string_view text, Builder& builder) : text_(text), b_(builder) {}

  void Run() {
    if (const char* error = PrecheckFormula(text_)) {
      b_.Fail(error);
      return;
    }
    State state = OperandState(text_[0]);
    if (state == State::Stop) b_.Fail(formula_messages::kBadFirstCharacter);
    while (state != State::Stop) state = Step(state);
  }

 private:
  enum class State { Number, Name, Operator, OpenBracket, CloseBracket, Offset, Stop };

  State Step(State state) {
    switch (state) {
      case State::Number:
        return Number();
      case State::Name:
        return Name();
      case State::Operator:
        return Operator();
      case State::OpenBracket:
        return OpenBracket();
      case State::CloseBracket:
        return CloseBracket();
      case State::Offset:
        return Offset();
      case State::Stop:
        break;
    }
    return State::Stop;
  }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Current() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool OperandEndsHere() const {
    return AtEnd() || IsFormulaOperator(Current()) || Current() == ')';
  }
  static State OperandState(char c) {
    if (IsFormulaDigit(c)) return State::Number;
    if (IsFormulaLetter(c)) return State::Name;
    if (c == '(') return State::OpenBracket;
    if (c == '[') return State::Offset;
    return State::Stop;
  }

  State Fail(std::string_view message) {
    b_.Fail(message);
    return State::Stop;
  }
  State AfterOperand() {
    b_.AfterOperand(pending_);
    if (AtEnd()) {
      b_.End();
      return State::Stop;
    }
    return Current() == ')' ? State::CloseBracket : State::Operator;
  }

  State Number() {
    const size_t start = pos_;
    ++pos_;
    while (!AtEnd() && IsFormulaDigit(Current())) ++pos_;
    if (!OperandEndsHere()) return Fail(formula_messages::kBadNumber);
    const auto number = ParseNumberToken(text_.substr(start, pos_ - start));
    if (!number) return Fail(formula_messages::kOutOfRange);
    b_.Number(pending_, *number);
    return AfterOperand();
  }

  State Name() {
    const size_t start = pos_;
    if (!AtEnd()) ++pos_;  // the first character belongs to the name whatever it is
    while (!OperandEndsHere()) {
      if (Current() == '(') return FunctionCall(text_.substr(start, pos_ - start));
      ++pos_;
    }
    if (!b_.Read(pending_, text_.substr(start, pos_ - start), offsetActive_, offset_))
      return State::Stop;
    offsetActive_ = false;  // the offset served this one read
    return AfterOperand();
  }

  State Operator() {
    pending_ = OperatorCodeOf(Current());
    offsetActive_ = false;
    ++pos_;
    const State next = AtEnd() ? State::Stop : OperandState(Current());
    if (next == State::Stop) return Fail(formula_messages::kAfterOperator);
    return next;
  }

  State OpenBracket() {
    if (depth_ == static_cast<int>(openCodes_.size())) return Fail(formula_messages::kTooDeep);
    b_.Open(pending_);
    openCodes_[depth_++] = pending_;
    pending_ = kOpNone;
    ++pos_;
    const State next = AtEnd() ? State::Stop : OperandState(Current());
    if (next == State::Stop) return Fail(formula_messages::kAfterOpenBracket);
    return next;
  }

  State CloseBracket() {
    ++pos_;
    if (depth_ == 0) return Fail(formula_messages::kCloseWithoutOpen);
    b_.Close(openCodes_[--depth_]);
    if (AtEnd()) {
      b_.End();
      return State::Stop;
    }
    if (IsFormulaOperator(Current())) return State::Operator;
    if (Current() == ')') return State::CloseBracket;
    return Fail(formula_messages::kAfterCloseBracket);
  }

  State Offset() {
    ++pos_;
    const size_t start = pos_;
    while (!AtEnd() && (IsFormulaDigit(Current()) || Current() == '-' || Current() == '+')) ++pos_;
    if (Current() != ']') return Fail(formula_messages::kOffsetUnclosed);
    const char* error = nullptr;
    const auto offset = ParseOffsetToken(text_.substr(start, pos_ - start), &error);
    if (!offset) return Fail(error);
    offsetActive_ = true;
    offset_ = *offset;
    ++pos_;
    return State::Name;
  }

  State FunctionCall(std::string_view name) {
    const auto f = LookupFormulaFunction(name);
    if (!f) return Fail(std::string(name) + formula_messages::kUnknownFunctionSuffix);
    const FunctionArguments args = SplitFunctionArguments(text_, pos_, *f);
    // A call whose arguments cannot be split fails there; nothing after it
    // is ever reached.
    if (args.error) {
      b_.Call(*f, args, offsetActive_, offset_, std::nullopt);
      return State::Stop;
    }
    const size_t after = args.end;
    const bool follows =
        after >= text_.size() || IsFormulaOperator(text_[after]) || text_[after] == ')';
    // The value is computed (its errors come first) but not applied when the
    // character after ")" is wrong.
    b_.Call(*f, args, offsetActive_, offset_,
            follows ? std::optional<OperatorCode>(pending_) : std::nullopt);
    pos_ = after;
    offsetActive_ = false;
    if (!follows) return Fail(formula_messages::kAfterFunction);
    return AfterOperand();
  }

  std::string_view text_;
  Builder& b_;
  size_t pos_ = 0;
  OperatorCode pending_ = kOpNone;
  bool offsetActive_ = false;
  int32_t offset_ = 0;
  int depth_ = 0;
  std::array<OperatorCode, kMaxOpenBrackets> openCodes_{};
};

}  // namespace dlt
