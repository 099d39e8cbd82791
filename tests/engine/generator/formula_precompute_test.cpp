// Fast formulas give the interpreter's value or failure at the candidate.
#include "generator/formula_precompute.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/generator/judge_test_support.h"
#include "formula/tgs.h"
#include "history/history_contexts.h"
#include "support/test_support.h"

namespace dlt {
namespace {

const std::vector<std::string> kFormulas = test::FormulaSamples({
    "getylz(z_hz%z_cmgs)",  // fails at most draws
    "getylz([1]z_hz)",      // reads ahead: walked per candidate
    "getylz([-1]z_hz+z_num1)",
    "[-1]getylz(z_hz)",  // a call at an earlier draw
    "[-2]getzf(z_hz)+getzf(z_hz)",
    "[1]z_hz+[-3000]z_num1+[+0]z_num2",
    "[-1]z_lwr_rmgs+z_lwr_lmgs*10+z_ylhz",
    "z_num1yl_toall+z_hzylzf+z_num3yl",
    "getzb(z_num1yl)+getzb(bad_key)",
    "getzb(c_cz_x)",
    "test+1",
    "foo(1)",
    "nosuchkey+1",
    "max(z_hz/z_c3y0,z_num1)",
    "min(z_num5,z_num4,99)",
    "mid(z_num1,z_num2)",
    "abs(z_num1-z_num5)",
    "((z_num1+z_num2)*(z_num3-1))%7",
    "(((((z_num1)))))",
    "((((((z_num1))))))",
    "(1+2)5",
    "z_hz+",
    "12a",
    "[x]z_hz",
    "max(z_num1,z_num2",
    "getylz(z_hz)*1000000000",
    "f_num1+f_num2yl+f_hz",
    "getylz(f_num1)",
    "2147483647+1",
    "99999999999",
    "getylzzf(z_hz)-getylz(z_hz)",
    "getylz(z_hz,z_hz/0)",
});

void ExpectFormulasAgree(int historySize, int combos, uint32_t seed) {
  MemoryHistory mem;
  mem.Assign(test::RandomHistory(historySize, seed));
  EvalEnv env;
  CandidateTables tables(mem, env, 77);
  std::vector<std::unique_ptr<FastFormula>> fast;
  for (const std::string& f : kFormulas)
    fast.push_back(FastFormula::Compile(f, historySize, tables));

  std::mt19937 rng(seed);
  std::vector<Draw> copy(mem.Data(), mem.Data() + historySize + 1);
  std::array<int, 35> all{};
  for (int i = 0; i < 35; ++i) all[i] = i + 1;
  for (int k = 0; k < combos; ++k) {
    std::shuffle(all.begin(), all.end(), rng);
    Combo c{};
    for (int i = 0; i < 5; ++i) c[i] = static_cast<uint8_t>(all[i]);
    std::sort(c.begin(), c.end());
    copy[historySize].front = c;
    EvalContext ctx = MemoryContext(mem, historySize, true, 77, &env);
    ctx.draws = copy.data();
    Candidate cand;
    tables.Start(cand, c);
    for (size_t i = 0; i < std::size(kFormulas); ++i) {
      tgs interpreter;
      int32_t expected = 0;
      const bool expectedOk = interpreter.Evaluate(kFormulas[i], ctx, expected);
      int32_t value = 0;
      const bool ok = fast[i]->Run(cand, value);
      ASSERT_EQ(ok, expectedOk) << kFormulas[i] << " history " << historySize;
      if (ok) {
        ASSERT_EQ(value, expected) << kFormulas[i] << " history " << historySize;
      }
    }
  }
}

TEST(FastFormula, AgreesWithTheInterpreterOnARealSizeHistory) {
  ExpectFormulasAgree(3000, 25, 3);
}

TEST(FastFormula, AgreesOnShortHistories) {
  for (int n = 0; n <= 3; ++n) ExpectFormulasAgree(n, 40, 20 + n);
  ExpectFormulasAgree(25, 60, 9);
}

TEST(FastFormula, TablesOnlyWhereTheArgumentStaysInThePast) {
  MemoryHistory mem;
  mem.Assign(test::RandomHistory(100));
  CandidateTables tables(mem, EvalEnv{}, 0);
  EXPECT_FALSE(FastFormula::Compile("getylz(z_hz)+[-1]z_hz", 100, tables)->Expensive());
  EXPECT_FALSE(FastFormula::Compile("getylzzf(z_ac)", 100, tables)->Expensive());
  EXPECT_TRUE(FastFormula::Compile("getylz([1]z_hz)", 100, tables)->Expensive());
  EXPECT_TRUE(FastFormula::Compile("c_fq_0_4_1", 100, tables)->Expensive());
  EXPECT_TRUE(FastFormula::Compile("[1]z_hz", 100, tables)->ReadsAhead());
}

}  // namespace
}  // namespace dlt
