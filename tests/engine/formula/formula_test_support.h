#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/formula.h"
#include "history/memory_history.h"
#include "indicators/eval_context.h"
#include "support/test_support.h"

namespace dlt::test {

// Draws with a `test` column, read through table-source contexts.
struct TableHistory {
  std::vector<Draw> draws;
  std::vector<int32_t> testColumn;

  explicit TableHistory(std::vector<Draw> d) : draws(std::move(d)), testColumn(draws.size(), 0) {}
  EvalContext At(int pos) const {
    EvalContext c;
    c.source = Source::Table;
    c.draws = draws.data();
    c.count = static_cast<int>(draws.size());
    c.pos = pos;
    c.testColumn = testColumn.data();
    return c;
  }
};

// The interpreter's answer, checked against the compiled form's.
inline FormulaResult Evaluate(const EvalContext& ctx, const std::string& text) {
  const FormulaResult interpreted = EvaluateFormula(ctx, text);
  const FormulaResult compiled = CompiledFormula::Compile(text)->Evaluate(ctx);
  EXPECT_EQ(interpreted.ok, compiled.ok) << text;
  EXPECT_EQ(interpreted.value, compiled.value) << text;
  EXPECT_EQ(interpreted.error, compiled.error) << text;
  return interpreted;
}

// The value of a formula that must succeed.
inline int32_t ValueOf(const EvalContext& ctx, const std::string& text) {
  const FormulaResult r = Evaluate(ctx, text);
  EXPECT_TRUE(r.ok) << text << ": " << r.error;
  return r.value;
}

// The message of a formula that must fail.
inline std::string ErrorOf(const EvalContext& ctx, const std::string& text) {
  const FormulaResult r = Evaluate(ctx, text);
  EXPECT_FALSE(r.ok) << text << " gave " << r.value;
  return r.error;
}

}  // namespace dlt::test
