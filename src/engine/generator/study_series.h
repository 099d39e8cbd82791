#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "indicators/eval_context.h"

namespace dlt {

class DrawTable;

// What "过滤助手" of a picker studies: the quantity being picked.
struct StudySubject {
  enum class Kind { kNone, kIndicator, kFormula, kNumberGroup, kTailGroup };
  Kind kind = Kind::kNone;
  std::string key;         // kIndicator: catalogue key
  std::string formula;     // kFormula
  std::vector<int> group;  // kNumberGroup: front numbers; kTailGroup: digits
  bool distinct = false;   // kTailGroup: 相同尾数仅计算一次
};

// The series "过滤助手" hands to the indicator analysis: one value per draw
// of the table, the caption and the value range of the analysis window.
struct StudySeries {
  std::vector<int32_t> values;
  std::string caption;
  int32_t from = 0;
  int32_t to = 0;
  std::string error;  // set when a formula fails; nothing is handed over then
  bool ok() const { return error.empty(); }
};

// Computes the series of a subject over every draw of the table (table
// source, the table's own cursor untouched).
StudySeries ComputeStudySeries(const DrawTable& table, const EvalEnv& env,
                               const StudySubject& subject);

}  // namespace dlt
