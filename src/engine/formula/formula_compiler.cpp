// Compiles a formula by running the interpreter's scan once and recording
// what it would do; see CompiledProgram.
#include <array>

#include "formula/compiled_program.h"
#include "formula/formula_messages.h"

namespace dlt {
namespace {

namespace msg = formula_messages;
using OpCode = CompiledProgram::OpCode;

class FormulaCompiler {
 public:
  FormulaCompiler(std::string_view text, CompiledProgram& out) : text_(text), out_(out) {}

  void Compile() {
    if (const char* error = PrecheckFormula(text_)) {
      Fail(error);
      return;
    }
    State state = OperandState(text_[0]);
    if (state == State::Stop) Fail(msg::kBadFirstCharacter);
    while (state != State::Stop) {
      switch (state) {
        case State::Number:
          state = Number();
          break;
        case State::Name:
          state = Name();
          break;
        case State::Operator:
          state = Operator();
          break;
        case State::OpenBracket:
          state = OpenBracket();
          break;
        case State::CloseBracket:
          state = CloseBracket();
          break;
        case State::Offset:
          state = Offset();
          break;
        case State::Stop:
          break;
      }
    }
  }

 private:
  enum class State { Number, Name, Operator, OpenBracket, CloseBracket, Offset, Stop };

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

  State Fail(std::string message) {
    out_.AddFail(std::move(message));
    return State::Stop;
  }
  // After an operand, recorded with the pending operator that applies it.
  State AfterOperand() {
    if (AtEnd()) {
      out_.Add(OpCode::End);
      return State::Stop;
    }
    return Current() == ')' ? State::CloseBracket : State::Operator;
  }

  State Number() {
    const size_t start = pos_;
    ++pos_;
    while (!AtEnd() && IsFormulaDigit(Current())) ++pos_;
    if (!OperandEndsHere()) return Fail(msg::kBadNumber);
    const auto number = ParseNumberToken(text_.substr(start, pos_ - start));
    if (!number) return Fail(msg::kOutOfRange);
    out_.Add(OpCode::Const, pending_, *number);
    return AfterOperand();
  }

  State Name() {
    const size_t start = pos_;
    if (!AtEnd()) ++pos_;  // the first character belongs to the name whatever it is
    while (!OperandEndsHere()) {
      if (Current() == '(') return FunctionCall(text_.substr(start, pos_ - start));
      ++pos_;
    }
    Resolution r = ResolveIndicator(text_.substr(start, pos_ - start));
    if (!r.ok() && !r.error.empty()) return Fail(r.error);
    out_.AddRead(pending_, std::move(r.indicator), offsetActive_, offset_);
    offsetActive_ = false;  // the offset served this one read
    return AfterOperand();
  }

  State Operator() {
    pending_ = OperatorCodeOf(Current());
    offsetActive_ = false;
    ++pos_;
    const State next = AtEnd() ? State::Stop : OperandState(Current());
    if (next == State::Stop) return Fail(msg::kAfterOperator);
    return next;
  }

  State OpenBracket() {
    if (depth_ == static_cast<int>(openCodes_.size())) return Fail(msg::kTooDeep);
    // With no pending operator the saved accumulator is never used again.
    if (pending_ != kOpNone) out_.Add(OpCode::Open);
    openCodes_[depth_++] = pending_;
    pending_ = kOpNone;
    ++pos_;
    const State next = AtEnd() ? State::Stop : OperandState(Current());
    if (next == State::Stop) return Fail(msg::kAfterOpenBracket);
    return next;
  }

  State CloseBracket() {
    ++pos_;
    if (depth_ == 0) return Fail(msg::kCloseWithoutOpen);
    const OperatorCode code = openCodes_[--depth_];
    if (code != kOpNone) out_.Add(OpCode::Close, code);
    if (AtEnd()) {
      out_.Add(OpCode::End);
      return State::Stop;
    }
    if (IsFormulaOperator(Current())) return State::Operator;
    if (Current() == ')') return State::CloseBracket;
    return Fail(msg::kAfterCloseBracket);
  }

  State Offset() {
    ++pos_;
    const size_t start = pos_;
    while (!AtEnd() && (IsFormulaDigit(Current()) || Current() == '-' || Current() == '+')) ++pos_;
    if (Current() != ']') return Fail(msg::kOffsetUnclosed);
    const char* error = nullptr;
    const auto offset = ParseOffsetToken(text_.substr(start, pos_ - start), &error);
    if (!offset) return Fail(error);
    offsetActive_ = true;
    offset_ = *offset;
    ++pos_;
    return State::Name;
  }

  static void NotePlainArguments(CompiledProgram::Call& call) {
    if (!FoldsLastArgument(call.function) || !call.last->IsSingleOperand()) return;
    // abs folds only its last argument; plain leading ones have no effect.
    if (FoldsLeadingArguments(call.function)) {
      for (const auto& a : call.leading) {
        if (!a->IsSingleOperand()) return;
        call.plainOperands.push_back(a->FirstOp());
      }
    }
    call.plainOperands.push_back(call.last->FirstOp());
    call.plainArguments = call.function != FormulaFunction::Abs || AllSingle(call.leading);
    if (!call.plainArguments) call.plainOperands.clear();
  }
  static bool AllSingle(const std::vector<std::unique_ptr<CompiledProgram>>& programs) {
    for (const auto& p : programs)
      if (!p->IsSingleOperand()) return false;
    return true;
  }

  State FunctionCall(std::string_view name) {
    const auto f = LookupFormulaFunction(name);
    if (!f) return Fail(std::string(name) + msg::kUnknownFunctionSuffix);
    const FunctionArguments args = SplitFunctionArguments(text_, pos_, *f);
    auto call = std::make_unique<CompiledProgram::Call>();
    call->function = *f;
    call->hasOffset = offsetActive_;
    call->offset = offset_;
    for (std::string_view a : args.leading) call->leading.push_back(CompileProgram(a));
    if (args.error) {
      call->splitError = args.error;
    } else if (*f == FormulaFunction::GetZb) {
      Resolution r = ResolveIndicator(args.last);
      call->lastIndicator = std::move(r.indicator);
      call->lastIndicatorError = std::move(r.error);
      if (call->lastIndicator) call->lastIndicatorError.clear();
    } else {
      call->last = CompileProgram(args.last);
      NotePlainArguments(*call);
    }
    // The call fails at its split error; nothing after it is ever reached.
    if (args.error) {
      out_.AddCall(CompiledProgram::kKeepOperand, std::move(call));
      return State::Stop;
    }
    pos_ = args.end;
    offsetActive_ = false;
    // The value is computed (its errors come first) but not applied when
    // the character after ")" is wrong.
    if (!OperandEndsHere()) {
      out_.AddCall(CompiledProgram::kKeepOperand, std::move(call));
      return Fail(msg::kAfterFunction);
    }
    out_.AddCall(pending_, std::move(call));
    return AfterOperand();
  }

  std::string_view text_;
  CompiledProgram& out_;
  size_t pos_ = 0;
  OperatorCode pending_ = kOpNone;
  bool offsetActive_ = false;
  int32_t offset_ = 0;
  int depth_ = 0;
  std::array<OperatorCode, 5> openCodes_{};
};

}  // namespace

std::unique_ptr<CompiledProgram> CompileProgram(std::string_view text) {
  auto program = std::make_unique<CompiledProgram>(std::string(text));
  FormulaCompiler(text, *program).Compile();
  program->Finish();
  return program;
}

std::shared_ptr<const CompiledFormula> CompiledFormula::Compile(std::string_view text) {
  return CompileProgram(text);
}

}  // namespace dlt
