#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "killnum/candidate_tester.h"

namespace dlt {

struct SearchSettings {
  CandidateSetup setup;
  double targetFrom = 80;  // percent, both bounds included
  double targetTo = 100;
  std::optional<int> maxWrong;  // 允许最大连错
  uint64_t seed = 0;
  int64_t maxCandidates = 0;  // 0: until a candidate is found or the run is cancelled
  int threads = 0;            // 0: every core
};

// What a running search reports.
struct SearchStatus {
  int64_t tested = 0;
  int64_t accepted = 0;
  double bestRate = 0;  // of the candidates tested so far that ran to the end
};
// Called on the calling thread now and then; returning false cancels.
using SearchProgressFn = std::function<bool(const SearchStatus&)>;

enum class SearchOutcome { Found, Exhausted, Cancelled, Failed };

// Found: the candidate found. Exhausted or Cancelled: the best candidate
// tested that ran to the end (the highest rate, the earliest of equal
// ones), so that a stopped search still offers it; no formula when none did.
struct SearchResult {
  SearchOutcome outcome = SearchOutcome::Exhausted;
  std::string formula;
  std::vector<int32_t> coefficients;  // c1..cK, c0
  double rate = 0;
  int longestRun = 0;
  int64_t candidateIndex = -1;
  int64_t tested = 0;  // up to and including the one found
  std::string error;   // Failed: why
};

// Tests candidates of the seed in index order on every core and returns the
// first (by index) whose rate lies in the target and that no run limit
// dropped, so the result depends on the seed alone, never on the threads.
SearchResult SearchFormula(const KillHistory& history, const SearchSettings& settings,
                           const SearchProgressFn& progress = {},
                           const std::atomic<bool>* cancel = nullptr);

}  // namespace dlt
