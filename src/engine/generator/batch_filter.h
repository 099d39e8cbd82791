#pragma once

#include <string>
#include <vector>

#include "generator/condition_set.h"
#include "generator/filter_run.h"
#include "generator/result_list.h"

namespace dlt {

inline constexpr const char* kBatchDoneMessage = "批量过滤完毕";

enum class BatchStepKind {
  kFiltered,    // loaded, then 常规过滤
  kContinued,   // loaded, then 继续过滤
  kMissing,     // no such file: skipped
  kUnreadable,  // the file could not be loaded: skipped (the set is as after a reset)
  kRefused,     // loaded, but the run was refused (forecast or range guard)
};

struct BatchStep {
  std::string path;
  BatchStepKind kind = BatchStepKind::kMissing;
  std::string message;  // why a file was skipped or a run refused; empty otherwise
  RunOutcome outcome;   // the run, for kFiltered, kContinued and kRefused
};

struct BatchOutcome {
  std::vector<BatchStep> steps;  // one per path, in order, up to a cancellation
  bool cancelled = false;        // a run was cancelled; later files were not run
  std::string message;           // kBatchDoneMessage when the batch went through
  std::string caption;           // the caption of the last run, empty when none ran

  // Some file was unreadable or its run refused.
  bool HadProblems() const;
};

// 批量过滤: each condition file is loaded into `set` and narrows the list.
// The first file that gets filtered runs 常规过滤 and every later one
// 继续过滤, so the list a batch ends with never depends on the list shown
// before it: a missing or unreadable file, or a refused run, is passed over
// and the next file takes its turn.
BatchOutcome RunBatchFilter(const FilterEnvironment& env, const std::vector<std::string>& paths,
                            ConditionSet& set, ResultList& list);

}  // namespace dlt
