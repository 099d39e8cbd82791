#include "trend/matrix_filters.h"

#include <algorithm>
#include <charconv>

#include "common/numbers.h"
#include "common/text.h"
#include "trend/key_series.h"

namespace dlt {
namespace {

std::nullopt_t Refuse(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return std::nullopt;
}

std::optional<int> WholeNumber(std::string_view text, std::string* error) {
  const std::string_view t = Trim(text);
  const std::optional<int> value = IntegerOfText<int>(t);
  if (!value) return Refuse(error, "\"" + std::string(t) + "\"不是整数");
  return value;
}

constexpr const char* kEmptyLineNames[] = {"空行个数", "空列个数", "空行+空列个数"};
constexpr const char* kShapeNames[] = {"行组合形态", "列组合形态", "行列组合形态"};

}  // namespace

ValueSet DigitValues(std::string_view text, int maxDigit) {
  std::vector<int32_t> values;
  for (int d = 0; d <= maxDigit && d <= 9; ++d)
    if (text.find(static_cast<char>('0' + d)) != std::string_view::npos) values.push_back(d);
  return *ValueSet::From(std::move(values));
}

std::string MatrixSelfConditionLine(const SelfCondition& entry) {
  std::string line = "号码组: ";
  for (int n : entry.numbers) line += std::to_string(n) + "  ";
  line += ";出现个数:";
  for (int32_t c : entry.counts.Values()) line += std::to_string(c) + " ";
  if (entry.tolerant) line += "容错";
  return line;
}

std::optional<MatrixSelfConditionExport> ExportChosenCells(const MatrixOrder& order,
                                                           MatrixSize size,
                                                           const std::vector<bool>& rowFlags,
                                                           const std::vector<bool>& columnFlags,
                                                           std::string_view countsText,
                                                           bool tolerant, std::string* error) {
  std::vector<int> numbers = ChosenCellNumbers(order, size, rowFlags, columnFlags);
  bool chosen = false;
  for (int r = 0; r < size.rows && r < static_cast<int>(rowFlags.size()); ++r)
    chosen = chosen || rowFlags[static_cast<size_t>(r)];
  for (int c = 0; c < size.columns && c < static_cast<int>(columnFlags.size()); ++c)
    chosen = chosen || columnFlags[static_cast<size_t>(c)];
  if (!chosen) return Refuse(error, "请选择好行号或列号");
  const ValueSet counts = DigitValues(countsText, 5);
  if (Trim(countsText).empty() || counts.Empty()) return Refuse(error, "请设置好出号个数。");
  // A row and a column share a cell, and the extra cells of the larger grids
  // hold 36..40: the group keeps each front number once.
  std::erase_if(numbers, [](int n) { return n < 1 || n > kFrontMax; });
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  if (numbers.empty()) return Refuse(error, "所选的行和列中没有1到35之间的号码，无法导出");
  MatrixSelfConditionExport out;
  out.entry.numbers = std::move(numbers);
  out.entry.counts = counts;
  out.entry.tolerant = tolerant;
  out.line = MatrixSelfConditionLine(out.entry);
  return out;
}

std::optional<GridKeyParams> ParseGridKeyParams(int style, std::string_view columnsText,
                                                std::string_view rowsText, std::string* error) {
  const auto columns = WholeNumber(columnsText, error);
  if (!columns) return std::nullopt;
  const auto rows = WholeNumber(rowsText, error);
  if (!rows) return std::nullopt;
  if (*columns < 1 || *rows < 1) return Refuse(error, "列数和行数至少为1");
  if (static_cast<int64_t>(*columns) * *rows > kMatrixCells)
    return Refuse(error, "行乘列不能大于40");
  return GridKeyParams{std::clamp(style, 0, 2), *columns, *rows};
}

std::string EmptyLinesKey(const GridKeyParams& p) {
  return "c_hnskhkn_" + std::to_string(p.style) + "_" + std::to_string(p.columns) + "_" +
         std::to_string(p.rows);
}

std::string ShapeKey(const GridKeyParams& p) {
  return "c_hnszhxt_" + std::to_string(p.style) + "_" + std::to_string(p.columns) + "_" +
         std::to_string(p.rows);
}

std::optional<MatrixIndicatorExport> ExportEmptyLines(const GridKeyParams& params,
                                                      std::string_view countText, bool tolerant,
                                                      std::string* error) {
  const ValueSet values = DigitValues(countText, 9);
  if (Trim(countText).empty() || values.Empty()) return Refuse(error, "请输入个数");
  MatrixIndicatorExport out;
  out.entry.formula = EmptyLinesKey(params);
  out.entry.values = values;
  out.entry.tolerant = tolerant;
  out.line = out.entry.formula + (tolerant ? "  容错" : "") + "  取值: " + std::string(countText);
  return out;
}

std::vector<int32_t> ChosenHitSeries(std::span<const Draw> draws, const std::vector<int>& numbers) {
  std::array<bool, 256> in{};
  for (int n : numbers)
    if (n >= 0 && n < 256) in[static_cast<size_t>(n)] = true;
  std::vector<int32_t> values;
  values.reserve(draws.size());
  for (const Draw& d : draws) {
    int hits = 0;
    for (int n : d.front) hits += in[static_cast<size_t>(n)] ? 1 : 0;
    values.push_back(hits);
  }
  return values;
}

std::string ChosenCellsCaption(MatrixSize size, const std::vector<bool>& rowFlags,
                               const std::vector<bool>& columnFlags) {
  std::string caption = "行：";
  for (int r = 1; r <= size.rows && r <= static_cast<int>(rowFlags.size()); ++r)
    if (rowFlags[static_cast<size_t>(r - 1)]) caption += std::to_string(r) + ",";
  caption += " 列：";
  for (int c = 1; c <= size.columns && c <= static_cast<int>(columnFlags.size()); ++c)
    if (columnFlags[static_cast<size_t>(c - 1)]) caption += std::to_string(c) + ",";
  return caption + " 的奖号出现个数走势图（过滤助手）";
}

std::string EmptyLinesCaption(int style) {
  return std::string(kEmptyLineNames[std::clamp(style, 0, 2)]) + "走势图（过滤助手）";
}

std::string ShapeCaption(int style) {
  return std::string(kShapeNames[std::clamp(style, 0, 2)]) + "走势图（过滤助手）";
}

std::vector<int32_t> GridKeySeries(std::span<const Draw> draws, const EvalEnv& env,
                                   const MatrixOrder& order, const std::string& key) {
  EvalEnv withOrder = env;
  withOrder.layout = order;
  auto values = KeySeries(draws, withOrder, key, 0, static_cast<int>(draws.size()));
  return values ? std::move(*values) : std::vector<int32_t>(draws.size(), 0);
}

}  // namespace dlt
