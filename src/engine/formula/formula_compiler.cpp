// Compiles a formula by running the interpreter's scan once and recording
// what it would do; see CompiledProgram.
#include <optional>

#include "formula/compiled_program.h"
#include "formula/formula_scan.h"

namespace dlt {
namespace {

using OpCode = CompiledProgram::OpCode;

// Records the scan's actions as operations. An operand carries the pending
// operator that applies it, so AfterOperand has nothing to add.
class FormulaCompiler {
 public:
  explicit FormulaCompiler(CompiledProgram& out) : out_(out) {}

  void Fail(std::string_view message) { out_.AddFail(std::string(message)); }
  void Number(OperatorCode pending, int32_t value) { out_.Add(OpCode::Const, pending, value); }
  bool Read(OperatorCode pending, std::string_view name, bool hasOffset, int32_t offset) {
    Resolution r = ResolveIndicator(name);
    if (!r.ok() && !r.error.empty()) {
      Fail(r.error);
      return false;
    }
    out_.AddRead(pending, std::move(r.indicator), hasOffset, offset);
    return true;
  }
  void AfterOperand(OperatorCode) {}
  void End() { out_.Add(OpCode::End); }
  void Open(OperatorCode pending) {
    // With no pending operator the saved accumulator is never used again.
    if (pending != kOpNone) out_.Add(OpCode::Open);
  }
  void Close(OperatorCode code) {
    if (code != kOpNone) out_.Add(OpCode::Close, code);
  }

  void Call(FormulaFunction f, const FunctionArguments& args, bool hasOffset, int32_t offset,
            std::optional<OperatorCode> apply) {
    auto call = std::make_unique<CompiledProgram::Call>();
    call->function = f;
    call->hasOffset = hasOffset;
    call->offset = offset;
    for (std::string_view a : args.leading) call->leading.push_back(CompileProgram(a));
    if (args.error) {
      call->splitError = args.error;
    } else if (f == FormulaFunction::GetZb) {
      Resolution r = ResolveIndicator(args.last);
      call->lastIndicator = std::move(r.indicator);
      call->lastIndicatorError = std::move(r.error);
      if (call->lastIndicator) call->lastIndicatorError.clear();
    } else {
      call->last = CompileProgram(args.last);
      NotePlainArguments(*call);
    }
    out_.AddCall(apply ? static_cast<uint8_t>(*apply) : CompiledProgram::kKeepOperand,
                 std::move(call));
  }

 private:
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

  CompiledProgram& out_;
};

}  // namespace

std::unique_ptr<CompiledProgram> CompileProgram(std::string_view text) {
  auto program = std::make_unique<CompiledProgram>(std::string(text));
  FormulaCompiler builder(*program);
  FormulaScan(text, builder).Run();
  program->Finish();
  return program;
}

std::shared_ptr<const CompiledFormula> CompiledFormula::Compile(std::string_view text) {
  return CompileProgram(text);
}

}  // namespace dlt
