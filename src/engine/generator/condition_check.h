#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/draw.h"
#include "generator/condition_set.h"
#include "indicators/eval_context.h"

namespace dlt {

class DrawTable;

// A past draw judged as the generator would have judged it as a candidate:
// the draw placed after the draws before it (at most the 3000 the in-memory
// history holds), every value computed by the same functions the judges use
// (IndicatorValue, the range tests, the group counts, the formula
// interpreter, the shape tests). Answers item by item, so a report can say
// which conditions would have kept or lost the draw.
class PastDrawCheck {
 public:
  // `before`: the draws preceding `draw`, oldest first. `tableTest` is the
  // `test` scratch value of the draw's record.
  PastDrawCheck(std::vector<Draw> before, const Draw& draw, const EvalEnv& env,
                int32_t tableTest = 0);

  // The draw `qs` of the table with the draws before it. Fails with a message
  // for a draw number the table does not hold or a reserved pseudo-draw.
  static std::optional<PastDrawCheck> FromTable(const DrawTable& table, int32_t qs,
                                                const EvalEnv& env, std::string* error = nullptr);

  const Draw& CheckedDraw() const { return draws_.back(); }

  // All five numbers are in the pool.
  bool PoolHolds(const ConditionSet& set) const;
  // Every banker is one of the five numbers.
  bool BankersHold(const ConditionSet& set) const;
  // An indicator or range condition (1..118) holds for the draw. An empty
  // value set, or a range with a blank bound, does not hold.
  bool IndicatorHolds(const ConditionSet& set, int number) const;
  bool CustomIndicatorHolds(const CustomIndicator& entry) const;
  // The formula's value for the draw; nullopt when it cannot be evaluated
  // (a filter run stops checking custom indicators there).
  std::optional<int32_t> CustomIndicatorValue(const CustomIndicator& entry) const;
  bool SelfConditionHolds(const SelfCondition& entry) const;
  bool TailSettingHolds(const TailSetting& entry) const;
  // 去除等间距组合: the four gaps are not all equal.
  bool NotEqualGaps() const;
  // 去除特殊连号: the draw is not a special run.
  bool NotSpecialRun() const;

 private:
  EvalContext Context() const;

  std::vector<Draw> draws_;  // the draws before, then the checked draw
  EvalEnv env_;
  int32_t tableTest_ = 0;
};

}  // namespace dlt
