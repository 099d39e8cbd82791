#include "generator/batch_filter.h"

#include <filesystem>
#include <system_error>

#include "generator/condition_files.h"

namespace dlt {

bool BatchOutcome::HadProblems() const {
  for (const BatchStep& s : steps)
    if (s.kind == BatchStepKind::kUnreadable || s.kind == BatchStepKind::kRefused) return true;
  return false;
}

BatchOutcome RunBatchFilter(const FilterEnvironment& env, const std::vector<std::string>& paths,
                            ConditionSet& set, ResultList& list) {
  BatchOutcome batch;
  bool filtered = false;
  for (const std::string& path : paths) {
    BatchStep step;
    step.path = path;
    std::error_code ec;
    // Only what is not there is skipped quietly; a folder or a device is
    // refused by the loader with its message.
    if (!std::filesystem::exists(path, ec)) {
      step.kind = BatchStepKind::kMissing;
      batch.steps.push_back(std::move(step));
      continue;
    }
    const LoadReport report = LoadFrontSet(path, set);
    if (!report.ok) {
      step.kind = BatchStepKind::kUnreadable;
      step.message = report.message;
      batch.steps.push_back(std::move(step));
      continue;
    }
    step.outcome = filtered ? RunContinueFilter(env, set, list) : RunFilter(env, set, list);
    if (step.outcome.Done()) {
      step.kind = filtered ? BatchStepKind::kContinued : BatchStepKind::kFiltered;
      filtered = true;
      batch.caption = step.outcome.caption;
    } else {
      step.kind = BatchStepKind::kRefused;
      step.message = step.outcome.message;
    }
    const bool cancelled = step.outcome.status == RunStatus::kCancelled;
    batch.steps.push_back(std::move(step));
    if (cancelled) {
      batch.cancelled = true;
      return batch;
    }
  }
  batch.message = kBatchDoneMessage;
  return batch;
}

}  // namespace dlt
