#pragma once

#include <string>
#include <vector>

#include "killnum/kill_analysis.h"

namespace dlt {

// The analysis grid as text: a header row, the judged rows, the prediction
// row "预测期", the header again and the success rates. The window paints
// these cells; the export writes them.
enum class GridRowKind { Header, Draw, Prediction, Rates };
enum class GridCellKind { Plain, Serial, DrawNumber, Numbers, List, Held, Failed };

struct GridCell {
  std::string text;
  GridCellKind kind = GridCellKind::Plain;
};

struct GridRow {
  GridRowKind kind = GridRowKind::Draw;
  bool allHeld = false;  // a judged row on which every formula held
  int analysisRow = -1;  // index into KillAnalysis::rows; -1 for header and rate rows
  std::vector<GridCell> cells;
};

std::vector<GridRow> BuildKillGrid(const KillAnalysis& analysis, const KillHistory& history);

// A formula value as a cell shows it: at least two digits.
std::string FormulaValueText(int32_t value);

}  // namespace dlt
