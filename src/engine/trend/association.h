#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/draw.h"
#include "indicators/eval_context.h"

namespace dlt {

// "关联分析": which draws qualify. A number 0 means "all"; with the
// "不对位" switches a chosen number may stand at any position of its zone.
// An indicator condition is an indicator key or formula that must evaluate
// on the draw and, when values are given, give one of them.
struct AssociationCondition {
  std::string expression;
  std::vector<int32_t> accepted;  // empty: any value
};

struct AssociationSetup {
  std::array<int, 7> numbers{};                  // front positions 1..5, back positions 1..2
  int issueDigit = -1;                           // the last digit of the issue, -1 for "all"
  bool frontAnyPosition = false;                 // "主号不对位"
  bool backAnyPosition = false;                  // "副号不对位"
  std::vector<AssociationCondition> conditions;  // the active ones, at most three
};

// One qualifying draw, its indicator values, and the draw after it (-1 when
// it is the last) with the indicators evaluated there (nullopt where they
// do not evaluate).
struct AssociationRow {
  int draw = 0;
  std::vector<int32_t> values;
  int next = -1;
  std::vector<std::optional<int32_t>> nextValues;
};

struct Association {
  std::vector<AssociationRow> rows;
  int withNext = 0;  // rows with a following draw
  // The first condition that evaluates on no draw at all, with the formula
  // language's message; empty when every condition evaluated somewhere.
  std::string error;
};

// The history is read through table contexts over `draws` (with the scratch
// field `test` and the settings of `env`).
struct AssociationHistory {
  std::span<const Draw> draws;
  const int32_t* testColumn = nullptr;
  const EvalEnv* env = nullptr;
};
Association ComputeAssociation(const AssociationHistory& history, const AssociationSetup& setup);

// The grid's columns for k conditions: the left block "本期期号", "主号1" ..
// "主号5", "副号1", "副号2", "指标1" .. "指标k", and the right block from
// column k + 8 the same headed "下期期号".
std::vector<std::string> AssociationHeaders(int k);
// The text of a cell ("" where the right block has no draw or no value).
std::string AssociationCell(std::span<const Draw> draws, const AssociationRow& row, int k,
                            int column);
// An issue column: 0 or k + 8.
constexpr bool IsIssueColumn(int column, int k) {
  return column == 0 || column == k + 8;
}
// "本期系列一共有" rows "条;" "下期系列一共有" rows with a following draw "条".
std::string AssociationCountText(const Association& a);

// One column for the analysis, row by row up to the first row without a
// draw or a value in that column: each row's own draw (the draw of the left
// block, the following draw of the right one) and its value. The series is
// analysed over these draws alone, labelled with their issues.
struct ColumnSeries {
  std::vector<Draw> draws;
  std::vector<int32_t> values;
};
ColumnSeries AssociationColumn(std::span<const Draw> draws, const Association& a, int column);

// "导出下期系列开奖数据": the following draw of every row that has one, for
// the history's export form.
std::vector<Draw> NextDraws(std::span<const Draw> draws, const Association& a);

}  // namespace dlt
