#include "common/parallel_runner.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

namespace dlt {

int ParallelThreads(const ParallelOptions& options) {
  if (options.threads > 0) return options.threads;
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// One run: the block counter, the stop state and the first error.
class ParallelRun {
 public:
  ParallelRun(int64_t total, const BlockFn& work, const ParallelOptions& options)
      : total_(total),
        block_(std::max<int64_t>(1, options.blockSize)),
        work_(work),
        options_(options),
        control_(total) {}

  ParallelOutcome Run() {
    ParallelOutcome outcome;
    if (total_ <= 0) return outcome;
    const int64_t blocks = (total_ - 1) / block_ + 1;
    const int threads = static_cast<int>(std::min<int64_t>(ParallelThreads(options_), blocks));
    running_ = threads;

    // The first report comes before any work, so a caller can cancel at once.
    if (options_.progress && !options_.progress(0, total_)) {
      outcome.cancelled = true;
      return outcome;
    }
    std::vector<std::thread> pool;
    if (!options_.progress) {
      // The calling thread takes a worker's share itself.
      for (int w = 1; w < threads; ++w) pool.emplace_back([this, w] { Work(w); });
      Work(0);
    } else {
      // The calling thread only reports, so the callback always runs on it.
      for (int w = 0; w < threads; ++w) pool.emplace_back([this, w] { Work(w); });
      std::unique_lock lock(mutex_);
      while (running_ != 0) {
        finished_.wait_for(lock, options_.interval);
        if (running_ == 0) break;
        lock.unlock();
        const bool goOn = options_.progress(std::min(done_.load(), total_), total_);
        lock.lock();
        if (!goOn) control_.cancelled_ = true;
      }
    }
    for (std::thread& t : pool) t.join();
    if (error_) std::rethrow_exception(error_);
    outcome.done = done_.load();
    outcome.cancelled = control_.Cancelled();
    if (!outcome.cancelled && options_.progress) options_.progress(outcome.done, total_);
    return outcome;
  }

 private:
  bool ExternalCancel() const {
    return options_.cancel && options_.cancel->load(std::memory_order_relaxed);
  }

  void Work(int worker) {
    try {
      for (;;) {
        if (ExternalCancel()) control_.cancelled_ = true;
        if (control_.Cancelled()) break;
        const int64_t b = next_.fetch_add(1, std::memory_order_relaxed);
        if (b > (total_ - 1) / block_) break;
        const int64_t begin = b * block_;
        if (begin >= control_.Limit()) break;
        const int64_t end = std::min(total_, begin + block_);
        work_(begin, end, worker, control_);
        done_.fetch_add(end - begin, std::memory_order_relaxed);
      }
    } catch (...) {
      std::lock_guard lock(mutex_);
      if (!error_) error_ = std::current_exception();
      control_.cancelled_ = true;
    }
    std::lock_guard lock(mutex_);
    if (--running_ == 0) finished_.notify_all();
  }

  const int64_t total_;
  const int64_t block_;
  const BlockFn& work_;
  const ParallelOptions& options_;
  ParallelControl control_;
  std::atomic<int64_t> next_{0};
  std::atomic<int64_t> done_{0};
  int running_ = 0;  // guarded by mutex_
  std::mutex mutex_;
  std::condition_variable finished_;
  std::exception_ptr error_;
};

ParallelOutcome RunParallel(int64_t total, const BlockFn& work, const ParallelOptions& options) {
  ParallelRun run(total, work, options);
  return run.Run();
}

}  // namespace dlt
