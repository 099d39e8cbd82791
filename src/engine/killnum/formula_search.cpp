#include "killnum/formula_search.h"

#include <limits>
#include <mutex>

#include "common/parallel_runner.h"

namespace dlt {
namespace {

constexpr int64_t kBlock = 256;

void RaiseTo(std::atomic<double>& best, double rate) {
  double seen = best.load(std::memory_order_relaxed);
  while (rate > seen && !best.compare_exchange_weak(seen, rate, std::memory_order_relaxed)) {
  }
}

}  // namespace

SearchResult SearchFormula(const KillHistory& history, const SearchSettings& settings,
                           const SearchProgressFn& progress, const std::atomic<bool>* cancel) {
  SearchResult result;
  std::string error;
  const auto tester = CandidateTester::Make(history, settings.setup, &error);
  if (!tester) {
    result.outcome = SearchOutcome::Failed;
    result.error = error;
    return result;
  }
  const int K = settings.setup.shape.lookback;
  const int64_t total =
      settings.maxCandidates > 0 ? settings.maxCandidates : std::numeric_limits<int64_t>::max();

  // The earliest candidate that ends the run: accepted, or failing to evaluate.
  std::mutex mutex;
  int64_t hitIndex = -1;
  CandidateScore hitScore;
  std::vector<int32_t> hitCoefficients;
  std::atomic<double> bestRate{0};
  std::atomic<int64_t> accepted{0};
  // The best candidate that ran to the end: the highest rate, the earliest
  // of equal ones, so that a run of the same candidates gives the same one.
  int64_t bestIndex = -1;
  CandidateScore bestScore;
  std::vector<int32_t> bestCoefficients;
  const auto keepIfBest = [&](int64_t i, const CandidateScore& s, const std::vector<int32_t>& c) {
    if (s.Rate() < bestRate.load(std::memory_order_relaxed)) return;
    std::lock_guard lock(mutex);
    if (bestIndex >= 0 &&
        (s.Rate() < bestScore.Rate() || (s.Rate() == bestScore.Rate() && i > bestIndex)))
      return;
    bestIndex = i;
    bestScore = s;
    bestCoefficients = c;
  };

  const BlockFn work = [&](int64_t begin, int64_t end, int, ParallelControl& control) {
    std::vector<int32_t> c(static_cast<size_t>(K + 1));
    RunLimits limits;
    limits.maxRun = settings.maxWrong;
    for (int64_t i = begin; i < end && !control.ShouldStop(i); ++i) {
      CandidateCoefficients(settings.seed, i, c);
      const CandidateScore s = tester->Test(c, limits);
      if (s.error.empty() && !s.dropped) {
        keepIfBest(i, s, c);
        RaiseTo(bestRate, s.Rate());
      }
      const bool hit = !s.error.empty() || (!s.dropped && s.Rate() >= settings.targetFrom &&
                                            s.Rate() <= settings.targetTo);
      if (!hit) continue;
      if (s.error.empty()) accepted.fetch_add(1, std::memory_order_relaxed);
      control.StopAt(i);
      std::lock_guard lock(mutex);
      if (hitIndex < 0 || i < hitIndex) {
        hitIndex = i;
        hitScore = s;
        hitCoefficients = c;
      }
      return;
    }
  };

  ParallelOptions options;
  options.blockSize = kBlock;
  options.threads = settings.threads;
  options.cancel = cancel;
  if (progress)
    options.progress = [&](int64_t done, int64_t) {
      return progress(SearchStatus{done, accepted.load(), bestRate.load()});
    };
  const ParallelOutcome run = RunParallel(total, work, options);

  if (hitIndex >= 0) {
    result.tested = hitIndex + 1;
    result.candidateIndex = hitIndex;
    if (!hitScore.error.empty()) {
      result.outcome = SearchOutcome::Failed;
      result.error = hitScore.error;
      return result;
    }
    result.outcome = SearchOutcome::Found;
    result.coefficients = hitCoefficients;
    result.formula = CandidateText(settings.setup.shape, hitCoefficients);
    result.rate = hitScore.Rate();
    result.longestRun = hitScore.longestRun;
    return result;
  }
  result.tested = run.done;
  result.outcome = run.cancelled ? SearchOutcome::Cancelled : SearchOutcome::Exhausted;
  if (bestIndex >= 0) {
    result.candidateIndex = bestIndex;
    result.coefficients = bestCoefficients;
    result.formula = CandidateText(settings.setup.shape, bestCoefficients);
    result.rate = bestScore.Rate();
    result.longestRun = bestScore.longestRun;
  }
  return result;
}

}  // namespace dlt
