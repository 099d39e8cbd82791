#include "common/parallel_runner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace dlt {
namespace {

TEST(ParallelRunner, EveryItemOnceInItsBlock) {
  for (int threads : {1, 2, 3}) {
    for (bool withProgress : {false, true}) {
      std::vector<std::atomic<int>> seen(10007);
      ParallelOptions o;
      o.blockSize = 100;
      o.threads = threads;
      int64_t lastDone = 0;
      if (withProgress) {
        o.progress = [&](int64_t done, int64_t total) {
          EXPECT_EQ(total, 10007);
          EXPECT_GE(done, lastDone);
          lastDone = done;
          return true;
        };
      }
      const ParallelOutcome out = RunParallel(
          10007,
          [&](int64_t b, int64_t e, int worker, ParallelControl&) {
            EXPECT_EQ(b % 100, 0);
            EXPECT_EQ(e, std::min<int64_t>(b + 100, 10007));
            EXPECT_LT(worker, threads);
            for (int64_t i = b; i < e; ++i) seen[static_cast<size_t>(i)]++;
          },
          o);
      EXPECT_FALSE(out.cancelled);
      EXPECT_EQ(out.done, 10007);
      if (withProgress) {
        EXPECT_EQ(lastDone, 10007);
      }
      for (auto& s : seen) ASSERT_EQ(s.load(), 1);
    }
  }
}

// Hits at every 1000th item from 3500 on: whatever the threads and their
// speeds, the earliest hit is the one found.
TEST(ParallelRunner, StopAtKeepsTheEarlierItems) {
  for (int threads : {1, 2, 4}) {
    std::atomic<int64_t> first{-1};
    ParallelOptions o;
    o.blockSize = 64;
    o.threads = threads;
    RunParallel(
        1000000,
        [&](int64_t b, int64_t e, int, ParallelControl& c) {
          for (int64_t i = b; i < e && !c.ShouldStop(i); ++i) {
            if (i >= 3500 && i % 1000 == 500) {
              c.StopAt(i);
              int64_t f = first.load();
              while ((f < 0 || i < f) && !first.compare_exchange_weak(f, i)) {
              }
              return;
            }
          }
        },
        o);
    EXPECT_EQ(first.load(), 3500);
  }
}

TEST(ParallelRunner, CancelAndErrors) {
  ParallelOptions o;
  o.progress = [](int64_t, int64_t) { return false; };
  std::atomic<int64_t> worked{0};
  const auto count = [&](int64_t b, int64_t e, int, ParallelControl&) { worked += e - b; };
  EXPECT_TRUE(RunParallel(5000, count, o).cancelled);
  EXPECT_EQ(worked.load(), 0);

  std::atomic<bool> cancel{true};
  ParallelOptions flagged;
  flagged.cancel = &cancel;
  EXPECT_TRUE(RunParallel(5000, count, flagged).cancelled);
  EXPECT_EQ(worked.load(), 0);

  ParallelOptions two;
  two.threads = 2;
  const auto throwing = [](int64_t b, int64_t, int, ParallelControl&) {
    if (b == 4096) throw std::runtime_error("block");
  };
  EXPECT_THROW(RunParallel(5000, throwing, two), std::runtime_error);
  EXPECT_EQ(RunParallel(0, count).done, 0);
}

}  // namespace
}  // namespace dlt
