// The distribution of a key or formula over every equally likely next
// draw. The front zone walks all 324,632 combinations in stretches on every
// core, each value computed as the filter computes a condition's value for
// a candidate; the back zone's 66 pairs are few enough to evaluate one by
// one.
#include "generator/next_draw_distribution.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "common/numbers.h"
#include "formula/formula.h"
#include "formula/formula_check.h"
#include "formula/formula_syntax.h"
#include "formula/tgs.h"
#include "generator/back_judge.h"
#include "generator/candidate_tables.h"
#include "generator/formula_precompute.h"
#include "generator/index_sets.h"
#include "generator/judge_rules.h"
#include "indicators/indicator.h"

namespace dlt {
namespace {

constexpr int64_t kBlock = 4096;  // combinations between two looks at the cancel flag

// How often each value is met: a dense window while the values stay within
// a span a table can hold, a map beyond it.
class ValueTally {
 public:
  void Add(int32_t v) {
    const uint64_t off = static_cast<uint64_t>(int64_t{v} - lo_);
    if (off < dense_.size()) {
      ++dense_[off];
      return;
    }
    Widen(v);
  }
  void Fail() { ++failed_; }

  void MergeInto(std::map<int32_t, int64_t>& all, int64_t& failed) const {
    for (size_t i = 0; i < dense_.size(); ++i)
      if (dense_[i] > 0) all[static_cast<int32_t>(lo_ + static_cast<int64_t>(i))] += dense_[i];
    for (const auto& [v, n] : sparse_) all[v] += n;
    failed += failed_;
  }

 private:
  static constexpr int64_t kMaxDense = int64_t{1} << 16;

  void Widen(int32_t v) {
    const int64_t lo = dense_.empty() ? v : std::min<int64_t>(lo_, v);
    const int64_t hi =
        dense_.empty() ? v : std::max<int64_t>(lo_ + static_cast<int64_t>(dense_.size()) - 1, v);
    if (hi - lo >= kMaxDense) {
      ++sparse_[v];
      return;
    }
    std::vector<int64_t> wider(static_cast<size_t>(hi - lo + 1), 0);
    std::copy(dense_.begin(), dense_.end(), wider.begin() + (lo_ - lo));
    dense_ = std::move(wider);
    lo_ = lo;
    ++dense_[static_cast<size_t>(v - lo)];
  }

  int64_t lo_ = 0;
  std::vector<int64_t> dense_;
  std::map<int32_t, int64_t> sparse_;
  int64_t failed_ = 0;
};

ValueDistribution Collect(const std::vector<ValueTally>& tallies, int64_t total) {
  std::map<int32_t, int64_t> all;
  ValueDistribution d;
  for (const ValueTally& t : tallies) t.MergeInto(all, d.failed);
  for (const auto& [v, n] : all) d.counts.push_back({v, n});
  d.total = total;
  return d;
}

// A text is a key when it resolves as one (parameterised keys may hold
// operator characters), else a formula; a formula must be sound.
struct ParsedText {
  std::string text;
  IndicatorPtr key;
  std::string error;
};

ParsedText Parse(std::string_view raw) {
  ParsedText p;
  p.text = std::string(TrimFormulaText(raw));
  Resolution r = ResolveIndicator(p.text);
  if (r.ok()) {
    p.key = std::move(r.indicator);
    return p;
  }
  if (const auto message = CheckFormula(p.text)) p.error = *message;
  return p;
}

// The history with its candidate slot, the slot at the end.
std::vector<Draw> HistoryWithSlot(const MemoryHistory& history) {
  return std::vector<Draw>(history.Data(), history.Data() + history.Count() + 1);
}

// By name or by the interpreter, at the candidate slot of `draws`.
bool ReferenceValue(const ParsedText& p, const DistributionQuery& q, const std::vector<Draw>& draws,
                    tgs& interpreter, int32_t& value) {
  const EvalContext ctx =
      MemoryContext(draws, static_cast<int>(draws.size()) - 1, q.tableTest, &q.env);
  if (p.key) {
    value = IndicatorValue(ctx, p.text);
    return true;
  }
  return interpreter.Evaluate(p.text, ctx, value);
}

// Every value failed: the interpreter's own message at the first draw.
std::string FailureMessage(const ParsedText& p, const DistributionQuery& q) {
  std::vector<Draw> draws = HistoryWithSlot(*q.history);
  if (q.zone == DrawZone::Front)
    draws.back().front = {1, 2, 3, 4, 5};
  else
    draws.back().back = {1, 2};
  tgs interpreter;
  int32_t value = 0;
  ReferenceValue(p, q, draws, interpreter, value);
  return "公式有误:" + interpreter.ErrorText();
}

DistributionOutcome Finish(const ParsedText& p, const DistributionQuery& q, ValueDistribution d) {
  DistributionOutcome out;
  if (d.total > 0 && d.failed == d.total) {
    out.error = FailureMessage(p, q);
    return out;
  }
  out.distribution = std::move(d);
  return out;
}

const std::vector<BackPair>& AllPairs() {
  static const std::vector<BackPair> pairs = [] {
    std::vector<BackPair> all;
    for (int a = 1; a <= kBackMax; ++a)
      for (int b = a + 1; b <= kBackMax; ++b)
        all.push_back({static_cast<uint8_t>(a), static_cast<uint8_t>(b)});
    return all;
  }();
  return pairs;
}

// The 66 back pairs, each evaluated by the compiled formula (or by name).
DistributionOutcome BackDistribution(const ParsedText& p, const DistributionQuery& q) {
  std::vector<Draw> draws = HistoryWithSlot(*q.history);
  const auto formula = p.key ? nullptr : CompiledFormula::Compile(p.text);
  std::vector<ValueTally> tally(1);
  const EvalContext ctx =
      MemoryContext(draws, static_cast<int>(draws.size()) - 1, q.tableTest, &q.env);
  for (const BackPair& pair : AllPairs()) {
    draws.back().back = pair;
    if (p.key) {
      tally[0].Add(p.key->Value(ctx));
      continue;
    }
    const FormulaResult r = formula->Evaluate(ctx);
    if (r.ok)
      tally[0].Add(r.value);
    else
      tally[0].Fail();
  }
  return Finish(p, q, Collect(tally, static_cast<int64_t>(AllPairs().size())));
}

// How one front candidate's value is computed, resolved once.
class FrontEvaluator {
 public:
  FrontEvaluator(const ParsedText& p, CandidateTables& tables) : tables_(tables) {
    if (p.key) {
      if (const auto ref = p.key->CatalogueRef()) {
        value_ = tables.Compile(*ref);
        kind_ = Kind::Catalogue;
      } else {
        key_ = p.key;
        kind_ = Kind::Generic;
      }
      return;
    }
    formula_ = FastFormula::Compile(p.text, tables.N(), tables);
    kind_ = Kind::Formula;
  }

  bool Value(Candidate& cand, int32_t& value) const {
    switch (kind_) {
      case Kind::Catalogue:
        value = tables_.Eval(value_, cand);
        return true;
      case Kind::Generic:
        value = key_->Value(tables_.GenericContext(cand, tables_.N()));
        return true;
      case Kind::Formula:
        return formula_->Value(cand, value);
    }
    return false;
  }

 private:
  enum class Kind { Catalogue, Generic, Formula };
  const CandidateTables& tables_;
  Kind kind_ = Kind::Catalogue;
  FastValue value_;
  IndicatorPtr key_;
  std::unique_ptr<FastFormula> formula_;
};

// Runs `each(worker, combination)` over every front combination on every
// core, in stretches of the lexicographic order entered by rank.
template <class Each>
bool ForEveryCombination(const ProgressFn& progress, int threads, Each each) {
  ParallelOptions options;
  options.blockSize = kBlock;
  options.progress = progress;
  options.threads = threads;
  const auto work = [&](int64_t begin, int64_t end, int worker, ParallelControl&) {
    IndexSets sets(kFrontMax, 5, begin);
    for (int64_t k = begin; k < end; ++k, sets.Next()) {
      const auto& j = sets.Indices();
      const Combo c = {static_cast<uint8_t>(j[0] + 1), static_cast<uint8_t>(j[1] + 1),
                       static_cast<uint8_t>(j[2] + 1), static_cast<uint8_t>(j[3] + 1),
                       static_cast<uint8_t>(j[4] + 1)};
      each(worker, c);
    }
  };
  return !RunParallel(kAllCombos, work, options).cancelled;
}

int Threads() {
  return ParallelThreads(ParallelOptions{});
}

}  // namespace

DistributionOutcome NextDrawDistribution(const DistributionQuery& query,
                                         const ProgressFn& progress) {
  const ParsedText p = Parse(query.text);
  DistributionOutcome out;
  if (!p.error.empty()) {
    out.error = p.error;
    return out;
  }
  if (query.zone == DrawZone::Back) return BackDistribution(p, query);

  CandidateTables tables(*query.history, query.env, query.tableTest);
  const FrontEvaluator evaluator(p, tables);
  std::vector<ValueTally> tallies(static_cast<size_t>(Threads()));
  const bool done = ForEveryCombination(progress, Threads(), [&](int worker, const Combo& c) {
    Candidate cand;
    tables.Start(cand, c);
    int32_t value = 0;
    if (evaluator.Value(cand, value))
      tallies[static_cast<size_t>(worker)].Add(value);
    else
      tallies[static_cast<size_t>(worker)].Fail();
  });
  if (!done) {
    out.cancelled = true;
    return out;
  }
  return Finish(p, query, Collect(tallies, kAllCombos));
}

DistributionOutcome ReferenceNextDrawDistribution(const DistributionQuery& query) {
  const ParsedText p = Parse(query.text);
  DistributionOutcome out;
  if (!p.error.empty()) {
    out.error = p.error;
    return out;
  }
  const int threads = Threads();
  std::vector<ValueTally> tallies(static_cast<size_t>(threads));
  std::vector<std::vector<Draw>> copies(static_cast<size_t>(threads),
                                        HistoryWithSlot(*query.history));
  const auto evaluate = [&](int worker, auto write) {
    std::vector<Draw>& draws = copies[static_cast<size_t>(worker)];
    write(draws.back());
    tgs interpreter;
    int32_t value = 0;
    if (ReferenceValue(p, query, draws, interpreter, value))
      tallies[static_cast<size_t>(worker)].Add(value);
    else
      tallies[static_cast<size_t>(worker)].Fail();
  };
  int64_t total = 0;
  if (query.zone == DrawZone::Back) {
    for (const BackPair& pair : AllPairs()) evaluate(0, [&](Draw& d) { d.back = pair; });
    total = static_cast<int64_t>(AllPairs().size());
  } else {
    ForEveryCombination({}, threads, [&](int worker, const Combo& c) {
      evaluate(worker, [&](Draw& d) { d.front = c; });
    });
    total = kAllCombos;
  }
  return Finish(p, query, Collect(tallies, total));
}

}  // namespace dlt
