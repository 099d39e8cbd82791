#include <gtest/gtest.h>

#include <climits>

#include "formula/formula_arithmetic.h"
#include "formula/formula_functions.h"
#include "formula/formula_messages.h"
#include "formula/formula_syntax.h"
#include "formula/tmystack.h"

namespace dlt {
namespace {

namespace msg = formula_messages;

TEST(FormulaBracketStack, HoldsElevenValuesLastInFirstOut) {
  tmystack s;
  EXPECT_EQ(s.Count(), 0);
  for (int i = 0; i < tmystack::kSlots; ++i) EXPECT_TRUE(s.Push(i));
  EXPECT_FALSE(s.Push(99)) << "a full stack refuses";
  EXPECT_EQ(s.Count(), 11);
  EXPECT_EQ(s.Pop(), 10);
  EXPECT_EQ(s.Pop(), 9);
  s.Clear();
  EXPECT_EQ(s.Count(), 0);
  EXPECT_EQ(s.Pop(), 0) << "an empty stack gives 0";
  EXPECT_EQ(s.Count(), 0);
}

TEST(FormulaSyntax, PrechecksInOrder) {
  EXPECT_STREQ(PrecheckFormula(""), msg::kEmpty);
  EXPECT_STREQ(PrecheckFormula("(( "), msg::kSpace);
  EXPECT_STREQ(PrecheckFormula("(]"), msg::kRoundBracketsUnmatched);
  EXPECT_STREQ(PrecheckFormula("()]"), msg::kSquareBracketsUnmatched);
  EXPECT_EQ(PrecheckFormula(")(]["), nullptr);
}

TEST(FormulaSyntax, NumbersAndOffsetsFit32Bits) {
  EXPECT_EQ(ParseNumberToken("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseNumberToken("0002147483647"), INT32_MAX);
  EXPECT_FALSE(ParseNumberToken("2147483648"));
  EXPECT_FALSE(ParseNumberToken(""));
  const char* error = nullptr;
  EXPECT_EQ(ParseOffsetToken("-2147483648", &error), INT32_MIN);
  EXPECT_EQ(error, nullptr);
  EXPECT_EQ(ParseOffsetToken("+12", &error), 12);
  EXPECT_FALSE(ParseOffsetToken("2147483648", &error));
  EXPECT_STREQ(error, msg::kOutOfRange);
  EXPECT_FALSE(ParseOffsetToken("", &error));
  EXPECT_STREQ(error, msg::kOutOfRange);
  for (const char* bad : {"-", "+", "--1", "+-1", "1-", "1+2"}) {
    EXPECT_FALSE(ParseOffsetToken(bad, &error)) << bad;
    EXPECT_STREQ(error, msg::kBadOffset) << bad;
  }
}

TEST(FormulaArithmetic, WrapsAndRefusesZeroDivisors) {
  int32_t out = 0;
  EXPECT_TRUE(ApplyOperator(kOpNone, 5, 7, out));
  EXPECT_EQ(out, 7);
  EXPECT_TRUE(ApplyOperator(kOpAdd, INT32_MAX, 1, out));
  EXPECT_EQ(out, INT32_MIN);
  EXPECT_TRUE(ApplyOperator(kOpSub, INT32_MIN, 1, out));
  EXPECT_EQ(out, INT32_MAX);
  EXPECT_TRUE(ApplyOperator(kOpMul, INT32_MIN, -1, out));
  EXPECT_EQ(out, INT32_MIN);
  EXPECT_TRUE(ApplyOperator(kOpDiv, INT32_MIN, -1, out));
  EXPECT_EQ(out, INT32_MIN);
  EXPECT_TRUE(ApplyOperator(kOpMod, INT32_MIN, -1, out));
  EXPECT_EQ(out, 0);
  EXPECT_TRUE(ApplyOperator(kOpMod, -7, 2, out));
  EXPECT_EQ(out, -1);
  out = 42;
  EXPECT_FALSE(ApplyOperator(kOpDiv, 1, 0, out));
  EXPECT_FALSE(ApplyOperator(kOpMod, 1, 0, out));
  EXPECT_EQ(out, 42);
  EXPECT_EQ(WrapAbs(INT32_MIN), INT32_MIN);
  EXPECT_EQ(WrapAbs(-5), 5);
}

TEST(FormulaFunctions, ArgumentsSplitAtTheFirstCommaOrBracket) {
  std::string_view text = "x+max(1,[-1]z_num1,3)*2";
  FunctionArguments a = SplitFunctionArguments(text, 5, FormulaFunction::Max);
  ASSERT_EQ(a.error, nullptr);
  ASSERT_EQ(a.leading.size(), 2u);
  EXPECT_EQ(a.leading[0], "1");
  EXPECT_EQ(a.leading[1], "[-1]z_num1");
  EXPECT_EQ(a.last, "3");
  EXPECT_EQ(text.substr(a.end), "*2");

  a = SplitFunctionArguments("max((1),2)", 3, FormulaFunction::Max);
  EXPECT_TRUE(a.leading.empty());
  EXPECT_EQ(a.last, "(1");

  a = SplitFunctionArguments("max()", 3, FormulaFunction::Max);
  EXPECT_EQ(a.last, "");
  EXPECT_EQ(a.end, 5u);

  a = SplitFunctionArguments("max(1,2", 3, FormulaFunction::Max);
  EXPECT_STREQ(a.error, msg::kBadFunctionBody);
  EXPECT_EQ(a.leading.size(), 1u) << "the arguments before still count";
  EXPECT_STREQ(SplitFunctionArguments("abs(", 3, FormulaFunction::Abs).error,
               msg::kBadFunctionBody);
}

TEST(FormulaFunctions, MidCountsItsArguments) {
  std::string thirty = "mid(0";
  for (int i = 1; i < 30; ++i) thirty += ",0";
  EXPECT_EQ(SplitFunctionArguments(thirty + ")", 3, FormulaFunction::Mid).error, nullptr);
  const FunctionArguments a = SplitFunctionArguments(thirty + ",0)", 3, FormulaFunction::Mid);
  EXPECT_STREQ(a.error, msg::kTooManyMidArguments);
  EXPECT_EQ(a.leading.size(), 30u);
  EXPECT_EQ(SplitFunctionArguments(thirty + ",0)", 3, FormulaFunction::Max).error, nullptr);
}

TEST(FormulaFunctions, MidIsTheFirstValueNearestTheRoundedMean) {
  const int32_t a[] = {3, 4, 9};
  EXPECT_EQ(MidOfValues(a, 3), 4);  // mean 5.3
  const int32_t tie[] = {3, 4};
  EXPECT_EQ(MidOfValues(tie, 2), 3);
  const int32_t tie2[] = {4, 3};
  EXPECT_EQ(MidOfValues(tie2, 2), 4);
  const int32_t one[] = {-7};
  EXPECT_EQ(MidOfValues(one, 1), -7);
  // Mean 3.46 rounds to 3.5: a tie, so the first of 4 and 3 wins.
  int32_t near[50];
  for (int i = 0; i < 50; ++i) near[i] = i < 23 ? 4 : 3;  // sum 173, mean 3.46
  EXPECT_EQ(MidOfValues(near, 50), 4);
  near[0] = 3;
  near[49] = 4;
  EXPECT_EQ(MidOfValues(near, 50), 3);
  // Large values do not overflow the sum.
  const int32_t big[] = {INT32_MAX, INT32_MAX, INT32_MAX - 10};
  EXPECT_EQ(MidOfValues(big, 3), INT32_MAX);
}

TEST(FormulaFunctions, FoldStartsAndLimits) {
  FunctionFold max(FormulaFunction::Max);
  EXPECT_EQ(max.Result(), -1);
  max.Add(-5);
  EXPECT_EQ(max.Result(), -1) << "never below -1";
  max.Add(8);
  EXPECT_EQ(max.Result(), 8);
  FunctionFold min(FormulaFunction::Min);
  min.Add(1000000);
  EXPECT_EQ(min.Result(), 999999) << "never above 999999";
  min.Add(-3);
  EXPECT_EQ(min.Result(), -3);
  EXPECT_EQ(*LookupFormulaFunction("getylzzf"), FormulaFunction::GetYlzZf);
  EXPECT_FALSE(LookupFormulaFunction("Max"));
}

}  // namespace
}  // namespace dlt
