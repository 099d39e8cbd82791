#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QThread;
class QTimer;

namespace dlt::gui {

// What a piece of background work sees: where to report progress and
// whether the user asked it to stop.
class TaskControl {
 public:
  void SetTotal(int total) { total_ = total; }
  void SetDone(int done) { done_ = done; }
  bool Cancelled() const { return cancelled_; }
  // For engine functions that poll a flag.
  const std::atomic<bool>& CancelFlag() const { return cancelled_; }

  int Total() const { return total_; }
  int Done() const { return done_; }
  void Cancel() { cancelled_ = true; }

 private:
  std::atomic<int> total_{0};
  std::atomic<int> done_{0};
  std::atomic<bool> cancelled_{false};
};

struct TaskOutcome {
  bool cancelled = false;
  QString error;  // the work threw: its message
  bool ok() const { return !cancelled && error.isEmpty(); }
};

// Runs one piece of work at a time on a worker thread. The runner belongs
// to an owner (its parent): the completion runs on the owner's thread, and
// when the owner goes the runner goes with it, cancelling the work, waiting
// for it and dropping the completion. So the work must hold what it reads
// by value or shared pointer, never the owner's members; its result reaches
// the owner only through the completion.
class BackgroundRunner : public QObject {
  Q_OBJECT
 public:
  using Work = std::function<void(TaskControl&)>;
  using Completion = std::function<void(const TaskOutcome&)>;
  using Tick = std::function<void(const TaskControl&)>;

  explicit BackgroundRunner(QObject* owner);
  ~BackgroundRunner() override;

  bool Running() const { return thread_ != nullptr; }
  // Starts `work` unless a job runs (false then); `done` follows on the
  // owner's thread once the work has returned.
  bool Start(Work work, Completion done);
  // The same for work that makes a value: `done` receives it, or nothing
  // when the work threw.
  template <class Result>
  bool Start(std::function<Result(TaskControl&)> work,
             std::function<void(std::optional<Result>, const TaskOutcome&)> done) {
    auto result = std::make_shared<std::optional<Result>>();
    return Start([result, work = std::move(work)](TaskControl& c) { *result = work(c); },
                 [result, done = std::move(done)](const TaskOutcome& outcome) {
                   done(std::move(*result), outcome);
                 });
  }
  // Asks the running work to stop; its completion follows when it has.
  void Cancel();
  // Blocks until the running work has returned and runs its completion now.
  void Finish();
  // Runs `work` and keeps the interface painting until it ends; `tick`
  // runs every `intervalMs` and once at the end. Cancel() reaches it.
  TaskOutcome RunAndWait(Work work, const Tick& tick);
  // While a job runs, `tick` reports its progress every `intervalMs` on the
  // owner's thread.
  void SetTick(int intervalMs, Tick tick);
  const TaskControl& Control() const { return *control_; }

 signals:
  // After the completion of each job.
  void finished();

 private:
  void Complete(int generation);

  std::unique_ptr<QThread> thread_;
  std::shared_ptr<TaskControl> control_;
  std::shared_ptr<TaskOutcome> outcome_;
  Completion done_;
  Tick tick_;
  QTimer* timer_ = nullptr;
  int generation_ = 0;  // of the running job; a late signal of an earlier one is ignored
};

// True while a RunAndWait call is under way: its work may read the history
// off the interface thread, so nothing may change the history until it ends
// (its event loop still delivers other events meanwhile).
bool LongTaskRunning();

}  // namespace dlt::gui
