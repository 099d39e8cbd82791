#include "formula/tgs.h"

#include <gtest/gtest.h>

#include <climits>

#include "formula/formula_messages.h"
#include "formula_test_support.h"
#include "history/history_contexts.h"
#include "indicators/indicator.h"

namespace dlt {
namespace {

namespace msg = formula_messages;
using test::ErrorOf;
using test::MakeDraw;
using test::ValueOf;

// z_num1 runs 1, 3, 3, 6, 3; z_num2 2, 5, 7, 11, 9.
test::TableHistory SmallHistory() {
  return test::TableHistory({
      MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 2}),
      MakeDraw(2009002, {3, 5, 12, 18, 22}, {5, 11}),
      MakeDraw(2009003, {3, 7, 14, 20, 30}, {2, 9}),
      MakeDraw(2009004, {6, 11, 15, 25, 33}, {4, 10}),
      MakeDraw(2009005, {3, 9, 16, 27, 35}, {1, 12}),
  });
}

class FormulaLanguage : public ::testing::Test {
 protected:
  test::TableHistory history = SmallHistory();
  EvalContext last = history.At(4);
};

TEST_F(FormulaLanguage, OperatorsShareOnePrecedenceLeftToRight) {
  EXPECT_EQ(ValueOf(last, "2+3*4"), 20);
  EXPECT_EQ(ValueOf(last, "1+2*3"), 9);
  EXPECT_EQ(ValueOf(last, "10-4-3"), 3);
  EXPECT_EQ(ValueOf(last, "17%5*2"), 4);
  EXPECT_EQ(ValueOf(last, "2+(3*4)"), 14);
  EXPECT_EQ(ValueOf(last, "10-(2+3)"), 5);
  EXPECT_EQ(ValueOf(last, "(1+2)*(3+4)"), 21);
  EXPECT_EQ(ValueOf(last, "(1+2)"), 3);
  EXPECT_EQ(ValueOf(last, "0007"), 7);
}

TEST_F(FormulaLanguage, DivisionTruncatesTowardZero) {
  EXPECT_EQ(ValueOf(last, "7/2"), 3);
  EXPECT_EQ(ValueOf(last, "(0-7)/2"), -3);
  EXPECT_EQ(ValueOf(last, "(0-7)%2"), -1);
  EXPECT_EQ(ValueOf(last, "7%(0-2)"), 1);
}

TEST_F(FormulaLanguage, BracketsNestFiveDeepAndNoMore) {
  EXPECT_EQ(ValueOf(last, "((((1))))"), 1);
  EXPECT_EQ(ValueOf(last, "(((((1)))))"), 1);
  EXPECT_EQ(ValueOf(last, "1+(2*(3+(4*(5+(6)))))"), 1 + 2 * (3 + 4 * (5 + 6)));
  EXPECT_EQ(ErrorOf(last, "((((((1))))))"), msg::kTooDeep);
  EXPECT_EQ(ErrorOf(last, "(1+(2+(3+(4+(5+(6))))))"), msg::kTooDeep);
  // Closed brackets free their slots.
  EXPECT_EQ(ValueOf(last, "(((((1)))))+(((((2)))))"), 3);
}

TEST_F(FormulaLanguage, ArithmeticWrapsAroundAt32Bits) {
  EXPECT_EQ(ValueOf(last, "2147483647"), INT32_MAX);
  EXPECT_EQ(ValueOf(last, "2147483647+1"), INT32_MIN);
  EXPECT_EQ(ValueOf(last, "0-2147483647-2"), INT32_MAX);
  EXPECT_EQ(ValueOf(last, "65536*65536"), 0);
  EXPECT_EQ(ValueOf(last, "65536*32768"), INT32_MIN);
  EXPECT_EQ(ValueOf(last, "(0-2147483647-1)/(0-1)"), INT32_MIN);
  EXPECT_EQ(ValueOf(last, "(0-2147483647-1)%(0-1)"), 0);
  EXPECT_EQ(ValueOf(last, "abs(0-2147483647-1)"), INT32_MIN);
}

TEST_F(FormulaLanguage, IndicatorsAndUnknownNames) {
  EXPECT_EQ(ValueOf(last, "z_num1"), 3);
  EXPECT_EQ(ValueOf(last, "(z_num1+z_num2)%10"), 2);
  EXPECT_EQ(ValueOf(last, "f_num1*100+f_num2"), 112);
  // A name the catalogue does not resolve reads -999; stored conditions rely on it.
  EXPECT_EQ(ValueOf(last, "nosuchkey"), kNoValue);
  EXPECT_EQ(ValueOf(last, "nosuchkey+1"), kNoValue + 1);
  // Every character up to an operator or bracket belongs to the name.
  EXPECT_EQ(ValueOf(last, "z_num1[1]"), kNoValue);
  EXPECT_EQ(ValueOf(last, "z_num1,2"), kNoValue);
}

TEST_F(FormulaLanguage, TestReadsTheScratchColumn) {
  history.testColumn = {10, 20, 30, 40, 50};
  EXPECT_EQ(ValueOf(history.At(2), "test"), 30);
  EXPECT_EQ(ValueOf(history.At(2), "[-1]test+test"), 50);
}

TEST_F(FormulaLanguage, OffsetsReadOtherDrawsForOneIndicator) {
  const EvalContext third = history.At(3);
  EXPECT_EQ(ValueOf(third, "[-1]z_num1"), 3);
  EXPECT_EQ(ValueOf(third, "[-3]z_num1"), 1);
  EXPECT_EQ(ValueOf(third, "[+1]z_num1"), 3);
  EXPECT_EQ(ValueOf(third, "[1]z_num2"), 9);
  EXPECT_EQ(ValueOf(third, "[-0]z_num1"), 6);
  // The offset is undone after its indicator: the second z_num1 is the current draw's.
  EXPECT_EQ(ValueOf(third, "[-1]z_num1*10+z_num1"), 36);
  EXPECT_EQ(ValueOf(third, "z_num1*10+[-2]z_num2"), 65);
  // Moves stop at the first and the last draw.
  EXPECT_EQ(ValueOf(history.At(0), "[-1]z_num1"), 1);
  EXPECT_EQ(ValueOf(history.At(0), "[-2147483648]z_num2"), 2);
  EXPECT_EQ(ValueOf(third, "[2147483647]z_num2"), 9);
  // The caller's context is a value: it does not move.
  EXPECT_EQ(third.pos, 3);
  // An offset not followed by a name reads an empty (unknown) name.
  EXPECT_EQ(ValueOf(third, "[-1]"), kNoValue);
  // Whatever follows "]" starts the name, even a digit.
  EXPECT_EQ(ValueOf(third, "[-1]5"), kNoValue);
}

TEST_F(FormulaLanguage, OffsetsWorkOnTheMemorySource) {
  MemoryHistory memory;
  memory.Assign(history.draws);
  memory.CandidateSlot() = MakeDraw(0, {8, 9, 10, 11, 12}, {3, 4});
  const EvalContext candidate = MemoryContext(memory, 5, true, 0, nullptr);
  EXPECT_EQ(ValueOf(candidate, "z_num1"), 8);
  EXPECT_EQ(ValueOf(candidate, "[-1]z_num1"), 3);
  EXPECT_EQ(ValueOf(candidate, "[-2]z_num1*10+z_num1"), 68);
  EXPECT_EQ(ValueOf(candidate, "[9]z_num1"), 8);
  EXPECT_EQ(ValueOf(candidate, "[-1]max(z_num1,z_num2)+z_num1"), 9 + 8);
}

TEST_F(FormulaLanguage, AnOffsetBeforeAFunctionAppliesToItsArgumentsOnly) {
  const EvalContext third = history.At(3);
  EXPECT_EQ(ValueOf(third, "[-1]max(z_num1,z_num2)"), 7);
  EXPECT_EQ(ValueOf(third, "[-1]max(z_num1,z_num2)*100+z_num2"), 711);
  // Offsets inside arguments are relative to the function's draw.
  EXPECT_EQ(ValueOf(third, "[-1]max([-1]z_num2,0)"), 5);
  EXPECT_EQ(ValueOf(third, "[-2]getzb(z_num2)+z_num2"), 5 + 11);
  EXPECT_EQ(ValueOf(third, "[-1]getylz(z_num1)"), 0);
}

TEST_F(FormulaLanguage, Functions) {
  EXPECT_EQ(ValueOf(last, "mid(3,4,9)"), 4);
  EXPECT_EQ(ValueOf(last, "mid(3,4)"), 3);
  EXPECT_EQ(ValueOf(last, "mid(4,3)"), 4);
  EXPECT_EQ(ValueOf(last, "mid(z_num1,z_num2,z_num3)"), 9);
  EXPECT_EQ(ValueOf(last, "max(5-9,1-8)"), -1);
  EXPECT_EQ(ValueOf(last, "max(3,9,4)"), 9);
  EXPECT_EQ(ValueOf(last, "max(z_num1,z_num2)+1"), 10);
  EXPECT_EQ(ValueOf(last, "min(3,9,4)"), 3);
  EXPECT_EQ(ValueOf(last, "min(1000000,2000000)"), 999999);
  EXPECT_EQ(ValueOf(last, "abs(3-8)"), 5);
  EXPECT_EQ(ValueOf(last, "abs(3-8,1-2)"), 1) << "only the last argument counts";
  EXPECT_EQ(ValueOf(last, "abs(z_num1-z_num2)*2"), 12);
  EXPECT_EQ(ValueOf(last, "getzb(z_num2)"), 9);
  EXPECT_EQ(ValueOf(last, "getzb(7,z_num2)"), 9);
  EXPECT_EQ(ValueOf(last, "getzb(z_num2+1)"), kNoValue) << "the text is one name";
  EXPECT_EQ(ValueOf(last, "getzb()"), kNoValue);
  EXPECT_EQ(ValueOf(last, "(max(1,2)+min(5,6))*mid(1,2,3)"), 14);
  EXPECT_EQ(ErrorOf(last, "foo(1)"), std::string("foo") + msg::kUnknownFunctionSuffix);
  EXPECT_EQ(ErrorOf(last, "MAX(1)"), std::string("MAX") + msg::kUnknownFunctionSuffix);
}

TEST_F(FormulaLanguage, MidRoundsASinglePrecisionMeanToOneDecimal) {
  // 9 fours and 11 threes: the mean 3.45 is a little above in single
  // precision, so it rounds to 3.5, a tie that the first argument wins.
  std::string fours = "mid(4";
  for (int i = 1; i < 9; ++i) fours += ",4";
  for (int i = 0; i < 11; ++i) fours += ",3";
  EXPECT_EQ(ValueOf(last, fours + ")"), 4);
  // 11 fours and 9 threes, threes first: 3.55 is a little below in single
  // precision and rounds to 3.5; the first argument wins the tie.
  std::string threes = "mid(3";
  for (int i = 1; i < 9; ++i) threes += ",3";
  for (int i = 0; i < 11; ++i) threes += ",4";
  EXPECT_EQ(ValueOf(last, threes + ")"), 3);
}

TEST_F(FormulaLanguage, MidTakesAtMostThirtyArguments) {
  std::string thirty = "mid(1";
  for (int i = 2; i <= 30; ++i) thirty += "," + std::to_string(i);
  EXPECT_EQ(ValueOf(last, thirty + ")"), 15);  // mean 15.5, a tie: 15 comes first
  EXPECT_EQ(ErrorOf(last, thirty + ",31)"), msg::kTooManyMidArguments);
  // The first thirty are evaluated before the limit is met.
  EXPECT_EQ(ErrorOf(last, "mid(1/0" + thirty.substr(5) + ",31)"), msg::kDivisionByZero);
}

TEST_F(FormulaLanguage, HistoryFunctions) {
  // z_num1 runs 1, 3, 3, 6, 3.
  const int omission[] = {0, 1, 0, 3, 1};
  const int amplitude[] = {1, 2, 0, 3, 3};
  const int omissionAmplitude[] = {0, 1, 1, 3, 2};
  for (int pos = 0; pos < 5; ++pos) {
    EXPECT_EQ(ValueOf(history.At(pos), "getylz(z_num1)"), omission[pos]) << pos;
    EXPECT_EQ(ValueOf(history.At(pos), "getzf(z_num1)"), amplitude[pos]) << pos;
    EXPECT_EQ(ValueOf(history.At(pos), "getylzzf(z_num1)"), omissionAmplitude[pos]) << pos;
  }
  EXPECT_EQ(ValueOf(last, "getylz(z_num1*2)+1"), 2);
  EXPECT_EQ(ValueOf(last, "getylz(z_num1%2)"), 1);
  EXPECT_EQ(ValueOf(history.At(0), "getzf(0-2147483647-1)"), INT32_MIN)
      << "wraps like the arithmetic";
  EXPECT_EQ(ValueOf(history.At(1), "getzf(z_num1*1073741824)"), INT32_MIN);
  EXPECT_EQ(ValueOf(last, "getylz(nosuchkey)"), 0) << "-999 equals -999 one draw back";
}

TEST_F(FormulaLanguage, HistoryFunctionsReportTheFirstErrorMet) {
  history.testColumn = {1, 0, 2, 2, 5};
  // The walk back from the last draw divides by the zero of the second draw.
  EXPECT_EQ(ErrorOf(history.At(4), "getylz(10/test)"), msg::kDivisionByZero);
  EXPECT_EQ(ValueOf(history.At(3), "getylz(10/test)"), 0) << "stops at the third draw";
  EXPECT_EQ(ErrorOf(history.At(2), "getzf(10/test)"), msg::kDivisionByZero);
  EXPECT_EQ(ErrorOf(last, "getylz(z_num1+)"), msg::kAfterOperator);
  EXPECT_EQ(ErrorOf(last, "getylzzf(12a)"), msg::kBadNumber);
}

TEST_F(FormulaLanguage, FailingArgumentsAreReported) {
  EXPECT_EQ(ErrorOf(last, "max(1,2+)"), msg::kAfterOperator);
  EXPECT_EQ(ErrorOf(last, "max(1/0,2)"), msg::kDivisionByZero);
  EXPECT_EQ(ErrorOf(last, "min(1,)"), msg::kEmpty);
  EXPECT_EQ(ErrorOf(last, "abs(-1)"), msg::kBadFirstCharacter);
  EXPECT_EQ(ErrorOf(last, "getzb(1/0,z_num1)"), msg::kDivisionByZero);
  // An argument cannot hold brackets: it ends at the first ")".
  EXPECT_EQ(ErrorOf(last, "max((1),2)"), msg::kRoundBracketsUnmatched);
}

TEST_F(FormulaLanguage, ErrorTexts) {
  EXPECT_EQ(ErrorOf(last, ""), "你还未输入公式");
  EXPECT_EQ(ErrorOf(last, "z_hz "), "不能有空格");
  EXPECT_EQ(ErrorOf(last, "1 +2"), "不能有空格");
  EXPECT_EQ(ErrorOf(last, "z_hz\t"), "不能有空格");
  EXPECT_EQ(ErrorOf(last, "(z_hz"), "\"(\"与\")\"不匹配");
  EXPECT_EQ(ErrorOf(last, "z_hz)"), "\"(\"与\")\"不匹配");
  EXPECT_EQ(ErrorOf(last, "[-1z_hz"), "\"[\"与\"]\"不匹配");
  EXPECT_EQ(ErrorOf(last, "(z_hz]"), "\"(\"与\")\"不匹配") << "round brackets are counted first";
  EXPECT_EQ(ErrorOf(last, "12a"), "数值型数据不能是字符，或者指标名开头不能是数字");
  EXPECT_EQ(ErrorOf(last, "1[2]"), "数值型数据不能是字符，或者指标名开头不能是数字");
  EXPECT_EQ(ErrorOf(last, "(+1)"), "\"(\"后应接数据或指标");
  EXPECT_EQ(ErrorOf(last, "1+()"), "\"(\"后应接数据或指标");
  EXPECT_EQ(ErrorOf(last, "z_hz+-1"), "运算符号后只能接指标或数据或括号");
  EXPECT_EQ(ErrorOf(last, "z_hz+"), "运算符号后只能接指标或数据或括号");
  EXPECT_EQ(ErrorOf(last, "1*)2("), "运算符号后只能接指标或数据或括号");
  EXPECT_EQ(ErrorOf(last, "1)+(2"), "括号不匹配或位置不当");
  EXPECT_EQ(ErrorOf(last, "[a]z_hz"), "＂[＂没有＂]＂匹配");
  EXPECT_EQ(ErrorOf(last, "foo(1)"), "foo函数不存在");
  EXPECT_EQ(ErrorOf(last, "max(1,2)3"), "函数体后只能接运算符或括号");
  EXPECT_EQ(ErrorOf(last, "max(1,2)z"), "函数体后只能接运算符或括号");
}

TEST_F(FormulaLanguage, AFirstCharacterThatStartsNoOperandFails) {
  EXPECT_EQ(ErrorOf(last, "-1+z_hz"), msg::kBadFirstCharacter);
  EXPECT_EQ(ErrorOf(last, "+3"), msg::kBadFirstCharacter);
  EXPECT_EQ(ErrorOf(last, ")1("), msg::kBadFirstCharacter);
  EXPECT_EQ(ErrorOf(last, "_x"), msg::kBadFirstCharacter);
}

TEST_F(FormulaLanguage, MendedFaults) {
  EXPECT_EQ(ErrorOf(last, "1/0"), "除数不能为零");
  EXPECT_EQ(ErrorOf(last, "5%(z_num1-3)"), "除数不能为零");
  EXPECT_EQ(ErrorOf(last, "(1+2)/(z_num1-3)"), "除数不能为零");
  EXPECT_EQ(ErrorOf(last, "2147483648"), "数值超出范围");
  EXPECT_EQ(ErrorOf(last, "1+99999999999999999999"), "数值超出范围");
  EXPECT_EQ(ErrorOf(last, "[]z_num1"), "数值超出范围");
  EXPECT_EQ(ErrorOf(last, "[2147483648]z_num1"), "数值超出范围");
  EXPECT_EQ(ErrorOf(last, "[-2147483649]z_num1"), "数值超出范围");
  EXPECT_EQ(ErrorOf(last, "[--1]z_num1"), msg::kBadOffset);
  EXPECT_EQ(ErrorOf(last, "[1-]z_num1"), msg::kBadOffset);
  EXPECT_EQ(ErrorOf(last, "[+]z_num1"), msg::kBadOffset);
  EXPECT_EQ(ErrorOf(last, "(1+2)5"), "括号后只能接运算符或括号");
  EXPECT_EQ(ErrorOf(last, "(1+2)z_num1"), "括号后只能接运算符或括号");
  EXPECT_EQ(ErrorOf(last, "((((((1))))))"), "括号嵌套不能超过五层");
}

TEST_F(FormulaLanguage, TheFirstErrorInScanOrderWins) {
  // A division by zero met before a scanning error is the one reported.
  EXPECT_EQ(ErrorOf(last, "1/(z_num1-3)+foo(1)"), msg::kDivisionByZero);
  EXPECT_EQ(ErrorOf(last, "1/0+"), msg::kDivisionByZero);
  EXPECT_EQ(ErrorOf(last, "1/(z_num1-2)+foo(1)"), std::string("foo") + msg::kUnknownFunctionSuffix);
  // The value after a function's ")" is checked before it is applied.
  EXPECT_EQ(ErrorOf(last, "1/max(0-5,0-3)5"), msg::kAfterFunction);
  // A too large number is only converted once it is known to end well.
  EXPECT_EQ(ErrorOf(last, "99999999999a"), msg::kBadNumber);
}

TEST_F(FormulaLanguage, MalformedParameterKeysFailWithTheirMessage) {
  const Resolution r = ResolveIndicator("c_cz_x");
  if (r.ok() || r.error.empty()) GTEST_SKIP() << "the catalogue reports no malformed parameter";
  EXPECT_EQ(ErrorOf(last, "c_cz_x"), r.error);
  EXPECT_EQ(ErrorOf(last, "1+c_cz_x"), r.error);
  EXPECT_EQ(ErrorOf(last, "getzb(c_cz_x)"), r.error);
  EXPECT_EQ(ErrorOf(last, "1/0+c_cz_x"), msg::kDivisionByZero);
}

TEST(FormulaInterpreter, KeepsTheLastErrorTextAfterASuccess) {
  const test::TableHistory history = SmallHistory();
  tgs shared;
  int32_t value = 0;
  EXPECT_FALSE(shared.Evaluate("1+", history.At(0), value));
  EXPECT_EQ(shared.ErrorText(), msg::kAfterOperator);
  EXPECT_TRUE(shared.Evaluate("1+2", history.At(0), value));
  EXPECT_EQ(value, 3);
  EXPECT_EQ(shared.ErrorText(), msg::kAfterOperator);
  EXPECT_FALSE(shared.Evaluate("", history.At(0), value));
  EXPECT_EQ(shared.ErrorText(), msg::kEmpty);
}

}  // namespace
}  // namespace dlt
