#include "formula/compiled_program.h"

#include <algorithm>
#include <optional>

#include "formula/formula_arithmetic.h"
#include "formula/formula_messages.h"
#include "formula/formula_scan.h"

namespace dlt {

namespace {

const std::string kDivisionByZeroText = formula_messages::kDivisionByZero;

// One dispatch per operation: the loading kinds that apply their operand
// at once get one code per operator.
enum Fused : uint8_t {
  kConstBase = 0,
  kReadBase = 8,
  kReadOffsetBase = 16,
  kCloseBase = 24,
  kReadDrawBase = 32,
  kReadDrawOffsetBase = 40,
  kFusedCall = 48,
  kFusedOpen,
  kFusedFail,
  kFusedEnd
};

// A base computation at the draw `offset` records away (clamped at both ends).
inline int32_t DrawValue(DrawFn fn, const EvalContext& ctx, int32_t offset) {
  int64_t p = int64_t{ctx.pos} + offset;
  if (p > ctx.count - 1) p = ctx.count - 1;
  if (p < 0) p = 0;
  return fn(ctx.draws[p], p > 0 ? &ctx.draws[p - 1] : nullptr);
}

inline int32_t DrawValue(DrawFn fn, const EvalContext& ctx) {
  return fn(ctx.Current(), ctx.HasPrevious() ? &ctx.Previous() : nullptr);
}

// The value of a plain operand (Const or a read, no operator).
inline int32_t LoadOperand(const CompiledProgram::Op& op, const EvalContext& ctx) {
  using OpCode = CompiledProgram::OpCode;
  switch (op.code) {
    case OpCode::Const:
      return op.value;
    case OpCode::ReadDraw:
      return DrawValue(op.drawFn, ctx);
    case OpCode::ReadDrawOffset:
      return DrawValue(op.drawFn, ctx, op.value);
    case OpCode::Read:
      return op.indicator->Value(ctx);
    default:
      return op.indicator->Value(ctx.Moved(op.value));
  }
}

// max, min, mid or abs over plain operands; the same folds as FunctionFold
// without its per-value dispatch.
bool FoldPlain(const CompiledProgram::Call& call, const EvalContext& at, int32_t& value) {
  const auto& ops = call.plainOperands;
  switch (call.function) {
    case FormulaFunction::Max:
      value = -1;
      for (const auto& op : ops) value = std::max(value, LoadOperand(op, at));
      return true;
    case FormulaFunction::Min:
      value = 999999;
      for (const auto& op : ops) value = std::min(value, LoadOperand(op, at));
      return true;
    case FormulaFunction::Mid: {
      int32_t values[kMaxMidArguments];
      int count = 0;
      for (const auto& op : ops) values[count++] = LoadOperand(op, at);
      value = MidOfValues(values, count);
      return true;
    }
    default:  // abs: only the last argument counts
      value = WrapAbs(LoadOperand(ops.back(), at));
      return true;
  }
}

// A history function of one base indicator: the shared definitions over a
// series read straight from the draws (a base indicator cannot fail).
int32_t DrawSeriesValue(FormulaFunction f, DrawFn fn, const EvalContext& at) {
  const auto series = [fn](const EvalContext& c) -> std::optional<int32_t> {
    return DrawValue(fn, c);
  };
  return *HistoryFunctionValue(f, at, series);
}

bool DivisionByZero(const std::string*& error) {
  error = &kDivisionByZeroText;
  return false;
}

}  // namespace

void CompiledProgram::Add(OpCode code, uint8_t op, int32_t value) {
  Op o;
  o.code = code;
  o.op = op;
  o.value = value;
  ops_.push_back(o);
}

void CompiledProgram::AddRead(uint8_t op, IndicatorPtr indicator, bool hasOffset, int32_t offset) {
  if (!indicator) return Add(OpCode::Const, op, kNoValue);
  // Base indicators of the draw and its predecessor are called directly.
  DrawFn drawFn = nullptr;
  if (const auto ref = indicator->CatalogueRef(); ref && ref->family == Family::Base)
    drawFn = BaseIndicatorRow(ref->base).draw;
  if (drawFn)
    Add(hasOffset ? OpCode::ReadDrawOffset : OpCode::ReadDraw, op, offset);
  else
    Add(hasOffset ? OpCode::ReadOffset : OpCode::Read, op, offset);
  ops_.back().indicator = indicator.get();
  ops_.back().drawFn = drawFn;
  indicators_.push_back(std::move(indicator));
}

void CompiledProgram::AddFail(std::string message) {
  Add(OpCode::Fail);
  ops_.back().index = static_cast<uint32_t>(messages_.size());
  messages_.push_back(std::move(message));
}

void CompiledProgram::AddCall(uint8_t op, std::unique_ptr<Call> call) {
  Add(OpCode::Call, op);
  ops_.back().index = static_cast<uint32_t>(calls_.size());
  calls_.push_back(std::move(call));
}

void CompiledProgram::Finish() {
  // Running out of operations ends a program; an End operation would only
  // cost one more dispatch per evaluation.
  if (!ops_.empty() && ops_.back().code == OpCode::End) ops_.pop_back();
  for (Op& op : ops_) {
    switch (op.code) {
      case OpCode::Const:
        op.fused = static_cast<uint8_t>(kConstBase + op.op);
        break;
      case OpCode::Read:
        op.fused = static_cast<uint8_t>(kReadBase + op.op);
        break;
      case OpCode::ReadOffset:
        op.fused = static_cast<uint8_t>(kReadOffsetBase + op.op);
        break;
      case OpCode::Close:
        op.fused = static_cast<uint8_t>(kCloseBase + op.op);
        break;
      case OpCode::ReadDraw:
        op.fused = static_cast<uint8_t>(kReadDrawBase + op.op);
        break;
      case OpCode::ReadDrawOffset:
        op.fused = static_cast<uint8_t>(kReadDrawOffsetBase + op.op);
        break;
      case OpCode::Call:
        op.fused = kFusedCall;
        break;
      case OpCode::Open:
        op.fused = kFusedOpen;
        break;
      case OpCode::Fail:
        op.fused = kFusedFail;
        break;
      case OpCode::End:
        op.fused = kFusedEnd;
        break;
    }
  }
  singleOperand_ = ops_.size() == 1 && ops_[0].op == kOpNone && ops_[0].code != OpCode::Call &&
                   ops_[0].code != OpCode::Open && ops_[0].code != OpCode::Close &&
                   ops_[0].code != OpCode::Fail;
}

bool CompiledProgram::Run(const EvalContext& ctx, int32_t& value, const std::string*& error) const {
  return Execute(ctx, value, error);
}

// Inlined into Evaluate, which runs once per draw on the filter's hot path.
[[gnu::always_inline]] inline bool CompiledProgram::Execute(const EvalContext& ctx, int32_t& value,
                                                            const std::string*& error) const {
  if (singleOperand_) {
    value = LoadOperand(ops_[0], ctx);
    return true;
  }
  int32_t accumulator = 0;
  int32_t saved[kMaxOpenBrackets];
  int depth = 0;

// An operand loaded and applied with a fixed operator (the operator switch
// folds away).
#define DLT_APPLY(BASE, CODE, LOAD)                                                           \
  case int{BASE} + int{CODE}:                                                                 \
    if (!ApplyOperator(CODE, accumulator, (LOAD), accumulator)) return DivisionByZero(error); \
    break;
#define DLT_APPLY_ALL(BASE, LOAD) \
  DLT_APPLY(BASE, kOpNone, LOAD)  \
  DLT_APPLY(BASE, kOpAdd, LOAD)   \
  DLT_APPLY(BASE, kOpSub, LOAD)   \
  DLT_APPLY(BASE, kOpMul, LOAD) DLT_APPLY(BASE, kOpDiv, LOAD) DLT_APPLY(BASE, kOpMod, LOAD)
#define DLT_CLOSE(CODE)                                                                      \
  case int{kCloseBase} + int{CODE}: {                                                        \
    const int32_t inner = accumulator;                                                       \
    accumulator = saved[--depth];                                                            \
    if (!ApplyOperator(CODE, accumulator, inner, accumulator)) return DivisionByZero(error); \
    break;                                                                                   \
  }

  const Op* const end = ops_.data() + ops_.size();
  for (const Op* op = ops_.data(); op != end; ++op) {
    switch (op->fused) {
      DLT_APPLY_ALL(kConstBase, op->value)
      DLT_APPLY_ALL(kReadBase, op->indicator->Value(ctx))
      DLT_APPLY_ALL(kReadOffsetBase, op->indicator->Value(ctx.Moved(op->value)))
      DLT_APPLY_ALL(kReadDrawBase, DrawValue(op->drawFn, ctx))
      DLT_APPLY_ALL(kReadDrawOffsetBase, DrawValue(op->drawFn, ctx, op->value))
      DLT_CLOSE(kOpAdd)
      DLT_CLOSE(kOpSub)
      DLT_CLOSE(kOpMul)
      DLT_CLOSE(kOpDiv)
      DLT_CLOSE(kOpMod)
      case kFusedCall: {
        int32_t operand = 0;
        if (!RunCall(*calls_[op->index], ctx, operand, error)) return false;
        if (op->op != kKeepOperand &&
            !ApplyOperator(static_cast<OperatorCode>(op->op), accumulator, operand, accumulator))
          return DivisionByZero(error);
        break;
      }
      case kFusedOpen:
        saved[depth++] = accumulator;
        break;
      case kFusedFail:
        error = &messages_[op->index];
        return false;
      default:  // kFusedEnd, removed by Finish()
        break;
    }
  }
  value = accumulator;
  return true;
#undef DLT_APPLY
#undef DLT_APPLY_ALL
#undef DLT_CLOSE
}

FormulaResult CompiledProgram::Evaluate(const EvalContext& ctx) const {
  FormulaResult result;
  const std::string* error = nullptr;
  int32_t value = 0;
  if (Execute(ctx, value, error)) {
    result.ok = true;
    result.value = value;
  } else if (error) {
    result.error = *error;
  }
  return result;
}

bool CompiledProgram::RunCall(const Call& call, const EvalContext& ctx, int32_t& value,
                              const std::string*& error) const {
  std::optional<EvalContext> moved;
  if (call.hasOffset) moved.emplace(ctx.Moved(call.offset));
  const EvalContext& at = call.hasOffset ? *moved : ctx;
  if (call.plainArguments) return FoldPlain(call, at, value);
  FunctionFold fold(call.function);
  for (const auto& argument : call.leading) {
    int32_t v = 0;
    if (argument->singleOperand_)
      v = LoadOperand(argument->ops_[0], at);
    else if (!argument->Run(at, v, error))
      return false;
    if (FoldsLeadingArguments(call.function)) fold.Add(v);
  }
  if (!call.splitError.empty()) {
    error = &call.splitError;
    return false;
  }
  if (FoldsLastArgument(call.function)) {
    int32_t v = 0;
    if (call.last->singleOperand_)
      v = LoadOperand(call.last->ops_[0], at);
    else if (!call.last->Run(at, v, error))
      return false;
    fold.Add(v);
    value = fold.Result();
    return true;
  }
  if (IsHistoryFunction(call.function)) {
    const CompiledProgram& last = *call.last;
    if (last.singleOperand_ && last.ops_[0].code == OpCode::ReadDraw) {
      value = DrawSeriesValue(call.function, last.ops_[0].drawFn, at);
      return true;
    }
    const auto series = [&](const EvalContext& c) -> std::optional<int32_t> {
      if (last.singleOperand_) return LoadOperand(last.ops_[0], c);
      int32_t v = 0;
      if (last.Run(c, v, error)) return v;
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
