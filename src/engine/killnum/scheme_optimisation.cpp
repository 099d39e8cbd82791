#include "killnum/scheme_optimisation.h"

#include <limits>
#include <mutex>

#include "common/parallel_runner.h"

namespace dlt {
namespace {

constexpr int64_t kBlock = 256;

bool InTarget(const OptimiseSettings& s, const CandidateScore& score) {
  return !score.dropped && score.Rate() >= s.targetFrom && score.Rate() <= s.targetTo;
}

// The first candidate from `first` on that is accepted (or fails to
// evaluate) against the current marks.
struct RoundHit {
  int64_t index = -1;
  CandidateScore score;
  std::vector<int32_t> coefficients;
  std::vector<uint8_t> marks;
};

}  // namespace

OptimiseResult OptimiseScheme(const KillHistory& history, const OptimiseSettings& settings,
                              const OptimiseProgressFn& progress, const std::atomic<bool>* cancel) {
  OptimiseResult result;
  std::string error;
  const auto tester = CandidateTester::Make(history, settings.setup, &error);
  if (!tester) {
    result.outcome = SearchOutcome::Failed;
    result.error = error;
    return result;
  }
  const CandidateShape& shape = settings.setup.shape;
  const size_t width = static_cast<size_t>(shape.lookback + 1);
  result.marks.assign(static_cast<size_t>(tester->Draws()), kNoMark);

  if (settings.random) {
    for (int q = 0; q < settings.wanted; ++q) {
      AcceptedFormula f;
      f.coefficients.resize(width);
      CandidateCoefficients(settings.seed, q, f.coefficients);
      f.text = CandidateText(shape, f.coefficients);
      f.candidateIndex = q;
      result.formulas.push_back(std::move(f));
    }
    result.tested = settings.wanted;
    result.outcome = SearchOutcome::Found;
    return result;
  }

  const int64_t budget =
      settings.maxCandidates > 0 ? settings.maxCandidates : std::numeric_limits<int64_t>::max();
  std::atomic<double> bestRate{0};
  int64_t next = 0;
  while (static_cast<int>(result.formulas.size()) < settings.wanted && next < budget) {
    const int q = static_cast<int>(result.formulas.size());
    const bool schemeLimit = settings.schemeMaxWrong && q < settings.schemeFormulaCount;
    const bool keepMarks = settings.schemeMaxWrong.has_value();
    ParallelOptions options;
    options.blockSize = kBlock;
    options.threads = settings.threads;
    options.cancel = cancel;
    const int threads = ParallelThreads(options);
    std::vector<std::vector<uint8_t>> scratch(static_cast<size_t>(threads));
    std::mutex mutex;
    RoundHit hit;

    const BlockFn work = [&](int64_t begin, int64_t end, int worker, ParallelControl& control) {
      std::vector<int32_t> c(width);
      std::vector<uint8_t>& marks = scratch[static_cast<size_t>(worker)];
      RunLimits limits;
      limits.maxRun = settings.formulaMaxWrong;
      limits.mark = static_cast<uint8_t>(q + 1);
      if (schemeLimit) limits.maxMarkedRun = settings.schemeMaxWrong;
      for (int64_t i = begin; i < end && !control.ShouldStop(i); ++i) {
        CandidateCoefficients(settings.seed, next + i, c);
        if (keepMarks) marks = result.marks;
        limits.marks = keepMarks ? &marks : nullptr;
        CandidateScore s = tester->Test(c, limits);
        if (s.error.empty() && !s.dropped) {
          double seen = bestRate.load(std::memory_order_relaxed);
          while (s.Rate() > seen && !bestRate.compare_exchange_weak(seen, s.Rate())) {
          }
        }
        if (s.error.empty() && !InTarget(settings, s)) continue;
        control.StopAt(i);
        std::lock_guard lock(mutex);
        if (hit.index < 0 || i < hit.index) {
          hit.index = i;
          hit.score = s;
          hit.coefficients = c;
          hit.marks = marks;
        }
        return;
      }
    };

    if (progress)
      options.progress = [&](int64_t done, int64_t) {
        return progress(OptimiseStatus{next + done, q, bestRate.load()});
      };
    const ParallelOutcome run = RunParallel(budget - next, work, options);
    if (hit.index < 0) {
      result.tested = next + run.done;
      result.outcome = run.cancelled ? SearchOutcome::Cancelled : SearchOutcome::Exhausted;
      return result;
    }
    next += hit.index + 1;
    result.tested = next;
    if (!hit.score.error.empty()) {
      result.outcome = SearchOutcome::Failed;
      result.error = hit.score.error;
      return result;
    }
    // Only a limited scheme keeps marks: the first accepted formula that
    // failed on a draw marks it.
    if (keepMarks) result.marks = hit.marks;
    AcceptedFormula f;
    f.coefficients = hit.coefficients;
    f.text = CandidateText(shape, hit.coefficients);
    f.rate = hit.score.Rate();
    f.longestRun = hit.score.longestRun;
    f.candidateIndex = next - 1;
    result.formulas.push_back(std::move(f));
    if (run.cancelled) break;
  }
  if (static_cast<int>(result.formulas.size()) == settings.wanted)
    result.outcome = SearchOutcome::Found;
  else if (result.outcome != SearchOutcome::Failed)
    result.outcome = next >= budget ? SearchOutcome::Exhausted : SearchOutcome::Cancelled;
  return result;
}

}  // namespace dlt
