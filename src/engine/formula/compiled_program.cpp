#include "formula/compiled_program.h"

#include "formula/formula_arithmetic.h"
#include "formula/formula_messages.h"

namespace dlt {

namespace {
const std::string kDivisionByZeroText = formula_messages::kDivisionByZero;
constexpr int kMaxOpenBrackets = 5;
}  // namespace

void CompiledProgram::AddRead(IndicatorPtr indicator, bool hasOffset, int32_t offset) {
  Op op;
  op.code = OpCode::Read;
  op.indicator = indicator.get();
  op.hasOffset = hasOffset;
  op.value = offset;
  if (indicator) indicators_.push_back(std::move(indicator));
  Add(op);
}

void CompiledProgram::AddFail(std::string message) {
  Op op;
  op.code = OpCode::Fail;
  op.index = static_cast<uint32_t>(messages_.size());
  messages_.push_back(std::move(message));
  Add(op);
}

void CompiledProgram::AddCall(std::unique_ptr<Call> call) {
  Op op;
  op.code = OpCode::Call;
  op.index = static_cast<uint32_t>(calls_.size());
  calls_.push_back(std::move(call));
  Add(op);
}

FormulaResult CompiledProgram::Evaluate(const EvalContext& ctx) const {
  FormulaResult result;
  const std::string* error = nullptr;
  int32_t value = 0;
  if (Run(ctx, value, error)) {
    result.ok = true;
    result.value = value;
  } else if (error) {
    result.error = *error;
  }
  return result;
}

bool CompiledProgram::Run(const EvalContext& ctx, int32_t& value,
                          const std::string*& error) const {
  int32_t accumulator = 0;
  int32_t operand = 0;
  int32_t saved[kMaxOpenBrackets];
  int depth = 0;
  for (const Op& op : ops_) {
    switch (op.code) {
      case OpCode::Const:
        operand = op.value;
        break;
      case OpCode::Read:
        if (!op.indicator)
          operand = kNoValue;
        else
          operand = op.indicator->Value(op.hasOffset ? ctx.Moved(op.value) : ctx);
        break;
      case OpCode::Call:
        if (!RunCall(*calls_[op.index], ctx, operand, error)) return false;
        break;
      case OpCode::Apply:
        if (!ApplyOperator(op.op, accumulator, operand, accumulator)) {
          error = &kDivisionByZeroText;
          return false;
        }
        break;
      case OpCode::Open:
        saved[depth++] = accumulator;
        accumulator = 0;
        operand = 0;
        break;
      case OpCode::Close:
        operand = accumulator;
        if (!ApplyOperator(op.op, saved[--depth], operand, accumulator)) {
          error = &kDivisionByZeroText;
          return false;
        }
        break;
      case OpCode::Fail:
        error = &messages_[op.index];
        return false;
      case OpCode::End:
        value = accumulator;
        return true;
    }
  }
  value = accumulator;
  return true;
}

bool CompiledProgram::RunCall(const Call& call, const EvalContext& ctx, int32_t& value,
                              const std::string*& error) const {
  const EvalContext at = call.hasOffset ? ctx.Moved(call.offset) : ctx;
  FunctionFold fold(call.function);
  for (const auto& argument : call.leading) {
    int32_t v = 0;
    if (!argument->Run(at, v, error)) return false;
    if (FoldsLeadingArguments(call.function)) fold.Add(v);
  }
  if (!call.splitError.empty()) {
    error = &call.splitError;
    return false;
  }
  if (FoldsLastArgument(call.function)) {
    int32_t v = 0;
    if (!call.last->Run(at, v, error)) return false;
    fold.Add(v);
    value = fold.Result();
    return true;
  }
  if (IsHistoryFunction(call.function)) {
    const auto series = [&](const EvalContext& c) -> std::optional<int32_t> {
      int32_t v = 0;
      if (call.last->Run(c, v, error)) return v;
      return std::nullopt;
    };
    const auto v = HistoryFunctionValue(call.function, at, series);
    if (!v) return false;
    value = *v;
    return true;
  }
  if (!call.lastIndicatorError.empty()) {
    error = &call.lastIndicatorError;
    return false;
  }
  value = call.lastIndicator ? call.lastIndicator->Value(at) : kNoValue;
  return true;
}

}  // namespace dlt
