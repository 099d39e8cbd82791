#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/parallel_runner.h"
#include "generator/combination.h"
#include "generator/front_judge.h"

namespace dlt {

// Judges many combinations on all cores (blocks of kJudgeAllBlock of the
// input handed out in turn by the parallel runner); the verdicts come back in
// input order. A cancel lets the blocks under way finish and starts no other;
// the result is then empty and *cancelled (when given) is set.
constexpr int64_t kJudgeAllBlock = 4096;
std::vector<Verdict> JudgeAll(const FrontJudge& judge, std::span<const Combo> combos, bool recheck,
                              const ProgressFn& progress = {}, bool* cancelled = nullptr);

// The accepted combinations of a whole enumeration.
// (A filter marks every result 0, so the verdicts themselves are not kept.)
struct EnumerationVerdicts {
  std::vector<Combo> accepted;  // in the order EnumerateCombos lists them
  int64_t judged = 0;           // combinations enumerated and judged
  bool cancelled = false;       // then `accepted` is empty
  // violations[k]: accepted combinations with k tolerated violations; at
  // least bucket 0, so it always sums to the accepted count.
  std::vector<int64_t> violations = {0};
};

// Adds one accepted verdict to a violation histogram (see above).
void CountViolations(std::vector<int64_t>& histogram, const Verdict& v);
// Adds one histogram to another, bucket by bucket.
void MergeViolations(std::vector<int64_t>& into, const std::vector<int64_t>& from);

// EnumerateCombos(pool, bankers) and JudgeAll in one pass on every core:
// the generator's order is cut into equal stretches (a few per thread, each
// entered by its rank), the parallel runner hands them out in turn, each
// keeps only what it accepts, and the stretches are joined in order. Same result as judging
// EnumerateCombos' list, without building it.
EnumerationVerdicts JudgeEnumeration(const FrontJudge& judge, const std::vector<int>& pool,
                                     const std::vector<int>& bankers,
                                     const ProgressFn& progress = {});

}  // namespace dlt
