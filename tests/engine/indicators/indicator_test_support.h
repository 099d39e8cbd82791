#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/draw.h"
#include "formula/formula.h"
#include "indicators/eval_context.h"
#include "support/test_support.h"

namespace dlt::test {

// A context over `draws` at 0-based `pos`.
inline EvalContext ContextAt(const std::vector<Draw>& draws, int pos, const EvalEnv* env = nullptr,
                             Source source = Source::Table) {
  EvalContext c;
  c.source = source;
  c.draws = draws.data();
  c.count = static_cast<int>(draws.size());
  c.pos = pos;
  c.env = env;
  return c;
}

// A memory-source context over `draws` at `pos` (no table behind it).
inline EvalContext ContextOver(const std::vector<Draw>& draws, int pos,
                               const EvalEnv* env = nullptr) {
  return MemoryContext(draws, pos, 0, env);
}

// Draws 2020001.. with the given front numbers and back 01 02.
inline std::vector<Draw> FrontHistory(const std::vector<std::array<int, 5>>& fronts) {
  std::vector<Draw> out;
  for (size_t i = 0; i < fronts.size(); ++i)
    out.push_back(MakeDraw(2020001 + static_cast<int>(i), fronts[i], {1, 2}));
  return out;
}

// A stand-in compiled formula: a value per draw, failing where `fails` says.
class FakeFormula : public CompiledFormula {
 public:
  FakeFormula(std::function<int32_t(const EvalContext&)> value,
              std::function<bool(const EvalContext&)> fails, std::string message = "fake error")
      : CompiledFormula("fake"),
        value_(std::move(value)),
        fails_(std::move(fails)),
        message_(std::move(message)) {}
  FormulaResult Evaluate(const EvalContext& ctx) const override {
    if (fails_(ctx)) return FormulaResult{false, 0, message_ + "@" + std::to_string(ctx.pos)};
    return FormulaResult{true, value_(ctx), {}};
  }

 private:
  std::function<int32_t(const EvalContext&)> value_;
  std::function<bool(const EvalContext&)> fails_;
  std::string message_;
};

}  // namespace dlt::test
