// Bulk judging on every core: the input is cut into contiguous chunks, one
// thread per chunk, each writing its verdicts into its own part of the
// result, so the order is the input order without any merging.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "generator/front_judge.h"

namespace dlt {
namespace {

constexpr size_t kBlock = 4096;  // combinations between two looks at the cancel flag

}  // namespace

std::vector<Verdict> JudgeAll(const FrontJudge& judge, std::span<const Combo> combos, bool recheck,
                              const ProgressFn& progress, bool* cancelled) {
  if (cancelled) *cancelled = false;
  const size_t total = combos.size();
  std::vector<Verdict> verdicts(total);
  if (total == 0) return verdicts;

  const size_t hardware = std::max(1u, std::thread::hardware_concurrency());
  const size_t chunks = std::min(hardware, (total + kBlock - 1) / kBlock);
  std::atomic<size_t> done{0};
  std::atomic<bool> stop{false};
  std::atomic<size_t> running{chunks};
  std::mutex mutex;
  std::condition_variable finished;

  const auto work = [&](size_t chunk) {
    const size_t begin = total * chunk / chunks;
    const size_t end = total * (chunk + 1) / chunks;
    for (size_t i = begin; i < end && !stop.load(std::memory_order_relaxed);) {
      const size_t blockStart = i;
      const size_t blockEnd = std::min(end, i + kBlock);
      for (; i < blockEnd; ++i) verdicts[i] = judge.Judge(combos[i], recheck);
      done.fetch_add(blockEnd - blockStart, std::memory_order_relaxed);
    }
    if (running.fetch_sub(1) == 1) {
      std::lock_guard lock(mutex);
      finished.notify_all();
    }
  };

  // The first report comes before any work, so a caller can cancel at once.
  if (progress && !progress(0, static_cast<int64_t>(total))) {
    if (cancelled) *cancelled = true;
    return {};
  }
  std::vector<std::thread> threads;
  if (!progress) {
    // The calling thread takes the first chunk itself.
    for (size_t k = 1; k < chunks; ++k) threads.emplace_back(work, k);
    work(0);
  } else {
    // The calling thread only reports, so the callback always runs on it.
    for (size_t k = 0; k < chunks; ++k) threads.emplace_back(work, k);
    std::unique_lock lock(mutex);
    while (running.load() != 0) {
      finished.wait_for(lock, std::chrono::milliseconds(50));
      if (running.load() == 0) break;
      lock.unlock();
      const bool goOn =
          progress(static_cast<int64_t>(std::min(done.load(), total)), static_cast<int64_t>(total));
      lock.lock();
      if (!goOn) stop = true;
    }
  }
  for (std::thread& t : threads) t.join();
  // The last report is a last chance to cancel: a cancel that came while the
  // last blocks finished is not lost.
  if (stop || (progress && !progress(static_cast<int64_t>(total), static_cast<int64_t>(total)))) {
    if (cancelled) *cancelled = true;
    return {};
  }
  return verdicts;
}

}  // namespace dlt
