#include "generator/condition_report.h"

#include <gtest/gtest.h>

#include "common/gbk_text.h"
#include "support/test_support.h"

namespace dlt::test {
namespace {

ValueSet Vals(std::vector<int32_t> v) {
  return *ValueSet::From(std::move(v));
}

// A set with nothing on: full pool, no bankers, every switch off.
ConditionSet EmptySet() {
  ConditionSet set;
  set.Switches() = GlobalSwitches{false, false, false};
  return set;
}

void Enable(ConditionSet& set, std::string_view stem, std::vector<int32_t> values,
            bool tolerant = false) {
  const int number = FrontNumber(stem);
  ASSERT_TRUE(set.SetEnabled(number, true));
  ASSERT_TRUE(set.SetValues(number, Vals(std::move(values))));
  if (tolerant) {
    ASSERT_TRUE(set.SetTolerant(number, true));
  }
}

const std::string kFullPool =
    "01，02，03，04，05，06，07，08，09，10，11，12，13，14，15，16，17，18，19，20，21，22，23，24"
    "，"
    "25，26，27，28，29，30，31，32，33，34，35，";

// A history of ten draws, the last of which is the one to check.
std::vector<Draw> History() {
  std::vector<Draw> draws = RandomHistory(9);
  draws.back() = MakeDraw(draws.back().qs, {4, 9, 16, 23, 30}, {1, 2});
  draws.push_back(MakeDraw(draws.back().qs + 1, {3, 8, 17, 22, 31}, {5, 9}));
  return draws;
}

// One line each, as the golden files keep the reports.
std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

PastDrawCheck CheckLast(const std::vector<Draw>& draws) {
  std::vector<Draw> before(draws.begin(), draws.end() - 1);
  return PastDrawCheck(before, draws.back(), EvalEnv{});
}

TEST(ConditionListReport, OnlyBigNumberCountGivesOneConditionLine) {
  ConditionSet set = EmptySet();
  Enable(set, "dsgs", {2, 3});
  const std::vector<std::string> expected = {
      "可选主号：" + kFullPool, "胆码：", "", "指标过滤设置：", "", "大数个数：2，3，", ""};
  EXPECT_EQ(ConditionListReport(set), expected);
}

TEST(ConditionListReport, NothingEnabledGivesTheHeadersOnly) {
  const std::vector<std::string> expected = {"可选主号：" + kFullPool, "胆码：", "",
                                             "指标过滤设置：",         "",       ""};
  EXPECT_EQ(ConditionListReport(EmptySet()), expected);
}

TEST(ConditionListReport, EveryPartInOrder) {
  ConditionSet set = EmptySet();
  ASSERT_TRUE(set.SetPool(std::vector<int>{1, 2, 3, 8, 17, 22, 31}));
  ASSERT_TRUE(set.SetBankers(std::vector<int>{3, 17}));
  Enable(set, "red3", {10, 17});      // a position: labelled by report
  Enable(set, "jsgs", {2, 3}, true);  // listed before 77: number order
  ASSERT_TRUE(set.SetEnabled(FrontNumber("bzc"), true));
  ASSERT_TRUE(set.SetRangeBounds(FrontNumber("bzc"), 5, 12));
  ASSERT_TRUE(set.SetTolerant(FrontNumber("bzc"), true));
  ASSERT_TRUE(set.AddCustomIndicator({"z_hz+1", Vals({82, 83}), true}));
  ASSERT_TRUE(set.AddCustomIndicator({"z_jsgs", Vals({1}), false}));
  ASSERT_TRUE(set.AddSelfCondition({{1, 8, 30}, Vals({0, 1}), false}));
  ASSERT_TRUE(set.AddSelfCondition({{2}, Vals({1}), true}));
  ASSERT_TRUE(set.AddTailSetting({{1, 7}, Vals({1, 2}), true, true}));
  ASSERT_TRUE(set.AddTailSetting({{0}, Vals({0}), false, false}));
  set.Switches() = GlobalSwitches{true, true, true};
  ASSERT_TRUE(set.SetTolerance({true, 1, 2}));

  EXPECT_EQ(
      GoldenMismatch("reports/condition_list_every_part.txt", Joined(ConditionListReport(set))),
      "");
  // The same set judged on the last draw of a fixed history: every part says
  // right or wrong.
  EXPECT_EQ(
      GoldenMismatch("reports/condition_check_every_part.txt",
                     Joined(ConditionCheckReport(set, CheckLast(History()), CheckMode::kAll))),
      "");
}

TEST(ConditionReports, PositionLabelsDifferBetweenTheReports) {
  ConditionSet set = EmptySet();
  Enable(set, "red1", {3});    // 主号一
  Enable(set, "red1zf", {1});  // 主号一振幅
  const auto list = ConditionListReport(set);
  EXPECT_EQ(list[5], "主号一振幅：1，");  // number order: 43 before 75
  EXPECT_EQ(list[6], "主号一：3，");
  const auto draws = History();
  const auto check = ConditionCheckReport(set, CheckLast(draws), CheckMode::kAll);
  EXPECT_EQ(check[0], "正确 可选红号：" + kFullPool);
  EXPECT_EQ(check[5], "正确 红号一振幅：1，");  // |3 - 4| against the draw before
  EXPECT_EQ(check[6], "正确 红号一：3，");
}

TEST(ConditionCheckReport, MarksEachLineByTheCheckedDraw) {
  // Checked draw 03 08 17 22 31 after 04 09 16 23 30.
  ConditionSet set = EmptySet();
  ASSERT_TRUE(set.SetPool(std::vector<int>{3, 8, 17, 22, 30}));  // 31 missing
  ASSERT_TRUE(set.SetBankers(std::vector<int>{8, 17}));
  Enable(set, "jsgs", {3});          // odd count 3 (3, 17, 31): right
  Enable(set, "hmhz", {80, 82});     // sum 81: wrong
  Enable(set, "red5zf", {1}, true);  // 主号五振幅 |31 - 30| = 1: right
  Enable(set, "repeatgs", {0});      // repeats of the draw before: none, right
  ASSERT_TRUE(set.SetEnabled(FrontNumber("lsxs"), true));
  ASSERT_TRUE(set.SetRangeBounds(FrontNumber("lsxs"), 0, 10));  // far below the real spread: wrong
  ASSERT_TRUE(set.AddCustomIndicator({"z_hz", Vals({81}), false}));
  ASSERT_TRUE(set.AddCustomIndicator({"z_hz+1", Vals({81}), true}));
  ASSERT_TRUE(set.AddSelfCondition({{1, 2, 3, 8}, Vals({2}), false}));  // hits 3, 8: right
  ASSERT_TRUE(set.AddSelfCondition({{30, 31}, Vals({0}), false}));      // hits 31: wrong
  ASSERT_TRUE(set.AddTailSetting({{1, 2}, Vals({2}), false, true}));   // digits 1 and 2 seen: right
  ASSERT_TRUE(set.AddTailSetting({{7, 8}, Vals({2}), false, false}));  // 8, 17: right
  ASSERT_TRUE(set.AddTailSetting({{1}, Vals({2}), false, false}));     // 31 only: wrong
  set.Switches() = GlobalSwitches{true, true, true};
  ASSERT_TRUE(set.SetTolerance({true, 0, 3}));

  const auto draws = History();
  const std::vector<std::string> all = {
      "错误 可选红号：03，08，17，22，30，",
      "正确 胆码：08，17，",
      "",
      "指标过滤设置：",
      "",
      "正确 奇数个数：3，",
      "正确 重号个数：0，",
      "错误 和值：80，82，",
      "错误 离散系数：0<=取值范围<=10",
      "正确 红号五振幅：1，（容错）",
      "",
      "自定义指标过滤设置：",
      "",
      "正确 自定义指标1（z_hz）：81，",
      "错误 自定义指标2（z_hz+1）：81，（容错）",
      "",
      "自设条件过滤设置：",
      "",
      "正确 自设条件1：（号码组：01，02，03，08，出号个数：2，）",
      "错误 自设条件2：（号码组：30，31，出号个数：0，）",
      "",
      "尾数过滤设置：",
      "",
      "正确 尾数设置1：（尾号组：1，2，出号个数：2，）(相同尾数仅计算一次)",
      "正确 尾数设置2：（尾号组：7，8，出号个数：2，）",
      "错误 尾数设置3：（尾号组：1，出号个数：2，）",
      "",
      "不允许和历史数据相同",
      "正确 去除等间距组合",
      "正确 去除特殊连号",
      "已设定了容错个数",
      "0<=总容错<=3",
  };
  const PastDrawCheck check = CheckLast(draws);
  EXPECT_EQ(ConditionCheckReport(set, check, CheckMode::kAll), all);

  // Modes 2 and 3 keep the unmarked lines and one kind of marked line each.
  for (CheckMode mode : {CheckMode::kRight, CheckMode::kWrong}) {
    const std::string dropped = mode == CheckMode::kRight ? "错误 " : "正确 ";
    std::vector<std::string> expected;
    for (const std::string& line : all)
      if (line.rfind(dropped, 0) != 0) expected.push_back(line);
    EXPECT_EQ(ConditionCheckReport(set, check, mode), expected) << static_cast<int>(mode);
  }
}

TEST(ConditionCheckReport, WrongModeForADrawPassingEverythingShowsOnlyUnmarkedLines) {
  ConditionSet set = EmptySet();
  ASSERT_TRUE(set.SetBankers(std::vector<int>{22}));
  Enable(set, "jsgs", {3}, true);
  Enable(set, "red1", {3});
  ASSERT_TRUE(set.SetEnabled(FrontNumber("bzc"), true));
  ASSERT_TRUE(set.SetRangeBounds(FrontNumber("bzc"), 0, 99));
  ASSERT_TRUE(set.AddCustomIndicator({"z_num5", Vals({31}), false}));
  ASSERT_TRUE(set.AddSelfCondition({{8}, Vals({1}), false}));
  ASSERT_TRUE(set.AddTailSetting({{2}, Vals({1}), true, true}));
  set.Switches() = GlobalSwitches{true, true, true};
  ASSERT_TRUE(set.SetTolerance({true, 0, 1}));

  const std::vector<std::string> expected = {"",
                                             "指标过滤设置：",
                                             "",
                                             "",
                                             "自定义指标过滤设置：",
                                             "",
                                             "",
                                             "自设条件过滤设置：",
                                             "",
                                             "",
                                             "尾数过滤设置：",
                                             "",
                                             "",
                                             "不允许和历史数据相同",
                                             "已设定了容错个数",
                                             "0<=总容错<=1"};
  const auto draws = History();
  EXPECT_EQ(ConditionCheckReport(set, CheckLast(draws), CheckMode::kWrong), expected);
  // And every one of the ten marked lines is right.
  const auto all = ConditionCheckReport(set, CheckLast(draws), CheckMode::kAll);
  int right = 0;
  for (const std::string& line : all) right += line.rfind("正确 ", 0) == 0;
  EXPECT_EQ(right, 10);
  EXPECT_EQ(all.size(), expected.size() + 10);
}

TEST(ConditionCheckReport, EnabledItemsWithoutValuesAreWrong) {
  ConditionSet set = EmptySet();
  ASSERT_TRUE(set.SetEnabled(FrontNumber("dsgs"), true));  // no values chosen
  ASSERT_TRUE(set.SetEnabled(FrontNumber("bzc"), true));   // blank bounds
  ASSERT_TRUE(set.AddSelfCondition({{3}, ValueSet(), false}));
  const auto draws = History();
  const auto lines = ConditionCheckReport(set, CheckLast(draws), CheckMode::kAll);
  EXPECT_EQ(lines[5], "错误 大数个数：");
  EXPECT_EQ(lines[6], "错误 标准差：<=取值范围<=");
  EXPECT_EQ(lines[10], "错误 自设条件1：（号码组：03，出号个数：）");
}

TEST(ConditionCheckReport, AFormulaWithoutAValueIsWrong) {
  ConditionSet set = EmptySet();
  ASSERT_TRUE(set.AddCustomIndicator({"z_hz+(", Vals({81}), false}));
  ASSERT_TRUE(set.AddCustomIndicator({"z_hz", Vals({81}), false}));
  const auto draws = History();
  const auto lines = ConditionCheckReport(set, CheckLast(draws), CheckMode::kAll);
  EXPECT_EQ(lines[8], "错误 自定义指标1（z_hz+(）：81，");
  EXPECT_EQ(lines[9], "正确 自定义指标2（z_hz）：81，");
}

TEST(ConditionCheckReport, ShapeSwitchesAreMarkedByTheDrawsShape) {
  ConditionSet set = EmptySet();
  set.Switches() = GlobalSwitches{false, true, true};
  std::vector<Draw> draws = RandomHistory(5);
  draws.push_back(MakeDraw(draws.back().qs + 1, {5, 10, 15, 20, 25}, {1, 2}));  // equal gaps
  auto lines = ConditionCheckReport(set, CheckLast(draws), CheckMode::kAll);
  EXPECT_EQ(lines[6], "错误 去除等间距组合");
  EXPECT_EQ(lines[7], "正确 去除特殊连号");
  draws.back().front = {7, 8, 9, 10, 30};  // a run of four
  lines = ConditionCheckReport(set, CheckLast(draws), CheckMode::kAll);
  EXPECT_EQ(lines[6], "正确 去除等间距组合");
  EXPECT_EQ(lines[7], "错误 去除特殊连号");
}

TEST(ConditionCheckReport, TheFirstDrawHasNoDrawsBefore) {
  ConditionSet set = EmptySet();
  Enable(set, "red1", {2});
  const PastDrawCheck check({}, MakeDraw(2007001, {2, 5, 9, 20, 33}, {1, 2}), EvalEnv{});
  EXPECT_EQ(ConditionCheckReport(set, check, CheckMode::kAll)[5], "正确 红号一：2，");
}

TEST(CheckModeByName, KnowsTheThreeModes) {
  EXPECT_EQ(CheckModeByName("all"), CheckMode::kAll);
  EXPECT_EQ(CheckModeByName("right"), CheckMode::kRight);
  EXPECT_EQ(CheckModeByName("wrong"), CheckMode::kWrong);
  EXPECT_FALSE(CheckModeByName("1").has_value());
}

TEST(WriteConditionReport, WritesGbkWithCrLf) {
  TempDir dir;
  ConditionSet set = EmptySet();
  ASSERT_TRUE(set.SetPool(std::vector<int>{1, 2, 3, 4, 5, 35}));
  ASSERT_TRUE(set.SetBankers(std::vector<int>{5}));
  Enable(set, "dsgs", {2, 3}, true);
  const std::string path = dir.file("showcond.txt");
  std::string error;
  ASSERT_TRUE(WriteConditionReport(path, ConditionListReport(set), &error)) << error;
  // The file the desktop opens: GBK with CR LF, byte by byte.
  EXPECT_EQ(GoldenMismatch("reports/condition_report_gbk.txt", ReadBytes(path)), "");
}

TEST(WriteConditionReport, RewritesTheWholeFileAndReportsFailures) {
  TempDir dir;
  const std::string path = dir.file("showcond.txt");
  WriteBytes(path, std::string(1000, 'x'));
  ASSERT_TRUE(WriteConditionReport(path, {"a", "b"}));
  EXPECT_EQ(ReadBytes(path), "a\r\nb\r\n");
  std::string error;
  EXPECT_FALSE(WriteConditionReport(dir.file("missing/showcond.txt"), {"a"}, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace dlt::test
