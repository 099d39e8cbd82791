// The fast judge. Everything that depends on the history alone is computed
// when the judge is made; a judgement then reads tables and the candidate's
// own numbers. Verdicts are those of the reference judge:
// - every non-tolerant condition (custom indicators aside) is tested first,
//   the cheapest and most selective first: any violation rejects, whatever
//   the order;
// - the tolerant ones follow in the reference order, so the last mark is
//   the last tolerated violation of that order and the count is the same;
// - custom indicators come last, in list order, as they stop at the first
//   formula that fails.
#include <algorithm>
#include <bit>
#include <climits>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "common/numbers.h"
#include "formula/formula.h"
#include "formula/formula_syntax.h"
#include "generator/candidate_tables.h"
#include "generator/fast_checks.h"
#include "generator/formula_precompute.h"
#include "generator/front_judge.h"
#include "generator/judge_rules.h"
#include "generator/value_bitmap.h"
#include "generator/variation_gate.h"
#include "indicators/base_indicators.h"
#include "indicators/indicator.h"

namespace dlt {
namespace {

using namespace fast;

// Five distinct numbers of 1..35 in ascending order: what the tables and
// the bounds assume.
bool IsValidCombo(const Combo& c) {
  if (c[0] < 1 || c[4] > kFrontMax) return false;
  for (int i = 0; i < 4; ++i)
    if (c[i] >= c[i + 1]) return false;
  return true;
}

struct CustomCheck {
  std::unique_ptr<FastFormula> formula;
  ValueBitmap values;
  bool tolerant = false;
};

class FastJudge final : public FrontJudge {
 public:
  // `shared`: tables the caller keeps, null for tables of its own.
  FastJudge(const JudgeSetup& setup, CandidateTables* shared, bool orderChecks)
      : set_(*setup.set),
        ownTables_(
            shared ? nullptr
                   : std::make_unique<CandidateTables>(*setup.history, setup.env, setup.tableTest)),
        tables_(shared ? *shared : *ownTables_),
        pastCombos_(setup.pastCombos),
        reference_(MakeReferenceJudge(setup)) {
    const ConditionSet& set = set_;
    for (int n = 1; n <= kFrontMax; ++n) {
      if (set.InPool(n)) poolMask_ |= uint64_t{1} << n;
      if (set.IsBanker(n)) {
        bankerMask_ |= uint64_t{1} << n;
        ++bankerCount_;
      }
    }
    notEqualDist_ = set.Switches().notEqualDist;
    specNext_ = set.Switches().specNext;
    notHistory_ = set.Switches().notHistory && pastCombos_;
    tolerance_ = set.Tolerance();

    // Every check in the reference order.
    std::vector<Check> all;
    for (int number : {kStdDevCondition, kVariationCondition}) {
      const RangeCondition& r = set.Range(number);
      if (!r.enabled || !r.HasBounds()) continue;
      Check c;
      c.op = number == kStdDevCondition ? Op::StdDev : Op::Variation;
      c.tolerant = r.tolerant;
      c.mark = number;
      c.cost = 2;
      c.range = r;
      if (number == kVariationCondition) variation_.emplace(r);
      all.push_back(std::move(c));
    }
    AddIndicatorCheck(kGapCountCondition, all);
    for (int number : CommonConditionOrder()) AddIndicatorCheck(number, all);
    if (set.SelfConditionsEnabled())
      for (const SelfCondition& e : set.SelfConditions()) {
        if (e.counts.Empty()) continue;
        Check c;
        c.op = Op::SelfCount;
        c.tolerant = e.tolerant;
        c.mark = kSelfConditionMark;
        c.cost = 1;
        for (int x : e.numbers)
          if (x >= 0 && x < 64) c.group |= uint64_t{1} << x;
        c.allowedCounts = SmallValueMask(e.counts);
        all.push_back(std::move(c));
      }
    if (set.TailSettingsEnabled())
      for (const TailSetting& e : set.TailSettings()) {
        if (e.counts.Empty()) continue;
        Check c;
        c.op = e.distinct ? Op::TailDistinct : Op::TailCount;
        c.tolerant = e.tolerant;
        c.mark = kTailSettingMark;
        c.cost = 1;
        for (int d : e.digits)
          if (d >= 0 && d < 10) c.group |= uint64_t{1} << d;
        c.allowedCounts = SmallValueMask(e.counts);
        all.push_back(std::move(c));
      }
    for (Check& c : all) {
      if (c.tolerant) {
        tolerant_.push_back(std::move(c));
        continue;
      }
      // A test no valid combination can fail is left out.
      if (c.op == Op::StdDev && StdDevCannotFail(c.range)) continue;
      if (TestsAValue(c.op) && !c.generic) {
        const auto bounds = tables_.Bounds(c.value);
        if (bounds && c.values.Covers(bounds->first, bounds->second)) continue;
      }
      strict_.push_back(std::move(c));
    }
    if (orderChecks) OrderStrictChecks();
    for (const Check& c : strict_) (ReadsOnlyTop(c) ? topStrict_ : lowStrict_).push_back(c);

    if (set.CustomIndicatorsEnabled())
      for (const CustomIndicator& e : set.CustomIndicators()) {
        // An entry without values ends the custom checks for every candidate.
        if (e.values.Empty()) break;
        CustomCheck c;
        c.formula = FastFormula::Compile(TrimFormulaText(e.formula), tables_.N(), tables_);
        c.values = ValueBitmap(e.values);
        c.tolerant = e.tolerant;
        custom_.push_back(std::move(c));
      }
    nothingTolerated_ = tolerant_.empty() && custom_.empty();
    cleanAccepted_ = WithinTotalTolerance(tolerance_, 0);
  }

  Verdict Judge(const Combo& c, bool recheck) const override {
    // Anything but five ascending numbers of 1..35 is judged by the definitions.
    if (!IsValidCombo(c)) return reference_->Judge(c, recheck);
    uint64_t mask = 0;
    for (uint8_t n : c) mask |= uint64_t{1} << n;
    if (recheck && ((mask & ~poolMask_) != 0 || std::popcount(mask & bankerMask_) != bankerCount_))
      return {};
    if (notEqualDist_ && HasEqualGaps(c)) return {};
    if (specNext_ && IsSpecialRun(c)) return {};
    if (notHistory_ && pastCombos_->Contains(c)) return {};

    Candidate cand;
    tables_.Start(cand, c);
    for (const Check& check : strict_)
      if (!Passes(check, c, cand)) return {};
    if (nothingTolerated_) return cleanAccepted_ ? Verdict{true, 0, 0} : Verdict{};
    return Tolerated(cand);
  }

  // The enumeration's blocks: what depends on the four shared numbers alone
  // is done once per block. The non-tolerant tests that read only those
  // numbers reject the whole block at once; the per-number sums start from
  // the shared part and add the smallest number's entry.
  void JudgeSharedTop(std::span<const Combo> block, Verdict* out) const override {
    if (block.empty()) return;
    const Combo& first = block[0];
    if (!IsValidCombo(first) || lowStrict_.size() > kMaxBlockChecks) {
      FrontJudge::JudgeSharedTop(block, out);
      return;
    }
    Candidate top;
    tables_.Start(top, first);
    bool topPasses = true;
    for (const Check& check : topStrict_)
      if (!Passes(check, first, top)) {
        topPasses = false;
        break;
      }
    int32_t shared[kMaxBlockChecks];
    for (size_t k = 0; k < lowStrict_.size(); ++k) {
      const Check& check = lowStrict_[k];
      if (check.op != Op::Sum && check.op != Op::SumOmission) continue;
      const int32_t* t = check.value.table;
      shared[k] = check.value.constant + t[first[1]] + t[first[2]] + t[first[3]] + t[first[4]];
    }
    for (size_t i = 0; i < block.size(); ++i) {
      const Combo& c = block[i];
      if (c[0] < 1 || c[0] >= c[1] || !std::equal(c.begin() + 1, c.end(), first.begin() + 1)) {
        out[i] = Judge(c, false);
        continue;
      }
      out[i] = topPasses && PassesShapeAndHistory(c) ? JudgeLow(c, shared) : Verdict{};
    }
  }

 private:
  static constexpr size_t kMaxBlockChecks = 256;

  bool PassesShapeAndHistory(const Combo& c) const {
    return !(notEqualDist_ && HasEqualGaps(c)) && !(specNext_ && IsSpecialRun(c)) &&
           !(notHistory_ && pastCombos_->Contains(c));
  }

  // The block path's remaining tests of one combination, its shared sums given.
  Verdict JudgeLow(const Combo& c, const int32_t* shared) const {
    Candidate cand;
    tables_.Start(cand, c);
    for (size_t k = 0; k < lowStrict_.size(); ++k) {
      const Check& check = lowStrict_[k];
      bool passes;
      if (check.op == Op::Sum)
        passes = check.values.Contains(shared[k] + check.value.table[c[0]]);
      else if (check.op == Op::SumOmission)
        passes = check.values.Contains(
            check.value.omission->DenseOf(shared[k] + check.value.table[c[0]]));
      else
        passes = Passes(check, c, cand);
      if (!passes) return {};
    }
    if (nothingTolerated_) return cleanAccepted_ ? Verdict{true, 0, 0} : Verdict{};
    return Tolerated(cand);
  }

  // The tolerant tests and the custom indicators, once every non-tolerant
  // test has passed.
  Verdict Tolerated(Candidate& cand) const {
    const Combo& c = cand.draw.front;
    int failures = 0;
    int lastMark = 0;
    const int most = tolerance_.enabled ? tolerance_.to : INT32_MAX;
    for (const Check& check : tolerant_) {
      if (Passes(check, c, cand)) continue;
      // More violations can only follow: past the upper bound it is settled.
      if (++failures > most) return {};
      lastMark = check.mark;
    }
    for (const CustomCheck& check : custom_) {
      int32_t value = 0;
      if (!check.formula->Value(cand, value)) break;
      if (check.values.Contains(value)) continue;
      if (!check.tolerant) return {};
      if (++failures > most) return {};
      lastMark = kCustomIndicatorMark;
    }
    if (!WithinTotalTolerance(tolerance_, failures)) return {};
    return {true, failures, lastMark};
  }

 private:
  void AddIndicatorCheck(int number, std::vector<Check>& out) {
    const IndicatorCondition& cond = set_.Indicator(number);
    if (!cond.Applies()) return;
    const FrontCondition* fc = FindFrontCondition(number);
    Check c;
    c.tolerant = cond.tolerant;
    c.mark = number;
    c.values = ValueBitmap(cond.values);
    Resolution r = ResolveIndicator(fc->key);
    if (r.ok() && r.indicator->CatalogueRef()) {
      c.value = tables_.Compile(*r.indicator->CatalogueRef());
      c.cost = CostOf(c.value);
    } else {
      // Not expected for the table's keys; kept exact all the same.
      c.generic = r.indicator.get();
      if (r.indicator) keep_.push_back(std::move(r.indicator));
      c.cost = 5;
    }
    c.op = OpOf(c);
    out.push_back(std::move(c));
  }

  // Any failed non-tolerant test rejects, so their order only decides how
  // soon: the expected cost of the tests is least when they are ordered by
  // cost over rejection rate, both estimated on the tables' sample
  // combinations (a test that rejects none of them goes last).
  void OrderStrictChecks() {
    const std::vector<Combo>& samples = tables_.Samples();
    std::vector<std::pair<double, size_t>> rank(strict_.size());
    for (size_t i = 0; i < strict_.size(); ++i) {
      int rejected = 0;
      for (const Combo& c : samples) {
        Candidate cand;
        tables_.Start(cand, c);
        rejected += !Passes(strict_[i], c, cand);
      }
      const double rate = static_cast<double>(rejected) / static_cast<double>(samples.size());
      rank[i] = {static_cast<double>(strict_[i].cost) / std::max(rate, 1e-3), i};
    }
    std::stable_sort(rank.begin(), rank.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Check> ordered;
    ordered.reserve(strict_.size());
    for (const auto& r : rank) ordered.push_back(std::move(strict_[r.second]));
    strict_ = std::move(ordered);
  }

  [[gnu::always_inline]] bool Passes(const Check& check, const Combo& c, Candidate& cand) const {
    return PassesCheck(check, c, cand, tables_, variation_ ? &*variation_ : nullptr);
  }

  const ConditionSet& set_;
  std::unique_ptr<CandidateTables> ownTables_;
  CandidateTables& tables_;
  const HistoryComboSet* pastCombos_;
  std::unique_ptr<FrontJudge> reference_;  // for anything but a valid combination
  uint64_t poolMask_ = 0;
  uint64_t bankerMask_ = 0;
  int bankerCount_ = 0;
  bool notEqualDist_ = false;
  bool specNext_ = false;
  bool notHistory_ = false;
  TotalTolerance tolerance_;
  bool nothingTolerated_ = false;           // no tolerant test and no custom indicator
  bool cleanAccepted_ = false;              // the verdict of a combination without violations
  std::optional<VariationGate> variation_;  // 离散系数, when it is judged
  std::vector<Check> strict_;               // non-tolerant, cheapest first
  std::vector<Check> topStrict_;            // those of strict_ that read only c[1..4]
  std::vector<Check> lowStrict_;            // the others, in the same order
  std::vector<Check> tolerant_;             // in the reference order
  std::vector<CustomCheck> custom_;
  std::vector<IndicatorPtr> keep_;
};

}  // namespace

std::unique_ptr<FrontJudge> MakeFastJudge(const JudgeSetup& setup) {
  return std::make_unique<FastJudge>(setup, nullptr, true);
}

std::unique_ptr<FrontJudge> MakeFastJudge(const JudgeSetup& setup, CandidateTables& tables,
                                          bool orderChecks) {
  return std::make_unique<FastJudge>(setup, &tables, orderChecks);
}

}  // namespace dlt
