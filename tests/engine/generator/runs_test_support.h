#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "generator/filter_run.h"
#include "support/test_support.h"

namespace dlt::test {

// A judge whose verdict is a plain function of the combination; counts calls.
class FunctionJudge : public FrontJudge {
 public:
  using Fn = std::function<Verdict(const Combo&, bool recheck)>;
  explicit FunctionJudge(Fn fn, std::atomic<int64_t>* calls = nullptr)
      : fn_(std::move(fn)), calls_(calls) {}
  Verdict Judge(const Combo& c, bool recheck) const override {
    if (calls_) ++*calls_;
    return fn_(c, recheck);
  }

 private:
  Fn fn_;
  std::atomic<int64_t>* calls_;
};

// Condition 75 (主号一) enabled with `values`.
inline ConditionSet WithRed1(std::vector<int32_t> values, bool tolerant = false) {
  ConditionSet set;
  EXPECT_TRUE(set.SetEnabled(FrontNumber("red1"), true));
  EXPECT_TRUE(set.SetValues(FrontNumber("red1"), *ValueSet::From(std::move(values))));
  if (tolerant) {
    EXPECT_TRUE(set.SetTolerant(FrontNumber("red1"), true));  // braces: the macro hides an if
  }
  return set;
}

inline Verdict Accept(int lastMark = 0) {
  return Verdict{true, lastMark != 0 ? 1 : 0, lastMark};
}
inline Verdict Reject() {
  return Verdict{false, 0, 0};
}

// A stand-in condition judged like the real ones read their set: 主号一
// (condition 75) restricts the first number when it applies, a tolerant one
// only marks; the re-check of continue filtering tests the pool and bankers.
inline Verdict MiniJudge(const ConditionSet& set, const Combo& c, bool recheck) {
  if (recheck) {
    int bankers = 0;
    for (uint8_t n : c) {
      if (!set.InPool(n)) return Reject();
      if (set.IsBanker(n)) ++bankers;
    }
    if (bankers != static_cast<int>(set.BankerNumbers().size())) return Reject();
  }
  const IndicatorCondition& red1 = set.Indicator(FrontNumber("red1"));
  if (red1.Applies() && !red1.values.Contains(c[0])) return red1.tolerant ? Accept(75) : Reject();
  return Accept();
}

inline FrontJudgeFactory MiniJudgeFactory(std::atomic<int64_t>* calls = nullptr) {
  return [calls](const JudgeSetup& setup) -> std::unique_ptr<FrontJudge> {
    const ConditionSet* set = setup.set;
    return std::make_unique<FunctionJudge>(
        [set](const Combo& c, bool recheck) { return MiniJudge(*set, c, recheck); }, calls);
  };
}

// A data folder with a draw table of random draws and the window's
// in-memory history loaded from it.
struct FilterBench {
  TempDir dir;
  DataFolder folder{dir.path()};
  std::unique_ptr<DrawTable> table;
  MemoryHistory history;
  SnapshotRing ring;
  FilterEnvironment env;

  explicit FilterBench(int draws, uint32_t seed = 11) {
    folder.Ensure();
    table = std::make_unique<DrawTable>(folder.TablePath());
    table->ApplyImport(RandomHistory(draws, seed), false);
    env = MakeFilterEnvironment(*table, history, EvalEnv{});
  }
};

inline std::vector<FrontRecord> Records(std::initializer_list<Combo> combos) {
  std::vector<FrontRecord> r;
  for (const Combo& c : combos) r.push_back({c, 0});
  return r;
}

}  // namespace dlt::test
