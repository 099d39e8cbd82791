#include "generator/back_judge.h"

#include <gtest/gtest.h>

#include "engine/generator/judge_test_support.h"
#include "generator/front_judge.h"
#include "history/history_contexts.h"
#include "indicators/indicator.h"

namespace dlt {
namespace {

using test::Values;

struct BackBench : test::JudgeBench {
  using JudgeBench::JudgeBench;
  void EnableBack(int number, ValueSet values, bool tolerant = false) {
    ASSERT_TRUE(set.Back().SetEnabled(number, true));
    ASSERT_TRUE(set.Back().SetValues(number, std::move(values)));
    if (tolerant) {
      ASSERT_TRUE(set.Back().SetTolerant(number, true));
    }
  }
  Verdict Judge(BackPair p) { return MakeBackJudge(Setup())->Judge(p); }
};

TEST(BackJudge, NoConditionAcceptsEveryPair) {
  BackBench b;
  EXPECT_EQ(b.Judge({1, 2}), (Verdict{true, 0, 0}));
  EXPECT_EQ(b.Judge({11, 12}), (Verdict{true, 0, 0}));
}

TEST(BackJudge, ValuesToleranceAndLimit) {
  BackBench b;
  b.EnableBack(5, Values({10, 11, 12}));  // 副区和值
  EXPECT_EQ(b.Judge({4, 7}).accepted, true);
  EXPECT_EQ(b.Judge({4, 9}).accepted, false);
  b.EnableBack(1, Values({1}), true);  // 副号一 = 1, tolerated
  b.EnableBack(6, Values({1}), true);  // 副区差值 = 1, tolerated
  EXPECT_EQ(b.Judge({4, 7}), (Verdict{true, 2, 6}));
  EXPECT_EQ(b.Judge({1, 2}).accepted, false);  // sum 3
  ASSERT_TRUE(b.set.Back().SetTolerance({true, 1}));
  EXPECT_EQ(b.Judge({4, 7}).accepted, false);  // two violations, at most one allowed
  EXPECT_EQ(b.Judge({1, 10}), (Verdict{true, 1, 6}));
  ASSERT_TRUE(b.set.Back().SetTolerance({false, 1}));
  EXPECT_EQ(b.Judge({4, 7}), (Verdict{true, 2, 6}));
}

TEST(BackJudge, OmissionAgainstTheCatalogue) {
  const std::vector<Draw> draws = test::RandomHistory(300, 9);
  BackBench b(draws);
  MemoryHistory mem;
  mem.Assign(draws);
  for (int x = 1; x <= 11; ++x) {
    std::vector<Draw> copy(mem.Data(), mem.Data() + 301);
    copy[300].back = {static_cast<uint8_t>(x), 12};
    EvalContext ctx = MemoryContext(mem, 300, true, 0, &b.setup.env);
    ctx.draws = copy.data();
    const int32_t omission = IndicatorValue(ctx, "f_num1yl");
    BackBench c(draws);
    c.EnableBack(7, Values({omission}));
    EXPECT_TRUE(c.Judge({static_cast<uint8_t>(x), 12}).accepted) << x;
    BackBench d(draws);
    d.EnableBack(7, Values({omission + 1}));
    EXPECT_FALSE(d.Judge({static_cast<uint8_t>(x), 12}).accepted) << x;
  }
}

}  // namespace
}  // namespace dlt
