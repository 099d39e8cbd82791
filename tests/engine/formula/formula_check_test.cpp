#include "formula/formula_check.h"

#include <gtest/gtest.h>

#include <optional>

#include "formula/formula_messages.h"
#include "formula_test_support.h"

namespace dlt {
namespace {

namespace msg = formula_messages;

// What is refused when a formula is entered, and what passes.
TEST(FormulaCheck, RefusesWhatCanNeverBeComputed) {
  const std::string longName(300, 'q');
  const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
      {"(z_hz+z_num1)%10", std::nullopt},
      {"getylz(z_num1)", std::nullopt},
      {"[-1]z_hw+max(z_num1,z_num2)", std::nullopt},
      {"getzb(z_hz)*test", std::nullopt},
      {"c_cz_1", std::nullopt},
      {"z_hz+*foo(", msg::kRoundBracketsUnmatched},
      {"z_hz+*foo", msg::kAfterOperator},
      {"z_hz/0", msg::kDivisionByZero},
      {"(z_hz+1)%0", msg::kDivisionByZero},
      {"Z_HZ", "Z_HZ指标不存在"},
      {"z_hz+foo", "foo指标不存在"},
      {"max(z_num1,Z_NUM2)", "Z_NUM2指标不存在"},
      {"abs(z_hz/0)", msg::kDivisionByZero},
      {"getzb(nope)", "nope指标不存在"},
      {"foo(1)", std::string("foo") + msg::kUnknownFunctionSuffix},
      {"c_cz_x", "参数不正确: c_cz_x"},
      {"z_hz\u3000", msg::kSpace},
      {"z_hz\u00a0+1", msg::kSpace},
      {longName, longName.substr(0, 40) + "...指标不存在"},
  };
  for (const auto& [text, problem] : cases) EXPECT_EQ(FormulaProblem(text), problem) << text;
  EXPECT_EQ(CheckFormula("Z_HZ"), "公式有误:Z_HZ指标不存在");
  EXPECT_EQ(CheckFormula("z_hz"), std::nullopt);
}

// Where a key or a formula is taken: a key as written passes even when it
// holds operator characters; the text is checked as it is evaluated.
TEST(FormulaCheck, AnExpressionIsAKeyAsWrittenOrASoundFormula) {
  const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
      {"z_hz", std::nullopt},
      {" z_hz\t", std::nullopt},
      {"c_cz_-1", std::nullopt},
      {"[-1]z_hw%10", std::nullopt},
      {"foo", "公式有误:foo指标不存在"},
      {" foo ", "公式有误:foo指标不存在"},
      {"z_hw+Z_HW", "公式有误:Z_HW指标不存在"},
      {"foo(1)", std::string("公式有误:foo") + msg::kUnknownFunctionSuffix},
      {"", std::string("公式有误:") + msg::kEmpty},
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(CheckExpression(text), message) << text;
  EXPECT_EQ(ExpressionProblem("z_hz+foo"), "foo指标不存在");
}

// Any Unicode blank is a blank to the language itself, not part of a name
// that would read -999.
TEST(FormulaCheck, EveryBlankIsABlankWhenEvaluated) {
  const test::TableHistory history(test::RandomHistory(5));
  for (const char* text : {"z_hz\u3000", "z_hz\u00a0", "z_hz\u2009+1", "\ufeffz_hz", "z_hz\v"}) {
    const FormulaResult r = test::Evaluate(history.At(4), text);
    EXPECT_FALSE(r.ok) << text;
    EXPECT_EQ(r.error, msg::kSpace) << text;
  }
}

}  // namespace
}  // namespace dlt
