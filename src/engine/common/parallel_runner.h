#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

namespace dlt {

// Called now and then with (done, total); returning false cancels.
using ProgressFn = std::function<bool(int64_t done, int64_t total)>;

// What a block of work can see of the run it belongs to.
class ParallelControl {
 public:
  // From now on no item at or after `index` is wanted: blocks that start
  // there are not begun, and a running block may stop when it reaches it.
  // A search that accepts the first hit in item order calls it with the
  // index of its hit, so the hits before it are still found.
  void StopAt(int64_t index) {
    int64_t seen = limit_.load(std::memory_order_relaxed);
    while (index < seen && !limit_.compare_exchange_weak(seen, index, std::memory_order_relaxed)) {
    }
  }
  int64_t Limit() const { return limit_.load(std::memory_order_relaxed); }
  // True once the run was cancelled or `index` lies at or after the limit:
  // a long block looks at it now and then.
  bool ShouldStop(int64_t index) const {
    return index >= Limit() || cancelled_.load(std::memory_order_relaxed);
  }
  bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

 private:
  friend class ParallelRun;
  explicit ParallelControl(int64_t total) : limit_(total) {}
  std::atomic<int64_t> limit_;
  std::atomic<bool> cancelled_{false};
};

// Works on the items [begin, end); `worker` (0 .. threads - 1) numbers the
// thread, so a block can use scratch space of its own worker.
using BlockFn =
    std::function<void(int64_t begin, int64_t end, int worker, ParallelControl& control)>;

struct ParallelOptions {
  // Items per block: the unit handed out, counted as done, and between two
  // looks at the cancel flag. Blocks are handed out in item order.
  int64_t blockSize = 4096;
  int threads = 0;  // 0: one per hardware thread
  // Called on the calling thread, first before any work and then every
  // `interval` while workers run; the calling thread then does no work itself.
  ProgressFn progress;
  std::chrono::milliseconds interval{50};
  // Another thread sets it to cancel (checked between blocks).
  const std::atomic<bool>* cancel = nullptr;
};

struct ParallelOutcome {
  bool cancelled = false;
  int64_t done = 0;  // items of the blocks that were finished
};

// Runs `work` over the items 0..total-1 in contiguous blocks on every core.
// Each block is worked by one thread; a block's results can go to its own
// part of an output, so the order is the item order without merging. The
// first exception a block throws is thrown again here after every thread
// has stopped.
ParallelOutcome RunParallel(int64_t total, const BlockFn& work,
                            const ParallelOptions& options = {});

// The number of worker threads RunParallel uses for these options.
int ParallelThreads(const ParallelOptions& options);

}  // namespace dlt
