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

// Custom formulas the fast path must agree on: the benchmark's ten
// indicators, then formulas that fail at some draws or at every one, plus
// `extra`.
inline std::vector<std::string> FormulaSamples(std::vector<std::string> extra) {
  std::vector<std::string> all = {
      "getylz(z_hz)",
      "getzf(z_hw)",
      "getylzzf(z_ac)",
      "[-1]z_hz+z_num1",
      "(z_hz+z_num1)%10",
      "max(z_num1,z_num2)",
      "mid(z_num1,z_num3,z_num5)",
      "getylz(z_jsgs)",
      "c_fq_0_4_1",
      "getzb(c_2zbzh:z_num1|z_num2:0)",
      "z_hz/(z_num1-z_num1)",
      "z_hz/(z_num1-3)",
      "getylz(z_num1/z_c3y0)",  // the walk can meet a failing draw first
      "getzf(z_hz/z_c3y0)",
      "getylzzf(z_num1/z_c5y0)",
  };
  all.insert(all.end(), extra.begin(), extra.end());
  return all;
}

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
