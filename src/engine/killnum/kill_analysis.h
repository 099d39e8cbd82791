#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "killnum/kill_history.h"
#include "killnum/kill_kind.h"

namespace dlt {

// What the formulas of a scheme are judged against.
struct KillTarget {
  KillKind kind = KillKind::FrontKill;
  // Custom kill: the indicator formula whose values are killed, and the
  // values of interest (the kill lists hold only these).
  std::string indicator;
  int32_t from = 0;
  int32_t to = 9;
};

// One formula at one row. A formula that fails to evaluate, or that names
// no indicator (a misspelt name), has the value -1 and never holds.
struct FormulaCell {
  int32_t value = -1;
  bool ok = false;
  bool held = false;
};

struct KillRow {
  int index = 0;            // of the draw in the history (the virtual one for the draw to come)
  bool prediction = false;  // the row "预测期": shown, never judged
  std::vector<FormulaCell> cells;
  // Custom kill: the indicator's value at the draw.
  bool indicatorOk = false;
  int32_t indicatorValue = -1;
  // The distinct formula values the row lists, ascending: kill and banker
  // tabs 1..40 (front) or 1..50 (back), custom kill the values of interest.
  std::vector<int32_t> list;
  // Judged rows: the slots (1-based) of the formulas that did not hold, and
  // the numbers they got wrong (a kill: drawn numbers it killed; a banker:
  // numbers of the zone it named that were not drawn).
  std::vector<int> wrongSlots;
  std::vector<int32_t> wrongNumbers;
};

struct FormulaFault {
  int slot = 0;  // 1-based
  std::string error;
};

struct KillAnalysis {
  KillTarget target;
  int formulaCount = 0;
  std::vector<KillRow> rows;   // the judged rows, then the prediction row
  std::vector<int> successes;  // per formula
  int judgedRows = 0;
  // The last failure met while the rows were filled (row by row, slot by
  // slot); a formula that can never be computed fails on every row.
  std::optional<FormulaFault> fault;
  std::optional<std::string> indicatorError;  // custom kill: the indicator formula failed

  const KillRow& Prediction() const { return rows.back(); }
  // "第N条公式有误：" and the formula language's message; empty when none failed.
  std::string FaultMessage() const;
};

// Evaluates every formula (compiled once) on `rowCount` draws from `start`
// and on the draw after them, the prediction row: the virtual draw to come
// when the run reaches the last draw, else the next real draw, shown
// unjudged. A start near the end gives fewer judged rows. `start` must be
// the index of a real draw (0 for an empty history).
KillAnalysis AnalyseScheme(const KillHistory& history, const KillTarget& target,
                           std::span<const std::string> formulas, int start, int rowCount = 100);

// The numbers a row's formulas name, for the memo under the grid: distinct,
// ascending, numbers of the zone only (custom kill: 0..999).
std::vector<int32_t> RowNumbers(const KillAnalysis& analysis, const KillRow& row);
// The memo's text: each number (two digits in a number zone) followed by two spaces.
std::string RowNumbersText(const KillAnalysis& analysis, const KillRow& row);

// A success rate as the grid writes it: the fraction rounded to three
// decimals times 100, without trailing zeros ("85", "33.3", "0").
std::string RateText(int successes, int rows);
double RatePercent(int successes, int rows);

}  // namespace dlt
