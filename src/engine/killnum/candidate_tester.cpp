#include "killnum/candidate_tester.h"

#include <algorithm>

#include "formula/formula.h"
#include "formula/formula_check.h"

namespace dlt {

CandidateTester::CandidateTester(const KillHistory& history, const CandidateSetup& setup)
    : history_(history), setup_(setup), evaluator_(history, setup.shape) {}

std::unique_ptr<CandidateTester> CandidateTester::Make(const KillHistory& history,
                                                       const CandidateSetup& setup,
                                                       std::string* error) {
  const auto fail = [&](std::string text) {
    if (error) *error = std::move(text);
    return nullptr;
  };
  if (std::string e = CheckShape(setup.shape); !e.empty()) return fail(e);
  if (setup.start < 0 || setup.end >= history.RealCount() || setup.start > setup.end)
    return fail("搜索范围不正确");
  std::unique_ptr<CandidateTester> t(new CandidateTester(history, setup));
  for (int i = setup.start; i <= setup.end; ++i)
    t->drawn_.push_back(ZoneMask(setup.kind, history.At(i)));
  if (setup.kind == KillKind::Custom) {
    // A misspelt name would read -999 everywhere: every candidate would hold.
    if (auto problem = CheckExpression(setup.customIndicator)) return fail(*problem);
    const auto indicator = CompiledFormula::Compile(setup.customIndicator);
    for (int i = setup.start; i <= setup.end; ++i) {
      const FormulaResult r = indicator->Evaluate(history.Context(i));
      if (!r.ok) return fail("公式有误:" + r.error);
      t->custom_.push_back(r.value);
    }
  }
  return t;
}

bool CandidateTester::Holds(int draw, int32_t value) const {
  if (setup_.kind == KillKind::Custom) return value != custom_[static_cast<size_t>(draw)];
  return HoldsInZone(setup_.kind, drawn_[static_cast<size_t>(draw)], value);
}

CandidateScore CandidateTester::Test(std::span<const int32_t> coefficients,
                                     const RunLimits& limits) const {
  CandidateScore score;
  std::shared_ptr<const CompiledFormula> text;
  if (!setup_.quick) text = CompiledFormula::Compile(CandidateText(setup_.shape, coefficients));
  std::vector<uint8_t>* marks = limits.marks;
  const int draws = Draws();
  int run = 0;
  for (int d = 0; d < draws; ++d) {
    int32_t v;
    if (text) {
      const FormulaResult r = text->Evaluate(history_.Context(setup_.start + d));
      if (!r.ok) {
        score.error = "公式有误:" + r.error;
        return score;
      }
      v = r.value;
    } else {
      v = evaluator_.Value(setup_.start + d, coefficients);
    }
    ++score.tested;
    if (Holds(d, v)) {
      ++score.successes;
      run = 0;
      continue;
    }
    score.longestRun = std::max(score.longestRun, ++run);
    if (marks && (*marks)[static_cast<size_t>(d)] == kNoMark)
      (*marks)[static_cast<size_t>(d)] = limits.mark;
    if (limits.maxRun && score.longestRun > *limits.maxRun) {
      score.dropped = true;
      return score;
    }
    if (marks && limits.maxMarkedRun) {
      // The block of marked draws that holds this one.
      int block = 1;
      for (int j = d - 1; j >= 0 && (*marks)[static_cast<size_t>(j)] != kNoMark; --j) ++block;
      for (int j = d + 1; j < draws && (*marks)[static_cast<size_t>(j)] != kNoMark; ++j) ++block;
      if (block > *limits.maxMarkedRun) {
        score.dropped = true;
        return score;
      }
    }
  }
  return score;
}

}  // namespace dlt
