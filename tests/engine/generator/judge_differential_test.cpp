// The fast judge against the reference judge on randomised condition sets:
// every condition kind, tolerant or not, with and without total tolerance,
// pools, bankers, switches, self conditions, tail settings and custom
// formulas, on a real-size history and on the first draws of a history.
#include <gtest/gtest.h>

#include <random>

#include "engine/generator/judge_test_support.h"
#include "generator/front_judge.h"
#include "generator/judge_runs.h"
#include "generator/random_tickets.h"

namespace dlt {
namespace {

using test::FrontNumber;

const std::vector<std::string> kFormulas = test::FormulaSamples({
    "getylz([1]z_jsgs)",
    "[-1]getylz(z_hz)",
    "z_lwr_rmgs+z_ylhz%7",
    "z_num1yl_toall+z_hzylzf",
    "getzb(z_num2yl)",
    "test%5",
    "nosuchkey+1000",
    "abs(z_num1-z_num5)",
    "z_hz-100",
});

int Uniform(std::mt19937_64& rng, int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng);
}
bool Chance(std::mt19937_64& rng, double p) {
  return std::bernoulli_distribution(p)(rng);
}

// Each value of lo..hi with probability `density`.
ValueSet RandomValues(std::mt19937_64& rng, int lo, int hi, double density) {
  std::vector<int32_t> v;
  for (int x = lo; x <= hi; ++x)
    if (Chance(rng, density)) v.push_back(x);
  return *ValueSet::From(std::move(v));
}

struct Options {
  bool formulas = true;
  double enable = 0.12;
};

void Randomise(ConditionSet& set, std::mt19937_64& rng, const Options& o) {
  for (const FrontCondition& fc : FrontConditions()) {
    if (!fc.Selectable() || !Chance(rng, fc.IsRange() ? 0.3 : o.enable)) continue;
    ASSERT_TRUE(set.SetEnabled(fc.number, true));
    if (fc.IsRange()) {
      const int top = fc.number == kStdDevCondition ? 14 : 70;
      const int from = Uniform(rng, 0, top / 2);
      std::optional<int32_t> to = Uniform(rng, from, top);
      if (Chance(rng, 0.05)) to.reset();
      ASSERT_TRUE(set.SetRangeBounds(fc.number, from, to));
    } else if (!Chance(rng, 0.08)) {
      const double density = std::uniform_real_distribution<double>(0.55, 0.97)(rng);
      ASSERT_TRUE(
          set.SetValues(fc.number, RandomValues(rng, fc.pickerFrom - 1, fc.pickerTo + 1, density)));
    }
    if (Chance(rng, 0.5)) {
      ASSERT_TRUE(set.SetTolerant(fc.number, true));
    }
  }
  for (int k = Uniform(rng, 0, 3); k > 0; --k) {
    SelfCondition e;
    for (int n = 1; n <= 35; ++n)
      if (Chance(rng, 0.3)) e.numbers.push_back(n);
    if (e.numbers.empty()) e.numbers.push_back(Uniform(rng, 1, 35));
    e.counts = Chance(rng, 0.1) ? ValueSet{} : RandomValues(rng, 0, 5, 0.7);
    e.tolerant = Chance(rng, 0.5);
    ASSERT_TRUE(set.AddSelfCondition(std::move(e)));
  }
  for (int k = Uniform(rng, 0, 3); k > 0; --k) {
    TailSetting e;
    for (int d = 0; d <= 9; ++d)
      if (Chance(rng, 0.3)) e.digits.push_back(d);
    if (e.digits.empty()) e.digits.push_back(Uniform(rng, 0, 9));
    e.counts = Chance(rng, 0.1) ? ValueSet{} : RandomValues(rng, 0, 5, 0.7);
    e.tolerant = Chance(rng, 0.5);
    e.distinct = Chance(rng, 0.5);
    ASSERT_TRUE(set.AddTailSetting(std::move(e)));
  }
  if (o.formulas)
    for (int k = Uniform(rng, 0, 4); k > 0; --k) {
      CustomIndicator e;
      e.formula = kFormulas[Uniform(rng, 0, static_cast<int>(std::size(kFormulas)) - 1)];
      e.values = Chance(rng, 0.08) ? ValueSet{} : RandomValues(rng, -5, 160, 0.8);
      e.tolerant = Chance(rng, 0.5);
      ASSERT_TRUE(set.AddCustomIndicator(std::move(e)));
    }
  set.Switches().notHistory = Chance(rng, 0.5);
  set.Switches().notEqualDist = Chance(rng, 0.7);
  set.Switches().specNext = Chance(rng, 0.7);
  if (Chance(rng, 0.5)) {
    const int from = Uniform(rng, 0, 2);
    ASSERT_TRUE(set.SetTolerance({true, from, from + Uniform(rng, 0, 3)}));
  }
  if (Chance(rng, 0.3)) {
    std::vector<int> pool;
    for (int n = 1; n <= 35; ++n)
      if (Chance(rng, 0.85)) pool.push_back(n);
    ASSERT_TRUE(set.SetPool(pool));
  }
  if (Chance(rng, 0.2)) {
    std::vector<int> bankers{Uniform(rng, 1, 35)};
    if (Chance(rng, 0.5)) bankers.push_back(bankers[0] % 35 + 1);
    ASSERT_TRUE(set.SetBankers(bankers));
  }
}

struct Tally {
  int judged = 0, accepted = 0, tolerated = 0;
};

// Both judges on `combos` random combinations of each of `sets` random sets.
Tally Compare(const std::vector<Draw>& draws, int sets, int combos, uint32_t seed,
              const Options& o) {
  std::mt19937_64 rng(seed);
  Tally tally;
  for (int s = 0; s < sets; ++s) {
    test::JudgeBench b(draws);
    Randomise(b.set, rng, o);
    b.setup.env.coldHot.qs = Uniform(rng, 5, 40);
    b.setup.env.coldHot.coldcs = Uniform(rng, 0, 3);
    b.setup.env.coldHot.hotcs = Uniform(rng, 3, 9);
    b.setup.tableTest = Uniform(rng, -3, 50);
    const auto reference = b.Make(false);
    const auto fast = b.Make(true);
    for (int k = 0; k < combos; ++k) {
      const Combo c = RandomCombo(rng);
      const bool recheck = Chance(rng, 0.2);
      const Verdict expected = reference->Judge(c, recheck);
      const Verdict got = fast->Judge(c, recheck);
      EXPECT_EQ(got, expected) << "set " << s << " seed " << seed << " history " << draws.size()
                               << " combo " << int(c[0]) << " " << int(c[1]) << " " << int(c[2])
                               << " " << int(c[3]) << " " << int(c[4]) << " recheck " << recheck;
      if (got != expected) return tally;
      ++tally.judged;
      tally.accepted += expected.accepted;
      tally.tolerated += expected.accepted && expected.failures > 0;
    }
  }
  return tally;
}

TEST(JudgeDifferential, RealSizeHistoryWithoutFormulas) {
  const Tally t = Compare(test::RandomHistory(3000), 40, 150, 1, {false, 0.12});
  EXPECT_EQ(t.judged, 40 * 150);
  // The sets must let some combinations through, some only by tolerance.
  EXPECT_GT(t.accepted, t.judged / 50);
  EXPECT_GT(t.tolerated, 0);
}

TEST(JudgeDifferential, RealSizeHistoryWithFormulas) {
  const Tally t = Compare(test::RandomHistory(3000), 24, 25, 2, {true, 0.06});
  EXPECT_EQ(t.judged, 24 * 25);
  EXPECT_GT(t.accepted, 0);
}

TEST(JudgeDifferential, FirstDrawsOfAHistory) {
  for (int n = 0; n <= 3; ++n) {
    const Tally t = Compare(test::RandomHistory(n, 40 + n), 25, 40, 10 + n, {true, 0.12});
    EXPECT_EQ(t.judged, 25 * 40);
  }
}

// Whole picker ranges: many tests can never fail and are left out by the
// fast judge; the verdicts must not change for it.
TEST(JudgeDifferential, WholeRangesEverywhere) {
  std::mt19937_64 rng(12);
  for (int round = 0; round < 3; ++round) {
    test::JudgeBench b(test::RandomHistory(round == 0 ? 3000 : round, 30 + round));
    for (const FrontCondition& fc : FrontConditions()) {
      if (!fc.Selectable()) continue;
      ASSERT_TRUE(b.set.SetEnabled(fc.number, true));
      if (fc.IsRange())
        ASSERT_TRUE(b.set.SetRangeBounds(fc.number, 0, 99));
      else
        ASSERT_TRUE(b.set.SetValues(fc.number, test::ValuesRange(fc.pickerFrom, fc.pickerTo)));
      if (Chance(rng, 0.2)) {
        ASSERT_TRUE(b.set.SetTolerant(fc.number, true));
      }
    }
    const auto reference = b.Make(false);
    const auto fast = b.Make(true);
    int accepted = 0;
    for (int k = 0; k < 400; ++k) {
      const Combo c = RandomCombo(rng);
      const Verdict expected = reference->Judge(c, false);
      ASSERT_EQ(fast->Judge(c, false), expected)
          << "round " << round << " combo " << int(c[0]) << " " << int(c[1]) << " " << int(c[2])
          << " " << int(c[3]) << " " << int(c[4]);
      accepted += expected.accepted;
    }
    EXPECT_GT(accepted, 0);
  }
}

// 离散系数 alone, on every combination and bounds around the common values
// and at both ends of the reachable ones (4.3 % for 31..35, above 99 % for
// the widest spreads): the fast judge decides most of them by integer
// thresholds per sum, the rest by the definition.
TEST(JudgeDifferential, VariationOnEveryCombination) {
  std::vector<int> pool(35);
  for (int n = 0; n < 35; ++n) pool[n] = n + 1;
  const std::vector<Combo> all = EnumerateCombos(pool, {});
  for (const auto& [from, to] : {std::pair{0, 99}, {47, 47}, {36, 52}, {5, 30}, {4, 6}, {80, 99}}) {
    test::JudgeBench b(test::RandomHistory(3));
    ASSERT_TRUE(b.set.SetEnabled(FrontNumber("lsxs"), true));
    ASSERT_TRUE(b.set.SetRangeBounds(FrontNumber("lsxs"), from, to));
    const std::vector<Verdict> expected = JudgeAll(*b.Make(false), all, false);
    const std::vector<Verdict> got = JudgeAll(*b.Make(true), all, false);
    int mismatches = 0, accepted = 0;
    for (size_t i = 0; i < all.size(); ++i) {
      mismatches += got[i] != expected[i];
      accepted += expected[i].accepted;
    }
    EXPECT_EQ(mismatches, 0) << from << "-" << to;
    EXPECT_GT(accepted, 0) << from << "-" << to;
  }
}

// Anything but five ascending numbers gets the reference's own verdict.
TEST(JudgeDifferential, CombinationsOutOfOrder) {
  test::JudgeBench b;
  b.Enable(75, test::ValuesRange(1, 10));
  b.Enable(6, test::ValuesRange(0, 1), true);
  const auto reference = b.Make(false);
  const auto fast = b.Make(true);
  for (const Combo& c :
       {Combo{5, 4, 3, 2, 1}, Combo{1, 1, 2, 3, 4}, Combo{9, 2, 30, 31, 35}, Combo{2, 3, 4, 5, 35}})
    EXPECT_EQ(fast->Judge(c, true), reference->Judge(c, true));
}

TEST(JudgeDifferential, FullEnumerationOnAShortHistory) {
  std::mt19937_64 rng(5);
  test::JudgeBench b(test::RandomHistory(30, 8));
  // A mixed set: history-free, previous-draw, omission and formula conditions.
  // 大数个数 and 奇数个数 come first and keep about a fifth, so the reference is quick.
  b.Enable(1, test::Values({2}));
  b.Enable(25, test::ValuesRange(60, 120));
  b.Enable(2, test::Values({2, 3}));
  b.Enable(3, test::ValuesRange(1, 4), true);
  b.Enable(6, test::ValuesRange(0, 1), true);
  b.Enable(43, RandomValues(rng, 0, 27, 0.8), true);
  b.Enable(107, RandomValues(rng, 0, 30, 0.8));
  b.Enable(27, RandomValues(rng, 0, 150, 0.8), true);
  b.Enable(40, test::ValuesRange(0, 3));
  // Two that read only the four largest numbers: they reject whole runs of
  // the enumeration at once.
  b.Enable(32, test::ValuesRange(1, 12));
  b.Enable(109, RandomValues(rng, 0, 40, 0.85));
  ASSERT_TRUE(b.set.SetEnabled(FrontNumber("lsxs"), true));
  ASSERT_TRUE(b.set.SetRangeBounds(FrontNumber("lsxs"), 20, 60));
  ASSERT_TRUE(b.set.SetTolerant(FrontNumber("lsxs"), true));
  ASSERT_TRUE(b.set.AddTailSetting({{1, 3, 5}, test::ValuesRange(1, 3), true, true}));
  b.AddFormula("z_hz/(z_num1-3)", test::ValuesRange(0, 1000));
  b.AddFormula("(z_hz+z_num1)%10", test::ValuesRange(0, 8), true);
  ASSERT_TRUE(b.set.SetTolerance({true, 0, 3}));
  b.set.Switches().notEqualDist = true;
  b.set.Switches().specNext = true;
  b.set.Switches().notHistory = true;

  const std::vector<Combo> all = EnumerateCombos(b.set.PoolNumbers(), b.set.BankerNumbers());
  ASSERT_EQ(all.size(), static_cast<size_t>(kAllCombos));
  const auto reference = b.Make(false);
  const auto fast = b.Make(true);
  const std::vector<Verdict> expected = JudgeAll(*reference, all, false);
  const std::vector<Verdict> got = JudgeAll(*fast, all, false);
  ASSERT_EQ(got.size(), all.size());
  int accepted = 0, tolerated = 0, mismatches = 0;
  for (size_t i = 0; i < all.size(); ++i) {
    if (got[i] != expected[i] && ++mismatches <= 5)
      ADD_FAILURE() << "combo " << i << ": fast " << testing::PrintToString(got[i]) << " reference "
                    << testing::PrintToString(expected[i]);
    accepted += expected[i].accepted;
    tolerated += expected[i].accepted && expected[i].failures > 0;
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(accepted, 1000);
  EXPECT_LT(accepted, kAllCombos / 3);
  EXPECT_GT(tolerated, 100);

  // The enumeration hands the fast judge runs sharing their four largest
  // numbers: the same combinations must come out.
  std::vector<Combo> acceptedList;
  for (size_t i = 0; i < all.size(); ++i)
    if (expected[i].accepted) acceptedList.push_back(all[i]);
  EXPECT_EQ(JudgeEnumeration(*fast, b.set.PoolNumbers(), b.set.BankerNumbers()).accepted,
            acceptedList);
}

}  // namespace
}  // namespace dlt
