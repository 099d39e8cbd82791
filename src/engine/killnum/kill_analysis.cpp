#include "killnum/kill_analysis.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "common/numbers.h"
#include "common/rounding.h"
#include "formula/formula.h"
#include "formula/formula_check.h"

namespace dlt {
namespace {

bool InList(const KillTarget& t, int32_t v) {
  switch (t.kind) {
    case KillKind::Custom:
      return v >= t.from && v <= t.to;
    case KillKind::FrontKill:
    case KillKind::FrontBanker:
      return v >= 1 && v <= 40;
    case KillKind::BackKill:
    case KillKind::BackBanker:
      return v >= 1 && v <= 50;
  }
  return false;
}

bool IsZoneNumber(KillKind k, int32_t v) {
  if (k == KillKind::Custom) return v >= 0 && v <= 999;
  return v >= 1 && v <= (IsFrontZone(k) ? kFrontMax : kBackMax);
}

template <class T>
void SortUnique(std::vector<T>& v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

// Judges the row's cells and notes what went wrong.
void JudgeRow(const KillTarget& target, const Draw& draw, KillRow& row,
              std::vector<int>& successes) {
  const uint64_t drawn = ZoneMask(target.kind, draw);
  for (size_t f = 0; f < row.cells.size(); ++f) {
    FormulaCell& cell = row.cells[f];
    if (!cell.ok)
      cell.held = false;
    else if (target.kind == KillKind::Custom)
      cell.held = row.indicatorOk && cell.value != row.indicatorValue;
    else
      cell.held = HoldsInZone(target.kind, drawn, cell.value);
    if (cell.held) {
      ++successes[f];
      continue;
    }
    row.wrongSlots.push_back(static_cast<int>(f) + 1);
    if (!cell.ok || target.kind == KillKind::Custom) continue;
    if (IsBanker(target.kind) ? IsZoneNumber(target.kind, cell.value) : InMask(drawn, cell.value))
      row.wrongNumbers.push_back(cell.value);
  }
  SortUnique(row.wrongNumbers);
}

// A formula compiled once, or the reason it can never be computed (a
// misspelt name would read -999 everywhere and so hold on every row).
class CheckedFormula {
 public:
  static CheckedFormula Of(const std::string& text) {
    CheckedFormula f;
    f.problem_ = ExpressionProblem(text);
    if (!f.problem_) f.compiled_ = CompiledFormula::Compile(text);
    return f;
  }
  FormulaResult Evaluate(const EvalContext& ctx) const {
    if (problem_) return FormulaResult{false, 0, *problem_};
    return compiled_->Evaluate(ctx);
  }

 private:
  std::optional<std::string> problem_;
  std::shared_ptr<const CompiledFormula> compiled_;
};

}  // namespace

std::string KillAnalysis::FaultMessage() const {
  if (!fault) return {};
  return "第" + std::to_string(fault->slot) + "条公式有误：" + fault->error;
}

KillAnalysis AnalyseScheme(const KillHistory& history, const KillTarget& target,
                           std::span<const std::string> formulas, int start, int rowCount) {
  KillAnalysis a;
  a.target = target;
  a.formulaCount = static_cast<int>(formulas.size());
  a.successes.assign(formulas.size(), 0);

  std::vector<CheckedFormula> compiled;
  for (const std::string& f : formulas) compiled.push_back(CheckedFormula::Of(f));
  std::optional<CheckedFormula> indicator;
  if (target.kind == KillKind::Custom) indicator = CheckedFormula::Of(target.indicator);

  start = std::clamp(start, 0, std::max(0, history.RealCount() - 1));
  a.judgedRows = std::clamp(history.RealCount() - start, 0, rowCount);
  for (int r = 0; r <= a.judgedRows; ++r) {
    KillRow row;
    row.index = start + r;
    row.prediction = r == a.judgedRows;
    const EvalContext ctx = history.Context(row.index);
    for (size_t f = 0; f < compiled.size(); ++f) {
      const FormulaResult result = compiled[f].Evaluate(ctx);
      FormulaCell cell;
      cell.ok = result.ok;
      cell.value = result.ok ? result.value : -1;
      // As the grid fills, row by row and slot by slot: the last failure is told.
      if (!result.ok) a.fault = FormulaFault{static_cast<int>(f) + 1, result.error};
      row.cells.push_back(cell);
      if (cell.ok && InList(target, cell.value)) row.list.push_back(cell.value);
    }
    SortUnique(row.list);
    if (indicator && !row.prediction) {
      const FormulaResult v = indicator->Evaluate(ctx);
      row.indicatorOk = v.ok;
      row.indicatorValue = v.ok ? v.value : -1;
      if (!v.ok && !a.indicatorError) a.indicatorError = v.error;
    }
    if (!row.prediction) JudgeRow(target, history.At(row.index), row, a.successes);
    a.rows.push_back(std::move(row));
  }
  return a;
}

std::vector<int32_t> RowNumbers(const KillAnalysis& analysis, const KillRow& row) {
  std::vector<int32_t> out;
  for (const FormulaCell& c : row.cells)
    if (c.ok && IsZoneNumber(analysis.target.kind, c.value)) out.push_back(c.value);
  SortUnique(out);
  return out;
}

std::string RowNumbersText(const KillAnalysis& analysis, const KillRow& row) {
  std::string text;
  for (int32_t n : RowNumbers(analysis, row))
    text += (analysis.target.kind == KillKind::Custom ? std::to_string(n) : TwoDigit(n)) + "  ";
  return text;
}

double RatePercent(int successes, int rows) {
  return rows > 0 ? Percent(static_cast<double>(successes) / rows) : 0.0;
}

std::string RateText(int successes, int rows) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", RatePercent(successes, rows));
  std::string s = buf;
  if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
  return s;
}

}  // namespace dlt
