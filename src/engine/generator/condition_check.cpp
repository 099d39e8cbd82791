// Item-by-item judgement of one past draw, built from the judges' own parts
// so that a report can never disagree with a filter run.
#include "generator/condition_check.h"

#include <algorithm>

#include "formula/formula.h"
#include "formula/formula_syntax.h"
#include "formula/tgs.h"
#include "generator/combination.h"
#include "generator/judge_rules.h"
#include "history/draw_table.h"
#include "history/memory_history.h"
#include "indicators/indicator.h"

namespace dlt {

PastDrawCheck::PastDrawCheck(std::vector<Draw> before, const Draw& draw, const EvalEnv& env,
                             int32_t tableTest)
    : draws_(std::move(before)), env_(env), tableTest_(tableTest) {
  draws_.push_back(draw);
}

std::optional<PastDrawCheck> PastDrawCheck::FromTable(const DrawTable& table, int32_t qs,
                                                      const EvalEnv& env, std::string* error) {
  const int index = qs > kLastRealQs ? -1 : table.IndexOf(qs);
  if (index < 0) {
    if (error) *error = "历史数据中没有第" + std::to_string(qs) + "期";
    return std::nullopt;
  }
  // As much history as the generator keeps in memory before a candidate.
  const int first = std::max(0, index - MemoryHistory::kMaxDraws);
  const auto& all = table.Draws();
  std::vector<Draw> before(all.begin() + first, all.begin() + index);
  return PastDrawCheck(std::move(before), all[static_cast<size_t>(index)], env,
                       table.Scratch(ScratchField::Test, index));
}

EvalContext PastDrawCheck::Context() const {
  return MemoryContext(draws_, static_cast<int>(draws_.size()) - 1, tableTest_, &env_);
}

bool PastDrawCheck::PoolHolds(const ConditionSet& set) const {
  const Combo& c = CheckedDraw().front;
  return std::all_of(c.begin(), c.end(), [&](uint8_t n) { return set.InPool(n); });
}

bool PastDrawCheck::BankersHold(const ConditionSet& set) const {
  const Combo& c = CheckedDraw().front;
  for (int banker : set.BankerNumbers())
    if (std::find(c.begin(), c.end(), banker) == c.end()) return false;
  return true;
}

bool PastDrawCheck::IndicatorHolds(const ConditionSet& set, int number) const {
  const FrontCondition* fc = FindFrontCondition(number);
  if (!fc || !fc->Selectable() || !set.IsEnabled(number)) return false;
  const Combo& c = CheckedDraw().front;
  if (fc->IsRange()) {
    const RangeCondition& range = set.Range(number);
    // Blank bounds test nothing in a filter run; here they are a condition
    // without values.
    if (!range.HasBounds()) return false;
    return number == kStdDevCondition ? StdDevWithin(c, range) : VariationWithin(c, range);
  }
  const IndicatorCondition& cond = set.Indicator(number);
  if (cond.values.Empty()) return false;
  return cond.values.Contains(IndicatorValue(Context(), fc->key));
}

bool PastDrawCheck::CustomIndicatorHolds(const CustomIndicator& entry) const {
  if (entry.values.Empty()) return false;
  const std::optional<int32_t> value = CustomIndicatorValue(entry);
  return value && entry.values.Contains(*value);
}

std::optional<int32_t> PastDrawCheck::CustomIndicatorValue(const CustomIndicator& entry) const {
  tgs formula;
  int32_t value = 0;
  if (!formula.Evaluate(TrimFormulaText(entry.formula), Context(), value)) return std::nullopt;
  return value;
}

bool PastDrawCheck::SelfConditionHolds(const SelfCondition& entry) const {
  return !entry.counts.Empty() &&
         entry.counts.Contains(SelfConditionHits(CheckedDraw().front, entry.numbers));
}

bool PastDrawCheck::TailSettingHolds(const TailSetting& entry) const {
  return !entry.counts.Empty() &&
         entry.counts.Contains(TailSettingHits(CheckedDraw().front, entry.digits, entry.distinct));
}

bool PastDrawCheck::NotEqualGaps() const {
  return !HasEqualGaps(CheckedDraw().front);
}

bool PastDrawCheck::NotSpecialRun() const {
  return !IsSpecialRun(CheckedDraw().front);
}

}  // namespace dlt
