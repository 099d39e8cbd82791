// The statistics area Tf_tjq, the more-charts window Tf_moredb and the
// back-zone window Tf_bluefxd.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "common/gbk_text.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/analysis/zbpxz_context.h"
#include "gui/app/tf_main.h"
#include "gui/app/window_set.h"
#include "gui/trend/chart_view.h"
#include "gui/trend/moredb_association_page.h"
#include "gui/trend/moredb_pairs_page.h"
#include "gui/trend/tf_bluefxd.h"
#include "gui/trend/tf_fxd.h"
#include "gui/trend/tf_moredb.h"
#include "gui/trend/tf_tjq.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "history/history_contexts.h"
#include "indicators/coldhot.h"
#include "indicators/indicator.h"
#include "indicators/indicator_series.h"
#include "support/test_support.h"
#include "trend/number_tally.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

QString Text(QObject* parent, const char* name) {
  auto* l = Child<QLabel>(parent, name);
  return l ? l->text() : QString();
}

// A user's double-click: the press that picks the cell, then the double-click.
void DoubleClick(QTableView* view, const QModelIndex& index) {
  view->scrollTo(index);
  const QPoint at = view->visualRect(index).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

std::unique_ptr<DltApp> Started(TestWorld& world) {
  auto app = world.StartApp();
  world.shell.messages.clear();
  return app;
}

int32_t FrontTotal(const NumberTally& t) {
  int32_t total = 0;
  for (const NumberCount& n : t.front.byNumber) total += n.count;
  return total;
}

}  // namespace

class StatisticsWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void statisticsAreaFillsAndItsRangeControlsMirror();
  void talliedQuantitiesGoToTheIndicatorAnalysis();
  void coldHotSettingsAreStoredAndApplied();
  void repeatedDrawsAreListed();
  void moreChartsPagesFill();
  void associationConfirmsAndHandsAColumnOver();
  void associationExportsTheFollowingDraws();
  void backZoneWindowIsReachedAndEveryPageDraws();
  void anEmptyHistoryKeepsEveryWindowWorking();
};

void StatisticsWindowsTest::statisticsAreaFillsAndItsRangeControlsMirror() {
  TestWorld world;
  world.SeedDraws(History(150));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_tjq>();
  app->Main()->Button("b_tjq")->click();
  QVERIFY(w->isVisible());
  QCOMPARE(w->Pages()->currentIndex(), 0);
  // Opened on the last 100 draws: the bar chart, the labels and the item pages are filled.
  QCOMPARE(FrontTotal(w->Tally()), 500);
  // The bars of the 35 front numbers, drawn for the picture's size; what
  // they show is compared with a golden file by the engine's tests.
  const Chart& bars = w->BarChart()->CurrentChart();
  QCOMPARE(bars.panels.at(0).coord.xLast, 35);
  QCOMPARE(QSize(bars.width, bars.height), w->BarChart()->size());
  QVERIFY(Text(w, "l_coldhot").startsWith("主区冷号:"));
  QVERIFY(Text(w, "l_f_coldhot").contains(";  副区温号:"));
  QVERIFY(Text(w, "l_jo_1").startsWith("奇数个数:"));
  QCOMPARE(Text(w, "l_jo_1_bfb").right(1), QString("%"));
  QCOMPARE(Child<QLineEdit>(w, "e_1to5")->text().isEmpty(), false);

  // The scroll bar and the count box mirror each other and recompute.
  auto* scroll = Child<QScrollBar>(w, "sb_fxtj");
  auto* count = Child<QComboBox>(w, "combo_fxtj_nearqs");
  QCOMPARE(scroll->maximum(), 150);
  QCOMPARE(scroll->value(), 100);
  scroll->setValue(37);
  QCOMPARE(count->currentText(), QString("37"));
  QCOMPARE(FrontTotal(w->Tally()), 5 * 37);
  count->setCurrentText("所有");
  QCOMPARE(scroll->value(), 150);
  QCOMPARE(FrontTotal(w->Tally()), 5 * 150);

  // "自定义": the issue boxes take over and the label counts the draws.
  auto* from = Child<QComboBox>(w, "cb_fxtj_from");
  auto* to = Child<QComboBox>(w, "cb_fxtj_to");
  QCOMPARE(from->currentIndex(), 49);  // 100 draws before the last
  Click(w, "rb_fxtj_self");
  QVERIFY(from->isEnabled() && !count->isEnabled() && !scroll->isEnabled());
  QCOMPARE(Text(w, "l_tjq"), QString("共101期"));
  QCOMPARE(FrontTotal(w->Tally()), 5 * 101);
  to->setCurrentIndex(10);  // before the start: an empty range shows zeros
  QCOMPARE(Text(w, "l_tjq"), QString("共0期"));
  QCOMPARE(Text(w, "l_jo_1_bfb"), QString("0.0%"));
  QCOMPARE(Text(w, "l_pd_1"), QString("平均偏度值:0.00"));
  Click(w, "rb_fxtj_nearqs");
  QVERIFY(Text(w, "l_tjq").isEmpty());
  QVERIFY(!from->isEnabled() && count->isEnabled());

  // "开始统计" reads the history again.
  const int32_t before = w->Tally().back.byNumber[0].count;
  app->Context().Table().AppendDraw(
      {app->Context().Table().Draws().back().qs + 1, {1, 2, 3, 4, 5}, {1, 2}});
  Click(w, "b_kstj");
  QCOMPARE(w->Tally().back.byNumber[0].count, before + 1);

  // The bar chart follows its options; "除三余数" hides two remainder rows.
  Click(w, "rb_fhtj");
  QCOMPARE(w->BarChart()->CurrentChart().panels.at(0).coord.xLabels.size(), size_t(12));
  auto* divisor = Child<QComboBox>(w, "cb_ys");
  divisor->setCurrentIndex(2);
  QVERIFY(!Child<QLabel>(w, "l_ys_5")->isHidden());
  divisor->setCurrentIndex(0);
  QVERIFY(Child<QLabel>(w, "l_ys_4")->isHidden());
  QVERIFY(Child<QLabel>(w, "l_ys_5")->isHidden());
  QVERIFY(Text(w, "l_ys_3").startsWith("除三余二数:"));
}

// A group box's context menu hands the indicator it tallies to the
// analysis, through the launcher as every "指标剖析" does.
void StatisticsWindowsTest::talliedQuantitiesGoToTheIndicatorAnalysis() {
  TestWorld world;
  world.SeedDraws(History(150));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_tjq>();
  app->Main()->Button("b_tjq")->click();
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QVERIFY(!analysis->isVisible());
  const DrawTable& table = app->Context().Table();

  struct Case {
    const char* box;
    const char* action;
    const char* key;
    const char* caption;
  };
  const Case cases[] = {
      {"gb_jo", "n_zbpx_z_jsgs", "z_jsgs", "主区奇数个数"},
      {"gb_sq", "n_zbpx_z_3fq_2qgs", "z_3fq_2qgs", "三分区的二区个数"},
      {"gb_ys", "n_zbpx_z_c3y1", "z_c3y1", "除3余1个数"},
      {"gb_hz", "n_zbpx_z_hz", "z_hz", "主区和值"},
  };
  for (const Case& c : cases) {
    auto* box = Child<QGroupBox>(w, c.box);
    QCOMPARE(box->contextMenuPolicy(), Qt::ActionsContextMenu);
    Child<QAction>(box, c.action)->trigger();
    QVERIFY2(world.shell.messages.isEmpty(), qPrintable(world.shell.messages.join("|")));
    QVERIFY(analysis->isVisible());
    QCOMPARE(analysis->Context().key, std::string(c.key));
    QCOMPARE(analysis->windowTitle(), QString::fromUtf8(c.caption));
    const std::vector<int32_t> expected =
        IndicatorSeries(TableContext(table, &app->Context().env), c.key);
    for (int i : {0, 75, 149}) QCOMPARE(table.Scratch(ScratchField::Test, i), expected[i]);
    analysis->hide();
  }
  // The remainder group follows its divisor; the back zone offers nothing.
  Child<QComboBox>(w, "cb_ys")->setCurrentIndex(2);
  QVERIFY(w->findChild<QAction*>("n_zbpx_z_c5y4"));
  QVERIFY(!w->findChild<QAction*>("n_zbpx_z_c3y1"));
  QVERIFY(Child<QGroupBox>(w, "gb_f_jo")->actions().isEmpty());
}

void StatisticsWindowsTest::coldHotSettingsAreStoredAndApplied() {
  TestWorld world;
  world.SeedDraws(History(60));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_tjq>();
  w->show();
  Child<QScrollBar>(w, "sb_fxtj")->setValue(20);  // the range ends at the last draw
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    d.findChild<QLineEdit*>("e_qsfield")->setText("10");
    d.findChild<QLineEdit*>("e_cold")->setText("0");
    d.findChild<QLineEdit*>("e_hot")->setText("3");
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
  });
  Click(w, "b_coldhotset");
  const ColdHotSettings& s = app->Context().env.coldHot;
  QCOMPARE(s.qs, 10);
  QCOMPARE(s.hotcs, 3);
  QSettings file(world.SettingsFile(), QSettings::IniFormat);
  QCOMPARE(file.value("software/dltsettings/qs").toInt(), 10);
  QCOMPARE(file.value("software/dltsettings/coldcs").toInt(), 0);
  // The label shows the classification under the new values.
  ColdHotLists expected;
  const auto& draws = app->Context().Table().Draws();
  QVERIFY(ClassifyNumbers(draws, draws.back().qs, s, expected));
  QCOMPARE(Text(w, "l_coldhot").toStdString(),
           ColdHotLine(expected.frontCold, expected.frontWarm, expected.frontHot, false));
  // The stored summaries follow the new window.
  QCOMPARE(app->Context().Table().Extras(59).coldhotbone.size(), size_t(8));

  world.shell.dialogHandlers.push_back([](QDialog& d) {
    d.findChild<QLineEdit*>("e_qsfield")->setText("15");
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
  });
  Click(w, "b_f_coldhotset");
  QCOMPARE(s.f_qs, 15);
  QCOMPARE(file.value("software/dltsettings/f_qs").toInt(), 15);
  QCOMPARE(s.qs, 10);
}

void StatisticsWindowsTest::repeatedDrawsAreListed() {
  TestWorld world;
  std::vector<Draw> draws = History(30);
  world.SeedDraws(draws);
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_tjq>();
  w->show();
  w->Pages()->setCurrentIndex(3);
  Click(w, "Button1");
  QCOMPARE(world.shell.messages, QStringList{"历史数据中尚未发现完全重复的记录"});
  // Set A drawn again after the last draw; set B (01..05) twice after it.
  DrawTable& table = app->Context().Table();
  Draw again = draws[4];
  again.qs = draws.back().qs + 1;
  again.back = {11, 12};
  QVERIFY(table.AppendDraw(again));
  for (int k : {2, 3})
    QVERIFY(table.AppendDraw(dlt::test::MakeDraw(draws.back().qs + k, {1, 2, 3, 4, 5}, {1, 2})));
  Click(w, "Button1");
  auto* grid = Child<QTableView>(w, "DBGrid1");
  QCOMPARE(world.shell.messages.size(), 1);
  // Headers in words as the window's other grids, numbers in two digits,
  // the draws of one set side by side.
  QStringList headers;
  for (int c = 0; c < 6; ++c) headers << grid->model()->headerData(c, Qt::Horizontal).toString();
  QCOMPARE(headers, (QStringList{"期数", "主号一", "主号二", "主号三", "主号四", "主号五"}));
  QStringList issues;
  for (int r = 0; r < grid->model()->rowCount(); ++r)
    issues << grid->model()->index(r, 0).data().toString();
  const int32_t last = draws.back().qs;
  QCOMPARE(issues, (QStringList{QString::number(last + 2), QString::number(last + 3),
                                QString::number(draws[4].qs), QString::number(last + 1)}));
  QStringList first;
  for (int c = 1; c <= 5; ++c) first << grid->model()->index(0, c).data().toString();
  QCOMPARE(first, (QStringList{"01", "02", "03", "04", "05"}));
}

void StatisticsWindowsTest::moreChartsPagesFill() {
  TestWorld world;
  world.SeedDraws(History(120));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_moredb>();
  app->Main()->Button("b_moredb")->click();
  QVERIFY(w->isVisible());
  QCOMPARE(w->Pages()->currentIndex(), 0);
  auto* patterns = Child<QTableView>(w, "sg_zhxt");
  QCOMPARE(patterns->model()->rowCount(), 120);
  QCOMPARE(patterns->model()->columnCount(), 9);
  QCOMPARE(patterns->currentIndex().row(), 119);
  Click(w, "cb_zhxt_whfx");
  QCOMPARE(patterns->model()->columnCount(), 7);
  Click(w, "rb_zhxt_c5ys");
  const Draw& last = app->Context().Table().Draws().back();
  QCOMPARE(patterns->model()->index(119, 6).data().toInt(), last.front[4] % 5);

  w->Pages()->setCurrentIndex(2);
  auto* pairs = w->Pairs();
  auto* scroll = Child<QScrollBar>(pairs, "sb_xsxk");
  scroll->setValue(37);
  QCOMPARE(Child<QComboBox>(pairs, "combo_xsxk_nearqs")->currentText(), QString("37"));
  int32_t total = 0;
  auto* grid = Child<QTableView>(pairs, "sg_xsxk");
  for (int a = 0; a < 35; ++a)
    for (int b = 0; b < 35; ++b) total += grid->model()->index(a, b).data().toInt();
  QCOMPARE(total, 37 * 20);  // ten pairs a draw, each shown twice
  Child<QComboBox>(pairs, "cb_xsxk_xk")->setCurrentIndex(0);
  QCOMPARE(Text(pairs, "l_xsxk_xk"), QString("相克[0]"));
  Child<QComboBox>(pairs, "cb_xsxk_xs")->setCurrentIndex(0);
  QCOMPARE(Text(pairs, "l_xsxk_xs"),
           QStringLiteral("相生[%1]").arg(pairs->Lists().together.size()));
  QVERIFY(!pairs->Lists().together.empty());
}

void StatisticsWindowsTest::associationConfirmsAndHandsAColumnOver() {
  TestWorld world;
  world.SeedDraws(History(80));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_moredb>();
  w->show();
  w->Pages()->setCurrentIndex(1);
  auto* grid = Child<QTableView>(w, "sg_glfx");
  QCOMPARE(grid->model()->rowCount(), 80);
  QCOMPARE(Text(w, "l_glfx"), QString("本期系列一共有80条;下期系列一共有79条"));

  // A condition takes effect on "确定" only.
  Click(w, "cb_glfx_zb1");
  QVERIFY(Child<QCheckBox>(w, "cb_glfx_zb2")->isEnabled());
  Child<QLineEdit>(w, "e_glfx_zb1_choice")->setText("z_hz");
  QCOMPARE(grid->model()->columnCount(), 16);
  Click(w, "b_glfx_ok");
  QCOMPARE(grid->model()->columnCount(), 18);
  QCOMPARE(grid->model()->headerData(8, Qt::Horizontal).toString(), QString("指标1"));
  const auto& draws = app->Context().Table().Draws();
  QCOMPARE(grid->model()->index(0, 8).data().toInt(), draws[0].front[0] + draws[0].front[1] +
                                                          draws[0].front[2] + draws[0].front[3] +
                                                          draws[0].front[4]);
  // Unchecking the first condition unchecks and disables the second.
  Click(w, "cb_glfx_zb2");
  Click(w, "cb_glfx_zb1");
  QVERIFY(!Child<QCheckBox>(w, "cb_glfx_zb2")->isChecked());
  QVERIFY(!Child<QCheckBox>(w, "cb_glfx_zb2")->isEnabled());
  Click(w, "cb_glfx_zb1");

  // The accepted values come from the long value picker.
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    QListWidget* list = d.findChild<QListWidget*>("CheckListBox1");
    for (int v = 60; v <= 110; ++v) list->item(v)->setCheckState(Qt::Checked);
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
  });
  Click(w, "b_glfx_zb1_qz");
  QVERIFY(Child<QLineEdit>(w, "e_glfx_zb1_qz")->text().startsWith("60  61  62  "));
  Click(w, "b_glfx_ok");
  const int rows = grid->model()->rowCount();
  QVERIFY(rows > 0 && rows < 80);
  for (int r = 0; r < rows; ++r) {
    const int v = grid->model()->index(r, 8).data().toInt();
    QVERIFY(v >= 60 && v <= 110);
  }

  // A double-click on the following draws' indicator column analyses the
  // rows alone, each value under its own row's issue; the history is left
  // as it is.
  DrawTable& table = app->Context().Table();
  const std::string path = table.FilePath();
  const std::vector<int32_t> historyTest = table.ScratchColumn(ScratchField::Test);
  const int nextRows =
      grid->model()->index(rows - 1, 9).data().toString().isEmpty() ? rows - 1 : rows;
  DoubleClick(grid, grid->model()->index(0, 17));
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QVERIFY(analysis->isVisible());
  QCOMPARE(analysis->windowTitle(), QString("指标1"));
  const DrawTable& analysed = analysis->Context().Table();
  QVERIFY(&analysed != &table);
  QCOMPARE(analysed.RecordCount(), nextRows);
  const auto series = analysis->Context().Series();
  for (int r = 0; r < nextRows; ++r) {
    QCOMPARE(QString::number(analysed.Draws()[r].qs), grid->model()->index(r, 9).data().toString());
    QCOMPARE(series[r], grid->model()->index(r, 17).data().toInt());
  }
  QCOMPARE(analysed.Position(), std::max(nextRows - 1 - 36, 0));
  QCOMPARE(table.FilePath(), path);
  QCOMPARE(table.RecordCount(), 80);
  QCOMPARE(table.ScratchColumn(ScratchField::Test), historyTest);
  analysis->hide();
  QCOMPARE(&analysis->Context().Table(), &table);  // back on the history
  // The issue columns analyse nothing.
  const QModelIndex issue = grid->model()->index(0, 0);
  DoubleClick(grid, issue);
  QVERIFY(!analysis->isVisible());

  // A formula that never evaluates says so.
  Child<QLineEdit>(w, "e_glfx_zb1_choice")->setText("z_hz+");
  Click(w, "b_glfx_ok");
  QCOMPARE(grid->model()->rowCount(), 0);
  QCOMPARE(world.shell.messages.size(), 1);
  QVERIFY(world.shell.messages.front().startsWith("公式有误:"));
}

void StatisticsWindowsTest::associationExportsTheFollowingDraws() {
  TestWorld world;
  world.SeedDraws(History(50));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_moredb>();
  w->show();
  w->Pages()->setCurrentIndex(1);
  Child<QComboBox>(w, "cb_glfx_qhw")->setCurrentIndex(4);  // issues ending in 3
  const QString file = world.dir.path() + "/next";
  world.shell.files.push_back(file);
  Click(w, "b_glfx_next_dc");
  QCOMPARE(world.shell.titles.back(), QString("导出到文本文件"));
  const auto& draws = app->Context().Table().Draws();
  std::string expected;
  for (size_t i = 0; i + 1 < draws.size(); ++i)
    if (draws[i].qs % 10 == 3) expected += FormatDrawLine(draws[i + 1]) + "\r\n";
  QVERIFY(!expected.empty());
  QFile written(file + ".txt");
  QVERIFY(written.open(QIODevice::ReadOnly));
  QCOMPARE(written.readAll().toStdString(), expected);
}

void StatisticsWindowsTest::backZoneWindowIsReachedAndEveryPageDraws() {
  TestWorld world;
  world.SeedDraws(History(100));
  auto app = Started(world);
  auto* fxd = app->Windows().Get<Tf_fxd>();
  QVERIFY(fxd->ShowPage("ts_fqyltb"));
  auto* w = app->Windows().Get<Tf_bluefxd>();
  QVERIFY(!w->isVisible());
  Click(fxd->Pages()->currentWidget(), "b_bluefxd");
  QVERIFY(w->isVisible());
  QCOMPARE(w->windowTitle(), QString("蓝球分析"));
  QCOMPARE(w->Pages()->currentIndex(), 0);
  const struct {
    const char* picture;
    size_t panels;
  } pages[] = {{"i_zhzs", 1}, {"i_yszsd", 3}, {"i_jzd", 1},  {"i_bluechange", 3},
               {"i_ddl", 1},  {"i_fbd", 1},   {"i_tyzsd", 1}};
  for (int i = 0; i < 7; ++i) {
    w->Pages()->setCurrentIndex(i);
    auto* view = Child<ChartView>(w->Pages()->currentWidget(), pages[i].picture);
    QVERIFY2(view, pages[i].picture);
    QCOMPARE(view->CurrentChart().panels.size(), pages[i].panels);
    const Chart& chart = view->CurrentChart();
    QCOMPARE(QSize(chart.width, chart.height), view->size());
  }
  // Options redraw: the field chart's rows follow the variant.
  auto* field = Child<ChartView>(w, "i_tyzsd");
  Child<QComboBox>(w, "cb_tyzsd")->setCurrentIndex(2);
  QCOMPARE(field->CurrentChart().panels[0].coord.yLabels[0], std::string("01,02,03,04"));
  // "十期均值" off: no blue lines on the first page.
  w->Pages()->setCurrentIndex(0);
  auto* means = Child<ChartView>(w, "i_zhzs");
  auto blueLines = [&] {
    int n = 0;
    for (const ChartLine& l : means->CurrentChart().panels[0].ItemsOf<ChartLine>())
      n += l.colour == colours::kBlue;
    return n;
  };
  QVERIFY(blueLines() > 0);
  Click(w, "cb_tenjz");
  QCOMPARE(blueLines(), 0);
  // Paging moves the shared anchor.
  const int anchor = app->Context().Table().Position();
  Click(w->Pages()->currentWidget(), "Button14");
  QCOMPARE(app->Context().Table().Position(), anchor + 1);
  // Shown again, it starts on its first page.
  w->Pages()->setCurrentIndex(4);
  w->hide();
  w->show();
  QCOMPARE(w->Pages()->currentIndex(), 0);
}

void StatisticsWindowsTest::anEmptyHistoryKeepsEveryWindowWorking() {
  TestWorld world;
  auto app = Started(world);
  auto* tjq = app->Windows().Get<Tf_tjq>();
  tjq->show();
  QCOMPARE(FrontTotal(tjq->Tally()), 0);
  QCOMPARE(Text(tjq, "l_jo_1_bfb"), QString("0.0%"));
  for (int i = 0; i < 4; ++i) tjq->Pages()->setCurrentIndex(i);
  Click(tjq, "rb_fxtj_self");
  QCOMPARE(Text(tjq, "l_tjq"), QString("共0期"));
  auto* more = app->Windows().Get<Tf_moredb>();
  more->show();
  for (int i = 0; i < 3; ++i) more->Pages()->setCurrentIndex(i);
  QCOMPARE(Text(more, "l_xsxk_xk"), QString("相克[595]"));
  auto* blue = app->Windows().Get<Tf_bluefxd>();
  blue->show();
  for (int i = 0; i < 7; ++i) {
    blue->Pages()->setCurrentIndex(i);
    auto* page = blue->Pages()->currentWidget();
    for (const char* step : {"Button5", "Button14", "Button2", "Button10", "Button17", "Button22",
                             "Button26", "Button31"})
      if (auto* b = page->findChild<QAbstractButton*>(step)) QTest::mouseClick(b, Qt::LeftButton);
  }
}

DLT_GUI_TEST(StatisticsWindowsTest);
#include "statistics_windows_test.moc"
