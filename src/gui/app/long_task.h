#pragma once

#include <QString>
#include <atomic>
#include <functional>

namespace dlt::gui {

class Tf_showpic;

// What a long piece of work sees: where to report progress and whether the
// user asked it to stop.
class TaskControl {
 public:
  void SetTotal(int total) { total_ = total; }
  void SetDone(int done) { done_ = done; }
  bool Cancelled() const { return cancelled_; }

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

// Runs `work` on a worker thread and keeps the interface painting until it
// ends; `tick` runs on the interface thread every 100 ms and once at the end,
// to show the progress or to cancel the work. The caller must not touch what
// the work uses until this returns.
TaskOutcome RunOffInterfaceThread(const std::function<void(TaskControl&)>& work,
                                  const std::function<void(TaskControl&)>& tick);
// The same with the caller's control, which it may cancel at any time.
TaskOutcome RunOffInterfaceThread(TaskControl& control,
                                  const std::function<void(TaskControl&)>& work,
                                  const std::function<void(TaskControl&)>& tick);

// True while a RunOffInterfaceThread call is under way: its work may read
// the history off the interface thread, so nothing may change the history
// until it ends (its event loop still delivers other events meanwhile).
bool LongTaskRunning();

// Runs `work` on a worker thread while the message box shows `text` with
// its progress; the interface keeps painting, and the box blocks input to
// the other windows. The caller must not touch what the work uses until
// this returns.
TaskOutcome RunLongTask(Tf_showpic& box, const QString& text, bool cancellable,
                        const std::function<void(TaskControl&)>& work);

}  // namespace dlt::gui
