// The "主区过滤" page of the generator window, driven by objectName.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "generator/condition_files.h"
#include "generator/condition_list_lines.h"
#include "generator/filter_run.h"
#include "generator/forecast_writes.h"
#include "generator/result_files.h"
#include "gui/app/app_context.h"
#include "gui/app/startup_steps.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/window_set.h"
#include "gui/generator/picker_tile.h"
#include "gui/generator/tf_getchoiceextend.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_front_dialogs.h"
#include "gui/generator/zh_front_page.h"
#include "gui/generator/zh_session.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "history/memory_history.h"
#include "support/test_support.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;
using dlt::test::FrontNumber;

namespace {

// Answers the page's dialogs from queues and records the picker requests.
struct ScriptedDialogs {
  std::deque<std::optional<std::vector<int>>> picks;
  std::vector<PickRequest> requests;
  std::deque<SelfCondition> selfConditions;
  std::deque<std::array<std::string, 7>> typed;
  std::deque<TailSetting> tailSettings;

  void Install(ZhFrontDialogs& d) {
    d.pick = [this](QWidget*, const PickRequest& r) -> std::optional<std::vector<int>> {
      requests.push_back(r);
      if (picks.empty()) return std::nullopt;
      auto p = picks.front();
      picks.pop_front();
      return p;
    };
    d.selfCondition = [this](QWidget*) -> std::optional<SelfCondition> {
      if (selfConditions.empty()) return std::nullopt;
      auto e = selfConditions.front();
      selfConditions.pop_front();
      return e;
    };
    d.tailSetting = [this](QWidget*) -> std::optional<TailSetting> {
      if (tailSettings.empty()) return std::nullopt;
      auto e = tailSettings.front();
      tailSettings.pop_front();
      return e;
    };
    d.editNumbers =
        [this](QWidget*,
               const std::array<std::string, 7>&) -> std::optional<std::array<std::string, 7>> {
      if (typed.empty()) return std::nullopt;
      auto t = typed.front();
      typed.pop_front();
      return t;
    };
  }
};

struct Fixture {
  TestWorld world;
  std::unique_ptr<DltApp> app;
  Tf_zh* zh = nullptr;
  ScriptedDialogs dialogs;

  explicit Fixture(int draws = 120) {
    world.SeedDraws(History(draws));
    app = world.MakeApp();
    zh = app->Windows().Get<Tf_zh>();
    dialogs.Install(zh->FrontPage().Dialogs());
    zh->show();
  }
  template <class T>
  T* Get(const char* name) {
    T* w = zh->findChild<T*>(name);
    if (!w) qFatal("no widget %s", name);
    return w;
  }
  void Click(const char* name) { QTest::mouseClick(Get<QPushButton>(name), Qt::LeftButton); }
  void Check(const char* name) {
    auto* box = Get<QCheckBox>(name);
    if (!box->isChecked()) box->click();
  }
  void Uncheck(const char* name) {
    auto* box = Get<QCheckBox>(name);
    if (box->isChecked()) box->click();
  }
  ZhSession& Session() { return zh->Session(); }
  // The engine alone on the same table and set.
  int64_t EngineCount(const ConditionSet& set) {
    MemoryHistory history;
    FilterEnvironment env =
        MakeFilterEnvironment(app->Context().Table(), history, app->Context().env);
    env.engine = JudgeEngine::kReference;
    ResultList list;
    const RunOutcome out = RunFilter(env, set, list);
    if (!out.Done()) qFatal("engine run not done");
    engineViolations = out.violations;
    return list.Count();
  }
  std::vector<int64_t> engineViolations;  // of the last EngineCount
  void SelectRow(int row) {
    auto* grid = Get<QTableView>("sg_zqresult");
    grid->selectRow(row);
  }
};

std::array<std::string, 7> Typed(std::array<std::string, 5> five) {
  return {five[0], five[1], five[2], five[3], five[4], "", ""};
}

}  // namespace

class ZhFrontTest : public QObject {
  Q_OBJECT
 private slots:
  void conditionGroupsComeFromTheTable();
  void togglingAndPickingWriteTheSet();
  void thePickerGetsTheNewestDrawsValue();
  void filterCountMatchesTheEngine();
  void rangeWithABlankBoundStopsTheFilter();
  void pagesOfAFullEnumeration();
  void editingTheList();
  void conditionFileRoundTrip();
  void resultFileRoundTripAndContinueFiltering();
  void stepBackThroughTheSnapshotRing();
  void theCloseStepSavesThisWindowsSet();
  void refusedAddsShowAMessage();
  void aCancelledRunKeepsTheList();
  void theRandomModes();
  void theForecastRecordBlocksTheFilter();
  void showingStartsOnTheFirstTabs();
  void pickingThroughTheRealPicker();
  void tailSettingsAndEntriesFromOtherWindows();
  void memosMenuAndReports();
  void badFilesLoseNothing();
};

void ZhFrontTest::conditionGroupsComeFromTheTable() {
  Fixture f;
  auto* control = f.Get<QTabWidget>("PageControl2");
  const QStringList tabs = {"常规1",    "常规2",    "常规3",     "常规4", "振幅系列",
                            "自设条件", "尾数设置", "线和",      "线差",  "余数",
                            "和值系列", "遗漏系列", "自定义指标"};
  QCOMPARE(control->count(), tabs.size());
  for (int i = 0; i < tabs.size(); ++i) QCOMPARE(control->tabText(i), tabs[i]);
  int groups = 0;
  for (const FrontCondition& c : FrontConditions()) {
    const QString stem = QString::fromUtf8(c.stem.data(), int(c.stem.size()));
    if (!c.Selectable()) {
      QVERIFY(stem.isEmpty());
      continue;
    }
    ++groups;
    auto* box = f.Get<QCheckBox>(qPrintable("cb_" + stem));
    QCOMPARE(box->text(), QString::fromUtf8(c.caption.data(), int(c.caption.size())));
    QVERIFY(!box->isChecked());
    QVERIFY(!f.Get<QCheckBox>(qPrintable("cb_" + stem + "rc"))->isEnabled());
    if (c.IsRange()) {
      QVERIFY(!f.Get<QLineEdit>(qPrintable("me_" + stem + "from"))->isEnabled());
      QVERIFY(!f.Get<QLineEdit>(qPrintable("me_" + stem + "to"))->isEnabled());
    } else {
      QVERIFY(f.Get<QLineEdit>(qPrintable("e_" + stem))->isReadOnly());
      QVERIFY(!f.Get<QPushButton>(qPrintable("b_" + stem))->isEnabled());
    }
  }
  QCOMPARE(groups, 118 - 13 - 1);  // six-number layout and 37 are not shown
  // The line sums sit on the flat sub-tab "间隔一" of "线和".
  QWidget* page = control->widget(tabs.indexOf("线和"));
  auto* inner = page->findChild<QTabWidget*>();
  QVERIFY(inner);
  QCOMPARE(inner->tabText(0), QString("间隔一"));
  QVERIFY(inner->widget(0)->findChild<QCheckBox*>("cb_hz21"));
  QCOMPARE(f.Get<QPlainTextEdit>("m_zqkxhm")->toPlainText().left(8), QString("01  02  "));
}

void ZhFrontTest::togglingAndPickingWriteTheSet() {
  Fixture f;
  f.Check("cb_dsgs");
  QVERIFY(f.Session().set.IsEnabled(FrontNumber("dsgs")));
  QVERIFY(f.Get<QPushButton>("b_dsgs")->isEnabled());
  QVERIFY(f.Get<QCheckBox>("cb_dsgsrc")->isEnabled());
  f.dialogs.picks.push_back(std::vector<int>{0, 2, 3});
  f.Click("b_dsgs");
  QCOMPARE(f.dialogs.requests.back().first, 0);
  QCOMPARE(f.dialogs.requests.back().last, 5);
  QVERIFY(!f.dialogs.requests.back().current.has_value());  // a counting condition
  QCOMPARE(f.dialogs.requests.back().study.key, std::string("z_dsgs"));
  QCOMPARE(f.Get<QLineEdit>("e_dsgs")->text(), QString("0  2  3  "));
  QCOMPARE(f.Session().set.Indicator(FrontNumber("dsgs")).values.Values(),
           (std::vector<int32_t>{0, 2, 3}));
  // Cancel changes nothing; the picker opens with the current values.
  f.Click("b_dsgs");
  QCOMPARE(f.dialogs.requests.back().selected, (std::vector<int>{0, 2, 3}));
  QCOMPARE(f.Get<QLineEdit>("e_dsgs")->text(), QString("0  2  3  "));
  f.Check("cb_dsgsrc");
  QVERIFY(f.Session().set.IsTolerant(1));
  // Unchecking empties the set and the edit and clears 容错.
  f.Uncheck("cb_dsgs");
  QVERIFY(f.Session().set.Indicator(FrontNumber("dsgs")).values.Empty());
  QVERIFY(!f.Session().set.IsTolerant(1));
  QVERIFY(f.Get<QLineEdit>("e_dsgs")->text().isEmpty());
  QVERIFY(!f.Get<QCheckBox>("cb_dsgsrc")->isChecked());
  QVERIFY(!f.Get<QPushButton>("b_dsgs")->isEnabled());

  // Range bounds typed into the masked edits.
  f.Check("cb_bzc");
  QTest::keyClicks(f.Get<QLineEdit>("me_bzcfrom"), "5");
  QTest::keyClicks(f.Get<QLineEdit>("me_bzcto"), "12");
  QCOMPARE(f.Session().set.Range(35).from, std::optional<int32_t>(5));
  QCOMPARE(f.Session().set.Range(35).to, std::optional<int32_t>(12));

  // Switches and the total tolerance.
  f.Uncheck("cb_notequaldist");
  QVERIFY(!f.Session().set.Switches().notEqualDist);
  QVERIFY(!f.Get<QComboBox>("combo_rcnum_from")->isEnabled());
  f.Check("cb_rcnumlimit");
  QVERIFY(f.Get<QComboBox>("combo_rcnum_from")->isEnabled());
  f.Get<QComboBox>("combo_rcnum_to")->setCurrentIndex(2);
  QCOMPARE(f.Session().set.Tolerance().to, 2);
  QVERIFY(f.Session().set.Tolerance().enabled);

  // 重置 keeps the two shape switches.
  f.Click("Button6");
  QVERIFY(!f.Session().set.IsEnabled(FrontNumber("bzc")));
  QVERIFY(!f.Get<QCheckBox>("cb_bzc")->isChecked());
  QVERIFY(f.Get<QLineEdit>("me_bzcfrom")->text().isEmpty());
  QVERIFY(!f.Session().set.Tolerance().enabled);
  QVERIFY(!f.Session().set.Switches().notEqualDist);
  QVERIFY(!f.Get<QCheckBox>("cb_notequaldist")->isChecked());
}

void ZhFrontTest::thePickerGetsTheNewestDrawsValue() {
  Fixture f;
  const DrawTable& table = f.app->Context().Table();
  const Draw& newest = table.Draws()[size_t(table.LastRealIndex())];
  int sum = 0;
  for (int n : newest.front) sum += n;
  f.Check("cb_hmhz");
  f.Click("b_hmhz");
  QCOMPARE(f.dialogs.requests.back().first, 40);
  QCOMPARE(f.dialogs.requests.back().last, 160);
  QCOMPARE(f.dialogs.requests.back().current, std::optional<int>(sum));
  f.Check("cb_red3");
  f.Click("b_red3");
  QCOMPARE(f.dialogs.requests.back().current, std::optional<int>(newest.front[2]));
  f.Check("cb_red1yl");
  f.Click("b_red1yl");
  QVERIFY(f.dialogs.requests.back().checkList);
  QCOMPARE(f.dialogs.requests.back().last, 200);
}

void ZhFrontTest::filterCountMatchesTheEngine() {
  Fixture f;
  f.Check("cb_dsgs");
  f.dialogs.picks.push_back(std::vector<int>{2, 3});
  f.Click("b_dsgs");
  f.Check("cb_jsgs");
  f.dialogs.picks.push_back(std::vector<int>{2});
  f.Click("b_jsgs");
  f.Check("cb_jsgsrc");
  f.Check("cb_repeatgs");
  f.dialogs.picks.push_back(std::vector<int>{0, 1});
  f.Click("b_repeatgs");
  f.Check("cb_rcnumlimit");
  f.Get<QComboBox>("combo_rcnum_to")->setCurrentIndex(1);
  QVERIFY(!f.Get<QPushButton>("b_contfilter")->isEnabled());
  f.Click("b_filter");
  const int64_t expected = f.EngineCount(f.Session().set);
  QVERIFY(expected > 10000);
  QCOMPARE(int64_t(f.Session().front.Count()), expected);
  QVERIFY(f.zh->windowTitle().startsWith("超强组号  筛选耗时"));
  QVERIFY(f.zh->windowTitle().endsWith(QString("已得到符合条件的主号组有%1个").arg(expected)));
  // A tolerant condition: the status line counts the kept by their tolerated violations.
  const QLocale grouped(QLocale::English);
  QCOMPARE(f.engineViolations.size(), size_t(2));
  // Then the part of all 324,632 combinations the conditions keep.
  QVERIFY2(f.Get<QLabel>("l_zq_status")
               ->text()
               .endsWith(QString(" 秒   0次: %1  1次: %2   占全部组合 %3")
                             .arg(grouped.toString(qlonglong(f.engineViolations[0])),
                                  grouped.toString(qlonglong(f.engineViolations[1])))
                             .arg(double(expected) / 324632, 0, 'f', 6)),
           qPrintable(f.Get<QLabel>("l_zq_status")->text()));
  QCOMPARE(f.Get<QLabel>("l_zh_pageinfo")->text(),
           QString("第1页/ %1页").arg((expected + 9999) / 10000));
  QVERIFY(f.Get<QPushButton>("b_contfilter")->isEnabled());
  auto* model = f.Get<QTableView>("sg_zqresult")->model();
  QCOMPARE(model->rowCount(), 10000);
  QCOMPARE(model->data(model->index(0, 0)).toString(), QString("第1条"));
  const Combo first = f.Session().front.At(1).numbers;
  QCOMPARE(model->data(model->index(0, 1)).toString(),
           QString("%1").arg(first[0], 2, 10, QLatin1Char('0')));
  QCOMPARE(model->data(model->index(0, 2), Qt::BackgroundRole).value<QBrush>().color(),
           QColor(206, 255, 255));
  QCOMPARE(model->data(model->index(0, 0), Qt::BackgroundRole).value<QBrush>().color(),
           QColor(251, 232, 210));
  QCOMPARE(model->data(model->index(0, 0), Qt::ForegroundRole).value<QBrush>().color(),
           QColor(Qt::blue));

  // Continue filtering marks the records that passed only by tolerance;
  // they follow the clean ones and their label is painted red.
  f.Click("b_contfilter");
  const ResultList& list = f.Session().front;
  QCOMPARE(int64_t(list.Count()), expected);
  int firstMarked = 0;
  for (int n = 1; n <= list.Count() && !firstMarked; ++n)
    if (list.At(n).mark != 0) firstMarked = n;
  QVERIFY(firstMarked > 0);
  for (int n = firstMarked; n <= list.Count(); ++n) QVERIFY(list.At(n).mark != 0);
  f.Click("b_zh_lastpage");
  const int row = model->rowCount() - 1;
  QCOMPARE(model->data(model->index(row, 0), Qt::ForegroundRole).value<QBrush>().color(),
           QColor(Qt::red));
}

void ZhFrontTest::rangeWithABlankBoundStopsTheFilter() {
  Fixture f;
  f.Check("cb_lsxs");
  QTest::keyClicks(f.Get<QLineEdit>("me_lsxsfrom"), "30");
  f.Click("b_filter");
  QCOMPARE(f.world.shell.messages.back(), QString("离散系数还未确定范围"));
  QCOMPARE(f.Session().front.Count(), 0);
  QVERIFY(!f.Get<QPushButton>("b_contfilter")->isEnabled());
}

void ZhFrontTest::pagesOfAFullEnumeration() {
  Fixture f;
  f.Uncheck("cb_notequaldist");
  f.Uncheck("cb_specnext");
  f.Click("b_filter");
  QCOMPARE(f.Session().front.Count(), 324632);
  auto* model = f.Get<QTableView>("sg_zqresult")->model();
  QCOMPARE(model->data(model->index(0, 1)).toString(), QString("31"));
  QCOMPARE(model->data(model->index(1, 1)).toString(), QString("30"));
  QCOMPARE(f.Get<QLabel>("l_zh_pageinfo")->text(), QString("第1页/ 33页"));
  f.Click("b_zh_priorpage");
  QCOMPARE(f.Get<QLabel>("l_zh_pageinfo")->text(), QString("第1页/ 33页"));
  f.Click("b_zh_nextpage");
  QCOMPARE(f.Get<QLabel>("l_zh_pageinfo")->text(), QString("第2页/ 33页"));
  QCOMPARE(model->data(model->index(0, 0)).toString(), QString("第10001条"));
  f.Click("b_zh_lastpage");
  QCOMPARE(f.Get<QLabel>("l_zh_pageinfo")->text(), QString("第33页/ 33页"));
  QCOMPARE(model->rowCount(), 4632);
  f.Click("b_zh_nextpage");
  QCOMPARE(f.Get<QLabel>("l_zh_pageinfo")->text(), QString("第33页/ 33页"));
  f.Click("b_zh_firstpage");
  QCOMPARE(f.Get<QLabel>("l_zh_pageinfo")->text(), QString("第1页/ 33页"));
}

void ZhFrontTest::editingTheList() {
  Fixture f;
  // Append two combinations typed by hand (checked and sorted).
  f.dialogs.typed.push_back(Typed({"5", "3", "1", "2", "4"}));
  f.Click("b_tjzh");
  f.dialogs.typed.push_back(Typed({"7", "8", "9", "10", "11"}));
  f.Click("b_tjzh");
  QCOMPARE(f.Session().front.Count(), 2);
  QCOMPARE(f.Session().front.At(1).numbers, (Combo{1, 2, 3, 4, 5}));
  f.dialogs.typed.push_back(Typed({"1", "2", "3", "4", "36"}));
  f.Click("b_tjzh");
  QCOMPARE(f.Session().front.Count(), 2);
  QVERIFY(!f.world.shell.messages.isEmpty());
  // Nothing selected.
  f.Get<QTableView>("sg_zqresult")->clearSelection();
  f.Click("b_sczh");
  QCOMPARE(f.world.shell.messages.back(), QString("请先在上边的列表中选择一组需要删除的号码"));
  f.Click("b_xgzh");
  QCOMPARE(f.world.shell.messages.back(), QString("请先在上边的列表中选择一组需要修改的号码"));
  // Edit the second record, delete the first.
  f.SelectRow(1);
  f.dialogs.typed.push_back(Typed({"20", "21", "22", "23", "35"}));
  f.Click("b_xgzh");
  QCOMPARE(f.Session().front.At(2).numbers, (Combo{20, 21, 22, 23, 35}));
  f.SelectRow(0);
  f.Click("b_sczh");
  QCOMPARE(f.Session().front.Count(), 1);
  QCOMPARE(f.Session().front.At(1).numbers, (Combo{20, 21, 22, 23, 35}));
  // The listing is written and opened.
  f.Click("b_zq_print");
  QCOMPARE(f.world.shell.opened.size(), size_t(1));
  QFile listing(f.world.shell.opened.back().toLocalFile());
  QVERIFY(listing.open(QIODevice::ReadOnly));
  QVERIFY(listing.readAll().contains("      20      21      22      23      35"));
  // Into the prediction area and out again.
  f.world.shell.confirmAnswer = true;
  f.SelectRow(0);
  f.Click("b_addtoprodict");
  DrawTable& table = f.app->Context().Table();
  QVERIFY(table.HasForecast());
  f.Click("b_clearpredict");
  QVERIFY(!table.HasForecast());
}

void ZhFrontTest::conditionFileRoundTrip() {
  Fixture f;
  f.Check("cb_hmhz");
  f.dialogs.picks.push_back(std::vector<int>{90, 91, 100});
  f.Click("b_hmhz");
  f.Check("cb_hmhzrc");
  f.Check("cb_bzc");
  QTest::keyClicks(f.Get<QLineEdit>("me_bzcfrom"), "4");
  QTest::keyClicks(f.Get<QLineEdit>("me_bzcto"), "11");
  f.dialogs.picks.push_back(std::vector<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                             15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27});
  f.Click("b_zqkxhm");
  f.dialogs.picks.push_back(std::vector<int>{7});
  f.Click("b_zqdm");
  QCOMPARE(f.Get<QPlainTextEdit>("m_zqdm")->toPlainText(), QString("07  "));
  f.Check("cb_selfcond");
  SelfCondition entry;
  entry.numbers = {1, 5, 9};
  entry.counts = *ValueSet::From({0, 1});
  f.dialogs.selfConditions.push_back(entry);
  f.Click("b_addanyzh");
  QCOMPARE(f.Get<QListWidget>("lb_selfcond")->count(), 1);
  QCOMPARE(f.Get<QListWidget>("lb_selfcond")->item(0)->text(),
           QString::fromStdString(SelfConditionLine(entry, ListLineWording::kAdded)));
  const ConditionSet saved = f.Session().set;

  const QString path = f.world.dir.path() + "/mine";
  f.world.shell.files.push_back(path);
  f.Click("b_save");
  QVERIFY(QFile::exists(path + ".zh"));
  QCOMPARE(QFile(path + ".zh").size(), qint64(1200) * 8381);

  f.Click("Button6");
  QVERIFY(!(f.Session().set == saved));
  QCOMPARE(f.Get<QListWidget>("lb_selfcond")->count(), 0);
  f.world.shell.files.push_back(path + ".zh");
  f.Click("b_load");
  QVERIFY(f.Session().set == saved);
  QCOMPARE(f.Get<QLineEdit>("e_hmhz")->text(), QString("90  91  100  "));
  QVERIFY(f.Get<QCheckBox>("cb_hmhzrc")->isChecked());
  QCOMPARE(f.Get<QLineEdit>("me_bzcto")->text(), QString("11"));
  QCOMPARE(f.Get<QPlainTextEdit>("m_zqdm")->toPlainText(), QString("07  "));
  QVERIFY(f.Get<QCheckBox>("cb_selfcond")->isChecked());
  QCOMPARE(f.Get<QListWidget>("lb_selfcond")->item(0)->text(),
           QString::fromStdString(SelfConditionLine(entry, ListLineWording::kLoaded)));

  // The standard set: missing, then written and loaded.
  f.Click("Button6");
  f.Get<QAction>("n_cgset")->trigger();
  QCOMPARE(f.world.shell.messages.back(),
           QString("常规过滤条件的文件不存在，请先设置好常用的过滤条件，再覆盖常规过滤条件"));
  f.world.shell.files.push_back(path + ".zh");
  f.Click("b_load");
  f.Get<QAction>("n_fgcgset")->trigger();
  f.Click("Button6");
  f.Get<QAction>("n_cgset")->trigger();
  QVERIFY(f.Session().set == saved);
}

void ZhFrontTest::resultFileRoundTripAndContinueFiltering() {
  Fixture f;
  f.Check("cb_dsgs");
  f.dialogs.picks.push_back(std::vector<int>{4});
  f.Click("b_dsgs");
  f.Click("b_filter");
  const std::vector<Combo> before = f.Session().front.Combos();
  QVERIFY(!before.empty());
  const QString path = f.world.dir.path() + "/result";
  f.world.shell.files.push_back(path);
  f.Click("b_savezh");
  QFile file(path + ".txt");
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll().count('\n'), qsizetype(before.size()));
  file.close();

  f.SelectRow(0);
  f.Click("b_sczh");
  QCOMPARE(size_t(f.Session().front.Count()), before.size() - 1);
  f.world.shell.files.push_back(path + ".txt");
  f.Click("b_loadzh");
  QVERIFY(f.Session().front.Combos() == before);
  QCOMPARE(f.Get<QLabel>("l_zh_pageinfo")->text().left(3), QString("第1页"));

  // Continue filtering with a banker that only part of the list holds.
  f.dialogs.picks.push_back(std::vector<int>{35});
  f.Click("b_zqdm");
  f.Click("b_contfilter");
  for (int n = 1; n <= f.Session().front.Count(); ++n) {
    const Combo& c = f.Session().front.At(n).numbers;
    QVERIFY(std::find(c.begin(), c.end(), 35) != c.end());
  }
  QVERIFY(f.Session().front.Count() > 0);
  QVERIFY(size_t(f.Session().front.Count()) < before.size());
  QVERIFY(f.zh->windowTitle().startsWith("个性组号  筛选耗时"));
}

void ZhFrontTest::stepBackThroughTheSnapshotRing() {
  Fixture f(40);
  f.Get<QAction>("n_lastset")->trigger();
  QCOMPARE(f.world.shell.messages.back(), QString("没有过滤条件可供恢复"));
  // Six runs, each with a different 大数个数 value.
  std::vector<ConditionSet> runs;
  f.Check("cb_dsgs");
  for (int k = 0; k < 6; ++k) {
    f.dialogs.picks.push_back(std::vector<int>{k % 6});
    f.Click("b_dsgs");
    f.Click("b_filter");
    runs.push_back(f.Session().set);
  }
  for (int back : {4, 3, 2, 1}) {
    f.Get<QAction>("n_lastset")->trigger();
    QVERIFY(f.Session().set == runs[size_t(back)]);
    QCOMPARE(f.Get<QLineEdit>("e_dsgs")->text(), QString("%1  ").arg(back));
  }
  const int shown = f.world.shell.messages.size();
  f.Get<QAction>("n_lastset")->trigger();
  QCOMPARE(f.world.shell.messages.size(), shown + 1);
  QCOMPARE(f.world.shell.messages.back(), QString("没有过滤条件可供恢复"));
}

void ZhFrontTest::theCloseStepSavesThisWindowsSet() {
  Fixture f;
  f.Get<QAction>("n_exitset")->trigger();
  QCOMPARE(f.world.shell.messages.back(),
           QString("你是第一次使用，上次退出前的过滤条件的文件并不存在"));
  f.Check("cb_ac");
  f.dialogs.picks.push_back(std::vector<int>{3, 4});
  f.Click("b_ac");
  const ConditionSet saved = f.Session().set;
  AppContext& ctx = f.app->Context();
  const QString path = QString::fromStdString(ctx.folder.Path("exitset.zh"));
  // The file an earlier run's close step left.
  QVERIFY(SaveFrontSet(saved, path.toStdString()));
  f.Click("Button6");
  f.Get<QAction>("n_exitset")->trigger();
  QVERIFY(f.Session().set == saved);
  QCOMPARE(f.Get<QLineEdit>("e_ac")->text(), QString("3  4  "));

  // The main window's close step: this set becomes exitset.zh and the
  // snapshot of the run is deleted.
  f.dialogs.picks.push_back(std::vector<int>{4});
  f.Click("b_ac");
  f.Click("b_filter");
  const ConditionSet atClose = f.Session().set;
  QVERIFY(QFile::exists(QString::fromStdString(ctx.folder.Path("hfset0.zh"))));
  const CloseStepReport report = CloseDown(ctx, &f.Session().set);
  QVERIFY(report.conditionSetSaved);
  QCOMPARE(report.snapshotsDeleted, 1);
  ConditionSet exitSet;
  QVERIFY(LoadFrontSet(path.toStdString(), exitSet).ok);
  QVERIFY(exitSet == atClose);
}

void ZhFrontTest::refusedAddsShowAMessage() {
  Fixture f;
  f.dialogs.picks.push_back(std::vector<int>{1, 2, 3, 4, 5, 6});
  f.Click("b_zqdm");
  QCOMPARE(f.world.shell.messages.back(), QString("选择主区胆码不能大于5个"));
  QVERIFY(f.Session().set.BankerNumbers().empty());
  QVERIFY(f.Get<QPlainTextEdit>("m_zqdm")->toPlainText().isEmpty());

  f.Check("cb_selfcond");
  f.Click("b_selfcondsub");
  QCOMPARE(f.world.shell.messages.back(), QString("请先在中间的列表框中选择一项要删除的数据"));
  SelfCondition entry;
  entry.numbers = {3};
  entry.counts = *ValueSet::From({1});
  for (int i = 0; i < 201; ++i) f.dialogs.selfConditions.push_back(entry);
  const int before = f.world.shell.messages.size();
  for (int i = 0; i < 201; ++i) f.Click("b_addanyzh");
  QCOMPARE(int(f.Session().set.SelfConditions().size()), 200);
  QCOMPARE(f.Get<QListWidget>("lb_selfcond")->count(), 200);
  QCOMPARE(f.world.shell.messages.size(), before + 1);
  // Deleting the selected line keeps lines and entries together.
  f.Get<QListWidget>("lb_selfcond")->setCurrentRow(5);
  f.Click("b_selfcondsub");
  QCOMPARE(int(f.Session().set.SelfConditions().size()), 199);
  QCOMPARE(f.Get<QListWidget>("lb_selfcond")->count(), 199);
  f.Uncheck("cb_selfcond");
  QVERIFY(f.Session().set.SelfConditions().empty());
  QCOMPARE(f.Get<QListWidget>("lb_selfcond")->count(), 0);

  // Custom indicators: an empty formula is refused, a good one added.
  f.Check("cb_selfzb");
  f.Click("b_addselfzb");
  QVERIFY(f.Session().set.CustomIndicators().empty());
  QCOMPARE(f.world.shell.messages.size(), before + 2);
  // So is one that can never be computed: the filter would pass over it.
  for (const auto& [formula, message] : {std::pair{"z_hz+*foo(", "公式有误:\"(\"与\")\"不匹配"},
                                         std::pair{"Z_HZ", "公式有误:Z_HZ指标不存在"},
                                         std::pair{"z_hz\u3000", "公式有误:不能有空格"}}) {
    f.Get<QLineEdit>("e_selfzb")->setText(QString::fromUtf8(formula));
    f.Click("b_addselfzb");
    QCOMPARE(f.world.shell.messages.back(), QString::fromUtf8(message));
  }
  QVERIFY(f.Session().set.CustomIndicators().empty());
  f.Get<QLineEdit>("e_selfzb")->clear();
  f.Get<QLineEdit>("e_selfzb")->setText(" z_hz+1 ");
  f.dialogs.picks.push_back(std::vector<int>{100, 101});
  f.Click("b_selfzb");
  QCOMPARE(f.Get<QLineEdit>("e_selfzbqz")->text(), QString("100  101  "));
  f.Check("cb_selfzbrc");
  f.Click("b_addselfzb");
  QCOMPARE(int(f.Session().set.CustomIndicators().size()), 1);
  QCOMPARE(f.Session().set.CustomIndicators()[0].formula, std::string("z_hz+1"));
  QVERIFY(f.Session().set.CustomIndicators()[0].tolerant);
  QVERIFY(f.Get<QLineEdit>("e_selfzb")->text().isEmpty());
  QVERIFY(!f.Get<QCheckBox>("cb_selfzbrc")->isChecked());
  f.Get<QListWidget>("lb_selfzb")->clearSelection();
  f.Click("b_deleteselfzb");
  QCOMPARE(f.world.shell.messages.back(), QString("请先在自定义指标列表框中选择一项要删除的指标"));

  // A formula beyond the 200 bytes a condition file holds is refused and
  // stays in the edit; the list stops at 100 entries.
  const int shown = f.world.shell.messages.size();
  f.Get<QLineEdit>("e_selfzb")->setText(QString("z_hz+") + QString(196, QChar('1')));
  f.Click("b_addselfzb");
  QCOMPARE(f.world.shell.messages.size(), shown + 1);
  QCOMPARE(int(f.Session().set.CustomIndicators().size()), 1);
  QVERIFY(!f.Get<QLineEdit>("e_selfzb")->text().isEmpty());
  for (int i = 0; i < 100; ++i) {
    f.Get<QLineEdit>("e_selfzb")->setText(QString("z_hz+%1").arg(i));
    f.Click("b_addselfzb");
  }
  QCOMPARE(int(f.Session().set.CustomIndicators().size()), 100);
  QCOMPARE(f.Get<QListWidget>("lb_selfzb")->count(), 100);
  QCOMPARE(f.world.shell.messages.size(), shown + 2);
  f.Uncheck("cb_selfzb");
  QVERIFY(f.Session().set.CustomIndicators().empty());
  QCOMPARE(f.Get<QListWidget>("lb_selfzb")->count(), 0);
  QVERIFY(f.Get<QLineEdit>("e_selfzb")->text().isEmpty());
  QVERIFY(!f.Get<QLineEdit>("e_selfzb")->isEnabled());
}

// Accepts every combination, but only once the test lets it go.
class HoldingJudge : public FrontJudge {
 public:
  explicit HoldingJudge(const std::atomic<bool>& released) : released_(released) {}
  Verdict Judge(const Combo&, bool) const override {
    while (!released_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return {true, 0, 0};
  }

 private:
  const std::atomic<bool>& released_;
};

void ZhFrontTest::aCancelledRunKeepsTheList() {
  Fixture f;
  f.dialogs.typed.push_back(Typed({"1", "2", "3", "4", "6"}));
  f.Click("b_tjzh");
  QCOMPARE(f.Session().front.Count(), 1);
  // The judge holds the run until the cancel has reached it, so the run
  // cannot end first however fast the build is.
  std::atomic<bool> released{false};
  f.Session().makeFrontJudge = [&](const JudgeSetup&) {
    return std::make_unique<HoldingJudge>(released);
  };
  auto* box = f.app->Windows().Get<Tf_showpic>();
  // Queued: it runs after the run's own handler has taken the cancel.
  const auto release = QObject::connect(
      box, &Tf_showpic::cancelRequested, box, [&] { released = true; }, Qt::QueuedConnection);
  QTimer cancel;
  QObject::connect(&cancel, &QTimer::timeout, [&] {
    auto* button = box->findChild<QPushButton*>("b_cancel");
    if (button && button->isVisible() && button->isEnabled()) button->click();
  });
  cancel.start(5);
  f.Click("b_filter");
  cancel.stop();
  QObject::disconnect(release);
  f.Session().makeFrontJudge = nullptr;
  QVERIFY(released);
  QVERIFY(!f.world.shell.messages.isEmpty());
  QCOMPARE(f.world.shell.messages.back(), QString("过滤已取消，列表保持不变"));
  QCOMPARE(f.Session().front.Count(), 1);
  QCOMPARE(f.Session().front.At(1).numbers, (Combo{1, 2, 3, 4, 6}));
  QVERIFY(!f.Get<QPushButton>("b_contfilter")->isEnabled());
}

void ZhFrontTest::theRandomModes() {
  Fixture f;
  QVERIFY(!f.Get<QPushButton>("b_xzsgl")->isEnabled());
  QVERIFY(!f.Get<QLineEdit>("me_jxzh")->isEnabled());
  f.Get<QRadioButton>("rb_jxzh")->click();
  QCOMPARE(f.Get<QPushButton>("b_filter")->text(), QString("机选组号"));
  QCOMPARE(f.Get<QPushButton>("b_xzsgl")->text(), QString("过滤后机选"));
  QCOMPARE(f.Get<QLineEdit>("me_jxzh")->text(), QString("10"));
  QVERIFY(f.Get<QPushButton>("b_xzsgl")->isEnabled());
  QVERIFY(!f.Get<QRadioButton>("rb_xzjz")->isEnabled());
  // Pure random: the conditions are ignored.
  f.Check("cb_dsgs");
  f.dialogs.picks.push_back(std::vector<int>{5});
  f.Click("b_dsgs");
  f.Get<QLineEdit>("me_jxzh")->setText("25");
  f.Click("b_filter");
  QCOMPARE(f.Session().front.Count(), 25);
  // A blank count means 10.
  f.Get<QLineEdit>("me_jxzh")->clear();
  f.Click("b_filter");
  QCOMPARE(f.Session().front.Count(), 10);
  // Filtered random with a count above the accepted ones keeps them all.
  f.Get<QLineEdit>("me_jxzh")->setText("9999");
  f.Click("b_xzsgl");
  const int64_t expected = f.EngineCount(f.Session().set);
  QCOMPARE(int64_t(f.Session().front.Count()), expected);
  for (int n = 1; n <= f.Session().front.Count(); ++n) {
    const Combo& c = f.Session().front.At(n).numbers;
    QVERIFY(std::all_of(c.begin(), c.end(), [](int x) { return x >= 18; }));
  }
  f.Get<QRadioButton>("rb_cgzh")->click();
  QCOMPARE(f.Get<QPushButton>("b_filter")->text(), QString("常规过滤 "));
  QVERIFY(f.Get<QLineEdit>("me_jxzh")->text().isEmpty());
  QVERIFY(!f.Get<QPushButton>("b_xzsgl")->isEnabled());
}

void ZhFrontTest::theForecastRecordBlocksTheFilter() {
  Fixture f;
  f.dialogs.typed.push_back(Typed({"1", "2", "3", "4", "6"}));
  f.Click("b_tjzh");
  DrawTable& table = f.app->Context().Table();
  WriteComboForecast(table, Combo{3, 8, 13, 21, 30});
  QVERIFY(table.HasForecast());
  f.Click("b_filter");
  QCOMPARE(f.world.shell.messages.back(), QString::fromUtf8(kForecastGuardMessage));
  QVERIFY(!table.HasForecast());
  QCOMPARE(f.Session().front.Count(), 1);
  // "No": the graphical entry in its forecast mode.
  f.world.shell.confirmAnswer = false;
  QString title;
  f.world.shell.dialogHandlers.push_back([&](QDialog& d) {
    title = d.windowTitle();
    d.reject();
  });
  f.Click("b_addtoprodict");
  QCOMPARE(title, QString("添加到预测区"));
  QVERIFY(!table.HasForecast());
}

void ZhFrontTest::showingStartsOnTheFirstTabs() {
  Fixture f;
  f.zh->hide();
  f.Get<QTabWidget>("PageControl2")->setCurrentIndex(4);
  f.Get<QTabWidget>("p_hmzh")->setCurrentIndex(2);
  f.zh->show();
  QCOMPARE(f.Get<QTabWidget>("PageControl2")->currentIndex(), 0);
  QCOMPARE(f.Get<QTabWidget>("p_hmzh")->currentIndex(), 0);
  QCOMPARE(f.zh->pos(), QPoint(0, 62));
}

void ZhFrontTest::pickingThroughTheRealPicker() {
  TestWorld world;
  world.SeedDraws(History(60));
  auto app = world.MakeApp();
  auto* zh = app->Windows().Get<Tf_zh>();
  zh->show();
  zh->findChild<QCheckBox*>("cb_dsgs")->click();
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    auto* picker = qobject_cast<Tf_getchoiceextend*>(&d);
    QVERIFY(picker);
    QCOMPARE(picker->First(), 0);
    QCOMPARE(picker->Last(), 5);
    QTest::mouseClick(picker->Tile(4), Qt::LeftButton);
    QTest::mouseClick(picker->Tile(1), Qt::LeftButton);
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
  });
  QTest::mouseClick(zh->findChild<QPushButton*>("b_dsgs"), Qt::LeftButton);
  QCOMPARE(world.shell.dialogsRun, 1);
  QCOMPARE(zh->findChild<QLineEdit*>("e_dsgs")->text(), QString("1  4  "));
  QCOMPARE(zh->Session().set.Indicator(FrontNumber("dsgs")).values.Values(),
           (std::vector<int32_t>{1, 4}));

  // The sum picker opens on the current values with the newest draw's sum.
  const DrawTable& table = app->Context().Table();
  const Draw& newest = table.Draws()[size_t(table.LastRealIndex())];
  const int sum =
      newest.front[0] + newest.front[1] + newest.front[2] + newest.front[3] + newest.front[4];
  zh->findChild<QCheckBox*>("cb_hmhz")->click();
  int shownCurrent = -1;
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    auto* picker = qobject_cast<Tf_getchoiceextend*>(&d);
    QVERIFY(picker);
    shownCurrent = picker->Current();
    QTest::mouseClick(d.findChild<QPushButton*>("b_selall"), Qt::LeftButton);
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
  });
  QTest::mouseClick(zh->findChild<QPushButton*>("b_hmhz"), Qt::LeftButton);
  QCOMPARE(shownCurrent, sum);
  QCOMPARE(zh->Session().set.Indicator(FrontNumber("hmhz")).values.Size(), 121);
  // 取消 changes nothing.
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    QTest::mouseClick(d.findChild<QPushButton*>("b_selnone"), Qt::LeftButton);
    QTest::mouseClick(d.findChild<QPushButton*>("b_cancel"), Qt::LeftButton);
  });
  QTest::mouseClick(zh->findChild<QPushButton*>("b_hmhz"), Qt::LeftButton);
  QCOMPARE(zh->Session().set.Indicator(FrontNumber("hmhz")).values.Size(), 121);
}

void ZhFrontTest::tailSettingsAndEntriesFromOtherWindows() {
  Fixture f;
  QVERIFY(!f.Get<QPushButton>("b_wsset_add")->isEnabled());
  f.Check("cb_wsset");
  TailSetting tail;
  tail.digits = {3};
  tail.counts = *ValueSet::From({2});
  tail.distinct = false;
  for (int i = 0; i < 21; ++i) f.dialogs.tailSettings.push_back(tail);
  const int before = f.world.shell.messages.size();
  for (int i = 0; i < 21; ++i) f.Click("b_wsset_add");
  QCOMPARE(int(f.Session().set.TailSettings().size()), 20);
  QCOMPARE(f.Get<QListWidget>("lb_wsset")->count(), 20);
  QCOMPARE(f.world.shell.messages.size(), before + 1);
  QCOMPARE(f.Get<QListWidget>("lb_wsset")->item(0)->text(),
           QString::fromStdString(TailSettingLine(tail, ListLineWording::kAdded)));
  f.Get<QListWidget>("lb_wsset")->clearSelection();
  f.Click("b_wsset_delete");
  QCOMPARE(f.world.shell.messages.back(), QString("请先在中间的列表框中选择一项要删除的数据"));
  f.Get<QListWidget>("lb_wsset")->setCurrentRow(19);
  f.Click("b_wsset_delete");
  QCOMPARE(int(f.Session().set.TailSettings().size()), 19);
  QCOMPARE(f.Get<QListWidget>("lb_wsset")->count(), 19);
  // The tail setting takes part in the filter exactly as the engine has it.
  f.Click("b_filter");
  QCOMPARE(int64_t(f.Session().front.Count()), f.EngineCount(f.Session().set));

  // Loaded lines keep their wording when another window appends an entry.
  f.Uncheck("cb_wsset");
  f.Check("cb_selfcond");
  SelfCondition first;
  first.numbers = {2, 4};
  first.counts = *ValueSet::From({1});
  f.dialogs.selfConditions.push_back(first);
  f.Click("b_addanyzh");
  const QString path = f.world.dir.path() + "/lines.zh";
  f.world.shell.files.push_back(path);
  f.Click("b_save");
  f.world.shell.files.push_back(path);
  f.Click("b_load");
  SelfCondition second;
  second.numbers = {7, 8, 9};
  second.counts = *ValueSet::From({0});
  QVERIFY(f.Session().set.AddSelfCondition(second));
  f.zh->FrontSetChanged();
  auto* lines = f.Get<QListWidget>("lb_selfcond");
  QCOMPARE(lines->count(), 2);
  QCOMPARE(lines->item(0)->text(),
           QString::fromStdString(SelfConditionLine(first, ListLineWording::kLoaded)));
  QCOMPARE(lines->item(1)->text(),
           QString::fromStdString(SelfConditionLine(second, ListLineWording::kAdded)));
}

void ZhFrontTest::memosMenuAndReports() {
  Fixture f;
  // A click on the pool memo opens the pool picker.
  f.dialogs.picks.push_back(std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8});
  auto* memo = f.Get<QPlainTextEdit>("m_zqkxhm");
  QTest::mouseClick(memo->viewport(), Qt::LeftButton);
  QCOMPARE(f.dialogs.requests.back().first, 1);
  QCOMPARE(f.dialogs.requests.back().last, 35);
  QCOMPARE(memo->toPlainText(), QString("01  02  03  04  05  06  07  08  "));
  QCOMPARE(f.Session().set.PoolNumbers(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  // 恢复操作 drops the menu with its four items.
  f.Click("b_hfoper");
  auto* menu = f.zh->findChild<QMenu*>("pm");
  QVERIFY(menu);
  QTRY_VERIFY(menu->isVisible());
  QCOMPARE(menu->actions().size(), 4);
  QCOMPARE(menu->actions()[3]->text(), QString("恢复上一次过滤条件"));
  menu->close();
  // The list report opens database/showcond.txt.
  f.Click("b_showcond");
  QCOMPARE(f.world.shell.opened.size(), size_t(1));
  QVERIFY(f.world.shell.opened.back().toLocalFile().endsWith("database/showcond.txt"));
  QFile report(f.world.shell.opened.back().toLocalFile());
  QVERIFY(report.open(QIODevice::ReadOnly));
  QVERIFY(!report.readAll().isEmpty());
}

void ZhFrontTest::badFilesLoseNothing() {
  Fixture f;
  f.dialogs.typed.push_back(Typed({"1", "2", "3", "4", "6"}));
  f.Click("b_tjzh");
  // A result file with a number out of range: the list stays, the line is named.
  const QString bad = f.world.dir.path() + "/bad.txt";
  {
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("01 02 03 04 05 \r\n01 02 03 04 36 \r\n");
  }
  f.world.shell.files.push_back(bad);
  f.Click("b_loadzh");
  QCOMPARE(f.Session().front.Count(), 1);
  QVERIFY(f.world.shell.messages.back().contains("36"));
  QVERIFY(!f.Get<QPushButton>("b_contfilter")->isEnabled());

  // A condition file that is not one: a message, and the set is as after 重置.
  f.Check("cb_dsgs");
  f.dialogs.picks.push_back(std::vector<int>{1});
  f.Click("b_dsgs");
  const QString junk = f.world.dir.path() + "/junk.zh";
  {
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1000, 'x'));
  }
  const int shown = f.world.shell.messages.size();
  f.world.shell.files.push_back(junk);
  f.Click("b_load");
  QCOMPARE(f.world.shell.messages.size(), shown + 1);
  ConditionSet fresh;
  QVERIFY(f.Session().set == fresh);
  QVERIFY(!f.Get<QCheckBox>("cb_dsgs")->isChecked());
  QVERIFY(f.Get<QLineEdit>("e_dsgs")->text().isEmpty());
  // Cancelling the dialogs changes nothing.
  f.Click("b_load");
  f.Click("b_loadzh");
  QCOMPARE(f.Session().front.Count(), 1);
  QCOMPARE(f.world.shell.messages.size(), shown + 1);
}

DLT_GUI_TEST(ZhFrontTest);
#include "zh_front_test.moc"
