// The banker and kill window with its search, optimisation and collection
// windows, driven as a user would.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <cmath>

#include "common/gbk_text.h"
#include "formula/formula.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"
#include "gui/killnum/tf_collectgs.h"
#include "gui/killnum/tf_scfa.h"
#include "gui/killnum/tf_searchgs.h"
#include "gui/killnum/tf_selfsh_set.h"
#include "gui/killnum/tf_tdsh.h"
#include "gui_test_support.h"
#include "killnum/kill_analysis.h"
#include "killnum/kill_grid.h"
#include "killnum/scheme_files.h"
#include "killnum/search_candidate.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

// What a user's pick in a combo does: the index, then `activated`.
void Choose(QWidget& parent, const char* name, int index) {
  auto* combo = Child<QComboBox>(parent, name);
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

QStringList FileLines(const QString& path) {
  QStringList lines;
  if (auto read = ReadTextLines(path.toStdString()))
    for (const std::string& l : *read) lines << QString::fromStdString(l);
  return lines;
}

// A front-kill file whose slot k of scheme s holds "(z_num1+<100s+k>)%35+1".
void WriteDistinctSchemes(const QString& path) {
  std::vector<std::string> lines;
  for (int s = 1; s <= 10; ++s)
    for (int k = 1; k <= 60; ++k)
      lines.push_back("(z_num1+" + std::to_string(100 * s + k) + ")%35+1");
  WriteGbkLines(path.toStdString(), lines);
}

struct World {
  TestWorld world;
  std::unique_ptr<DltApp> app;
  Tf_tdsh* tdsh = nullptr;

  explicit World(bool distinct = false) {
    world.SeedDraws(History(150));
    if (distinct) {
      QDir().mkpath(world.DataDir() + "/save");
      WriteDistinctSchemes(world.DataDir() + "/save/hmsh.txt");
    }
    app = world.StartApp();
    tdsh = app->Windows().Get<Tf_tdsh>();
    tdsh->show();
  }
  QTableView* Grid(const char* name = "sg_hmsh") { return Child<QTableView>(*tdsh, name); }
  QString Cell(int row, int column, const char* grid = "sg_hmsh") {
    return Grid(grid)->model()->index(row, column).data().toString();
  }
};

}  // namespace

class TdshTest : public QObject {
  Q_OBJECT
 private slots:
  void confirmStoresTheFormulaAndRewritesTheFile();
  void misspeltNamesAreRefusedAtEveryEntryAndNeverHold();
  void switchingSchemesShowsTheirFormulasAndAnalysesAgain();
  void analysisGridAndRowClickMemo();
  void searchRunsAppliesAndCancels();
  void optimisationRandomFiveFillsTheFirstSlots();
  void predictionLeavesTheGeneratorsPoolAndFormulasAreCollected();
  void customKillSetLoadsAndBecomesACustomCondition();
  void chooserShowsZeroToNineOnEveryShow();
};

void TdshTest::confirmStoresTheFormulaAndRewritesTheFile() {
  World w;
  const QString file = w.world.DataDir() + "/save/hmsh.txt";
  QCOMPARE(FileLines(file).size(), 600);  // created with the default formula
  Choose(*w.tdsh, "cb_hmsh_shgs", 2);
  Child<QLineEdit>(*w.tdsh, "e_hmsh")->setText(" (z_hz+[-1]z_num2)%35+1 ");
  Click(*w.tdsh, "b_hmsh_modify");
  QStringList lines = FileLines(file);
  QCOMPARE(lines.size(), 600);
  QCOMPARE(lines[2], QString("(z_hz+[-1]z_num2)%35+1"));
  QCOMPARE(lines[3], QString("[-1]z_hw"));
  QCOMPARE(w.Cell(0, 5), QString("公式3"));

  // A formula the language refuses is not stored.
  Child<QLineEdit>(*w.tdsh, "e_hmsh")->setText("z_num1+");
  Click(*w.tdsh, "b_hmsh_modify");
  QCOMPARE(w.world.shell.messages.last(), QString("公式有误:运算符号后只能接指标或数据或括号"));
  QCOMPARE(FileLines(file), lines);
}

// A misspelt name reads -999, a number never drawn: it would score 100%.
void TdshTest::misspeltNamesAreRefusedAtEveryEntryAndNeverHold() {
  TestWorld world;
  world.SeedDraws(History(150));
  QDir().mkpath(world.DataDir() + "/save");
  const QString file = world.DataDir() + "/save/hmsh.txt";
  std::vector<std::string> lines(600, "[-1]z_hw");
  lines[1] = "z_hw+foo";  // scheme 1, slot 2, edited by hand
  WriteGbkLines(file.toStdString(), lines);
  auto app = world.StartApp();
  auto* tdsh = app->Windows().Get<Tf_tdsh>();
  tdsh->show();
  auto cell = [&](int row, int column) {
    return Child<QTableView>(*tdsh, "sg_hmsh")->model()->index(row, column).data().toString();
  };
  QTRY_VERIFY(world.shell.messages.contains("第2条公式有误：foo指标不存在"));
  QCOMPARE(cell(0, 4), QString("公式2"));
  QCOMPARE(cell(103, 4), QString("0"));
  QCOMPARE(cell(1, 4), QString("-1"));

  // Typed into a slot: refused, the file stays as it was.
  Child<QLineEdit>(*tdsh, "e_hmsh")->setText("foo");
  Click(*tdsh, "b_hmsh_modify");
  QCOMPARE(world.shell.messages.last(), QString("公式有误:foo指标不存在"));
  QCOMPARE(FileLines(file)[0], QString("[-1]z_hw"));

  // A formula set naming the bad line fills no slot.
  const QString set = world.dir.path() + "/set.txt";
  WriteGbkLines(set.toStdString(), {"5", "", "Z_HW%10"});
  world.shell.files.push_back(set);
  Click(*tdsh, "b_hmsh_import");
  QCOMPARE(world.shell.messages.last(), QString("第3行: 公式有误:Z_HW指标不存在"));
  Choose(*tdsh, "cb_hmsh_shgs", 0);
  QCOMPARE(Child<QLineEdit>(*tdsh, "e_hmsh")->text(), QString("[-1]z_hw"));
}

void TdshTest::switchingSchemesShowsTheirFormulasAndAnalysesAgain() {
  World w(true);
  auto* edit = Child<QLineEdit>(*w.tdsh, "e_hmsh");
  Choose(*w.tdsh, "cb_hmsh_shgs", 3);
  QCOMPARE(edit->text(), QString("(z_num1+104)%35+1"));
  const QString before = w.Cell(101, 3);
  Choose(*w.tdsh, "cb_hmsh_fa", 6);
  QCOMPARE(edit->text(), QString("(z_num1+704)%35+1"));  // the same slot of scheme seven
  QVERIFY(w.Cell(101, 3) != before);
  // A new count offers slots 1..N and analyses N formulas.
  Choose(*w.tdsh, "cb_hmsh_gsgs", 2);
  QCOMPARE(Child<QComboBox>(*w.tdsh, "cb_hmsh_shgs")->count(), 3);
  QCOMPARE(edit->text(), QString("(z_num1+701)%35+1"));
  QCOMPARE(w.Grid()->model()->columnCount(), 3 + 3 + 5);
}

void TdshTest::analysisGridAndRowClickMemo() {
  World w(true);
  QTableView* grid = w.Grid();
  QCOMPARE(grid->model()->rowCount(), 104);
  QCOMPARE(w.Cell(0, 0), QString("序号"));
  QCOMPARE(w.Cell(101, 1), QString("预测期"));
  QCOMPARE(w.Cell(102, 1), QString("期号"));
  QCOMPARE(w.Cell(103, 0), QString("正确率"));
  QCOMPARE(w.Cell(100, 1), QString::number(History(150).back().qs));

  // The engine's answer on the same draws.
  KillHistory h(History(150), {}, EvalEnv{});
  const SchemeBook book = [] {
    SchemeBook b(60);
    for (int k = 1; k <= 10; ++k)
      b.SetFormula(1, k, "(z_num1+" + std::to_string(100 + k) + ")%35+1");
    return b;
  }();
  const KillAnalysis a = AnalyseScheme(h, {}, book.Scheme(1, 10), h.DefaultStart());
  QCOMPARE(w.Cell(103, 3), QString::fromStdString(RateText(a.successes[0], 100)));

  for (int row : {101, 7}) {
    const QModelIndex index = grid->model()->index(row, 1);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    const std::string expected = RowNumbersText(a, a.rows[static_cast<size_t>(row - 1)]);
    QVERIFY(!expected.empty());
    QCOMPARE(Child<QPlainTextEdit>(*w.tdsh, "m_hmsh_hm")->toPlainText(),
             QString::fromStdString(expected));
  }
}

void TdshTest::searchRunsAppliesAndCancels() {
  World w;
  auto* search = w.app->Windows().Get<Tf_searchgs>();
  QSignalSpy finished(search, &Tf_searchgs::searchFinished);
  // Every candidate reaches 0..100: the first one of seed 7 is found.
  w.world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Child<QLineEdit>(d, "e_seed")->setText("7");
    Child<QLineEdit>(d, "e_mbzql")->setText("0");
    Click(d, "b_beginss");
    QVERIFY(finished.count() == 1 || finished.wait(60000));
    Click(d, "b_apply");
  });
  Choose(*w.tdsh, "cb_hmsh_shgs", 1);
  Click(*w.tdsh, "b_hmsh_search");
  std::vector<int32_t> c(7);
  CandidateCoefficients(7, 0, c);
  const QString expected = QString::fromStdString(CandidateText({"z_hw", 6, 1, 10}, c));
  QCOMPARE(Child<QLineEdit>(*w.tdsh, "e_hmsh")->text(), expected);
  // The prediction row shows the found formula's value for the draw to come.
  const KillHistory h(History(150), {}, EvalEnv{});
  const FormulaResult next = EvaluateFormula(h.Context(h.VirtualIndex()), expected.toStdString());
  QCOMPARE(w.Cell(101, 4), QString::fromStdString(FormulaValueText(next.value)));

  // A target no formula reaches runs until the button stops it (the values
  // 36..40 are no front numbers, so every candidate holds on every draw and
  // passes the target); the best formula tested so far stays, with its rate,
  // ready for "应用".
  finished.clear();
  QString best;
  double bestRate = -1;
  w.world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Child<QLineEdit>(d, "e_qzfrom")->setText("36");
    Child<QLineEdit>(d, "e_qzto")->setText("40");
    Child<QLineEdit>(d, "e_mbzql")->setText("0");
    Child<QLineEdit>(d, "e_mbzqlto")->setText("50");
    Click(d, "b_beginss");
    QCOMPARE(Child<QPushButton>(d, "b_beginss")->text(), QString("停止搜索"));
    QCOMPARE(d.windowTitle(), QString("正在搜索中，请稍候"));
    QVERIFY(!Child<QPushButton>(d, "b_apply")->isEnabled());
    QVERIFY(!Child<QLineEdit>(d, "e_seed")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(search->Tested() > 0, 60000);
    Click(d, "b_beginss");
    QVERIFY(finished.count() == 1 || finished.wait(60000));
    QCOMPARE(Child<QPushButton>(d, "b_beginss")->text(), QString("开始搜索"));
    QCOMPARE(d.windowTitle(), QString("公式搜索"));
    QVERIFY(Child<QLineEdit>(d, "e_seed")->isEnabled());
    best = Child<QLineEdit>(d, "e_ssgs")->text();
    bestRate = Child<QLineEdit>(d, "e_xdzql")->text().toDouble();
    QVERIFY(!best.isEmpty());
    QVERIFY(Child<QPushButton>(d, "b_apply")->isEnabled());
    Click(d, "b_apply");
  });
  Click(*w.tdsh, "b_hmsh_search");
  QCOMPARE(Child<QLineEdit>(*w.tdsh, "e_hmsh")->text(), best);
  // The rate shown is the formula's own over the searched draws.
  const std::vector<std::string> found = {best.toStdString()};
  const KillAnalysis a = AnalyseScheme(h, {}, found, h.DefaultStart());
  QVERIFY(std::abs(bestRate - 100.0 * a.successes[0] / a.judgedRows) < 0.01);

  // A target past 100% is refused before any candidate is tried.
  w.world.shell.messages.clear();
  w.world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Child<QLineEdit>(d, "e_mbzql")->setText("100.5");
    Child<QLineEdit>(d, "e_mbzqlto")->setText("101");
    Click(d, "b_beginss");
    QCOMPARE(Child<QPushButton>(d, "b_beginss")->text(), QString("开始搜索"));
    Click(d, "b_cancel");
  });
  Click(*w.tdsh, "b_hmsh_search");
  QCOMPARE(w.world.shell.messages.value(0), QString("目标准确率应在0到100之间，且下限不大于上限"));
}

void TdshTest::optimisationRandomFiveFillsTheFirstSlots() {
  World w;
  Choose(*w.tdsh, "cb_hmsh_gsgs", 4);  // five formulas
  auto* scfa = w.app->Windows().Get<Tf_scfa>();
  QSignalSpy finished(scfa, &Tf_scfa::generationFinished);
  w.world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Child<QRadioButton>(d, "rb_randsc")->setChecked(true);
    Child<QLineEdit>(d, "e_seed")->setText("3");
    Click(d, "b_begin");
    QVERIFY(finished.count() == 1 || finished.wait(60000));
    QCOMPARE(Child<QProgressBar>(d, "pb1")->maximum(), 5);
    QCOMPARE(Child<QProgressBar>(d, "pb1")->value(), 5);
    QCOMPARE(Child<QListWidget>(d, "lb_result")->count(), 5);
    Click(d, "b_apply");
  });
  Click(*w.tdsh, "b_hmsh_optimize");
  std::vector<int32_t> c(7);
  for (int q = 0; q < 5; ++q) {
    CandidateCoefficients(3, q, c);
    Choose(*w.tdsh, "cb_hmsh_shgs", q);
    QCOMPARE(Child<QLineEdit>(*w.tdsh, "e_hmsh")->text(),
             QString::fromStdString(CandidateText({"z_hw", 6, 1, 10}, c)));
  }
}

void TdshTest::predictionLeavesTheGeneratorsPoolAndFormulasAreCollected() {
  World w(true);
  // The formulas give numbers of 1..35 only: the kill list is what leaves the pool.
  const QStringList named = w.Cell(101, 13).split(' ', Qt::SkipEmptyParts);
  QVERIFY(!named.isEmpty());
  Click(*w.tdsh, "b_hmsh_tofilter");
  std::vector<int> expected;
  for (int n = 1; n <= 35; ++n)
    if (!named.contains(QString::asprintf("%02d", n))) expected.push_back(n);
  QCOMPARE(w.app->Windows().Get<Tf_zh>()->Session().set.PoolNumbers(), expected);

  Click(*w.tdsh, "b_hmsh_collect");
  auto* collection = w.app->Windows().Get<Tf_collectgs>();
  QCOMPARE(collection->Formulas(), QStringList{"(z_num1+101)%35+1"});
  QCOMPARE(collection->windowTitle(), QString("已收集公式1条"));
}

void TdshTest::customKillSetLoadsAndBecomesACustomCondition() {
  World w;
  const QString scs = w.world.dir.path() + "/tails.scs";
  std::vector<std::string> lines = {"z_hz%10", "0", "9"};
  for (int k = 0; k < 1000; ++k) lines.push_back(k % 2 ? "[-1]z_hz%10" : "([-2]z_hz+3)%10");
  WriteGbkLines(scs.toStdString(), lines);
  w.tdsh->Tabs()->setCurrentIndex(4);
  w.world.shell.files.push_back(scs);
  Click(*w.tdsh, "b_selfsh_load");
  QCOMPARE(Child<QLineEdit>(*w.tdsh, "e_selfsh_zb")->text(), QString("z_hz%10"));
  QCOMPARE(w.Cell(0, 3, "sg_selfsh"), QString("指标z_hz%10"));
  QCOMPARE(w.Cell(101, 1, "sg_selfsh"), QString("预测期"));

  // The prediction's kill list leaves 0..9 without the values killed.
  const QStringList killed = w.Cell(101, 24, "sg_selfsh").split(' ', Qt::SkipEmptyParts);
  QCOMPARE(w.Cell(0, 24, "sg_selfsh"), QString("杀z_hz%10列表"));
  QVERIFY(!killed.isEmpty());
  Click(*w.tdsh, "b_selfsh_tofilter");
  const ConditionSet& set = w.app->Windows().Get<Tf_zh>()->Session().set;
  QVERIFY(set.CustomIndicatorsEnabled());
  QCOMPARE(set.CustomIndicators().size(), size_t{1});
  QCOMPARE(set.CustomIndicators()[0].formula, std::string("z_hz%10"));
  std::vector<int32_t> allowed;
  for (int v = 0; v <= 9; ++v)
    if (!killed.contains(QString::number(v))) allowed.push_back(v);
  QCOMPARE(set.CustomIndicators()[0].values.Values(), allowed);

  // A set whose range the indicator never reaches, or runs backwards, is
  // refused with its message and the loaded set stays.
  for (const std::vector<std::string>& head :
       {std::vector<std::string>{"z_hz%10", "2147483640", "2147483647"},
        {"z_hz%10", "0", "2147483647"},
        {"z_hw", "9", "0"}}) {
    const QString bad = w.world.dir.path() + "/bad.scs";
    WriteGbkLines(bad.toStdString(), head);
    w.world.shell.messages.clear();
    w.world.shell.files.push_back(bad);
    Click(*w.tdsh, "b_selfsh_load");
    QVERIFY2(w.world.shell.messages.value(0).startsWith("自定义杀号存储文件有误：取值范围"),
             qPrintable(w.world.shell.messages.value(0)));
    QCOMPARE(Child<QLineEdit>(*w.tdsh, "e_selfsh_zb")->text(), QString("z_hz%10"));
    QCOMPARE(Child<QLineEdit>(*w.tdsh, "e_qzto")->text(), QString("9"));
  }

  // A new set takes only what its file can hold: z_hw runs 0..9.
  w.world.shell.messages.clear();
  w.world.shell.dialogHandlers.push_back([](QDialog& d) {
    auto* entries = Child<QComboBox>(&d, "cb_gszb");
    entries->setCurrentIndex(entries->findText("z_hw", Qt::MatchStartsWith));
    Child<QComboBox>(&d, "cb_qzfrom")->setCurrentIndex(0);
    Child<QComboBox>(&d, "cb_qzto")->setCurrentIndex(50);
    Click(&d, "b_ok");
  });
  Click(*w.tdsh, "b_selfsh_new");
  QCOMPARE(w.world.shell.messages.value(0),
           QString("取值范围0到50不对，z_hw的取值范围应在0到9之间，且最小值不大于最大值"));
  QCOMPARE(Child<QLineEdit>(*w.tdsh, "e_selfsh_zb")->text(), QString("z_hz%10"));
}

void TdshTest::chooserShowsZeroToNineOnEveryShow() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* chooser = app->Windows().Get<Tf_selfsh_set>();
  for (int round = 0; round < 2; ++round) {
    chooser->show();
    QCOMPARE(Child<QComboBox>(*chooser, "cb_qzfrom")->currentText(), QString("0"));
    QCOMPARE(Child<QComboBox>(*chooser, "cb_qzto")->currentText(), QString("9"));
    auto* entries = Child<QComboBox>(*chooser, "cb_gszb");
    entries->setCurrentIndex(entries->findText("z_hz", Qt::MatchStartsWith));
    emit entries->activated(entries->currentIndex());
    QCOMPARE(chooser->Indicator(), QString("z_hz"));
    QVERIFY(Child<QComboBox>(*chooser, "cb_qzto")->currentText() != QString("9"));
    chooser->hide();
  }
}

DLT_GUI_TEST(TdshTest);
#include "tdsh_test.moc"
