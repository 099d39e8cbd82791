#include "killnum/kill_grid.h"

#include "common/numbers.h"

namespace dlt {
namespace {

const char* const kHeld = "    正确";

std::vector<std::string> Headers(const KillAnalysis& a) {
  const KillKind kind = a.target.kind;
  std::vector<std::string> h = {"序号", "期号"};
  if (kind == KillKind::Custom) {
    h.push_back("开奖号码");
    h.push_back("指标" + a.target.indicator);
  } else {
    h.push_back(IsFrontZone(kind) ? "主区号码" : "副区号码");
  }
  for (int f = 1; f <= a.formulaCount; ++f) h.push_back("公式" + std::to_string(f));
  if (kind == KillKind::Custom) {
    h.insert(h.end(), {"杀" + a.target.indicator + "列表", "杀错的公式个数", "杀错的公式序号"});
  } else if (IsBanker(kind)) {
    h.insert(h.end(),
             {"提胆列表", "提错的公式个数", "提错的公式序号", "提错的号码个数", "提错的号码"});
  } else {
    h.insert(h.end(),
             {"杀号列表", "杀错的公式个数", "杀错的公式序号", "杀错的号码个数", "杀错的号码"});
  }
  return h;
}

GridRow HeaderRow(const KillAnalysis& a) {
  GridRow row;
  row.kind = GridRowKind::Header;
  for (std::string& h : Headers(a)) row.cells.push_back({std::move(h), GridCellKind::Plain});
  return row;
}

std::string NumbersText(KillKind kind, const Draw& d) {
  std::string s;
  if (kind == KillKind::Custom) {
    for (uint8_t n : d.front) s += TwoDigit(n) + "  ";
    s += ":";
    for (uint8_t n : d.back) s += TwoDigit(n) + "  ";
    return s;
  }
  if (IsFrontZone(kind))
    for (uint8_t n : d.front) s += TwoDigit(n) + " ";
  else
    for (uint8_t n : d.back) s += TwoDigit(n) + " ";
  return s;
}

template <class T>
std::string EachFollowedByBlank(const std::vector<T>& v) {
  std::string s;
  for (T n : v) s += TwoDigit(static_cast<int>(n)) + " ";
  return s;
}

std::string ListText(const KillAnalysis& a, const KillRow& row) {
  std::string s;
  for (int32_t v : row.list)
    s += " " + (a.target.kind == KillKind::Custom ? std::to_string(v) : TwoDigit(v));
  return s;
}

GridRow AnalysisRow(const KillAnalysis& a, const KillHistory& history, int r) {
  const KillRow& k = a.rows[static_cast<size_t>(r)];
  const bool custom = a.target.kind == KillKind::Custom;
  GridRow row;
  row.kind = k.prediction ? GridRowKind::Prediction : GridRowKind::Draw;
  row.analysisRow = r;
  row.cells.push_back({std::to_string(r + 1), GridCellKind::Serial});
  if (k.prediction) {
    row.cells.push_back({"预测期", GridCellKind::DrawNumber});
    row.cells.push_back({"", GridCellKind::Numbers});
    if (custom) row.cells.push_back({"", GridCellKind::Plain});
  } else {
    const Draw& d = history.At(k.index);
    row.cells.push_back({std::to_string(d.qs), GridCellKind::DrawNumber});
    row.cells.push_back({NumbersText(a.target.kind, d), GridCellKind::Numbers});
    if (custom)
      row.cells.push_back(
          {k.indicatorOk ? std::to_string(k.indicatorValue) : "-1", GridCellKind::Plain});
  }
  for (const FormulaCell& c : k.cells) {
    if (k.prediction)
      row.cells.push_back({FormulaValueText(c.value), GridCellKind::Plain});
    else if (c.held)
      row.cells.push_back({FormulaValueText(c.value) + kHeld, GridCellKind::Held});
    else
      row.cells.push_back({FormulaValueText(c.value), GridCellKind::Failed});
  }
  row.cells.push_back({ListText(a, k), GridCellKind::List});
  const int tail = custom ? 2 : 4;
  if (k.prediction) {
    for (int i = 0; i < tail; ++i) row.cells.push_back({});
    return row;
  }
  row.allHeld = k.wrongSlots.empty();
  row.cells.push_back({std::to_string(k.wrongSlots.size())});
  row.cells.push_back({EachFollowedByBlank(k.wrongSlots)});
  if (!custom) {
    row.cells.push_back({std::to_string(k.wrongNumbers.size())});
    row.cells.push_back({EachFollowedByBlank(k.wrongNumbers)});
  }
  return row;
}

}  // namespace

std::string FormulaValueText(int32_t value) {
  return value >= 0 && value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

std::vector<GridRow> BuildKillGrid(const KillAnalysis& a, const KillHistory& history) {
  std::vector<GridRow> rows;
  rows.push_back(HeaderRow(a));
  for (size_t r = 0; r < a.rows.size(); ++r)
    rows.push_back(AnalysisRow(a, history, static_cast<int>(r)));
  rows.push_back(HeaderRow(a));
  GridRow rates;
  rates.kind = GridRowKind::Rates;
  rates.cells.resize(rows.front().cells.size());
  rates.cells[0].text = "正确率";
  const size_t first = a.target.kind == KillKind::Custom ? 4 : 3;
  for (int f = 0; f < a.formulaCount; ++f)
    rates.cells[first + static_cast<size_t>(f)].text =
        RateText(a.successes[static_cast<size_t>(f)], a.judgedRows);
  rows.push_back(std::move(rates));
  return rows;
}

}  // namespace dlt
