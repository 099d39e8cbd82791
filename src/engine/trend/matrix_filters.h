#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "generator/condition_set.h"
#include "trend/number_matrix.h"

namespace dlt {

// What the filter pages of the number matrix hand to the generator, and the
// series their "过滤助手" buttons analyse.

// Each of 0..maxDigit whose digit occurs anywhere in the text: "1 2 4" gives
// 1, 2 and 4, and so does "124".
ValueSet DigitValues(std::string_view text, int maxDigit);

// "导出到过滤系统" of the chosen rows and columns: a self condition on the
// distinct numbers 1..35 of their cells, the hit counts 0..5 named in
// `countsText`, with its list line. Refused with "请选择好行号或列号" (no row
// or column counts), "请设置好出号个数。" (no count named) or when the cells
// hold no number of 1..35.
struct MatrixSelfConditionExport {
  SelfCondition entry;
  std::string line;
};
std::optional<MatrixSelfConditionExport> ExportChosenCells(
    const MatrixOrder& order, MatrixSize size, const std::vector<bool>& rowFlags,
    const std::vector<bool>& columnFlags, std::string_view countsText, bool tolerant,
    std::string* error = nullptr);
// "号码组: 1  2  ;出现个数:0 1 容错"
std::string MatrixSelfConditionLine(const SelfCondition& entry);

// The style and the grid of a grid key from the two edits "列：" and "行：".
// Not whole numbers: "\"x\"不是整数"; a grid of more than 40 cells:
// "行乘列不能大于40"; below 1: a message too.
struct GridKeyParams {
  int style = 0;  // 0 rows, 1 columns, 2 both
  int columns = 0;
  int rows = 0;
};
std::optional<GridKeyParams> ParseGridKeyParams(int style, std::string_view columnsText,
                                                std::string_view rowsText,
                                                std::string* error = nullptr);
std::string EmptyLinesKey(const GridKeyParams& p);  // c_hnskhkn_t_c_r
std::string ShapeKey(const GridKeyParams& p);       // c_hnszhxt_t_c_r

// "导出到过滤系统" of the empty-line page: a custom indicator on the key with
// the counts 0..9 named in `countText` and its list line (the text as typed
// after "取值: "). Refused with "请输入个数" when nothing is named.
struct MatrixIndicatorExport {
  CustomIndicator entry;
  std::string line;
};
std::optional<MatrixIndicatorExport> ExportEmptyLines(const GridKeyParams& params,
                                                      std::string_view countText, bool tolerant,
                                                      std::string* error = nullptr);

// The first assistant: how many of each draw's five front numbers lie among
// the numbers, per draw of the history.
std::vector<int32_t> ChosenHitSeries(std::span<const Draw> draws, const std::vector<int>& numbers);
// "行：1,3, 列：2, 的奖号出现个数走势图（过滤助手）"
std::string ChosenCellsCaption(MatrixSize size, const std::vector<bool>& rowFlags,
                               const std::vector<bool>& columnFlags);
// "空行个数走势图（过滤助手）" and the like; "行组合形态走势图（过滤助手）" and the like.
std::string EmptyLinesCaption(int style);
std::string ShapeCaption(int style);

// The value of a key at every draw, with the matrix order as the number grid layout.
std::vector<int32_t> GridKeySeries(std::span<const Draw> draws, const EvalEnv& env,
                                   const MatrixOrder& order, const std::string& key);

}  // namespace dlt
