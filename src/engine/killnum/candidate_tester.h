#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "killnum/kill_kind.h"
#include "killnum/search_candidate.h"

namespace dlt {

// What a search or an optimisation tests its candidates on.
struct CandidateSetup {
  KillKind kind = KillKind::FrontKill;
  std::string customIndicator;  // custom kill: a candidate holds where it differs from this
  CandidateShape shape;
  int start = 0;  // history indexes of the first and the last draw tested
  int end = 0;
  // Values straight from the coefficients; off: each candidate's text is
  // compiled and evaluated (the same values, slower).
  bool quick = true;
};

// The rules that drop a candidate during its test.
struct RunLimits {
  std::optional<int> maxRun;  // a run of failures longer than this drops it
  // Failure marks of the scheme so far (255: none), one per tested draw, or
  // null. A failure marks an unmarked draw with `mark`; with `maxMarkedRun`
  // a block of marked draws around the failure longer than it drops the
  // candidate.
  std::vector<uint8_t>* marks = nullptr;
  uint8_t mark = 1;
  std::optional<int> maxMarkedRun;
};

struct CandidateScore {
  int successes = 0;
  int tested = 0;
  int longestRun = 0;
  bool dropped = false;  // by a run limit, before the end
  std::string error;     // the candidate could not be evaluated (slow path only)
  double Rate() const { return tested > 0 ? successes * 100.0 / tested : 0.0; }
};

constexpr uint8_t kNoMark = 255;

// Everything that depends only on the history, computed once: the
// indicator at every draw, the drawn numbers, the custom indicator's values.
class CandidateTester {
 public:
  // Null with `error` set when the setup cannot be tested: a shape that
  // makes no formulas, a range that is not a range of the history, a custom
  // indicator formula that fails on a tested draw ("公式有误:" and why).
  static std::unique_ptr<CandidateTester> Make(const KillHistory& history,
                                               const CandidateSetup& setup, std::string* error);

  const CandidateSetup& Setup() const { return setup_; }
  int Draws() const { return setup_.end - setup_.start + 1; }
  // Tests one candidate (coefficients c1..cK, c0) on the draws in order.
  CandidateScore Test(std::span<const int32_t> coefficients, const RunLimits& limits) const;

 private:
  CandidateTester(const KillHistory& history, const CandidateSetup& setup);
  bool Holds(int draw, int32_t value) const;

  const KillHistory& history_;
  CandidateSetup setup_;
  CandidateEvaluator evaluator_;
  std::vector<uint64_t> drawn_;  // per tested draw
  std::vector<int32_t> custom_;  // per tested draw
};

}  // namespace dlt
