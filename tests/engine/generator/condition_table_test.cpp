#include "generator/condition_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace dlt {
namespace {

TEST(ConditionTable, HoldsAll118NumbersInOrder) {
  ASSERT_EQ(FrontConditions().size(), 118u);
  for (int n = 1; n <= 118; ++n) {
    const FrontCondition* c = FindFrontCondition(n);
    ASSERT_NE(c, nullptr) << n;
    EXPECT_EQ(c->number, n);
  }
  EXPECT_EQ(FindFrontCondition(0), nullptr);
  EXPECT_EQ(FindFrontCondition(119), nullptr);
}

TEST(ConditionTable, ReservedSixNumberConditionsAndUnused37) {
  // The six-number layout, in number order, with its captions.
  const std::vector<std::pair<int, std::string>> reserved = {
      {28, "和值6_1(极和)"}, {29, "差值6_1(极差)"}, {34, "差值6_5"}, {48, "主号六振幅"},
      {55, "差值6_4"},       {58, "差值6_3"},       {60, "差值6_2"}, {65, "和值6_5"},
      {69, "和值6_4"},       {72, "和值6_3"},       {74, "和值6_2"}, {80, "红号六"},
      {112, "红号六遗漏"}};
  std::set<int> reservedNumbers;
  for (const auto& [n, caption] : reserved) {
    const FrontCondition* c = FindFrontCondition(n);
    EXPECT_EQ(c->kind, ConditionKind::kReserved) << n;
    EXPECT_EQ(c->caption, caption) << n;
    EXPECT_TRUE(c->stem.empty()) << n;
    EXPECT_FALSE(c->Selectable()) << n;
    reservedNumbers.insert(n);
  }
  EXPECT_EQ(FindFrontCondition(37)->kind, ConditionKind::kUnused);
  EXPECT_FALSE(FindFrontCondition(37)->Selectable());

  int selectable = 0;
  for (const auto& c : FrontConditions()) {
    if (c.number == 37 || reservedNumbers.count(c.number)) continue;
    EXPECT_TRUE(c.Selectable()) << c.number;
    EXPECT_FALSE(c.stem.empty()) << c.number;
    EXPECT_FALSE(c.caption.empty()) << c.number;
    EXPECT_FALSE(c.tab.empty()) << c.number;
    ++selectable;
  }
  EXPECT_EQ(selectable, 104);
}

TEST(ConditionTable, SpotChecksAgainstTheConditionList) {
  struct Row {
    int number;
    const char* stem;
    const char* caption;
    const char* tab;
    const char* subTab;
    const char* key;
    int from, to;
  };
  const Row rows[] = {
      {1, "dsgs", "大数个数", "常规1", "", "z_dsgs", 0, 5},
      {4, "wsgs", "尾组个数", "常规1", "", "z_wzgs", 1, 5},
      {5, "contzs", "连号组数", "常规1", "", "z_lmzs", 0, 4},
      {7, "nextgs", "邻号个数", "常规1", "", "z_nmzs", 0, 5},
      {10, "sqgs", "三区个数", "常规1", "", "z_3fq_3qgs", 0, 5},
      {12, "mod3get1", "除三余1个数", "余数", "除三余数", "z_c3y1", 0, 5},
      {14, "notsamejjgs", "不同间距个数", "常规2", "", "z_jjgs", 1, 4},
      {16, "zdjj", "最大间距", "常规4", "", "z_zdjj", 1, 31},
      {22, "hhlx", "合号连续", "常规4", "", "z_hhlx", 0, 4},
      {25, "hmhz", "和值", "和值系列", "和值系列一", "z_hz", 40, 160},
      {26, "hmwh", "尾和", "和值系列", "和值系列一", "z_wh", 3, 47},
      {27, "ylhz", "遗漏和值", "遗漏系列", "遗漏系列二", "z_ylhz", 0, 150},
      {31, "jgtwo", "差值3_2", "线差", "间隔一", "xc32", 1, 31},
      {35, "bzc", "标准差", "常规2", "", "", 0, 99},
      {36, "lsxs", "离散系数(%)", "常规2", "", "", 0, 99},
      {41, "wengs", "温号个数", "常规2", "", "z_lwr_wmgs", 0, 6},
      {45, "red3zf", "主号三振幅", "振幅系列", "振幅系列一", "z_num3zf", 0, 27},
      {51, "yhzf", "遗和振幅", "振幅系列", "振幅系列一", "z_ylhzzf", 0, 150},
      {57, "cz52", "差值5_2", "线差", "间隔三", "xc52", 1, 33},
      {59, "cz51", "差值5_1", "线差", "间隔四(极差)", "xc51", 1, 34},
      {67, "hz42", "和值4_2", "线和", "间隔二", "xh42", 3, 66},
      {68, "hz53", "和值5_3", "线和", "间隔二", "xh53", 3, 68},
      {71, "hz52", "和值5_2", "线和", "间隔三", "xh52", 3, 67},
      {73, "hz51", "和值5_1", "线和", "间隔四(极和)", "xh51", 3, 66},
      {75, "red1", "主号一", "常规3", "", "z_num1", 1, 31},
      {79, "red5", "主号五", "常规3", "", "z_num5", 1, 35},
      {88, "dzxqdshe", "大中小区大数和", "和值系列", "和值系列二", "z_dzxqdshe", 0, 160},
      {92, "c4yshe", "除四余数和", "和值系列", "和值系列二", "z_c4yshe", 0, 18},
      {94, "0lhe", "0路和", "和值系列", "和值系列三", "z_0lhe", 0, 160},
      {97, "aver", "平均值", "常规2", "", "z_aver", 1, 33},
      {101, "mod4get3", "除四余3个数", "余数", "除四余数", "z_c4y3", 0, 6},
      {106, "mod5get4", "除五余4个数", "余数", "除五余数", "z_c5y4", 0, 6},
      {109, "red3yl", "主号三遗漏", "遗漏系列", "遗漏系列一", "z_num3yl", 0, 200},
      {116, "hzyl", "和值遗漏", "遗漏系列", "遗漏系列二", "z_hzyl", 0, 700},
      {117, "hwyl", "和尾遗漏", "遗漏系列", "遗漏系列二", "z_hwyl", 0, 100},
  };
  for (const Row& r : rows) {
    const FrontCondition* c = FindFrontCondition(r.number);
    SCOPED_TRACE(r.number);
    EXPECT_EQ(c->stem, r.stem);
    EXPECT_EQ(c->caption, r.caption);
    EXPECT_EQ(c->tab, r.tab);
    EXPECT_EQ(c->subTab, r.subTab);
    EXPECT_EQ(c->key, r.key);
    EXPECT_EQ(c->pickerFrom, r.from);
    EXPECT_EQ(c->pickerTo, r.to);
  }
}

TEST(ConditionTable, StemsAreUniqueAndFoundAgain) {
  std::set<std::string_view> stems;
  for (const auto& c : FrontConditions()) {
    if (c.stem.empty()) continue;
    EXPECT_TRUE(stems.insert(c.stem).second) << c.stem;
    EXPECT_EQ(FindFrontConditionByStem(c.stem), &c);
  }
  EXPECT_EQ(stems.size(), 104u);
  EXPECT_EQ(FindFrontConditionByStem(""), nullptr);
  EXPECT_EQ(FindFrontConditionByStem("nosuch"), nullptr);
  EXPECT_EQ(FindFrontConditionByStem("hmhz")->number, 25);
  EXPECT_EQ(FindFrontConditionByStem("red1yl")->number, 107);
}

TEST(ConditionTable, CountingConditionsGetNoCurrentValue) {
  // The counting conditions give the picker its range only.
  auto counting = [](int n) {
    return (n >= 1 && n <= 15) || (n >= 17 && n <= 23) || (n >= 40 && n <= 42) ||
           (n >= 98 && n <= 106);
  };
  for (const auto& c : FrontConditions()) {
    if (!c.Selectable() || c.IsRange()) {
      EXPECT_FALSE(c.pickerCurrent) << c.number;
      continue;
    }
    EXPECT_EQ(c.pickerCurrent, !counting(c.number)) << c.number;
  }
}

TEST(ConditionTable, CheckListPickersAreTheOmissionSeries) {
  std::set<int> checkList;
  for (const auto& c : FrontConditions())
    if (c.checkList) checkList.insert(c.number);
  EXPECT_EQ(checkList, (std::set<int>{27, 107, 108, 109, 110, 111, 113, 114, 115, 116, 117, 118}));
  // The tile picker has 181 tiles (0..180): every other range must fit.
  for (const auto& c : FrontConditions()) {
    if (c.Selectable() && !c.IsRange() && !c.checkList) {
      EXPECT_LE(c.pickerTo, 180) << c.number;
    }
  }
}

TEST(ConditionTable, LinesAndPositionsKnowTheirNumbers) {
  for (const auto& c : FrontConditions()) {
    if (c.kind == ConditionKind::kLineSum || c.kind == ConditionKind::kLineDifference) {
      const char prefix = c.kind == ConditionKind::kLineSum ? 'h' : 'c';
      const std::string key =
          std::string("x") + prefix + std::to_string(c.lineHigh) + std::to_string(c.lineLow);
      EXPECT_EQ(c.key, key) << c.number;
      const std::string caption = std::string(c.kind == ConditionKind::kLineSum ? "和值" : "差值") +
                                  std::to_string(c.lineHigh) + "_" + std::to_string(c.lineLow);
      EXPECT_EQ(c.caption, caption) << c.number;
      EXPECT_GT(c.lineHigh, c.lineLow);
      EXPECT_GE(c.lineLow, 1);
      EXPECT_EQ(c.history, HistoryUse::kNone);
    }
    if (c.kind == ConditionKind::kPosition) {
      EXPECT_EQ(c.key, "z_num" + std::to_string(c.lineHigh)) << c.number;
    }
  }
  EXPECT_EQ(FindFrontCondition(77)->lineHigh, 3);
  EXPECT_EQ(FindFrontCondition(52)->kind, ConditionKind::kLineDifference);
}

TEST(ConditionTable, DerivedConditionsNameTheirBase) {
  for (const auto& c : FrontConditions()) {
    if (c.kind == ConditionKind::kAmplitude) {
      EXPECT_EQ(c.key, std::string(c.baseKey) + "zf") << c.number;
      EXPECT_NE(c.history, HistoryUse::kNone);
    }
    if (c.kind == ConditionKind::kOmission) {
      EXPECT_EQ(c.key, std::string(c.baseKey) + "yl") << c.number;
      EXPECT_EQ(c.history, HistoryUse::kOmission);
    }
  }
  EXPECT_EQ(FindFrontCondition(116)->baseKey, "z_hz");
  EXPECT_EQ(FindFrontCondition(49)->baseKey, "z_hz");
  EXPECT_EQ(FindFrontCondition(6)->history, HistoryUse::kPreviousDraw);
  EXPECT_EQ(FindFrontCondition(40)->history, HistoryUse::kRecentDraws);
  EXPECT_EQ(FindFrontCondition(27)->history, HistoryUse::kOmission);
  EXPECT_EQ(FindFrontCondition(25)->history, HistoryUse::kNone);
}

TEST(ConditionTable, ReportLabels) {
  EXPECT_EQ(FindFrontCondition(1)->listLabel, "大数个数：");
  EXPECT_EQ(FindFrontCondition(8)->listLabel, "三分区的一区个数：");
  EXPECT_EQ(FindFrontCondition(11)->listLabel, "除3余0个数：");
  EXPECT_EQ(FindFrontCondition(15)->listLabel, "ac值：");
  EXPECT_EQ(FindFrontCondition(36)->listLabel, "离散系数：");
  EXPECT_EQ(FindFrontCondition(51)->listLabel, "遗和振幅：");
  EXPECT_EQ(FindFrontCondition(97)->listLabel, "平数值：");
  EXPECT_EQ(FindFrontCondition(104)->listLabel, "除5余2个数：");
  EXPECT_EQ(FindFrontCondition(118)->listLabel, "尾和遗漏：");
  // Positions, their amplitudes and omissions are worded per report.
  EXPECT_EQ(FindFrontCondition(75)->listLabel, "主号一：");
  EXPECT_EQ(FindFrontCondition(75)->checkLabel, "红号一：");
  EXPECT_EQ(FindFrontCondition(47)->listLabel, "主号五振幅：");
  EXPECT_EQ(FindFrontCondition(47)->checkLabel, "红号五振幅：");
  EXPECT_EQ(FindFrontCondition(108)->listLabel, "主号二遗漏：");
  EXPECT_EQ(FindFrontCondition(108)->checkLabel, "红号二遗漏：");
  // Every other shown condition has one label for both reports.
  std::set<std::string_view> labels;
  for (const auto& c : FrontConditions()) {
    if (!c.Selectable()) continue;
    EXPECT_TRUE(labels.insert(c.listLabel).second) << c.number;
    const bool positional = (c.number >= 43 && c.number <= 47) ||
                            (c.number >= 75 && c.number <= 79) ||
                            (c.number >= 107 && c.number <= 111);
    if (!positional) {
      EXPECT_EQ(c.listLabel, c.checkLabel) << c.number;
    }
  }
}

TEST(ConditionTable, BackConditions) {
  ASSERT_EQ(BackConditions().size(), 8u);
  const char* stems[] = {"f_num1", "f_num2", "f_aver",   "f_pd",
                         "f_hz",   "f_cz",   "f_num1yl", "f_num2yl"};
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(FindBackCondition(n)->number, n);
    EXPECT_EQ(FindBackCondition(n)->stem, stems[n - 1]);
    EXPECT_EQ(FindBackConditionByStem(stems[n - 1]), FindBackCondition(n));
  }
  EXPECT_EQ(FindBackCondition(0), nullptr);
  EXPECT_EQ(FindBackCondition(9), nullptr);
  EXPECT_EQ(FindBackCondition(5)->pickerFrom, 3);
  EXPECT_EQ(FindBackCondition(5)->pickerTo, 23);
  EXPECT_EQ(FindBackCondition(7)->kind, ConditionKind::kOmission);
  EXPECT_EQ(FindBackCondition(7)->baseKey, "f_num1");
  EXPECT_TRUE(FindBackCondition(8)->checkList);
  EXPECT_EQ(FindBackCondition(8)->pickerTo, 145);
  EXPECT_FALSE(FindBackCondition(6)->checkList);
}

}  // namespace
}  // namespace dlt
