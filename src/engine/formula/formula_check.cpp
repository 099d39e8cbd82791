#include "formula/formula_check.h"

#include "common/gbk_text.h"
#include "formula/formula_scan.h"
#include "formula/formula_syntax.h"
#include "indicators/indicator.h"

namespace dlt {
namespace {

// Runs the scan the compiler runs and keeps its first objection; function
// arguments are checked as formulas of their own.
class FormulaChecker {
 public:
  std::optional<std::string> problem;

  // The scan's messages are short but for the one that echoes the name of
  // an unknown function: its name is cut.
  void Fail(std::string_view message) {
    const std::string_view suffix = formula_messages::kUnknownFunctionSuffix;
    if (message.ends_with(suffix))
      Note(CutText(message.substr(0, message.size() - suffix.size())) + std::string(suffix));
    else
      Note(std::string(message));
  }
  void Number(OperatorCode pending, int32_t value) {
    if (value == 0 && (pending == kOpDiv || pending == kOpMod))
      Note(formula_messages::kDivisionByZero);
  }
  bool Read(OperatorCode, std::string_view name, bool, int32_t) { return Resolves(name); }
  void AfterOperand(OperatorCode) {}
  void End() {}
  void Open(OperatorCode) {}
  void Close(OperatorCode) {}
  void Call(FormulaFunction f, const FunctionArguments& args, bool, int32_t,
            std::optional<OperatorCode>) {
    for (std::string_view a : args.leading)
      if (auto p = FormulaProblem(a)) return Note(*p);
    if (args.error) return Note(args.error);
    if (f == FormulaFunction::GetZb) {
      Resolves(args.last);
    } else if (auto p = FormulaProblem(args.last)) {
      Note(*p);
    }
  }

 private:
  void Note(std::string message) {
    if (!problem) problem = std::move(message);
  }
  bool Resolves(std::string_view name) {
    const Resolution r = ResolveIndicator(name);
    if (r.ok()) return true;
    Note(r.error.empty() ? CutText(name) + "指标不存在" : CutText(r.error));
    return false;
  }
};

}  // namespace

std::optional<std::string> FormulaProblem(std::string_view text) {
  FormulaChecker checker;
  FormulaScan(text, checker).Run();
  return checker.problem;
}

namespace {

std::optional<std::string> WithMessagePrefix(std::optional<std::string> problem) {
  if (!problem) return std::nullopt;
  return "公式有误:" + *problem;
}

}  // namespace

std::optional<std::string> CheckFormula(std::string_view text) {
  return WithMessagePrefix(FormulaProblem(text));
}

std::optional<std::string> ExpressionProblem(std::string_view text) {
  const std::string_view trimmed = TrimFormulaText(text);
  if (ResolveIndicator(trimmed).ok()) return std::nullopt;
  return FormulaProblem(trimmed);
}

std::optional<std::string> CheckExpression(std::string_view text) {
  return WithMessagePrefix(ExpressionProblem(text));
}

}  // namespace dlt
