#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace dlt::gui {

// Work that runs on a worker thread while its window stays usable (a search
// that the window's own button stops). `finished` comes on the window's
// thread once the work has returned.
class BackgroundJob : public QObject {
  Q_OBJECT
 public:
  using Work = std::function<void(const std::atomic<bool>& cancel)>;

  explicit BackgroundJob(QObject* parent = nullptr);
  // Cancels a running job and waits for it.
  ~BackgroundJob() override;

  bool Running() const { return thread_ != nullptr; }
  // Starts `work` unless a job is running; false then.
  bool Start(Work work);
  // Asks the work to stop; `finished` follows when it has.
  void Cancel() { cancel_ = true; }
  // Blocks until the work has returned and `finished` was emitted.
  void Wait();

 signals:
  void finished();

 private:
  void Done(int generation);

  std::unique_ptr<QThread> thread_;
  int generation_ = 0;  // of the running job; a late signal of an earlier one is ignored
  std::atomic<bool> cancel_{false};
};

}  // namespace dlt::gui
