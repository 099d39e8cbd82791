// Bulk judging on every core with the shared parallel runner: each block
// writes its verdicts into its own part of the result, so the order is the
// input order without any merging.
#include "generator/judge_runs.h"

namespace dlt {

std::vector<Verdict> JudgeAll(const FrontJudge& judge, std::span<const Combo> combos, bool recheck,
                              const ProgressFn& progress, bool* cancelled) {
  if (cancelled) *cancelled = false;
  std::vector<Verdict> verdicts(combos.size());
  ParallelOptions options;
  options.blockSize = kJudgeAllBlock;
  options.progress = progress;
  const ParallelOutcome run = RunParallel(
      static_cast<int64_t>(combos.size()),
      [&](int64_t begin, int64_t end, int, ParallelControl&) {
        for (int64_t i = begin; i < end; ++i)
          verdicts[static_cast<size_t>(i)] = judge.Judge(combos[static_cast<size_t>(i)], recheck);
      },
      options);
  if (run.cancelled) {
    if (cancelled) *cancelled = true;
    return {};
  }
  return verdicts;
}

}  // namespace dlt
