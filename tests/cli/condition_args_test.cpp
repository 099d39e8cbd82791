#include "cli/condition_args.h"

#include <gtest/gtest.h>

#include "cli/cli_context.h"
#include "support/test_support.h"

namespace dlt::cli {
namespace {

using dlt::test::FrontNumber;

// The message of the CliError `f` throws, or "" when it throws none.
template <typename F>
std::string ErrorOf(F f) {
  try {
    f();
  } catch (const CliError& e) {
    return e.what();
  }
  return "";
}

bool Mentions(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(ConditionArgs, IntegerListsTakeIntegersAndRanges) {
  EXPECT_EQ(ParseIntegerList("2,3", 0, 10, "x"), (std::vector<int>{2, 3}));
  EXPECT_EQ(ParseIntegerList("80-83", 0, 200, "x"), (std::vector<int>{80, 81, 82, 83}));
  EXPECT_EQ(ParseIntegerList("0,2-4", 0, 10, "x"), (std::vector<int>{0, 2, 3, 4}));
  EXPECT_EQ(ParseIntegerList(" 1 - 3 , 15", 1, 35, "x"), (std::vector<int>{1, 2, 3, 15}));
  EXPECT_EQ(ParseIntegerList("7-7", 0, 10, "x"), (std::vector<int>{7}));
  EXPECT_TRUE(ParseIntegerList("", 0, 10, "x").empty());
  EXPECT_TRUE(ParseIntegerList("  ", 0, 10, "x").empty());
}

TEST(ConditionArgs, BadIntegerListsNameTheOptionAndThePiece) {
  const std::string what = "--pool 1-x";
  std::string e = ErrorOf([&] { ParseIntegerList("1-x", 1, 35, what); });
  EXPECT_TRUE(Mentions(e, "--pool 1-x")) << e;
  EXPECT_TRUE(Mentions(e, "\"1-x\"")) << e;
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseIntegerList("5-3", 0, 10, "x"); }), "起点大于终点"));
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseIntegerList("1,,2", 0, 10, "x"); }), "缺少数值"));
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseIntegerList("1,", 0, 10, "x"); }), "缺少数值"));
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseIntegerList("36", 1, 35, "x"); }), "超出1到35"));
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseIntegerList("0", 1, 35, "x"); }), "超出1到35"));
  EXPECT_FALSE(ErrorOf([] { ParseIntegerList("-3", 0, 10, "x"); }).empty());
  EXPECT_FALSE(ErrorOf([] { ParseIntegerList("1.5", 0, 10, "x"); }).empty());
  EXPECT_FALSE(ErrorOf([] { ParseIntegerList("99999999999", 0, 10, "x"); }).empty());
  EXPECT_TRUE(
      Mentions(ErrorOf([] { ParseIntegerList("0-999999", 0, 1000000, "x"); }), "不能超过2001个"));
}

TEST(ConditionArgs, CondTakesStemToleranceAndValues) {
  CondArg a = ParseCondArg("hzyl~=0-30");
  EXPECT_EQ(a.stem, "hzyl");
  EXPECT_TRUE(a.tolerant);
  EXPECT_EQ(a.values.size(), 31u);
  a = ParseCondArg("dsgs=2,3");
  EXPECT_EQ(a.stem, "dsgs");
  EXPECT_FALSE(a.tolerant);
  EXPECT_EQ(a.values, (std::vector<int>{2, 3}));
  a = ParseCondArg("dsgs=");
  EXPECT_TRUE(a.values.empty()) << "enabled with an empty set";
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseCondArg("dsgs"); }), "名称=取值"));
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseCondArg("=2"); }), "缺少条件名称"));
}

TEST(ConditionArgs, RangeBoundsMayBeBlank) {
  RangeArg r = ParseRangeArg("bzc=2-9");
  EXPECT_EQ(r.stem, "bzc");
  EXPECT_EQ(r.from, 2);
  EXPECT_EQ(r.to, 9);
  EXPECT_FALSE(r.tolerant);
  r = ParseRangeArg("lsxs~=30-");
  EXPECT_TRUE(r.tolerant);
  EXPECT_EQ(r.from, 30);
  EXPECT_FALSE(r.to.has_value());
  r = ParseRangeArg("bzc=");
  EXPECT_FALSE(r.from.has_value());
  EXPECT_FALSE(r.to.has_value());
  r = ParseRangeArg("bzc=7");
  EXPECT_EQ(r.from, 7);
  EXPECT_EQ(r.to, 7);
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseRangeArg("bzc=5-100"); }), "0到99"));
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseRangeArg("bzc=a-4"); }), "0到99"));
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseRangeArg("bzc=9-3"); }), "下限大于上限"));
}

TEST(ConditionArgs, SelfTailAndFormulaEntries) {
  const SelfCondition s = ParseSelfArg("1-10,15:1-2~");
  EXPECT_EQ(s.numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15}));
  EXPECT_EQ(s.counts.Values(), (std::vector<int32_t>{1, 2}));
  EXPECT_TRUE(s.tolerant);
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseSelfArg("1-10"); }), "号码:出现个数"));
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseSelfArg(":1"); }), "未选择号码"));
  EXPECT_FALSE(ErrorOf([] { ParseSelfArg("1-36:1"); }).empty());
  EXPECT_FALSE(ErrorOf([] { ParseSelfArg("1-5:6"); }).empty()) << "five numbers hit at most 5";

  TailSetting t = ParseTailArg("3,5:2");
  EXPECT_EQ(t.digits, (std::vector<int>{3, 5}));
  EXPECT_TRUE(t.distinct);
  EXPECT_FALSE(t.tolerant);
  t = ParseTailArg("3,5:2*~");
  EXPECT_FALSE(t.distinct);
  EXPECT_TRUE(t.tolerant);
  t = ParseTailArg("0:1-2~*");
  EXPECT_FALSE(t.distinct);
  EXPECT_TRUE(t.tolerant);
  EXPECT_EQ(t.counts.Values(), (std::vector<int32_t>{1, 2}));
  EXPECT_FALSE(ErrorOf([] { ParseTailArg("10:1"); }).empty());

  CustomIndicator f = ParseFormulaArg("getzb(c_2zbzh:z_num1|z_num2:0):0-3~");
  EXPECT_EQ(f.formula, "getzb(c_2zbzh:z_num1|z_num2:0)") << "split at the last colon";
  EXPECT_EQ(f.values.Values(), (std::vector<int32_t>{0, 1, 2, 3}));
  EXPECT_TRUE(f.tolerant);
  f = ParseFormulaArg(" z_hz%10 :1,3");
  EXPECT_EQ(f.formula, "z_hz%10");
  EXPECT_FALSE(f.tolerant);
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseFormulaArg(":1"); }), "不能为空"));
  EXPECT_FALSE(ErrorOf([] { ParseFormulaArg("z_hz:1001"); }).empty());
  // A formula that can never be computed is refused, not passed over by the filter.
  for (const char* text : {"z_hz+*foo(:6", "z_hz/0:0-4", "Z_HZ:1", "foo:1", "z_hz % 10:1"})
    EXPECT_TRUE(Mentions(ErrorOf([&] { ParseFormulaArg(text); }), "公式有误:")) << text;
  const std::string longFormula = std::string(5000, 'q') + ":1";
  EXPECT_LT(ErrorOf([&] { ParseFormulaArg(longFormula); }).size(), 200u) << "the echo is cut";
}

TEST(ConditionArgs, SwitchesAndTolerance) {
  GlobalSwitches s;
  ApplySwitchArg("nothistory=on", s);
  ApplySwitchArg("equaldist=off", s);
  ApplySwitchArg("special=off", s);
  EXPECT_EQ(s, (GlobalSwitches{true, false, false}));
  EXPECT_TRUE(Mentions(ErrorOf([&] { ApplySwitchArg("special=yes", s); }), "on"));
  EXPECT_TRUE(Mentions(ErrorOf([&] { ApplySwitchArg("shape=on", s); }), "nothistory"));
  EXPECT_EQ(ParseToleranceArg("0-1"), (TotalTolerance{true, 0, 1}));
  EXPECT_FALSE(ParseToleranceArg("off").enabled);
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseToleranceArg("0-101"); }), "0到100"));
  EXPECT_TRUE(Mentions(ErrorOf([] { ParseToleranceArg("5-2"); }), "下限大于上限"));
  EXPECT_FALSE(ErrorOf([] { ParseToleranceArg("2"); }).empty());
}

TEST(ConditionArgs, AppliedOnTopOfASet) {
  ConditionArgs a;
  a.conds = {"hzyl~=0-30", "dsgs=2,3", "ac="};
  a.ranges = {"bzc~=2-9"};
  a.selfs = {"1-10:1"};
  a.tails = {"3:2*"};
  a.formulas = {"z_hz%10:1,3~"};
  a.switches = {"nothistory=on"};
  a.pool = "1-30";
  a.banker = "3,7";
  a.tolerance = "0-1";
  ConditionSet set;
  ASSERT_TRUE(set.SetEnabled(FrontNumber("hmhz"), true));  // kept: not mentioned inline
  ApplyFrontConditionArgs(a, set);
  EXPECT_TRUE(set.IsEnabled(FrontNumber("hmhz")));
  EXPECT_TRUE(set.Indicator(FrontNumber("hzyl")).Applies());
  EXPECT_TRUE(set.Indicator(FrontNumber("hzyl")).tolerant);
  EXPECT_EQ(set.Indicator(FrontNumber("dsgs")).values.Values(), (std::vector<int32_t>{2, 3}));
  EXPECT_TRUE(set.Indicator(FrontNumber("ac")).enabled);
  EXPECT_TRUE(set.Indicator(FrontNumber("ac")).values.Empty());
  EXPECT_EQ(set.Range(35).from, 2);
  EXPECT_TRUE(set.Range(35).tolerant);
  EXPECT_EQ(set.SelfConditions().size(), 1u);
  EXPECT_TRUE(set.SelfConditionsEnabled());
  EXPECT_FALSE(set.TailSettings().at(0).distinct);
  EXPECT_EQ(set.CustomIndicators().at(0).formula, "z_hz%10");
  EXPECT_TRUE(set.Switches().notHistory);
  EXPECT_EQ(set.PoolNumbers().size(), 30u);
  EXPECT_EQ(set.BankerNumbers(), (std::vector<int>{3, 7}));
  EXPECT_EQ(set.Tolerance(), (TotalTolerance{true, 0, 1}));

  // A condition given again inline replaces the earlier one, tolerance too.
  ConditionArgs again;
  again.conds = {"hzyl=5"};
  ApplyFrontConditionArgs(again, set);
  EXPECT_EQ(set.Indicator(FrontNumber("hzyl")).values.Values(), (std::vector<int32_t>{5}));
  EXPECT_FALSE(set.Indicator(FrontNumber("hzyl")).tolerant);
}

TEST(ConditionArgs, RefusedConditionsSayWhy) {
  const auto front = [](ConditionArgs a) {
    return ErrorOf([&] {
      ConditionSet set;
      ApplyFrontConditionArgs(a, set);
    });
  };
  ConditionArgs a;
  a.conds = {"nosuch=1"};
  EXPECT_TRUE(Mentions(front(a), "没有名为 nosuch 的条件"));
  a.conds = {"f_hz=10"};
  EXPECT_TRUE(Mentions(front(a), "--back"));
  a.conds = {"bzc=1-3"};
  EXPECT_TRUE(Mentions(front(a), "--range bzc"));
  a.conds = {"hmhz=30-60"};
  EXPECT_TRUE(Mentions(front(a), "和值的取值必须在40到160之间")) << front(a);
  a.conds = {};
  a.ranges = {"dsgs=1-2"};
  EXPECT_TRUE(Mentions(front(a), "不是范围条件"));
  a.ranges = {};
  a.banker = "1-6";
  EXPECT_EQ(front(a), "选择主区胆码不能大于5个");
  a.banker.reset();
  a.limit = 3;
  EXPECT_TRUE(Mentions(front(a), "--limit"));
  a.limit.reset();
  std::string longFormula = "z_hz";
  while (longFormula.size() <= 200) longFormula += "+z_hz";
  a.formulas = {longFormula + ":1"};
  EXPECT_TRUE(Mentions(front(a), "200个字节")) << front(a);

  const auto back = [](ConditionArgs b) {
    return ErrorOf([&] {
      BackConditionSet set;
      ApplyBackConditionArgs(b, set);
    });
  };
  ConditionArgs b;
  b.conds = {"hmhz=50"};
  EXPECT_TRUE(Mentions(back(b), "不是副区条件"));
  b.conds = {"f_hz=2"};
  EXPECT_TRUE(Mentions(back(b), "3到23")) << back(b);
  b.conds = {};
  b.banker = "1,2,3";
  EXPECT_EQ(back(b), "选择副区胆码不能大于2个");
  b.banker.reset();
  b.pool = "1-13";
  EXPECT_TRUE(Mentions(back(b), "超出1到12"));
  b.pool.reset();
  b.limit = 0;
  EXPECT_TRUE(Mentions(back(b), "1到15")) << back(b);
  b.limit.reset();
  b.tolerance = "0-1";
  EXPECT_TRUE(Mentions(back(b), "--tolerance"));

  ConditionArgs ok;
  ok.conds = {"f_hz~=10-14", "f_num1yl="};
  ok.pool = "1-10";
  ok.banker = "5";
  ok.limit = 2;
  BackConditionSet set;
  ApplyBackConditionArgs(ok, set);
  EXPECT_TRUE(set.Condition(5).tolerant);
  EXPECT_EQ(set.Condition(5).values.Size(), 5);
  EXPECT_TRUE(set.Condition(7).enabled);
  EXPECT_EQ(set.PoolNumbers().size(), 10u);
  EXPECT_EQ(set.BankerNumbers(), (std::vector<int>{5}));
  EXPECT_EQ(set.Tolerance(), (BackTolerance{true, 2}));
}

}  // namespace
}  // namespace dlt::cli
