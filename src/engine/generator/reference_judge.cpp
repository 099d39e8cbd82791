// The reference judge: each combination is judged as the generator's own
// description reads, step by step, with every value computed by name.
#include <memory>
#include <vector>

#include "formula/formula.h"
#include "formula/formula_syntax.h"
#include "formula/tgs.h"
#include "generator/back_judge.h"
#include "generator/front_judge.h"
#include "generator/judge_rules.h"
#include "history/history_contexts.h"
#include "indicators/indicator.h"

namespace dlt {
namespace {

// A private copy of the history with its candidate slot (draw N + 1), which
// the caller fills with the candidate.
std::vector<Draw> HistoryWithCandidateSlot(const JudgeSetup& setup) {
  const MemoryHistory& mem = *setup.history;
  return std::vector<Draw>(mem.Data(), mem.Data() + mem.Count() + 1);
}

// The evaluation context of the candidate: the last draw of `draws`.
EvalContext CandidateContext(const JudgeSetup& setup, const std::vector<Draw>& draws) {
  return MemoryContext(draws, static_cast<int>(draws.size()) - 1, setup.tableTest, &setup.env);
}

// Counts a violation: tolerant ones are tallied, any other ends the judgement.
class Tally {
 public:
  // False when the combination is rejected.
  bool Violation(bool tolerant, int mark) {
    if (!tolerant) return false;
    ++failures_;
    lastMark_ = mark;
    return true;
  }
  int failures() const { return failures_; }
  int lastMark() const { return lastMark_; }

 private:
  int failures_ = 0;
  int lastMark_ = 0;
};

class ReferenceJudge final : public FrontJudge {
 public:
  explicit ReferenceJudge(const JudgeSetup& setup) : setup_(setup) {}

  Verdict Judge(const Combo& c, bool recheck) const override {
    const ConditionSet& set = *setup_.set;
    if (recheck && !PassesRecheck(set, c)) return {};
    Tally tally;

    // Tests on the five numbers alone, before the candidate joins the history.
    const RangeCondition& stdDev = set.Range(kStdDevCondition);
    if (stdDev.enabled && !StdDevWithin(c, stdDev) &&
        !tally.Violation(stdDev.tolerant, kStdDevCondition))
      return {};
    const RangeCondition& variation = set.Range(kVariationCondition);
    if (variation.enabled && !VariationWithin(c, variation) &&
        !tally.Violation(variation.tolerant, kVariationCondition))
      return {};
    Draw alone = SlotTemplate();
    alone.front = c;
    if (!CheckIndicator(AloneContext(alone), kGapCountCondition, tally)) return {};
    if (set.Switches().notEqualDist && HasEqualGaps(c)) return {};
    if (set.Switches().specNext && IsSpecialRun(c)) return {};
    if (set.Switches().notHistory && setup_.pastCombos && setup_.pastCombos->Contains(c)) return {};

    // The candidate as draw N+1 of a private copy of the history.
    std::vector<Draw> draws = HistoryWithCandidateSlot(setup_);
    draws.back().front = c;
    const EvalContext ctx = CandidateContext(setup_, draws);

    for (int number : CommonConditionOrder())
      if (!CheckIndicator(ctx, number, tally)) return {};

    if (set.SelfConditionsEnabled())
      for (const SelfCondition& e : set.SelfConditions()) {
        if (e.counts.Empty()) continue;
        if (!e.counts.Contains(SelfConditionHits(c, e.numbers)) &&
            !tally.Violation(e.tolerant, kSelfConditionMark))
          return {};
      }
    if (set.TailSettingsEnabled())
      for (const TailSetting& e : set.TailSettings()) {
        if (e.counts.Empty()) continue;
        if (!e.counts.Contains(TailSettingHits(c, e.digits, e.distinct)) &&
            !tally.Violation(e.tolerant, kTailSettingMark))
          return {};
      }

    if (set.CustomIndicatorsEnabled()) {
      tgs formula;
      for (const CustomIndicator& e : set.CustomIndicators()) {
        int32_t value = 0;
        // A formula that cannot be evaluated, or an entry without values,
        // ends the custom checks without judging the combination.
        if (!formula.Evaluate(TrimFormulaText(e.formula), ctx, value)) break;
        if (e.values.Empty()) break;
        if (!e.values.Contains(value) && !tally.Violation(e.tolerant, kCustomIndicatorMark))
          return {};
      }
    }

    if (!WithinTotalTolerance(set.Tolerance(), tally.failures())) return {};
    return {true, tally.failures(), tally.lastMark()};
  }

 private:
  // The combination as the only draw: for the tests that need no history.
  EvalContext AloneContext(const Draw& alone) const {
    return MemoryContext({&alone, 1}, 0, setup_.tableTest, &setup_.env);
  }

  // False when the condition rejects the combination.
  bool CheckIndicator(const EvalContext& ctx, int number, Tally& tally) const {
    const IndicatorCondition& cond = setup_.set->Indicator(number);
    if (!cond.Applies()) return true;
    const int32_t v = IndicatorValue(ctx, FindFrontCondition(number)->key);
    return cond.values.Contains(v) || tally.Violation(cond.tolerant, number);
  }

  // The candidate slot as the history holds it (its draw number and back numbers).
  Draw SlotTemplate() const { return setup_.history->At(setup_.history->Count()); }

  JudgeSetup setup_;
};

class ReferenceBackJudge final : public BackJudge {
 public:
  explicit ReferenceBackJudge(const JudgeSetup& setup) : setup_(setup) {}

  Verdict Judge(const BackPair& pair) const override {
    const BackConditionSet& back = setup_.set->Back();
    std::vector<Draw> draws = HistoryWithCandidateSlot(setup_);
    draws.back().back = pair;
    const EvalContext ctx = CandidateContext(setup_, draws);

    Tally tally;
    for (const BackCondition& bc : BackConditions()) {
      const IndicatorCondition& cond = back.Condition(bc.number);
      if (!cond.Applies()) continue;
      if (!cond.values.Contains(IndicatorValue(ctx, bc.key)) &&
          !tally.Violation(cond.tolerant, bc.number))
        return {};
    }
    if (back.Tolerance().enabled && tally.failures() > back.Tolerance().limit) return {};
    return {true, tally.failures(), tally.lastMark()};
  }

 private:
  JudgeSetup setup_;
};

}  // namespace

std::span<const int> CommonConditionOrder() {
  static const std::vector<int> order = [] {
    std::vector<int> o = {1,  2,  3,  75, 76, 77, 43, 44,  45,  30,  31,  25,  26,  49,
                          50, 59, 61, 62, 73, 38, 81, 107, 108, 109, 113, 116, 117, 118};
    std::vector<bool> listed(kFrontConditionCount + 1, false);
    for (int n : o) listed[n] = true;
    for (const FrontCondition& fc : FrontConditions()) {
      if (listed[fc.number] || !fc.Selectable() || fc.IsRange()) continue;
      if (fc.number == kGapCountCondition) continue;  // judged before the history
      o.push_back(fc.number);
    }
    return o;
  }();
  return order;
}

std::unique_ptr<FrontJudge> MakeReferenceJudge(const JudgeSetup& setup) {
  return std::make_unique<ReferenceJudge>(setup);
}

std::unique_ptr<BackJudge> MakeBackJudge(const JudgeSetup& setup) {
  return std::make_unique<ReferenceBackJudge>(setup);
}

}  // namespace dlt
