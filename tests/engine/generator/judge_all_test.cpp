#include <gtest/gtest.h>

#include <atomic>
#include <random>

#include "common/parallel_runner.h"
#include "engine/generator/judge_test_support.h"
#include "generator/front_judge.h"
#include "generator/judge_runs.h"

namespace dlt {
namespace {

// A judge whose verdict is a function of the combination, so order mix-ups show.
class RankJudge final : public FrontJudge {
 public:
  Verdict Judge(const Combo& c, bool recheck) const override {
    const int r = ComboRank(c);
    calls.fetch_add(1);
    return {r % 3 != 0, recheck ? 1 : 0, r % 256};
  }
  mutable std::atomic<int64_t> calls{0};
};

std::vector<int> FullPool() {
  std::vector<int> pool(35);
  for (int n = 0; n < 35; ++n) pool[n] = n + 1;
  return pool;
}

TEST(JudgeAll, VerdictsInInputOrder) {
  const std::vector<Combo> all = EnumerateCombos(FullPool(), {});
  RankJudge judge;
  const std::vector<Verdict> v = JudgeAll(judge, all, true);
  ASSERT_EQ(v.size(), all.size());
  for (size_t i = 0; i < all.size(); i += 997) EXPECT_EQ(v[i], judge.Judge(all[i], true)) << i;
  EXPECT_EQ(v.back(), judge.Judge(all.back(), true));
}

TEST(JudgeAll, EmptyAndTinyInputs) {
  RankJudge judge;
  EXPECT_TRUE(JudgeAll(judge, {}, false).empty());
  const std::vector<Combo> one{{1, 2, 3, 4, 5}};
  EXPECT_EQ(JudgeAll(judge, one, false), std::vector<Verdict>{judge.Judge(one[0], false)});
}

TEST(JudgeAll, ProgressReachesTheTotalAndCancelStops) {
  const std::vector<Combo> all = EnumerateCombos(FullPool(), {});
  RankJudge judge;
  int64_t lastDone = -1, lastTotal = 0;
  const auto v = JudgeAll(judge, all, false, [&](int64_t done, int64_t total) {
    EXPECT_GE(done, lastDone);
    lastDone = done;
    lastTotal = total;
    return true;
  });
  EXPECT_EQ(v.size(), all.size());
  EXPECT_EQ(lastDone, static_cast<int64_t>(all.size()));
  EXPECT_EQ(lastTotal, static_cast<int64_t>(all.size()));

  bool cancelled = false;
  judge.calls = 0;
  const auto none = JudgeAll(
      judge, all, false, [](int64_t, int64_t) { return false; }, &cancelled);
  EXPECT_TRUE(cancelled);
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(judge.calls.load(), 0);  // the first report comes before any work
}

// Every worker holds its first combination until the run has taken the
// cancel: the blocks under way finish, no other block starts, on any number
// of cores.
TEST(JudgeAll, CancelInTheMiddle) {
  class HoldingJudge final : public FrontJudge {
   public:
    Verdict Judge(const Combo&, bool) const override {
      calls.fetch_add(1);
      if (!released.load()) {
        held.fetch_add(1);
        released.wait(false);
      }
      return {true, 0, 0};
    }
    mutable std::atomic<int64_t> calls{0};
    mutable std::atomic<int> held{0};
    mutable std::atomic<bool> released{false};
  } judge;
  const int threads = ParallelThreads({});
  std::vector<Combo> combos(static_cast<size_t>(threads + 2) * kJudgeAllBlock,
                            Combo{1, 2, 3, 4, 5});
  // The reports come on the calling thread while the workers hold. Once all
  // of them hold, one report cancels; the runner reports again only after it
  // has marked the run cancelled, and that report lets the workers go.
  bool cancelSent = false;
  bool cancelled = false;
  const auto v = JudgeAll(
      judge, combos, false,
      [&](int64_t, int64_t) {
        if (cancelSent) {
          judge.released = true;
          judge.released.notify_all();
          return false;
        }
        cancelSent = judge.held.load() == threads;
        return !cancelSent;
      },
      &cancelled);
  EXPECT_TRUE(cancelled);
  EXPECT_TRUE(v.empty());
  EXPECT_EQ(judge.held.load(), threads);
  EXPECT_EQ(judge.calls.load(), threads * kJudgeAllBlock) << "the blocks begun, and no other";
}

// JudgeEnumeration keeps exactly the accepted ones of EnumerateCombos' list.
TEST(JudgeEnumeration, SameAsTheListForPoolsAndBankers) {
  RankJudge judge;
  std::mt19937 rng(3);
  for (int round = 0; round < 40; ++round) {
    std::vector<int> pool;
    const double density = round < 5 ? 1.0 : 0.3 + 0.02 * round;
    for (int n = 1; n <= 35; ++n)
      if (std::bernoulli_distribution(density)(rng)) pool.push_back(n);
    std::vector<int> bankers;
    const int nb = round % 7 == 6 ? 5 : round % 5;
    while (static_cast<int>(bankers.size()) < nb) {
      const int b = std::uniform_int_distribution<int>(1, 35)(rng);
      if (std::find(bankers.begin(), bankers.end(), b) == bankers.end()) bankers.push_back(b);
    }
    const std::vector<Combo> all = EnumerateCombos(pool, bankers);
    std::vector<Combo> expected;
    for (const Combo& c : all)
      if (judge.Judge(c, false).accepted) expected.push_back(c);
    const EnumerationVerdicts got = JudgeEnumeration(judge, pool, bankers);
    EXPECT_FALSE(got.cancelled);
    EXPECT_EQ(got.judged, static_cast<int64_t>(all.size())) << "round " << round;
    ASSERT_EQ(got.accepted, expected) << "round " << round;
  }
}

TEST(JudgeEnumeration, EdgeCasesOfTheGenerator) {
  RankJudge judge;
  // A pool of four numbers and no bankers: nothing.
  EXPECT_TRUE(JudgeEnumeration(judge, {1, 2, 3, 4}, {}).accepted.empty());
  EXPECT_EQ(JudgeEnumeration(judge, {1, 2, 3, 4}, {}).judged, 0);
  // Five bankers: exactly one combination judged, even outside the pool.
  judge.calls = 0;
  const auto five = JudgeEnumeration(judge, {1, 2, 3}, {30, 7, 12, 1, 35});
  EXPECT_EQ(five.judged, 1);
  EXPECT_EQ(judge.calls.load(), 1);
  // The full pool begins 31 32 33 34 35, 30 32 33 34 35 (when accepted).
  class AcceptAll final : public FrontJudge {
   public:
    Verdict Judge(const Combo&, bool) const override { return {true, 0, 0}; }
  } all;
  const auto full = JudgeEnumeration(all, FullPool(), {});
  ASSERT_EQ(full.accepted.size(), static_cast<size_t>(kAllCombos));
  EXPECT_EQ(full.accepted[0], (Combo{31, 32, 33, 34, 35}));
  EXPECT_EQ(full.accepted[1], (Combo{30, 32, 33, 34, 35}));
  EXPECT_EQ(full.accepted[30], (Combo{1, 32, 33, 34, 35}));
  EXPECT_EQ(full.accepted[31], (Combo{30, 31, 33, 34, 35}));
  // Inputs the window never makes still give the list's answer.
  const std::vector<int> odd{5, 3, 9, 9, 12, 20, 21};
  std::vector<Combo> expected;
  for (const Combo& c : EnumerateCombos(odd, {3})) expected.push_back(c);
  EXPECT_EQ(JudgeEnumeration(all, odd, {3}).accepted, expected);
}

TEST(JudgeEnumeration, CancelLeavesNothing) {
  RankJudge judge;
  const auto r = JudgeEnumeration(judge, FullPool(), {}, [](int64_t, int64_t) { return false; });
  EXPECT_TRUE(r.cancelled);
  EXPECT_TRUE(r.accepted.empty());
}

}  // namespace
}  // namespace dlt
