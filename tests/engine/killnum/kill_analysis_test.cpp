#include "killnum/kill_analysis.h"

#include <gtest/gtest.h>

#include "engine/killnum/killnum_test_support.h"
#include "formula/formula_messages.h"
#include "history/draw_table.h"
#include "indicators/catalogue.h"
#include "indicators/indicator.h"
#include "killnum/kill_grid.h"
#include "killnum/kill_reports.h"

namespace dlt {
namespace {

using test::HistoryOf;
using test::MakeDraw;

// Three draws; the formulas are judged on all of them.
std::vector<Draw> ThreeDraws() {
  return {MakeDraw(2020001, {1, 5, 12, 23, 30}, {3, 11}),
          MakeDraw(2020002, {2, 5, 13, 24, 35}, {1, 12}),
          MakeDraw(2020003, {3, 6, 14, 25, 34}, {4, 7})};
}

TEST(KillAnalysis, EdgeValuesOfTheFrontKill) {
  const KillHistory h = HistoryOf(ThreeDraws());
  // 0, 36 and 99 are never drawn: they hold on every row. 5 twice is listed once.
  const std::vector<std::string> f = {"0", "36", "5", "5", "99", "[-1]z_num1"};
  const KillAnalysis a = AnalyseScheme(h, {}, f, 0);
  ASSERT_EQ(a.judgedRows, 3);
  ASSERT_EQ(a.rows.size(), 4u);
  EXPECT_EQ(a.successes, (std::vector<int>{3, 3, 1, 1, 3, 2}));
  EXPECT_FALSE(a.fault);

  const KillRow& first = a.rows[0];
  EXPECT_EQ(first.list, (std::vector<int32_t>{1, 5, 36}));  // 1..40 listed, 0 and 99 not
  EXPECT_EQ(RowNumbersText(a, first), "01  05  ");          // the memo: numbers of the zone only
  EXPECT_EQ(first.wrongSlots, (std::vector<int>{3, 4, 6}));
  EXPECT_EQ(first.wrongNumbers, (std::vector<int32_t>{1, 5}));

  // The prediction row reads the last draw through the offset.
  const KillRow& next = a.Prediction();
  EXPECT_TRUE(next.prediction);
  EXPECT_EQ(next.index, h.VirtualIndex());
  EXPECT_EQ(next.cells[5].value, 3);
}

TEST(KillAnalysis, GridTextsOfAJudgedRowAnAllHeldRowAndTheRates) {
  const KillHistory h = HistoryOf(ThreeDraws());
  const std::vector<std::string> f = {"5", "7"};
  const KillAnalysis a = AnalyseScheme(h, {}, f, 0);
  const std::vector<GridRow> grid = BuildKillGrid(a, h);
  ASSERT_EQ(grid.size(), 7u);  // header, 3 draws, prediction, header, rates

  const auto texts = [](const GridRow& r) {
    std::vector<std::string> t;
    for (const GridCell& c : r.cells) t.push_back(c.text);
    return t;
  };
  EXPECT_EQ(texts(grid[0]),
            (std::vector<std::string>{"序号", "期号", "主区号码", "公式1", "公式2", "杀号列表",
                                      "杀错的公式个数", "杀错的公式序号", "杀错的号码个数",
                                      "杀错的号码"}));
  EXPECT_EQ(texts(grid[1]),
            (std::vector<std::string>{"1", "2020001", "01 05 12 23 30 ", "05", "07    正确",
                                      " 05 07", "1", "01 ", "1", "05 "}));
  EXPECT_FALSE(grid[1].allHeld);
  EXPECT_EQ(texts(grid[3]),
            (std::vector<std::string>{"3", "2020003", "03 06 14 25 34 ", "05    正确", "07    正确",
                                      " 05 07", "0", "", "0", ""}));
  EXPECT_TRUE(grid[3].allHeld);
  EXPECT_EQ(texts(grid[4])[1], "预测期");
  EXPECT_EQ(grid[4].kind, GridRowKind::Prediction);
  EXPECT_EQ(texts(grid[6]),
            (std::vector<std::string>{"正确率", "", "", "33.3", "100", "", "", "", "", ""}));
}

TEST(KillAnalysis, RateTexts) {
  const struct {
    int successes, rows;
    const char* text;
  } cases[] = {{85, 100, "85"}, {0, 100, "0"},  {100, 100, "100"}, {1, 3, "33.3"},
               {2, 3, "66.7"},  {1, 8, "12.5"}, {0, 0, "0"}};
  for (const auto& c : cases) EXPECT_EQ(RateText(c.successes, c.rows), c.text) << c.successes;
}

TEST(KillAnalysis, EightyFiveOfTheLastHundredDraws) {
  // Number 1 is drawn in 20 of every 100 draws, and in 5 of them not.
  const KillHistory h = HistoryOf(test::PairDraws(150, {105, 110, 115, 120, 125}));
  const std::vector<std::string> f = {"1"};
  const KillAnalysis a = AnalyseScheme(h, {}, f, h.DefaultStart());
  EXPECT_EQ(a.judgedRows, 100);
  EXPECT_EQ(a.rows.front().index, 50);
  EXPECT_EQ(RateText(a.successes[0], a.judgedRows), "85");
  EXPECT_TRUE(a.Prediction().prediction);
  EXPECT_EQ(a.Prediction().index, 150);
}

TEST(KillAnalysis, AFailingFormulaIsReportedOnceAndNeverHolds) {
  const KillHistory h = HistoryOf(ThreeDraws());
  const std::vector<std::string> f = {"7", "foo(1)", "9/0"};
  const KillAnalysis a = AnalyseScheme(h, {}, f, 0);
  EXPECT_EQ(a.successes, (std::vector<int>{3, 0, 0}));
  // Of several failing formulas the last one filled is told.
  EXPECT_EQ(a.FaultMessage(), std::string("第3条公式有误：") + formula_messages::kDivisionByZero);
  for (const KillRow& r : a.rows) {
    EXPECT_EQ(r.cells[1].value, -1);
    EXPECT_FALSE(r.cells[1].held);
    EXPECT_EQ(r.list, std::vector<int32_t>{7});
  }
  EXPECT_EQ(a.rows[0].wrongSlots, (std::vector<int>{2, 3}));
  EXPECT_TRUE(a.rows[0].wrongNumbers.empty());
  EXPECT_EQ(BuildKillGrid(a, h)[1].cells[4].text, "-1");
}

// A misspelt name reads -999, a number never drawn: without the check it
// held on every row (100%).
TEST(KillAnalysis, AMisspeltNameNeverHolds) {
  const KillHistory h = HistoryOf(ThreeDraws());
  const std::vector<std::string> f = {"[-1]z_hw", "foo", "9"};
  for (KillKind kind : {KillKind::FrontKill, KillKind::BackKill}) {
    KillTarget target;
    target.kind = kind;
    const KillAnalysis a = AnalyseScheme(h, target, f, 0);
    EXPECT_EQ(a.successes[1], 0);
    EXPECT_EQ(a.successes[2], 3);
    EXPECT_EQ(a.FaultMessage(), "第2条公式有误：foo指标不存在");
    EXPECT_EQ(a.Prediction().cells[1].value, -1);
    EXPECT_EQ(RowNumbers(a, a.Prediction()), (std::vector<int32_t>{2, 9}));  // 82 % 10, 9
  }
  // The custom kill's own indicator misspelt: nothing can be judged held.
  KillTarget custom{KillKind::Custom, "z_hzz", 0, 9};
  const KillAnalysis c = AnalyseScheme(h, custom, f, 0);
  EXPECT_EQ(c.indicatorError, "z_hzz指标不存在");
  EXPECT_EQ(c.successes, (std::vector<int>{0, 0, 0}));
}

// Failures met in the order the grid fills: the last row's last failing slot.
TEST(KillAnalysis, TheLastFailureMetIsTold) {
  const KillHistory h = HistoryOf(ThreeDraws());
  // 9/(z_num1-1) fails where z_num1 is 1 (the first draw only); 9/(z_num1-2)
  // where it is 2 (the second draw): the later row wins over the lower slot.
  const std::vector<std::string> f = {"9/(z_num1-2)", "9/(z_num1-1)", "5"};
  const KillAnalysis a = AnalyseScheme(h, {}, f, 0);
  ASSERT_TRUE(a.fault);
  EXPECT_EQ(a.fault->slot, 1);
  EXPECT_EQ(a.successes, (std::vector<int>{2, 2, 1}));
  const std::vector<std::string> g = {"9/(z_num1-1)", "9/(z_num1-1)", "5"};
  EXPECT_EQ(AnalyseScheme(h, {}, g, 0).fault->slot, 2);
}

TEST(KillAnalysis, BankersHoldWhenDrawnAndCustomKillsWhenTheValueDiffers) {
  const KillHistory h = HistoryOf(ThreeDraws());
  const std::vector<std::string> f = {"5", "12"};
  KillTarget banker;
  banker.kind = KillKind::BackBanker;
  const KillAnalysis b = AnalyseScheme(h, banker, f, 0);
  EXPECT_EQ(b.successes, (std::vector<int>{0, 1}));
  EXPECT_EQ(b.rows[0].wrongNumbers, (std::vector<int32_t>{5, 12}));  // named, not drawn
  EXPECT_EQ(RowNumbersText(b, b.rows[0]), "05  12  ");

  KillTarget custom{KillKind::Custom, "z_num1%10", 0, 5};
  const std::vector<std::string> g = {"1", "[-1]z_num1", "9"};
  const KillAnalysis c = AnalyseScheme(h, custom, g, 0);
  // z_num1%10 is 1, 2, 3; on the first draw the offset reads that draw itself.
  EXPECT_EQ(c.successes, (std::vector<int>{2, 2, 3}));
  EXPECT_EQ(c.rows[1].list, (std::vector<int32_t>{1}));  // 9 is not of interest
  const std::vector<GridRow> grid = BuildKillGrid(c, h);
  EXPECT_EQ(grid[0].cells[3].text, "指标z_num1%10");
  EXPECT_EQ(grid[0].cells[7].text, "杀z_num1%10列表");
  EXPECT_EQ(grid[1].cells[2].text, "01  05  12  23  30  :03  11  ");
  EXPECT_EQ(grid[1].cells[7].text, " 1");
}

TEST(KillAnalysis, TheForecastRecordAndTheCursorSurviveAnAnalysis) {
  test::TempDir dir;
  DrawTable table(dir.file("basedata.db"));
  for (const Draw& d : ThreeDraws()) table.AppendDraw(d);
  const Draw forecast = MakeDraw(kForecastQs, {2, 4, 6, 8, 10}, {1, 2});
  table.WriteForecast(forecast);
  table.LocateDraw(2020002);

  const KillHistory h = KillHistory::FromTable(table, EvalEnv{});
  EXPECT_EQ(h.RealCount(), 3);
  const std::vector<std::string> f = {"[-1]z_num1"};
  const KillAnalysis a = AnalyseScheme(h, {}, f, 0);
  EXPECT_EQ(a.Prediction().cells[0].value, 3);  // the virtual draw, not the forecast

  EXPECT_EQ(table.RecordCount(), 4);
  EXPECT_EQ(table.Draws().back(), forecast);
  EXPECT_EQ(table.CurrentDraw().qs, 2020002);
}

// The draw to come has no numbers; every indicator a formula may name must
// still give a value there (the sanitizers watch for faults).
TEST(KillHistory, EveryIndicatorEvaluatesOnTheDrawToCome) {
  const KillHistory h = HistoryOf(test::RandomHistory(40, 3));
  const EvalContext next = h.Context(h.VirtualIndex());
  int64_t sum = 0;
  for (const CatalogueEntry& e : Catalogue()) {
    const Resolution r = ResolveIndicator(e.row.key);
    ASSERT_TRUE(r.ok()) << e.row.key;
    sum += r.indicator->Value(next);
  }
  EXPECT_NE(sum, 0);
  EXPECT_EQ(h.At(h.VirtualIndex()).qs, kForecastQs);
}

TEST(KillReports, IntersectionFrequencyAndOrderByRate) {
  const KillHistory h = HistoryOf(ThreeDraws());
  const std::vector<std::string> f = {"5", "[-1]z_num1", "3", "40"};
  const KillAnalysis a = AnalyseScheme(h, {}, f, 0);
  // Prediction: 5, 3, 3, 40.
  const IntersectionTexts t = Intersection(a);
  EXPECT_EQ(t.byNumber,
            (std::vector<std::string>{"03：2个公式（公式2,公式3）", "05：1个公式（公式1）"}));
  EXPECT_EQ(t.byFormula.back(), "公式4：40");
  EXPECT_EQ(FrequencyText(a), "03(2)  05(1)  ");
  EXPECT_EQ(a.successes, (std::vector<int>{1, 2, 2, 3}));
  EXPECT_EQ(SlotsByRate(a), (std::vector<int>{4, 2, 3, 1}));
}

}  // namespace
}  // namespace dlt
