#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "killnum/candidate_tester.h"
#include "killnum/formula_search.h"

namespace dlt {

struct OptimiseSettings {
  CandidateSetup setup;
  int wanted = 10;      // N: formulas to fill slots 1..N (1..100)
  bool random = false;  // 随机生成: take candidates untested
  double targetFrom = 80;
  double targetTo = 100;
  std::optional<int> formulaMaxWrong;  // 方案中公式允许最大连错
  std::optional<int> schemeMaxWrong;   // 方案允许最大连错
  // 适用公式个数: the scheme's limit applies while fewer formulas than this are accepted.
  int schemeFormulaCount = 5;
  uint64_t seed = 0;
  int64_t maxCandidates = 0;  // 0: until N are accepted or the run is cancelled
  int threads = 0;
};

struct AcceptedFormula {
  std::string text;
  std::vector<int32_t> coefficients;
  double rate = 0;     // untested (随机生成): 0
  int longestRun = 0;  // its longest run of failures
  int64_t candidateIndex = 0;
};

struct OptimiseStatus {
  int64_t tested = 0;
  int accepted = 0;
  double bestRate = 0;
};
using OptimiseProgressFn = std::function<bool(const OptimiseStatus&)>;

struct OptimiseResult {
  SearchOutcome outcome = SearchOutcome::Exhausted;  // Found: all N accepted
  std::vector<AcceptedFormula> formulas;
  // Per tested draw: 255 where no accepted formula failed, else the
  // position (1-based) of the first accepted formula that failed there.
  std::vector<uint8_t> marks;
  int64_t tested = 0;
  std::string error;
};

// Fills a scheme: candidates of the seed are taken in index order, each
// tested against the marks of the formulas accepted before it, so the
// result is that of one candidate after the other; the testing itself runs
// on every core.
OptimiseResult OptimiseScheme(const KillHistory& history, const OptimiseSettings& settings,
                              const OptimiseProgressFn& progress = {},
                              const std::atomic<bool>* cancel = nullptr);

}  // namespace dlt
