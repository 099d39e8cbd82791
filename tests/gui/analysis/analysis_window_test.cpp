// The indicator analysis: the launcher Tf_zbpx, the fifteen tabs of
// Tf_zbpxz, paging and scrolling, and the transfer to the generator.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "analysis/occurrence.h"
#include "generator/condition_set.h"
#include "gui/analysis/analysis_handoff.h"
#include "gui/analysis/tf_zbpx.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/analysis/zbpxz_context.h"
#include "gui/analysis/zbpxz_scroller.h"
#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/generator/picker_study_aid.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/value_pickers.h"
#include "gui/generator/zh_session.h"
#include "gui/trend/chart_view.h"
#include "gui_test_support.h"
#include "history/draw_table.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

QWidget* ShowTab(Tf_zbpxz& w, const QString& caption) {
  return ShowTabOf(w.Tabs(), caption);
}

// A history whose last draw has 主号一 12.
std::vector<Draw> SeededHistory(int count) {
  std::vector<Draw> draws = History(count, 21);
  draws.back().front = {12, 20, 25, 30, 33};
  return draws;
}

// Selects the list line whose code is `code` and clicks it.
void ClickEntry(QListWidget* list, const QString& code) {
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->text().startsWith(code + " ")) {
      list->setCurrentRow(i);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                        list->visualItemRect(list->item(i)).center());
      return;
    }
  qFatal("no entry %s", qPrintable(code));
}

}  // namespace

class AnalysisWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void anIndicatorFromAListFillsTheSeries();
  void theListsHoldTheEntriesTheLauncherOffers();
  void aFormulaThroughTheInputAidAndItsErrors();
  void everyTabDraws();
  void theForecastRecordReadsAsTheForecastEverywhere();
  void pagingJumpingAndScrolling();
  void theTransferAddsACustomIndicatorToTheGenerator();
  void theGeneratorsStudyAidOpensTheAnalysis();
  void valuesPastAThousandAreAnalysed();
};

void AnalysisWindowTest::anIndicatorFromAListFillsTheSeries() {
  TestWorld world;
  world.SeedDraws(SeededHistory(80));
  auto app = world.MakeApp();
  AppContext& ctx = app->Context();
  auto* launcher = app->Windows().Get<Tf_zbpx>();
  launcher->show();
  ClickEntry(Child<QListWidget>(launcher, "lb_hzxl"), "z_hz");
  QCOMPARE(Child<QLineEdit>(launcher, "e_yyzb")->text(), QString("z_hz"));
  QCOMPARE(Child<QLineEdit>(launcher, "e_zbmm")->text(), QString("主区和值"));
  QVERIFY(Child<QLineEdit>(launcher, "me_zbqzfrom")->text().isEmpty());
  Click(launcher, "b_ok");

  const DrawTable& table = ctx.Table();
  int lo = 999, hi = -1;
  for (int i = 0; i < 80; ++i) {
    int sum = 0;
    for (int n : table.Draws()[i].front) sum += n;
    QCOMPARE(table.Scratch(ScratchField::Test, i), sum);
    lo = std::min(lo, sum);
    hi = std::max(hi, sum);
  }
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QVERIFY(analysis->isVisible());
  QCOMPARE(analysis->windowTitle(), QString("主区和值"));
  ZbpxzContext& z = analysis->Context();
  QCOMPARE(z.from, lo);  // no range typed: the values met
  QCOMPARE(z.to, hi);
  QCOMPARE(z.key, std::string("z_hz"));
  QVERIFY(z.formula.empty());
  QCOMPARE(table.Position(), 80 - 1 - 36);
  QCOMPARE(analysis->Tabs()->tabText(analysis->Tabs()->currentIndex()), QString("均值走势图"));

  // A typed range is kept; a click with no line selected says what to do.
  Child<QLineEdit>(launcher, "me_zbqzfrom")->setText("40");
  Child<QLineEdit>(launcher, "me_zbqzto")->setText("150");
  Click(launcher, "b_ok");
  QCOMPARE(z.from, 40);
  QCOMPARE(z.to, 150);
  auto* list = Child<QListWidget>(launcher, "lb_cg");
  list->setCurrentItem(nullptr);
  emit list->itemClicked(nullptr);
  QCOMPARE(world.shell.messages.value(0), QString("请在列表框中单击你要输入的内容"));
}

// The lists of the launcher, entry by entry where the analysis names them:
// "常规" 48 entries from z_num1 主号一, "和值系列" 19, "振幅系列" 50 with the
// formula entries (getzf(z_hw)), "遗漏系列" with getylz(z_dsgs).
void AnalysisWindowTest::theListsHoldTheEntriesTheLauncherOffers() {
  TestWorld world;
  world.SeedDraws(SeededHistory(80));
  auto app = world.MakeApp();
  auto* launcher = app->Windows().Get<Tf_zbpx>();
  launcher->show();
  const struct {
    const char* list;
    int atLeast;
    const char* code;
    const char* label;
  } entries[] = {{"lb_cg", 48, "z_num1", "主号一"},
                 {"lb_cg", 48, "z_jjgs", "主区邻位间距个数"},
                 {"lb_hzxl", 19, "z_hz", "主区和值"},
                 {"lb_hzxl", 19, "z_2lhe", "主区2路和"},
                 {"lb_zfxl", 50, "getzf(z_hw)", "主区和尾的振幅"},
                 {"lb_zfxl", 50, "getzf(xh21)", "线和2_1的振幅"},
                 {"lb_zfxl", 50, "z_num1zf", "主号一振幅"},
                 {"ListBox1", 1, "getylz(z_dsgs)", "主区大数个数的遗漏值"}};
  for (const auto& e : entries) {
    auto* list = Child<QListWidget>(launcher, e.list);
    QVERIFY2(list->count() >= e.atLeast, e.list);
    ClickEntry(list, e.code);
    QCOMPARE(Child<QLineEdit>(launcher, "e_yyzb")->text(), QString(e.code));
    QCOMPARE(Child<QLineEdit>(launcher, "e_zbmm")->text(), QString(e.label));
  }
  QCOMPARE(Child<QListWidget>(launcher, "lb_cg")->item(0)->text().split(' ').first(),
           QString("z_num1"));
  // The formula entry analyses as its key does.
  ClickEntry(Child<QListWidget>(launcher, "lb_zfxl"), "getzf(z_hw)");
  Click(launcher, "b_ok");
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QVERIFY(analysis->isVisible());
  const std::vector<int32_t> viaFormula(analysis->Context().Series().begin(),
                                        analysis->Context().Series().end());
  ClickEntry(Child<QListWidget>(launcher, "lb_zfxl"), "z_hwzf");
  Click(launcher, "b_ok");
  QCOMPARE(std::vector<int32_t>(analysis->Context().Series().begin(),
                                analysis->Context().Series().end()),
           viaFormula);

  // A misspelt name typed as a key is refused as every formula entry refuses it.
  analysis->hide();
  world.shell.messages.clear();
  Child<QLineEdit>(launcher, "e_yyzb")->setText("z_hwx");
  Click(launcher, "b_ok");
  QCOMPARE(world.shell.messages, QStringList{"公式有误:z_hwx指标不存在"});
  QVERIFY(!analysis->isVisible());
}

void AnalysisWindowTest::aFormulaThroughTheInputAidAndItsErrors() {
  TestWorld world;
  world.SeedDraws(SeededHistory(60));
  auto app = world.MakeApp();
  AppContext& ctx = app->Context();
  auto* launcher = app->Windows().Get<Tf_zbpx>();
  launcher->show();
  Child<QRadioButton>(launcher, "rb_selfzb")->click();
  QCOMPARE(Child<QLineEdit>(launcher, "e_zbmm")->text(), QString("自定义指标"));
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    Child<QLineEdit>(&d, "e_fzsr")->setText("z_num1%7");
    d.accept();
  });
  Click(launcher, "b_fzsr");
  QCOMPARE(Child<QLineEdit>(launcher, "e_selfzb")->text(), QString("z_num1%7"));
  Click(launcher, "b_ok");
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QVERIFY(analysis->isVisible());
  ZbpxzContext& z = analysis->Context();
  QCOMPARE(z.formula, std::string("z_num1%7"));
  QVERIFY(z.key.empty());
  for (int i = 0; i < 60; ++i)
    QCOMPARE(ctx.Table().Scratch(ScratchField::Test, i), ctx.Table().Draws()[i].front[0] % 7);
  analysis->hide();

  // A broken formula and a value below 0 open nothing and say why.
  struct Case {
    const char* formula;
    QString start;
  };
  for (const Case& c : {Case{"z_num1+", "公式有误:"}, Case{"z_num1-40", "第"}}) {
    world.shell.messages.clear();
    Child<QLineEdit>(launcher, "e_selfzb")->setText(c.formula);
    Click(launcher, "b_ok");
    QCOMPARE(world.shell.messages.size(), 1);
    QVERIFY2(world.shell.messages[0].startsWith(c.start), qPrintable(world.shell.messages[0]));
    QVERIFY(!analysis->isVisible());
  }
}

void AnalysisWindowTest::everyTabDraws() {
  TestWorld world;
  world.SeedDraws(SeededHistory(150));
  auto app = world.MakeApp();
  auto* launcher = app->Windows().Get<Tf_zbpx>();
  Child<QLineEdit>(launcher, "me_zbqzto")->setText("32");
  QVERIFY(launcher->Start());
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  const QStringList captions = {
      "均值走势图", "余数走势图",     "特征图",           "变化量及尾数图", "数据分布图",
      "田野走势图", "遗漏值走势",     "单个取值遗漏走势", "遗漏分布图表",   "出现次数统计图",
      "分项统计",   "遗漏次数统计图", "按期数分段走势",   "信号图",         "特性图表"};
  QTabWidget* tabs = analysis->Tabs();
  QCOMPARE(tabs->count(), captions.size());
  for (int i = 0; i < tabs->count(); ++i) {
    QCOMPARE(tabs->tabText(i), captions[i]);
    QWidget* tab = ShowTab(*analysis, captions[i]);
    if (auto* view = tab->findChild<ChartView*>()) {
      // What each chart holds is compared with golden files by the engine's
      // tests; here each tab draws a chart of its own for its view's size.
      const Chart& chart = view->CurrentChart();
      QVERIFY2(!chart.panels.empty(), qPrintable(captions[i]));
      QCOMPARE(QSize(chart.width, chart.height), view->size());
    } else {
      auto* grid = tab->findChild<QTableView*>();
      QVERIFY2(grid && grid->model()->rowCount() > 100, qPrintable(captions[i]));
    }
  }
  QVERIFY(world.shell.messages.isEmpty());
  // 特征图 with the range 1..32: the middle value has one decimal.
  ShowTab(*analysis, "特征图");
  QCOMPARE(Child<QLabel>(analysis, "l_zzxs")->text(), QString("中间值是:16.5"));
  // The omission table: the draws of its range and the six summary rows.
  ShowTab(*analysis, "遗漏分布图表");
  auto* table = Child<QTableView>(analysis, "sg_ylfbd");
  QCOMPARE(table->model()->rowCount(), 100 + 6);
  QCOMPARE(table->model()->columnCount(), 3 + 32);
  QCOMPARE(table->currentIndex().row(), 99);  // on the first value column of the last row
  QCOMPARE(table->currentIndex().column(), 3);

  // 数据分布图 refuses a span of 100 or more and goes back to 0..35.
  QWidget* distribution = ShowTab(*analysis, "数据分布图");
  Child<QLineEdit>(distribution, "e_fbd_max")->setText("100");
  Click(distribution, "b_fbd_update");
  QCOMPARE(world.shell.messages.value(0), QString("数据分布图中，最大值与最小值之差不能大于100。"));
  QCOMPARE(Child<QLineEdit>(distribution, "e_fbd_max")->text(), QString("35"));

  // 修改田野图: the editor shows the chart's four groups and its texts are stored.
  QWidget* field = ShowTab(*analysis, "田野走势图");
  const QString path = world.DataDir() + "/database/tyzsd4.txt";
  QVERIFY(QFile::exists(path));
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    QCOMPARE(Child<QLineEdit>(&d, "e_tyd_1")->text(), QString("01"));
    QVERIFY(!Child<QLineEdit>(&d, "e_tyd_5")->isEnabled());
    Child<QLineEdit>(&d, "e_tyd_2")->setText("05 06 07");
    Click(&d, "b_tyd_modify");
  });
  Click(field, "b_tyd_modify");
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll().left(16), QByteArray("01\r\n05 06 07\r\n03"));
  const Chart& groups = Child<ChartView>(field, "im_tyzsd")->CurrentChart();
  bool shown = false;
  for (const ChartText& t : groups.panels.front().ItemsOf<ChartText>())
    shown |= t.text == "05 06 07";
  QVERIFY(shown);
}

// With a forecast record after the last draw, the analysis's grids and its
// split issue labels name it "预测区", never 9999999 or "9999/999".
void AnalysisWindowTest::theForecastRecordReadsAsTheForecastEverywhere() {
  TestWorld world;
  world.SeedDraws(SeededHistory(60));
  auto app = world.MakeApp();
  DrawTable& table = app->Context().Table();
  table.WriteForecast(Draw{kForecastQs, {3, 8, 15, 22, 30}, {1, 2}});  // 主号一 3
  auto* launcher = app->Windows().Get<Tf_zbpx>();
  QVERIFY(launcher->Start());
  auto* analysis = app->Windows().Get<Tf_zbpxz>();

  ShowTab(*analysis, "特性图表");
  auto* traits = Child<QTableView>(analysis, "sg_txd");
  const int rows = traits->model()->rowCount();
  QCOMPARE(traits->model()->index(rows - 2, 0).data().toString(), QString("预测区"));

  ShowTab(*analysis, "遗漏分布图表");
  auto* omissions = Child<QTableView>(analysis, "sg_ylfbd");
  QCOMPARE(omissions->model()->index(omissions->model()->rowCount() - 7, 0).data().toString(),
           QString("预测区"));
  // The draw pickers name it so too, and a range ending there reaches it.
  auto* to = Child<QComboBox>(analysis, "cb_ylfbd_to");
  QCOMPARE(to->currentText(), QString("预测区"));
  QCOMPARE(to->findText(QString::number(kForecastQs)), -1);
  QCOMPARE(PickedDraw(to, table, -1), table.RecordCount() - 1);
  to->setCurrentIndex(to->count() - 2);
  QCOMPARE(PickedDraw(to, table, -1), table.RecordCount() - 2);

  // 主号一 1 is not the forecast's: its last entry is the forecast record.
  QWidget* single = ShowTab(*analysis, "单个取值遗漏走势");
  auto* value = Child<QComboBox>(single, "cb_dgqzylzs");
  value->setCurrentIndex(value->findText("1"));
  QStringList texts;
  for (const ChartPanel& p : single->findChild<ChartView*>()->CurrentChart().panels)
    for (const ChartText& t : p.ItemsOf<ChartText>()) texts << QString::fromStdString(t.text);
  QVERIFY(texts.contains("预测区"));
  QVERIFY(!texts.contains("9999"));
  QVERIFY(!texts.contains("999"));
}

void AnalysisWindowTest::pagingJumpingAndScrolling() {
  TestWorld world;
  world.SeedDraws(SeededHistory(200));
  auto app = world.MakeApp();
  DrawTable& table = app->Context().Table();
  QVERIFY(app->Windows().Get<Tf_zbpx>()->Start());
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QWidget* tab = ShowTab(*analysis, "均值走势图");
  QCOMPARE(table.Position(), 163);
  Click(tab, "b_jzzs_pageup");
  QCOMPARE(table.Position(), 127);
  Click(tab, "b_jzzs_down");
  QCOMPARE(table.Position(), 128);
  Child<QComboBox>(tab, "cb_jzzsshowqs")->setCurrentIndex(1);  // 显示45期
  Click(tab, "b_jzzs_pageup");
  QCOMPARE(table.Position(), 83);
  // "跳转" to a typed draw; an empty field does nothing.
  Child<QLineEdit>(tab, "e_jzzstz")->setText(QString::number(table.Draws()[10].qs));
  Click(tab, "b_jzzstz");
  QCOMPARE(table.Position(), 10);
  Child<QLineEdit>(tab, "e_jzzstz")->clear();
  Click(tab, "b_jzzstz");
  QCOMPARE(table.Position(), 10);
  const Chart& chart = Child<ChartView>(tab, "im_jzzs")->CurrentChart();
  QCOMPARE(chart.panels.front().coord.xFirst, 10);

  // Scrolling steps one draw; on the last page it stops, and leaving the tab stops it.
  ZbpxzScroller& scroller = analysis->Scroller();
  Child<QAction>(analysis, "pm_zsd_start")->trigger();
  QVERIFY(scroller.Running());
  QCOMPARE(scroller.Interval(), 1000);
  Child<QAction>(analysis, "pm_zsd_fastest")->trigger();
  QCOMPARE(scroller.Interval(), 300);
  auto* current = qobject_cast<ZbpxzTab*>(tab);
  current->ScrollStep(true);
  QCOMPARE(table.Position(), 11);
  table.SetPosition(199 - 45);
  current->ScrollStep(true);
  QCOMPARE(table.Position(), 199 - 45);
  ShowTab(*analysis, "余数走势图");
  QVERIFY(!scroller.Running());
  QVERIFY(Child<QAction>(analysis, "pm_zsd_stop")->isChecked());

  // 单个取值遗漏走势 pages its entries: the first page ends at the last entry.
  QWidget* single = ShowTab(*analysis, "单个取值遗漏走势");
  Child<QComboBox>(single, "cb_dgqzylzs")->setCurrentText("12");
  const Chart& entries = Child<ChartView>(single, "im_dgqzylzs")->CurrentChart();
  QCOMPARE(entries.panels.front().title, std::string("12的遗漏走势"));
  const auto lastLabel = entries.panels.front().coord.xLabels.back();
  QCOMPARE(lastLabel, std::to_string(table.Draws().back().qs).substr(0, 4));
}

void AnalysisWindowTest::theTransferAddsACustomIndicatorToTheGenerator() {
  TestWorld world;
  world.SeedDraws(SeededHistory(90));
  auto app = world.MakeApp();
  auto* launcher = app->Windows().Get<Tf_zbpx>();
  QVERIFY(launcher->Start());  // z_num1 over 1..31
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QWidget* tab = ShowTab(*analysis, "信号图");
  auto* signal = Child<QTableView>(tab, "sg_ftc_signal");
  QVERIFY(signal->model()->columnCount() > 1);

  auto* zh = app->Windows().Get<Tf_zh>();
  Child<QLineEdit>(zh, "e_selfzb")->setText("typed");
  auto fill = [](int from, int to, bool rise, bool tolerant) {
    return [=](QDialog& d) {
      // The dialog opens on the shown range with every option cleared.
      QCOMPARE(Child<QLineEdit>(&d, "me_qzfwfrom")->text(), QString("1"));
      QCOMPARE(Child<QLineEdit>(&d, "me_qzfwto")->text(), QString("31"));
      QVERIFY(!Child<QCheckBox>(&d, "cb_sj")->isChecked());
      Child<QLineEdit>(&d, "me_qzfwfrom")->setText(QString::number(from));
      Child<QLineEdit>(&d, "me_qzfwto")->setText(QString::number(to));
      Child<QCheckBox>(&d, "cb_sj")->setChecked(rise);
      Child<QCheckBox>(&d, "cb_rc")->setChecked(tolerant);
      Click(&d, "b_ok");
    };
  };
  world.shell.dialogHandlers.push_back(fill(10, 15, true, false));
  Click(tab, "b_ftc_filter");
  auto* list = Child<QListWidget>(zh, "lb_selfzb");
  QCOMPARE(list->count(), 1);
  QCOMPARE(list->item(0)->text(), QString("z_num1  取值: 13  14  15  "));
  QCOMPARE(world.shell.messages.value(0),
           QString("过滤设置成功。该项过滤设置是在超强组号的自定义指标中实现的，"
                   "可在超强组号的自定义指标的列表框中查看。"));
  QVERIFY(Child<QCheckBox>(zh, "cb_selfzb")->isChecked());
  QVERIFY(Child<QLineEdit>(zh, "e_selfzb")->text().isEmpty());

  // Under "尾数图" the formula takes "%10", and a tolerant entry says so.
  Child<QRadioButton>(tab, "rb_ftc_wst")->click();
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    Child<QLineEdit>(&d, "me_qzfwfrom")->setText("3");
    Child<QLineEdit>(&d, "me_qzfwto")->setText("4");
    Child<QCheckBox>(&d, "cb_rc")->setChecked(true);
    Click(&d, "b_ok");
  });
  Click(tab, "b_ftc_filter");
  QCOMPARE(list->item(1)->text(), QString("z_num1%10  容错  取值: 3  4  "));

  // A reversed range keeps the dialog open with its message.
  world.shell.messages.clear();
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Child<QLineEdit>(&d, "me_qzfwfrom")->setText("9");
    Child<QLineEdit>(&d, "me_qzfwto")->setText("4");
    Click(&d, "b_ok");
    QCOMPARE(world.shell.messages.value(0), QString("取值最小值不能大于最大值"));
    d.reject();
  });
  Click(tab, "b_ftc_filter");
  QCOMPARE(list->count(), 2);

  // A full list refuses the transfer with its message.
  ConditionSet& set = zh->Session().set;
  while (static_cast<int>(set.CustomIndicators().size()) < ConditionSet::kMaxCustomIndicators) {
    CustomIndicator e;
    e.formula = "z_hz";
    QVERIFY(set.AddCustomIndicator(e));
  }
  world.shell.messages.clear();
  world.shell.dialogHandlers.push_back([](QDialog& d) { Click(&d, "b_ok"); });
  Click(tab, "b_ftc_filter");
  QCOMPARE(static_cast<int>(set.CustomIndicators().size()), ConditionSet::kMaxCustomIndicators);
  QCOMPARE(world.shell.messages.value(0), QString("自定义指标最多只能有100个"));

  // A series handed over without a key or formula cannot be transferred.
  AnalysisSeries anonymous;
  const ZbpxzContext& shown = analysis->Context();
  anonymous.values.assign(shown.Series().begin(), shown.Series().end());
  anonymous.caption = analysis->windowTitle();
  anonymous.from = shown.from;
  anonymous.to = shown.to;
  analysis->Analyse(anonymous);
  world.shell.messages.clear();
  tab = ShowTab(*analysis, "信号图");
  const int dialogs = world.shell.dialogsRun;
  Click(tab, "b_ftc_filter");
  QCOMPARE(world.shell.messages.value(0), QString("该指标不能转至过滤"));
  QCOMPARE(world.shell.dialogsRun, dialogs);
}

void AnalysisWindowTest::theGeneratorsStudyAidOpensTheAnalysis() {
  TestWorld world;
  world.SeedDraws(SeededHistory(70));
  auto app = world.MakeApp();
  AppContext& ctx = app->Context();
  PickRequest request;
  request.first = 0;
  request.last = 1000;
  request.current = 3;
  request.study.kind = StudySubject::Kind::kFormula;
  request.study.formula = "z_num1%5";
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Click(&d, "b_filterzs");
    d.reject();
  });
  PickValues(ctx, nullptr, request);
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QVERIFY(analysis->isVisible());
  ZbpxzContext& z = analysis->Context();
  QCOMPARE(analysis->windowTitle(), QString("z_num1%5（过滤助手）"));
  QCOMPARE(z.formula, std::string("z_num1%5"));
  QCOMPARE(z.caption, analysis->windowTitle());
  // The tabs read the series handed over: the occurrence counts of 0..4.
  ShowTab(*analysis, "出现次数统计图");
  std::vector<int> counts(5, 0);
  for (int i = 0; i < 70; ++i) ++counts[ctx.Table().Draws()[i].front[0] % 5];
  const Chart& bars = Child<ChartView>(analysis, "im_cxcstj")->CurrentChart();
  std::vector<std::string> written;
  for (const ChartText& t : bars.panels.front().ItemsOf<ChartText>()) written.push_back(t.text);
  for (int v = 0; v < 5; ++v)
    QVERIFY(std::find(written.begin(), written.end(), std::to_string(counts[v])) != written.end());
}

// An omission series of a long history passes 1000 (a first number of 30 not
// seen again for 1098 draws): the trend pages' hand-off and the launcher
// both open the analysis, every tab draws, and typed bounds past the limit
// are refused.
void AnalysisWindowTest::valuesPastAThousandAreAnalysed() {
  std::vector<Draw> draws = History(1100, 4);
  for (Draw& d : draws)
    if (d.front[0] > 20) d.front = {1, 2, 3, 4, 5};
  draws.front().front = draws.back().front = {30, 31, 32, 33, 34};
  TestWorld world;
  world.SeedDraws(draws);
  auto app = world.MakeApp();
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  ZbpxzContext& z = analysis->Context();

  // 走势分析 → 遗漏系列 → 主号一遗漏 → 指标剖析 hands over the key.
  QVERIFY(AnalyseIndicator(app->Context(), RequestForKey("z_num1yl")));
  QVERIFY2(world.shell.messages.isEmpty(), qPrintable(world.shell.messages.join("|")));
  QVERIFY(analysis->isVisible());
  QVERIFY(app->Context().Table().Scratch(ScratchField::Test, 1099) > 1000);
  analysis->hide();

  auto* launcher = app->Windows().Get<Tf_zbpx>();
  Child<QRadioButton>(launcher, "rb_selfzb")->click();
  Child<QLineEdit>(launcher, "e_selfzb")->setText("getylz(z_num1)*50");
  QVERIFY(launcher->Start());
  QVERIFY(world.shell.messages.isEmpty());
  QCOMPARE(z.to, 1098 * 50);  // the values met: past 1000, within 65535
  for (int i = 0; i < analysis->Tabs()->count(); ++i) {
    analysis->Tabs()->setCurrentIndex(i);
    QApplication::processEvents();
  }
  // Only the grid of one column per value declines so wide a range.
  for (const QString& m : world.shell.messages)
    QCOMPARE(m, QString("该指标取值范围太宽,不宜用图表显示，请选择取值范围小于200的指标"));
  world.shell.messages.clear();
  analysis->hide();

  // Five-digit bounds are typed; past 65535 they are refused.
  Child<QLineEdit>(launcher, "me_zbqzfrom")->setText("0");
  Child<QLineEdit>(launcher, "me_zbqzto")->setText("70000");
  QCOMPARE(Child<QLineEdit>(launcher, "me_zbqzto")->text(), QString("70000"));
  QVERIFY(!launcher->Start());
  QCOMPARE(world.shell.messages.value(0), QString("指标取值范围应在0到65535之间: 70000"));
  QVERIFY(!analysis->isVisible());
  // A value past the limit names its draw.
  world.shell.messages.clear();
  Child<QLineEdit>(launcher, "me_zbqzto")->clear();
  Child<QLineEdit>(launcher, "e_selfzb")->setText("getylz(z_num1)*60");
  QVERIFY(!launcher->Start());
  QCOMPARE(world.shell.messages.value(0),
           QString("第%1期的指标值65880超出了0至65535的范围，无法剖析").arg(draws.back().qs));
}

DLT_GUI_TEST(AnalysisWindowTest);
#include "analysis_window_test.moc"
