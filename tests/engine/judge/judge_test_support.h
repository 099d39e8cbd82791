#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "generator/front_judge.h"
#include "generator/value_set.h"
#include "support/test_support.h"

namespace dlt {
// Readable verdicts in failure messages.
inline void PrintTo(const Verdict& v, std::ostream* os) {
  *os << "{" << (v.accepted ? "accepted" : "rejected") << ", failures " << v.failures << ", mark "
      << v.lastMark << "}";
}
}  // namespace dlt

namespace dlt::test {

inline ValueSet Values(std::vector<int32_t> v) {
  return *ValueSet::From(std::move(v));
}
inline ValueSet ValuesRange(int32_t from, int32_t to) {
  return *ValueSet::Range(from, to);
}

// A condition set, a history and both judges over them.
struct JudgeBench {
  ConditionSet set;
  MemoryHistory history;
  HistoryComboSet past;
  JudgeSetup setup;

  explicit JudgeBench(std::vector<Draw> draws = RandomHistory(200)) {
    for (const Draw& d : draws) past.Add(d.front);
    history.Assign(std::move(draws));
    // No shape switch unless a test turns it on.
    set.Switches().notEqualDist = false;
    set.Switches().specNext = false;
  }

  JudgeSetup Setup() {
    JudgeSetup s = setup;
    s.set = &set;
    s.history = &history;
    s.pastCombos = &past;
    return s;
  }
  std::unique_ptr<FrontJudge> Make(bool fast) {
    return fast ? MakeFastJudge(Setup()) : MakeReferenceJudge(Setup());
  }

  void Enable(int number, ValueSet values, bool tolerant = false) {
    ASSERT_TRUE(set.SetEnabled(number, true));
    ASSERT_TRUE(set.SetValues(number, std::move(values)));
    if (tolerant) {
      ASSERT_TRUE(set.SetTolerant(number, true));
    }
  }
  void AddFormula(const std::string& formula, ValueSet values, bool tolerant = false) {
    std::string error;
    ASSERT_TRUE(set.AddCustomIndicator({formula, std::move(values), tolerant}, &error)) << error;
  }
};

}  // namespace dlt::test
