#include "trend/association.h"

#include <algorithm>
#include <memory>

#include "chart/tcoordinate.h"
#include "common/numbers.h"
#include "formula/formula.h"
#include "formula/formula_check.h"
#include "indicators/statistics.h"

namespace dlt {
namespace {

bool NumbersMatch(std::span<const uint8_t> zone, std::span<const int> chosen, bool anyPosition) {
  for (size_t p = 0; p < chosen.size(); ++p) {
    if (chosen[p] == 0) continue;
    const bool held = anyPosition ? std::find(zone.begin(), zone.end(), chosen[p]) != zone.end()
                                  : zone[p] == chosen[p];
    if (!held) return false;
  }
  return true;
}

// The value of a draw's cell in one block: 0 issue, 1..7 the numbers, 8..
// the indicators.
std::string BlockCell(const Draw& d, int column, const std::optional<int32_t>& value) {
  if (column == 0) return IssueText(d.qs);
  if (column <= 5) return TwoDigit(d.front[column - 1]);
  if (column <= 7) return TwoDigit(d.back[column - 6]);
  return value ? std::to_string(*value) : std::string();
}

}  // namespace

Association ComputeAssociation(const AssociationHistory& history, const AssociationSetup& setup) {
  Association a;
  // A misspelt name would read -999 at every draw and pass as a value.
  for (const AssociationCondition& c : setup.conditions)
    if (auto problem = ExpressionProblem(c.expression)) {
      a.error = *problem;
      return a;
    }
  const auto& draws = history.draws;
  const int count = static_cast<int>(draws.size());
  std::vector<std::shared_ptr<const CompiledFormula>> formulas;
  for (const AssociationCondition& c : setup.conditions)
    formulas.push_back(FormulaForText(c.expression));
  std::vector<std::string> firstErrors(formulas.size());
  std::vector<bool> evaluated(formulas.size(), false);

  EvalContext ctx;
  ctx.source = Source::Table;
  ctx.draws = draws.data();
  ctx.count = count;
  ctx.testColumn = history.testColumn;
  ctx.env = history.env;

  const std::span<const int> front(setup.numbers.data(), 5), back(setup.numbers.data() + 5, 2);
  for (int i = 0; i < count; ++i) {
    const Draw& d = draws[i];
    if (!NumbersMatch(d.front, front, setup.frontAnyPosition)) continue;
    if (!NumbersMatch(d.back, back, setup.backAnyPosition)) continue;
    if (setup.issueDigit >= 0 && d.qs % 10 != setup.issueDigit) continue;
    AssociationRow row;
    row.draw = i;
    bool ok = true;
    for (size_t k = 0; k < formulas.size() && ok; ++k) {
      const FormulaResult r = formulas[k]->Evaluate(ctx.At(i));
      if (!r.ok) {
        if (firstErrors[k].empty()) firstErrors[k] = r.error.empty() ? "?" : r.error;
        ok = false;
        break;
      }
      evaluated[k] = true;
      const auto& accepted = setup.conditions[k].accepted;
      ok = accepted.empty() ||
           std::find(accepted.begin(), accepted.end(), r.value) != accepted.end();
      row.values.push_back(r.value);
    }
    if (!ok) continue;
    if (i + 1 < count) {
      row.next = i + 1;
      ++a.withNext;
      for (const auto& f : formulas) {
        const FormulaResult r = f->Evaluate(ctx.At(i + 1));
        row.nextValues.push_back(r.ok ? std::optional<int32_t>(r.value) : std::nullopt);
      }
    }
    a.rows.push_back(std::move(row));
  }
  for (size_t k = 0; k < formulas.size(); ++k)
    if (!evaluated[k] && !firstErrors[k].empty()) {
      a.error = firstErrors[k];
      break;
    }
  return a;
}

std::vector<std::string> AssociationHeaders(int k) {
  std::vector<std::string> h;
  for (const char* issue : {"本期期号", "下期期号"}) {
    h.push_back(issue);
    for (int p = 1; p <= 5; ++p) h.push_back("主号" + std::to_string(p));
    h.push_back("副号1");
    h.push_back("副号2");
    for (int j = 1; j <= k; ++j) h.push_back("指标" + std::to_string(j));
  }
  return h;
}

std::string AssociationCell(std::span<const Draw> draws, const AssociationRow& row, int k,
                            int column) {
  const int block = k + 8;
  if (column < 0 || column >= 2 * block) return {};
  if (column < block) {
    const int j = column - 8;
    return BlockCell(draws[row.draw], column,
                     j >= 0 && j < static_cast<int>(row.values.size())
                         ? std::optional<int32_t>(row.values[j])
                         : std::nullopt);
  }
  if (row.next < 0) return {};
  const int c = column - block, j = c - 8;
  return BlockCell(
      draws[row.next], c,
      j >= 0 && j < static_cast<int>(row.nextValues.size()) ? row.nextValues[j] : std::nullopt);
}

std::string AssociationCountText(const Association& a) {
  return "本期系列一共有" + std::to_string(a.rows.size()) + "条;" + "下期系列一共有" +
         std::to_string(a.withNext) + "条";
}

ColumnSeries AssociationColumn(std::span<const Draw> draws, const Association& a, int column) {
  const int k = a.rows.empty() ? 0 : static_cast<int>(a.rows.front().values.size());
  ColumnSeries series;
  const int block = k + 8;
  if (IsIssueColumn(column, k) || column < 1 || column >= 2 * block) return series;
  const bool right = column >= block;
  const int c = right ? column - block : column;
  for (const AssociationRow& row : a.rows) {
    if (right && row.next < 0) break;
    const Draw& d = draws[right ? row.next : row.draw];
    std::optional<int32_t> v;
    if (c <= 5)
      v = d.front[c - 1];
    else if (c <= 7)
      v = d.back[c - 6];
    else
      v = right ? row.nextValues[c - 8] : row.values[c - 8];
    if (!v) break;
    series.draws.push_back(d);
    series.values.push_back(*v);
  }
  return series;
}

std::vector<Draw> NextDraws(std::span<const Draw> draws, const Association& a) {
  std::vector<Draw> next;
  for (const AssociationRow& row : a.rows)
    if (row.next >= 0) next.push_back(draws[row.next]);
  return next;
}

}  // namespace dlt
