// What chance alone gives, shown beside the observed figures: the indicator
// analysis' count charts, the omission grids, the statistics area, the
// generator's status line and the backtest window. The figures themselves
// are tested in the engine; here each window shows them for its own range.
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <cmath>

#include "analysis/occurrence.h"
#include "common/chance_figures.h"
#include "generator/backtest.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/analysis/zbpxz_context.h"
#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_lshc.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"
#include "gui/trend/tf_tjq.h"
#include "history/draw_table.h"
#include "support/test_support.h"
#include "trend/trend_test_support.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

std::vector<std::string> Texts(const Chart& chart) {
  std::vector<std::string> texts;
  for (const ChartPanel& p : chart.panels)
    for (const ChartText& t : p.ItemsOf<ChartText>()) texts.push_back(t.text);
  return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& t) {
  return std::find(texts.begin(), texts.end(), t) != texts.end();
}

size_t DashedLines(const Chart& chart) {
  size_t n = 0;
  for (const ChartPanel& p : chart.panels)
    for (const ChartLine& l : p.ItemsOf<ChartLine>()) n += l.style == LineStyle::Dash;
  return n;
}

// The analysis opened as the launcher opens it, on the series of 主号一 named
// by `key` or `formula` (both empty: a series handed over without either).
Tf_zbpxz* OpenAnalysis(DltApp& app, const char* key, const char* formula) {
  auto* analysis = app.Windows().Get<Tf_zbpxz>();
  AnalysisSeries series;
  for (const Draw& d : app.Context().Table().Draws()) series.values.push_back(d.front[0]);
  series.caption = key;
  series.from = 1;
  series.to = 31;
  series.key = key;
  series.formula = formula;
  analysis->Analyse(series);
  return analysis;
}

}  // namespace

class ExpectedFiguresTest : public QObject {
  Q_OBJECT
 private slots:
  void analysisCountChartsShowTheChanceOfEachValue();
  void aSeriesWithoutKeyOrFormulaHasNoChance();
  void omissionGridsGainRowsOfChanceAndAFit();
  void statisticsAreaShowsChanceBesideEveryTally();
  void filterAndBacktestShowTheKeptShare();
};

// 主号一 is v for C(35 - v, 4) of the 324,632 combinations.
void ExpectedFiguresTest::analysisCountChartsShowTheChanceOfEachValue() {
  TestWorld world;
  world.SeedDraws(History(120, 4));
  auto app = world.MakeApp();
  Tf_zbpxz* analysis = OpenAnalysis(*app, "z_num1", "");
  QWidget* tab = ShowTabOf(analysis->Tabs(), "出现次数统计图");
  auto* box = Child<QCheckBox>(tab, "cb_tjt_expected");
  QVERIFY(!box->isChecked());
  QCOMPARE(DashedLines(Child<ChartView>(tab, "im_cxcstj")->CurrentChart()), size_t{0});
  box->setChecked(true);
  const Chart& bars = Child<ChartView>(tab, "im_cxcstj")->CurrentChart();
  // One expected mark per value of the page (1..31) and the value 1's deviation.
  QCOMPARE(DashedLines(bars), size_t{31});
  const std::vector<int32_t> counts =
      OccurrenceCounts(analysis->Context().Series(), NearRange(120, 100), 0, 35);
  const double p1 = 46376.0 / 324632;
  QVERIFY(Has(Texts(bars), ShortDeviationText(BinomialDeviation(counts[1], 100, p1))));
  QVERIFY(bars.panels.front().title.find("χ²=") != std::string::npos);

  // 遗漏次数统计图: the long-run omission of 1 is (1 - 1/7) / (1/7) = 6.
  tab = ShowTabOf(analysis->Tabs(), "遗漏次数统计图");
  Child<QCheckBox>(tab, "cb_ylcs_expected")->setChecked(true);
  const std::vector<std::string> rows = Texts(Child<ChartView>(tab, "im_ylcstj")->CurrentChart());
  QVERIFY(Has(rows, "期望遗漏"));
  QVERIFY(Has(rows, "遗漏概率%"));
  QVERIFY(Has(rows, "6.0"));
  QVERIFY(world.shell.messages.isEmpty());
}

void ExpectedFiguresTest::aSeriesWithoutKeyOrFormulaHasNoChance() {
  TestWorld world;
  world.SeedDraws(History(60, 4));
  auto app = world.MakeApp();
  Tf_zbpxz* analysis = OpenAnalysis(*app, "", "");
  QWidget* tab = ShowTabOf(analysis->Tabs(), "分项统计");
  auto* box = Child<QCheckBox>(tab, "cb_fxtj_expected");
  box->setChecked(true);
  QVERIFY(!box->isChecked());
  QCOMPARE(world.shell.messages.value(0), QString("该序列不是由指标或公式得到的，无法计算期望值"));
  QCOMPARE(DashedLines(Child<ChartView>(tab, "im_fxtj")->CurrentChart()), size_t{0});
}

// Over 100 draws a front number is expected 100/7 = 14.3 times.
void ExpectedFiguresTest::omissionGridsGainRowsOfChanceAndAFit() {
  TestWorld world;
  world.SeedDraws(History(150));
  auto app = world.StartApp();
  auto* w = app->Windows().Get<Tf_fxd>();
  QWidget* page = Sheet(*w, "ts_zhyltb");
  auto* grid = Child<QTableView>(page, "sg_zhyltb");
  auto* fit = Child<QLabel>(page, "l_zhyltb_fit");
  QCOMPARE(grid->model()->rowCount(), 106);
  QVERIFY(fit->isHidden());
  Child<QCheckBox>(page, "cb_zhyltb_expected")->setChecked(true);
  QCOMPARE(grid->model()->rowCount(), 110);
  const auto cell = [&](int row, int column) {
    return grid->model()->index(row, column).data().toString();
  };
  QCOMPARE(cell(106, 0), QString("期望次数"));
  QCOMPARE(cell(106, 1), QString("14.3"));
  QCOMPARE(cell(108, 1), QString("6.0"));
  QCOMPARE(grid->model()->index(108, 1).data(Qt::ToolTipRole).toString(), QString("6.00"));
  QCOMPARE(cell(109, 0), QString("遗漏概率%"));
  QVERIFY(!fit->isHidden());
  QVERIFY(fit->text().contains("自由度=34"));
  // The tail grid's columns have the chance of their tail.
  page = Sheet(*w, "ts_ws_zqyltb");
  Child<QCheckBox>(page, "cb_ws_expected")->setChecked(true);
  QVERIFY(Child<QLabel>(page, "l_ws_fit")->text().contains("自由度="));
}

void ExpectedFiguresTest::statisticsAreaShowsChanceBesideEveryTally() {
  TestWorld world;
  world.SeedDraws(History(150));
  auto app = world.StartApp();
  auto* w = app->Windows().Get<Tf_tjq>();
  w->show();
  QCOMPARE(DashedLines(w->BarChart()->CurrentChart()), size_t{0});
  Child<QCheckBox>(w, "cb_tjq_expected")->setChecked(true);
  const Chart& bars = w->BarChart()->CurrentChart();
  QCOMPARE(DashedLines(bars), size_t{1});  // one expected count for every number
  const std::vector<std::string> texts = Texts(bars);
  QVERIFY(std::any_of(texts.begin(), texts.end(), [](const std::string& t) {
    return t.find("期望次数14.29") != std::string::npos && t.find("χ²=") != std::string::npos;
  }));
  // 奇偶 over 500 numbers: 500 · 18/35 = 257.14 odd ones expected.
  auto* odd = Child<QLabel>(w, "l_jo_1_qw");
  QVERIFY(!odd->isHidden());
  QVERIFY2(odd->text().startsWith("期望257.14  "), qPrintable(odd->text()));
  QVERIFY(Child<QLabel>(w, "l_jo_fit")->text().startsWith("χ²="));
  Child<QCheckBox>(w, "cb_tjq_expected")->setChecked(false);
  QVERIFY(odd->isHidden());
}

void ExpectedFiguresTest::filterAndBacktestShowTheKeptShare() {
  TestWorld world;
  world.SeedDraws(History(60, 3));
  auto app = world.MakeApp();
  auto* zh = app->Windows().Get<Tf_zh>();
  ConditionSet set;
  set.Switches().notEqualDist = false;
  set.Switches().specNext = false;
  const int red1 = dlt::test::FrontNumber("red1");
  set.SetEnabled(red1, true);
  set.SetValues(red1, *ValueSet::Range(2, 31));
  zh->Session().set = set;
  zh->show();
  // 主号一 2..31 keeps C(34, 5) of C(35, 5): 6/7.
  Click(*zh, "b_filter");
  QVERIFY2(Child<QLabel>(*zh, "l_zq_status")->text().endsWith("   占全部组合 0.857143"),
           qPrintable(Child<QLabel>(*zh, "l_zq_status")->text()));

  Click(*zh, "b_backtest");
  auto* window = app->Windows().Get<Tf_lshc>();
  Child<QSpinBox>(*window, "e_count")->setValue(3);
  Child<QCheckBox>(*window, "cb_expected")->setChecked(true);
  Click(*window, "b_start");
  auto* grid = Child<QTableView>(*window, "sg_backtest");
  QCOMPARE(grid->model()->columnCount(), 5);
  QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), QString("保留机会"));
  QCOMPARE(grid->model()->index(0, 3).data().toString(), QString("0.857143"));
  QVERIFY2(Child<QLabel>(*window, "l_share")->text().contains("纯属偶然应保留 2.57 期"),
           qPrintable(Child<QLabel>(*window, "l_share")->text()));
}

DLT_GUI_TEST(ExpectedFiguresTest);
#include "expected_figures_test.moc"
