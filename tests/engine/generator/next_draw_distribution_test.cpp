#include "generator/next_draw_distribution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/index_sets.h"
#include "support/test_support.h"

namespace dlt {
namespace {

struct Bench {
  MemoryHistory history;
  explicit Bench(int draws, uint32_t seed = 5) { history.Assign(test::RandomHistory(draws, seed)); }
  DistributionQuery Query(std::string text, DrawZone zone = DrawZone::Front) const {
    DistributionQuery q;
    q.history = &history;
    q.text = std::move(text);
    q.zone = zone;
    return q;
  }
};

int64_t Sum(const ValueDistribution& d) {
  int64_t s = d.failed;
  for (const ValueCount& c : d.counts) s += c.count;
  return s;
}

// The fast distribution against every draw evaluated by name or by the
// interpreter: keys of every kind of kernel (positions, sums, the previous
// draw, omissions, amplitudes, cold and hot classes, a parameterised key),
// formulas reading earlier draws, a formula failing for some combinations,
// and the back zone.
TEST(NextDrawDistribution, EqualsTheStraightforwardEnumeration) {
  const Bench bench(60);
  struct Case {
    const char* text;
    DrawZone zone;
  };
  const Case cases[] = {
      {"z_hz", DrawZone::Front},
      {" z_ac ", DrawZone::Front},
      {"z_cmgs", DrawZone::Front},
      {"z_hwyl", DrawZone::Front},
      {"z_num3zf", DrawZone::Front},
      {"z_lwr_lmgs", DrawZone::Front},
      {"[-1]z_hz+z_num1", DrawZone::Front},
      {"getylz(z_jsgs)", DrawZone::Front},
      {"z_hz/(z_num1-3)", DrawZone::Front},
      {"f_hz", DrawZone::Back},
      {"f_num1yl", DrawZone::Back},
      {"getylz(f_hz)+[-1]f_cz", DrawZone::Back},
  };
  for (const Case& c : cases) {
    const DistributionOutcome fast = NextDrawDistribution(bench.Query(c.text, c.zone));
    const DistributionOutcome reference =
        ReferenceNextDrawDistribution(bench.Query(c.text, c.zone));
    ASSERT_TRUE(fast.ok()) << c.text << ": " << fast.error;
    ASSERT_TRUE(reference.ok()) << c.text << ": " << reference.error;
    EXPECT_EQ(fast.distribution, reference.distribution) << c.text;
    const int64_t total = c.zone == DrawZone::Front ? 324632 : 66;
    EXPECT_EQ(fast.distribution.total, total) << c.text;
    EXPECT_EQ(Sum(fast.distribution), total) << c.text;
    EXPECT_GT(fast.distribution.counts.size(), 1u) << c.text;
  }
}

// Distributions known in closed form, independent of the engine.
TEST(NextDrawDistribution, MatchesClosedForms) {
  const Bench bench(40);
  // The smallest number is v for C(35 - v, 4) combinations.
  const ValueDistribution first = NextDrawDistribution(bench.Query("z_num1")).distribution;
  ASSERT_EQ(first.counts.size(), 31u);
  for (const ValueCount& c : first.counts) EXPECT_EQ(c.count, Binomial(35 - c.value, 4)) << c.value;
  // k of the previous draw's five numbers again: C(5, k) C(30, 5 - k).
  const ValueDistribution repeats = NextDrawDistribution(bench.Query("z_cmgs")).distribution;
  ASSERT_EQ(repeats.counts.size(), 6u);
  for (const ValueCount& c : repeats.counts)
    EXPECT_EQ(c.count, Binomial(5, c.value) * Binomial(30, 5 - c.value)) << c.value;
  EXPECT_DOUBLE_EQ(repeats.Probability(0), 142506.0 / 324632);
  EXPECT_EQ(repeats.Probability(6), 0.0);
  // Two back numbers summing to s.
  const ValueDistribution sums =
      NextDrawDistribution(bench.Query("f_hz", DrawZone::Back)).distribution;
  for (const ValueCount& c : sums.counts) {
    int64_t pairs = 0;
    for (int a = 1; a <= 12; ++a)
      if (int b = c.value - a; b > a && b <= 12) ++pairs;
    EXPECT_EQ(c.count, pairs) << c.value;
  }
  // Division by zero wherever the smallest number is 3: C(32, 4) of them.
  EXPECT_EQ(NextDrawDistribution(bench.Query("z_hz/(z_num1-3)")).distribution.failed,
            Binomial(32, 4));
}

TEST(NextDrawDistribution, FormulaErrorsAndCancel) {
  const Bench bench(20);
  for (const char* text : {"z_hz+", "foo(1)", "(z_hz", "Z_HZ"}) {
    const DistributionOutcome out = NextDrawDistribution(bench.Query(text));
    EXPECT_FALSE(out.ok()) << text;
    EXPECT_EQ(out.error.rfind("公式有误:", 0), 0u) << text << ": " << out.error;
  }
  // Failing at every combination: the interpreter's own message.
  const DistributionOutcome zero = NextDrawDistribution(bench.Query("z_hz/(z_num1-z_num1)"));
  EXPECT_EQ(zero.error.rfind("公式有误:", 0), 0u) << zero.error;
  const DistributionOutcome cancelled =
      NextDrawDistribution(bench.Query("z_hz"), [](int64_t, int64_t) { return false; });
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_TRUE(cancelled.distribution.counts.empty());
}

// An empty history: every draw is the first, nothing earlier to read.
TEST(NextDrawDistribution, WorksWithoutHistory) {
  const Bench bench(0);
  for (const char* text : {"z_hzyl", "getylz(z_jsgs)+[-1]z_hz"}) {
    const DistributionOutcome fast = NextDrawDistribution(bench.Query(text));
    const DistributionOutcome reference = ReferenceNextDrawDistribution(bench.Query(text));
    ASSERT_TRUE(fast.ok()) << text << fast.error;
    EXPECT_EQ(fast.distribution, reference.distribution) << text;
  }
}

}  // namespace
}  // namespace dlt
