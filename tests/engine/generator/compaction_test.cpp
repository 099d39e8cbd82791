#include <gtest/gtest.h>

#include <map>
#include <random>

#include "generator/filter_run.h"
#include "runs_test_support.h"

namespace dlt {
namespace {

using test::Accept;
using test::Reject;

// Continue filtering as the window does it, step by step with 1-based
// positions, judging the record found at the write position each time.
Compaction StepByStep(std::vector<FrontRecord>& list, const std::map<Combo, Verdict>& verdictOf) {
  std::vector<FrontRecord> rec(list.size() + 1);  // rec[1..n]
  std::copy(list.begin(), list.end(), rec.begin() + 1);
  const int64_t n = static_cast<int64_t>(list.size());
  int64_t write = 1, scan = 1, r = n, accepted = 0;
  for (int64_t i = 0; i < n; ++i) {
    const Verdict v = verdictOf.at(rec[write].numbers);
    if (v.accepted) {
      ++accepted;
      if (v.lastMark != 0) {
        rec[write].mark = static_cast<uint8_t>(v.lastMark);
      } else {
        while (scan < write && rec[scan].mark == 0) ++scan;
        if (scan == write) {
          rec[write].mark = 0;
        } else {
          std::swap(rec[scan].numbers, rec[write].numbers);
          rec[write].mark = rec[scan].mark;
          rec[scan].mark = 0;
          ++scan;
        }
      }
      ++write;
    } else {
      rec[write].numbers = rec[r].numbers;
      --r;
    }
  }
  list.assign(rec.begin() + 1, rec.begin() + 1 + r);
  return {accepted, r};
}

Combo C(int a, int b, int c, int d, int e) {
  return Combo{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c),
               static_cast<uint8_t>(d), static_cast<uint8_t>(e)};
}

TEST(ContinueCompaction, CleanResultMovesAheadOfToleratedOnes) {
  // A passes only by tolerance, B and C are clean: B and C come first in
  // their former order, A after them.
  const Combo a = C(1, 2, 3, 4, 6), b = C(1, 2, 3, 4, 7), c = C(1, 2, 3, 4, 8);
  std::vector<FrontRecord> list = test::Records({a, b, c});
  const std::vector<Verdict> verdicts = {Accept(116), Accept(), Accept()};
  const Compaction k = CompactJudged(list, verdicts);
  EXPECT_EQ(k.accepted, 3);
  EXPECT_EQ(k.kept, 3);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], (FrontRecord{b, 0}));
  EXPECT_EQ(list[1], (FrontRecord{c, 0}));
  EXPECT_EQ(list[2], (FrontRecord{a, 116}));
}

TEST(ContinueCompaction, RejectedRecordIsReplacedByTheLastOneWhichIsJudgedNext) {
  const Combo a = C(1, 2, 3, 4, 6), b = C(1, 2, 3, 4, 7), c = C(1, 2, 3, 4, 8),
              d = C(1, 2, 3, 4, 9);
  std::vector<FrontRecord> list = test::Records({a, b, c, d});
  // a rejected: d moves into place 1 and is judged next (clean); b tolerated;
  // c clean and moves ahead of b.
  const std::vector<Verdict> verdicts = {Reject(), Accept(2), Accept(), Accept()};
  const Compaction k = CompactJudged(list, verdicts);
  EXPECT_EQ(k.accepted, 3);
  EXPECT_EQ(k.kept, 3);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], (FrontRecord{d, 0}));
  EXPECT_EQ(list[1], (FrontRecord{c, 0}));
  EXPECT_EQ(list[2], (FrontRecord{b, 2}));
}

TEST(ContinueCompaction, EverythingRejectedEmptiesTheList) {
  std::vector<FrontRecord> list = test::Records({C(1, 2, 3, 4, 6), C(2, 3, 4, 5, 7)});
  const std::vector<Verdict> verdicts = {Reject(), Reject()};
  const Compaction k = CompactJudged(list, verdicts);
  EXPECT_EQ(k.accepted, 0);
  EXPECT_EQ(k.kept, 0);
  EXPECT_TRUE(list.empty());
  std::vector<FrontRecord> none;
  EXPECT_EQ(CompactJudged(none, {}).kept, 0);

  // A verdict missing: the list stays as it is.
  std::vector<FrontRecord> two = test::Records({C(1, 2, 3, 4, 6), C(2, 3, 4, 5, 7)});
  const std::vector<FrontRecord> before = two;
  const std::vector<Verdict> one = {Reject()};
  EXPECT_EQ(CompactJudged(two, one).kept, 2);
  EXPECT_EQ(two, before);
}

TEST(ContinueCompaction, StaleMarksOfTheOldListDoNotMatter) {
  // Marks left by an earlier run are rewritten: a clean record is not
  // treated as tolerated because of its old mark.
  std::vector<FrontRecord> list = {{C(1, 2, 3, 4, 6), 9}, {C(1, 2, 3, 4, 7), 0}};
  const std::vector<Verdict> verdicts = {Accept(), Accept()};
  CompactJudged(list, verdicts);
  EXPECT_EQ(list[0], (FrontRecord{C(1, 2, 3, 4, 6), 0}));
  EXPECT_EQ(list[1], (FrontRecord{C(1, 2, 3, 4, 7), 0}));
}

// Random lists and verdicts: judging everything first and replaying the
// compaction gives exactly the window's step-by-step result.
TEST(ContinueCompaction, AgreesWithStepByStepJudgingOnRandomLists) {
  std::mt19937_64 rng(2024);
  const auto all = EnumerateCombos({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {});  // 792
  for (int round = 0; round < 300; ++round) {
    const size_t n = std::uniform_int_distribution<size_t>(0, 60)(rng);
    std::vector<FrontRecord> list;
    std::map<Combo, Verdict> verdictOf;
    std::uniform_int_distribution<size_t> pickCombo(0, all.size() - 1);
    std::uniform_int_distribution<int> kind(0, 2);
    while (list.size() < n) {
      const Combo c = all[pickCombo(rng)];
      if (verdictOf.count(c)) continue;
      const int k = kind(rng);
      verdictOf[c] = k == 0 ? Reject() : k == 1 ? Accept() : Accept(1 + round % 118);
      list.push_back({c, static_cast<uint8_t>(rng() % 3)});  // stale marks
    }
    std::vector<Verdict> verdicts;
    for (const auto& r : list) verdicts.push_back(verdictOf.at(r.numbers));

    std::vector<FrontRecord> expected = list;
    const Compaction want = StepByStep(expected, verdictOf);
    std::vector<FrontRecord> got = list;
    const Compaction have = CompactJudged(got, verdicts);
    ASSERT_EQ(have.accepted, want.accepted) << "round " << round;
    ASSERT_EQ(have.kept, want.kept) << "round " << round;
    ASSERT_EQ(got, expected) << "round " << round;

    // Clean records first, in their former relative order.
    size_t firstTolerated = got.size();
    for (size_t i = 0; i < got.size(); ++i) {
      if (got[i].mark != 0) {
        firstTolerated = i;
        break;
      }
    }
    for (size_t i = firstTolerated; i < got.size(); ++i) ASSERT_NE(got[i].mark, 0);
    std::vector<Combo> cleanBefore, cleanAfter;
    for (const auto& r : list)
      if (verdictOf.at(r.numbers).accepted && verdictOf.at(r.numbers).lastMark == 0)
        cleanBefore.push_back(r.numbers);
    for (size_t i = 0; i < firstTolerated; ++i) cleanAfter.push_back(got[i].numbers);
    // Rejections move the last records forward, so compare as multisets and
    // check the order only when nothing was rejected.
    std::vector<Combo> a = cleanBefore, b = cleanAfter;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    ASSERT_EQ(a, b);
    if (have.kept == static_cast<int64_t>(list.size())) {
      ASSERT_EQ(cleanBefore, cleanAfter);
    }
  }
}

}  // namespace
}  // namespace dlt
