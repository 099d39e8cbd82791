// The "副区过滤" and "双区匹配" pages of the generator window and its report
// and batch tools, driven by objectName as a user would.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <random>

#include "common/gbk_text.h"
#include "common/numbers.h"
#include "generator/condition_files.h"
#include "generator/filter_run.h"
#include "generator/picker_values.h"
#include "generator/prizes.h"
#include "generator/result_files.h"
#include "generator/ticket_matching.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_back_page.h"
#include "gui/generator/zh_session.h"
#include "gui/generator/zh_tools.h"
#include "gui_test_support.h"
#include "history/draw_table.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

// The value picker's answer: toggles the tiles of `values`, then "确定".
std::function<void(QDialog&)> PickTiles(std::vector<int> values) {
  return [values](QDialog& d) {
    for (int v : values) {
      QWidget* tile = d.findChild<QWidget*>(QStringLiteral("tile_%1").arg(v));
      QVERIFY2(tile, "tile");
      QTest::mouseClick(tile, Qt::LeftButton);
    }
    Click(&d, "b_ok");
  };
}

// The combination dialog's answer: the seven edits, then "确定".
std::function<void(QDialog&)> TypeNumbers(std::array<QString, 7> texts) {
  return [texts](QDialog& d) {
    const std::array<const char*, 7> names = {"me_red1", "me_red2", "me_red3", "me_red4",
                                              "me_red5", "me_red6", "me_blue"};
    for (size_t i = 0; i < names.size(); ++i) {
      auto* e = Child<QLineEdit>(&d, names[i]);
      QVERIFY(e);
      e->setText(texts[i]);
    }
    d.accept();
  };
}

Combo C(int a, int b, int c, int d, int e) {
  return {uint8_t(a), uint8_t(b), uint8_t(c), uint8_t(d), uint8_t(e)};
}
BackPair P(int a, int b) {
  return {uint8_t(a), uint8_t(b)};
}

QStringList ReadGbkLines(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = f.readAll();
  const std::string utf8 =
      GbkToUtf8(std::string(bytes.constData(), size_t(bytes.size()))).value_or("");
  return QString::fromStdString(utf8).split("\r\n");
}

}  // namespace

class ZhBackTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void backConditionsAreBuiltFromTheConditionTable();
  void backFilterCountEqualsTheEngine();
  void pickersGetTheNewestRealDrawsValue();
  void pickedValuesFillTheSetAndTheEdit();
  void tooManyBackBankersAreClearedWithTheMessage();
  void backResetAndConditionFileRoundTrip();
  void backListEditsAreCheckedAndSelectionIsRequired();
  void backListSavesLoadsAndFeedsTheForecast();
  void orderMatchingPairsFrontWithBackInTurn();
  void fullMatchingIsRefusedAbove50000();
  void matchingNeedsBothLists();
  void prizeCheckSortsAndShowsTheNinthColumn();
  void prizeCheckRefusesAnUnreadableDraw();
  void randomTicketsTakeTheCountEdit();
  void ticketEditsAreCheckedAndPrintOpensTheListing();
  void listReportIsWrittenAndOpened();
  void checkReportAsksForDrawAndMode();
  void batchOfOneFileEqualsOneFilter();
  void batchDialogKeepsItsFileList();
  void batchSkipsAMissingFileAndContinuesWithTheNext();

 private:
  FilterEnvironment Env();

  std::unique_ptr<TestWorld> world_;
  std::unique_ptr<DltApp> app_;
  Tf_zh* window_ = nullptr;
  QWidget* back_ = nullptr;
  QWidget* match_ = nullptr;
  ZhSession* session_ = nullptr;
  FakeShell* shell_ = nullptr;
};

void ZhBackTest::init() {
  world_ = std::make_unique<TestWorld>();
  world_->SeedDraws(History(40));
  app_ = world_->MakeApp();
  QVERIFY2(app_->Ok(), qPrintable(app_->Error()));
  window_ = app_->Windows().Get<Tf_zh>();
  QVERIFY(window_);
  back_ = window_->findChild<QWidget*>("ts_fqgl");
  match_ = window_->findChild<QWidget*>("ts_sqpp");
  QVERIFY(back_ && match_);
  session_ = &window_->Session();
  shell_ = &world_->shell;
  window_->show();
  shell_->messages.clear();
}

void ZhBackTest::cleanup() {
  window_->close();
  app_.reset();
  world_.reset();
}

FilterEnvironment ZhBackTest::Env() {
  static MemoryHistory history;
  return MakeFilterEnvironment(app_->Context().Table(), history, app_->Context().env);
}

void ZhBackTest::backConditionsAreBuiltFromTheConditionTable() {
  window_->findChild<QTabWidget*>("p_hmzh")->setCurrentWidget(back_);
  QVERIFY(QTest::qWaitForWindowExposed(window_));
  for (const BackCondition& c : BackConditions()) {
    const QString stem = QString::fromUtf8(c.stem.data(), qsizetype(c.stem.size()));
    auto* cb = Child<QCheckBox>(back_, "cb_" + stem);
    auto* e = Child<QLineEdit>(back_, "e_" + stem);
    auto* b = Child<QPushButton>(back_, "b_" + stem);
    auto* rc = Child<QCheckBox>(back_, "cb_" + stem + "rc");
    QVERIFY(cb && e && b && rc);
    QCOMPARE(cb->text(), QString::fromUtf8(c.caption.data(), qsizetype(c.caption.size())));
    QVERIFY(e->isReadOnly());
    QVERIFY(!b->isEnabled());
    QVERIFY(!rc->isEnabled());
  }
  auto* cb = Child<QCheckBox>(back_, "cb_f_pd");
  QTest::mouseClick(cb, Qt::LeftButton);
  QVERIFY(session_->set.Back().Condition(4).enabled);
  QVERIFY(Child<QPushButton>(back_, "b_f_pd")->isEnabled());
  auto* rc = Child<QCheckBox>(back_, "cb_f_pdrc");
  QVERIFY(rc->isEnabled());
  QTest::mouseClick(rc, Qt::LeftButton);
  QVERIFY(session_->set.Back().Condition(4).tolerant);
  // Unchecking empties and disables again.
  QTest::mouseClick(cb, Qt::LeftButton);
  QVERIFY(!session_->set.Back().Condition(4).enabled);
  QVERIFY(!session_->set.Back().Condition(4).tolerant);
  QVERIFY(!rc->isChecked() && !rc->isEnabled());
  QCOMPARE(Child<QPlainTextEdit>(back_, "m_fqkxhm")->toPlainText(),
           QString("01  02  03  04  05  06  07  08  09  10  11  12  "));
  auto* combo = Child<QComboBox>(back_, "combo_f_rcnum");
  QCOMPARE(combo->count(), 15);
  QCOMPARE(combo->currentText(), QString("3"));
  QVERIFY(!combo->isEnabled());
}

void ZhBackTest::backFilterCountEqualsTheEngine() {
  BackConditionSet& back = session_->set.Back();
  QVERIFY(back.SetEnabled(5, true));  // 副区和值
  QVERIFY(back.SetValues(5, *ValueSet::From({7, 9, 11, 13, 15})));
  QVERIFY(back.SetEnabled(6, true));  // 副区差值, tolerant
  QVERIFY(back.SetValues(6, *ValueSet::From({1, 2, 3})));
  QVERIFY(back.SetTolerant(6, true));
  QVERIFY(back.SetEnabled(7, true));  // 副号一遗漏, tolerant
  QVERIFY(back.SetValues(7, *ValueSet::From({0, 1, 2, 3, 4})));
  QVERIFY(back.SetTolerant(7, true));
  window_->BackPage().ShowConditions();
  QCOMPARE(Child<QLineEdit>(back_, "e_f_hz")->text(), QString("7  9  11  13  15  "));
  QTest::mouseClick(Child<QCheckBox>(back_, "cb_f_rcnumlimit"), Qt::LeftButton);
  Child<QComboBox>(back_, "combo_f_rcnum")->setCurrentText("1");
  QCOMPARE(back.Tolerance().limit, 1);
  QVERIFY(back.Tolerance().enabled);

  Click(back_, "b_bluefilter");
  QVERIFY2(shell_->messages.isEmpty(), qPrintable(shell_->messages.join("|")));

  ConditionSet same = session_->set;
  BackList expected;
  const RunOutcome out = RunBackFilter(Env(), same, expected);
  QVERIFY(out.Done());
  QVERIFY(expected.Count() > 0);
  QVERIFY(expected.Count() < 66);
  QCOMPARE(session_->back.Items(), expected.Items());
  auto* grid = Child<QTableView>(back_, "sg_fqresult");
  QCOMPARE(grid->model()->rowCount(), expected.Count());
  QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QString("副号一"));
  QCOMPARE(grid->model()->index(0, 0).data().toString(), QString("第1条"));
  QCOMPARE(window_->windowTitle(),
           QString("超强组号  已得到符合条件的副号组有%1个").arg(expected.Count()));

  // A forecast record blocks the filter, is deleted, and the list stays.
  Click(back_, "Button17");
  QVERIFY(app_->Context().Table().HasForecast());
  session_->set.Back().Reset();
  Click(back_, "b_bluefilter");
  QCOMPARE(shell_->messages.size(), 1);
  QCOMPARE(shell_->messages.last(), QString::fromUtf8(kForecastGuardMessage));
  QVERIFY(!app_->Context().Table().HasForecast());
  QCOMPARE(session_->back.Items(), expected.Items());
}

void ZhBackTest::pickersGetTheNewestRealDrawsValue() {
  DrawTable& table = app_->Context().Table();
  const Draw newest = table.Draws().back();
  const EvalEnv& env = app_->Context().env;
  QCOMPARE(NewestDrawValue(table, env, FindBackCondition(1)->key),
           std::optional<int>(newest.back[0]));
  QCOMPARE(NewestDrawValue(table, env, FindBackCondition(5)->key),
           std::optional<int>(newest.back[0] + newest.back[1]));
  // 副号一遗漏: draws since the newest draw's first back number was last the first one.
  int omission = 0;
  for (int i = table.RecordCount() - 2;
       i >= 0 && table.Draws()[size_t(i)].back[0] != newest.back[0]; --i)
    ++omission;
  QCOMPARE(NewestDrawValue(table, env, FindBackCondition(7)->key), std::optional<int>(omission));
  // A forecast record after the newest draw is not history.
  Draw f;
  f.qs = kForecastQs;
  f.front = {1, 2, 3, 4, 5};
  f.back = {11, 12};
  table.PutDraw(f);
  QCOMPARE(NewestDrawValue(table, env, FindBackCondition(1)->key),
           std::optional<int>(newest.back[0]));
}

void ZhBackTest::pickedValuesFillTheSetAndTheEdit() {
  QTest::mouseClick(Child<QCheckBox>(back_, "cb_f_hz"), Qt::LeftButton);
  shell_->dialogHandlers.push_back(PickTiles({5, 3, 20}));
  Click(back_, "b_f_hz");
  QCOMPARE(shell_->dialogsRun, 1);
  QCOMPARE(session_->set.Back().Condition(5).values.Values(), (std::vector<int32_t>{3, 5, 20}));
  QCOMPARE(Child<QLineEdit>(back_, "e_f_hz")->text(), QString("3  5  20  "));
  // Cancel changes nothing.
  Click(back_, "b_f_hz");
  QCOMPARE(session_->set.Back().Condition(5).values.Values(), (std::vector<int32_t>{3, 5, 20}));

  // The pool: the picker opens with the whole pool selected; two tiles off.
  shell_->dialogHandlers.push_back(PickTiles({1, 12}));
  Click(back_, "b_fqkxhm");
  QCOMPARE(session_->set.Back().PoolNumbers(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  QCOMPARE(Child<QPlainTextEdit>(back_, "m_fqkxhm")->toPlainText(),
           QString("02  03  04  05  06  07  08  09  10  11  "));
}

void ZhBackTest::tooManyBackBankersAreClearedWithTheMessage() {
  shell_->dialogHandlers.push_back(PickTiles({4, 9}));
  Click(back_, "b_fqdm");
  QCOMPARE(session_->set.Back().BankerNumbers(), (std::vector<int>{4, 9}));
  QCOMPARE(Child<QPlainTextEdit>(back_, "m_fqdm")->toPlainText(), QString("04  09  "));
  QVERIFY(shell_->messages.isEmpty());
  // A third banker: the message, and no bankers at all afterwards.
  shell_->dialogHandlers.push_back(PickTiles({11}));
  Click(back_, "b_fqdm");
  QCOMPARE(shell_->messages, QStringList{"选择副区胆码不能大于2个"});
  QVERIFY(session_->set.Back().BankerNumbers().empty());
  QCOMPARE(Child<QPlainTextEdit>(back_, "m_fqdm")->toPlainText(), QString());
}

void ZhBackTest::backResetAndConditionFileRoundTrip() {
  BackConditionSet& back = session_->set.Back();
  QVERIFY(back.SetEnabled(1, true));
  QVERIFY(back.SetValues(1, *ValueSet::From({2, 4})));
  QVERIFY(back.SetTolerant(1, true));
  const std::vector<int> pool = {1, 2, 3, 5, 8};
  QVERIFY(back.SetPool(pool));
  const std::vector<int> bankers = {3};
  QVERIFY(back.SetBankers(bankers));
  QVERIFY(back.SetTolerance({true, 2}));
  const BackConditionSet saved = back;
  const QString name = world_->dir.path() + "/back";
  shell_->files = {name};
  Click(back_, "b_savefq");
  QVERIFY(QFile::exists(name + ".fh"));
  QCOMPARE(shell_->titles.last(), QString("保存副区过滤条件"));

  Click(back_, "Button15");
  QVERIFY(!session_->set.Back().Condition(1).enabled);
  QCOMPARE(session_->set.Back().PoolNumbers().size(), size_t(12));
  QVERIFY(!Child<QCheckBox>(back_, "cb_f_num1")->isChecked());

  shell_->files = {name + ".fh"};
  Click(back_, "b_loadfq");
  QCOMPARE(shell_->titles.last(), QString(" 打开副区过滤条件存储文件"));
  QVERIFY(session_->set.Back() == saved);
  QVERIFY(Child<QCheckBox>(back_, "cb_f_num1")->isChecked());
  QVERIFY(Child<QCheckBox>(back_, "cb_f_num1rc")->isChecked());
  QCOMPARE(Child<QLineEdit>(back_, "e_f_num1")->text(), QString("2  4  "));
  QCOMPARE(Child<QPlainTextEdit>(back_, "m_fqkxhm")->toPlainText(),
           QString("01  02  03  05  08  "));
  QCOMPARE(Child<QPlainTextEdit>(back_, "m_fqdm")->toPlainText(), QString("03  "));
  QVERIFY(Child<QCheckBox>(back_, "cb_f_rcnumlimit")->isChecked());
  QCOMPARE(Child<QComboBox>(back_, "combo_f_rcnum")->currentText(), QString("2"));

  // A file that is no back set: the message, the zone left reset.
  QFile junk(world_->dir.path() + "/junk.fh");
  QVERIFY(junk.open(QIODevice::WriteOnly));
  junk.write("nothing");
  junk.close();
  shell_->files = {junk.fileName()};
  Click(back_, "b_loadfq");
  QCOMPARE(shell_->messages.size(), 1);
  QVERIFY(!session_->set.Back().Condition(1).enabled);
  QVERIFY(!Child<QCheckBox>(back_, "cb_f_num1")->isChecked());
}

void ZhBackTest::backListEditsAreCheckedAndSelectionIsRequired() {
  Click(back_, "Button10");
  Click(back_, "Button7");
  QCOMPARE(shell_->messages, (QStringList{"请先在上边的列表中选择一组需要删除的号码",
                                          "请先在上边的列表中选择一组需要修改的号码"}));
  QCOMPARE(shell_->dialogsRun, 0);
  shell_->messages.clear();

  // Append: the two back edits are read, checked and sorted.
  shell_->dialogHandlers.push_back(TypeNumbers({"", "", "", "", "", "9", "4"}));
  Click(back_, "Button11");
  QCOMPARE(session_->back.Count(), 1);
  QCOMPARE(session_->back.At(1), P(4, 9));
  // Out of range, equal, blank: a message each and the list unchanged.
  for (const auto& pair :
       std::vector<std::pair<QString, QString>>{{"13", "1"}, {"5", "5"}, {"", "2"}}) {
    shell_->dialogHandlers.push_back(TypeNumbers({"", "", "", "", "", pair.first, pair.second}));
    Click(back_, "Button11");
  }
  QCOMPARE(shell_->messages.size(), 3);
  QCOMPARE(session_->back.Count(), 1);

  // Edit: the dialog opens with 1..5 and the pair.
  auto* grid = Child<QTableView>(back_, "sg_fqresult");
  grid->selectRow(0);
  QStringList shown;
  shell_->dialogHandlers.push_back([&shown](QDialog& d) {
    for (const char* n : {"me_red1", "me_red5", "me_red6", "me_blue"})
      shown << d.findChild<QLineEdit*>(n)->text();
    d.findChild<QLineEdit*>("me_red6")->setText("12");
    d.findChild<QLineEdit*>("me_blue")->setText("1");
    d.accept();
  });
  Click(back_, "Button7");
  QCOMPARE(shown, (QStringList{"01", "05", "04", "09"}));
  QCOMPARE(session_->back.At(1), P(1, 12));
  QCOMPARE(grid->model()->index(0, 1).data().toString(), QString("01"));
  QCOMPARE(grid->model()->index(0, 2).data().toString(), QString("12"));
  grid->selectRow(0);
  Click(back_, "Button10");
  QCOMPARE(session_->back.Count(), 0);
  QCOMPARE(grid->model()->rowCount(), 0);
}

void ZhBackTest::backListSavesLoadsAndFeedsTheForecast() {
  // An empty list has no pair for the forecast.
  Click(back_, "Button17");
  QCOMPARE(shell_->messages, QStringList{QString::fromUtf8(kNoBackResultsMessage)});
  QVERIFY(!app_->Context().Table().HasForecast());
  QVERIFY(session_->back.Assign({P(1, 2), P(3, 11), P(7, 12)}));
  window_->BackPage().ShowList();
  const QString name = world_->dir.path() + "/pairs";
  shell_->files = {name};
  Click(back_, "Button12");
  QCOMPARE(shell_->titles.last(), QString("保存副区组号结果"));
  QCOMPARE(ReadGbkLines(name + ".txt").first(), QString("01 02 "));
  session_->back.Clear();
  shell_->files = {name + ".txt"};
  Click(back_, "Button13");
  QCOMPARE(session_->back.Items(), (std::vector<BackPair>{P(1, 2), P(3, 11), P(7, 12)}));
  QCOMPARE(Child<QTableView>(back_, "sg_fqresult")->model()->rowCount(), 3);

  // The forecast: an existing record keeps its front numbers.
  DrawTable& table = app_->Context().Table();
  Draw f;
  f.qs = kForecastQs;
  f.front = {6, 7, 8, 9, 10};
  f.back = {1, 2};
  table.PutDraw(f);
  Child<QTableView>(back_, "sg_fqresult")->selectRow(1);
  Click(back_, "Button17");
  const Draw& written = table.Draws()[size_t(table.IndexOf(kForecastQs))];
  QCOMPARE(written.front, (std::array<uint8_t, 5>{6, 7, 8, 9, 10}));
  QCOMPARE(written.back, (std::array<uint8_t, 2>{3, 11}));
  Click(back_, "Button18");
  QVERIFY(!table.HasForecast());
}

void ZhBackTest::orderMatchingPairsFrontWithBackInTurn() {
  QVERIFY(
      session_->front.AssignCombos({C(1, 2, 3, 4, 6), C(5, 10, 15, 20, 25), C(2, 9, 17, 30, 35)}));
  QVERIFY(session_->back.Assign({P(1, 2), P(5, 9)}));
  auto* style = Child<QComboBox>(match_, "cb_sqzh_style");
  QCOMPARE(style->count(), 3);
  QCOMPARE(style->currentText(), QString("顺序匹配"));
  Click(match_, "b_kszh");
  const auto& t = session_->tickets.Items();
  QCOMPARE(t.size(), size_t(3));
  QCOMPARE(t[0].back, P(1, 2));
  QCOMPARE(t[1].back, P(5, 9));
  QCOMPARE(t[2].back, P(1, 2));
  QCOMPARE(t[2].front, C(2, 9, 17, 30, 35));
  auto* grid = Child<QTableView>(match_, "sg_sqzh");
  QCOMPARE(grid->model()->columnCount(), 8);
  QCOMPARE(grid->model()->rowCount(), 3);
  QCOMPARE(grid->model()->index(1, 1).data().toString(), QString("05"));
  QCOMPARE(grid->model()->index(1, 7).data().toString(), QString("09"));
  QCOMPARE(window_->windowTitle(), QString("超强组号  已得到双区组合数有3个"));

  // Full matching: front record 1 with every pair first, in back-list order.
  style->setCurrentText("全组合匹配");
  Click(match_, "b_kszh");
  QCOMPARE(session_->tickets.Count(), 6);
  QCOMPARE(t[0].front, C(1, 2, 3, 4, 6));
  QCOMPARE(t[1].front, C(1, 2, 3, 4, 6));
  QCOMPARE(t[1].back, P(5, 9));
  QCOMPARE(t[2].front, C(5, 10, 15, 20, 25));

  // Random matching keeps the front order and takes pairs from the list.
  style->setCurrentText("随机匹配");
  Click(match_, "b_kszh");
  QCOMPARE(session_->tickets.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    QCOMPARE(t[size_t(i)].front, session_->front.Combos()[size_t(i)]);
    QVERIFY(t[size_t(i)].back == P(1, 2) || t[size_t(i)].back == P(5, 9));
  }
  QVERIFY(shell_->messages.isEmpty());
}

void ZhBackTest::fullMatchingIsRefusedAbove50000() {
  std::vector<Combo> front(25001, C(1, 2, 3, 4, 5));
  QVERIFY(session_->front.AssignCombos(front));
  QVERIFY(session_->back.Assign({P(1, 2), P(3, 4)}));
  QVERIFY(session_->tickets.Assign({Ticket{C(1, 2, 3, 4, 5), P(1, 2), 0}}));
  Child<QComboBox>(match_, "cb_sqzh_style")->setCurrentText("全组合匹配");
  Click(match_, "b_kszh");
  QCOMPARE(shell_->messages, QStringList{QString::fromUtf8(kTooManyTicketsMessage)});
  QCOMPARE(session_->tickets.Count(), 1);  // the previous list stays
  // 25,000 x 2 = 50,000 is allowed.
  front.pop_back();
  QVERIFY(session_->front.AssignCombos(front));
  Click(match_, "b_kszh");
  QCOMPARE(shell_->messages.size(), 1);
  QCOMPARE(session_->tickets.Count(), 50000);
  QCOMPARE(Child<QTableView>(match_, "sg_sqzh")->model()->rowCount(), 50000);
}

void ZhBackTest::matchingNeedsBothLists() {
  Click(match_, "b_kszh");
  QVERIFY(session_->front.AssignCombos({C(1, 2, 3, 4, 6)}));
  Click(match_, "b_kszh");
  QCOMPARE(shell_->messages, (QStringList{QString::fromUtf8(kNoFrontResultsMessage),
                                          QString::fromUtf8(kNoBackResultsMessage)}));
  QCOMPARE(session_->tickets.Count(), 0);
  // 50,001 front records are refused in every style.
  QVERIFY(session_->front.AssignCombos(std::vector<Combo>(50001, C(1, 2, 3, 4, 6))));
  QVERIFY(session_->back.Assign({P(1, 2)}));
  Click(match_, "b_kszh");
  QCOMPARE(shell_->messages.last(), QString::fromUtf8(kTooManyTicketsMessage));
  QCOMPARE(session_->tickets.Count(), 0);
}

void ZhBackTest::prizeCheckSortsAndShowsTheNinthColumn() {
  const DrawTable& table = app_->Context().Table();
  const Draw draw = table.Draws()[20];
  const Combo hit = draw.front;
  // Front numbers that miss the draw entirely.
  std::vector<int> misses;
  for (int n = 1; n <= 35 && misses.size() < 5; ++n)
    if (std::find(draw.front.begin(), draw.front.end(), n) == draw.front.end()) misses.push_back(n);
  int otherBack = 1;
  while (otherBack == draw.back[0] || otherBack == draw.back[1]) ++otherBack;
  int otherBack2 = otherBack + 1;
  while (otherBack2 == draw.back[0] || otherBack2 == draw.back[1]) ++otherBack2;
  Combo none = C(misses[0], misses[1], misses[2], misses[3], misses[4]);
  std::vector<int> two = {draw.front[0], draw.front[1], misses[0], misses[1], misses[2]};
  std::sort(two.begin(), two.end());
  const Combo twoFront = C(two[0], two[1], two[2], two[3], two[4]);
  const Ticket noPrize{none, P(otherBack, otherBack2), 0};
  const Ticket seventh{twoFront, draw.back, 0};  // 2 + 2
  const Ticket first{hit, draw.back, 0};         // 5 + 2
  QVERIFY(session_->tickets.Assign({noPrize, seventh, first, noPrize}));

  shell_->dialogHandlers.push_back([&](QDialog& d) {
    auto* qs = d.findChild<QLineEdit*>("me_qs");
    QVERIFY(qs);
    QCOMPARE(qs->text(), QString());
    qs->setText(QString::number(draw.qs));
    // Typing a draw number of the history fills the seven numbers.
    QCOMPARE(d.findChild<QLineEdit*>("me_hm1")->text(),
             QString::fromStdString(TwoDigit(draw.front[0])));
    QCOMPARE(d.findChild<QLineEdit*>("me_hm7")->text(),
             QString::fromStdString(TwoDigit(draw.back[1])));
    Click(&d, "b_ok");
  });
  Click(match_, "Button14");
  QVERIFY2(shell_->messages.isEmpty(), qPrintable(shell_->messages.join("|")));
  const auto& t = session_->tickets.Items();
  QCOMPARE(t.size(), size_t(4));
  QCOMPARE(t[0].front, hit);
  QCOMPARE(int(t[0].prize), 1);
  QCOMPARE(t[1].front, twoFront);
  QCOMPARE(int(t[1].prize), 7);
  QCOMPARE(int(t[2].prize), 0);
  QCOMPARE(int(t[3].prize), 0);
  auto* grid = Child<QTableView>(match_, "sg_sqzh");
  QCOMPARE(grid->model()->columnCount(), 9);
  QCOMPARE(grid->model()->headerData(8, Qt::Horizontal).toString(), QString("中奖情况"));
  QCOMPARE(grid->model()->index(0, 8).data().toString(), QString("一等奖"));
  QCOMPARE(grid->model()->index(1, 8).data().toString(), QString("七等奖"));
  QCOMPARE(grid->model()->index(3, 8).data().toString(), QString("未中奖"));
  QCOMPARE(Child<QPlainTextEdit>(match_, "m_reward")->toPlainText(),
           QString("一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:0个;六等奖:0个;"
                   "七等奖:1个;八等奖:0个;未中奖:2个"));
  // A new matching shows eight columns again.
  QVERIFY(session_->front.AssignCombos({C(1, 2, 3, 4, 6)}));
  QVERIFY(session_->back.Assign({P(1, 2)}));
  Click(match_, "b_kszh");
  QCOMPARE(grid->model()->columnCount(), 8);
}

void ZhBackTest::prizeCheckRefusesAnUnreadableDraw() {
  const Ticket t{C(1, 2, 3, 4, 5), P(1, 2), 0};
  QVERIFY(session_->tickets.Assign({t}));
  shell_->dialogHandlers.push_back([](QDialog& d) {
    const std::array<const char*, 7> texts = {"1", "2", "3", "4", "", "1", "2"};
    for (int i = 0; i < 7; ++i)
      d.findChild<QLineEdit*>(QStringLiteral("me_hm%1").arg(i + 1))->setText(texts[size_t(i)]);
    d.accept();
  });
  Click(match_, "Button14");
  QCOMPARE(shell_->messages.size(), 1);
  QCOMPARE(int(session_->tickets.At(1).prize), 0);
  QCOMPARE(Child<QTableView>(match_, "sg_sqzh")->model()->columnCount(), 8);
  QCOMPARE(Child<QPlainTextEdit>(match_, "m_reward")->toPlainText(), QString());
  // Cancel grades nothing either.
  Click(match_, "Button14");
  QCOMPARE(shell_->messages.size(), 1);

  // An empty list gives the summary with every count 0.
  session_->tickets.Clear();
  const Draw& draw = app_->Context().Table().Draws().back();
  shell_->dialogHandlers.push_back([&draw](QDialog& d) {
    d.findChild<QLineEdit*>("me_qs")->setText(QString::number(draw.qs));
    d.accept();
  });
  Click(match_, "Button14");
  QCOMPARE(shell_->messages.size(), 1);
  QCOMPARE(Child<QPlainTextEdit>(match_, "m_reward")->toPlainText(),
           QString("一等奖:0个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:0个;六等奖:0个;"
                   "七等奖:0个;八等奖:0个;未中奖:0个"));
}

void ZhBackTest::randomTicketsTakeTheCountEdit() {
  auto* count = Child<QLineEdit>(match_, "me_zh_jxzh");
  QCOMPARE(count->text().trimmed(), QString("10"));
  count->setText("");
  Click(match_, "b_zh_jxhm");
  QCOMPARE(session_->tickets.Count(), 10);
  count->setText("250");
  Click(match_, "b_zh_jxhm");
  QCOMPARE(session_->tickets.Count(), 250);
  for (const Ticket& t : session_->tickets.Items()) {
    QVERIFY(t.back[0] >= 1 && t.back[0] < t.back[1] && t.back[1] <= 12);
    for (int i = 0; i < 5; ++i) QVERIFY(t.front[size_t(i)] >= 1 && t.front[size_t(i)] <= 35);
    for (int i = 0; i < 4; ++i) QVERIFY(t.front[size_t(i)] < t.front[size_t(i + 1)]);
  }
  QCOMPARE(window_->windowTitle(), QString("超强组号  已得到双区组合数有250个"));
}

void ZhBackTest::ticketEditsAreCheckedAndPrintOpensTheListing() {
  Click(match_, "Button1");
  Click(match_, "Button4");
  Click(match_, "Button9");
  QCOMPARE(shell_->messages, (QStringList{"请先在上边的列表中选择一组需要删除的号码",
                                          "请先在上边的列表中选择一组需要修改的号码",
                                          "请先在上边的列表中选择一组号码"}));
  shell_->messages.clear();
  shell_->dialogHandlers.push_back(TypeNumbers({"35", "3", "17", "8", "1", "12", "2"}));
  Click(match_, "Button5");
  QCOMPARE(session_->tickets.Count(), 1);
  QCOMPARE(session_->tickets.At(1).front, C(1, 3, 8, 17, 35));
  QCOMPARE(session_->tickets.At(1).back, P(2, 12));
  // A repeated front number and a blank one are refused with a message.
  shell_->dialogHandlers.push_back(TypeNumbers({"3", "3", "17", "8", "1", "12", "2"}));
  Click(match_, "Button5");
  shell_->dialogHandlers.push_back(TypeNumbers({"3", "4", "17", "8", "", "12", "2"}));
  Click(match_, "Button5");
  QCOMPARE(shell_->messages.size(), 2);
  QCOMPARE(session_->tickets.Count(), 1);

  Click(match_, "b_zh_print");
  QCOMPARE(shell_->opened.size(), size_t(1));
  const QString listing = shell_->opened[0].toLocalFile();
  const QStringList lines = ReadGbkLines(listing);
  QCOMPARE(lines[0],
           QString("记录号          主号一  主号二  主号三  主号四  主号五  副号一  副号二"));
  QVERIFY(lines[1].startsWith("第1条"));
  QVERIFY(lines[1].endsWith("      01      03      08      17      35      02      12"));

  // The ticket into the forecast record: all seven numbers.
  Child<QTableView>(match_, "sg_sqzh")->selectRow(0);
  Click(match_, "Button9");
  const DrawTable& table = app_->Context().Table();
  QVERIFY(table.HasForecast());
  const Draw& f = table.Draws()[size_t(table.IndexOf(kForecastQs))];
  QCOMPARE(f.front, C(1, 3, 8, 17, 35));
  QCOMPARE(f.back, P(2, 12));
  Click(match_, "Button8");
  QVERIFY(!table.HasForecast());

  // Save and load give the same list.
  const QString name = world_->dir.path() + "/tickets";
  shell_->files = {name};
  Click(match_, "Button2");
  session_->tickets.Clear();
  shell_->files = {name + ".txt"};
  Click(match_, "Button3");
  QCOMPARE(session_->tickets.Count(), 1);
  QCOMPARE(session_->tickets.At(1).front, C(1, 3, 8, 17, 35));
}

void ZhBackTest::listReportIsWrittenAndOpened() {
  QVERIFY(session_->set.SetEnabled(1, true));
  QVERIFY(session_->set.SetValues(1, *ValueSet::From({2, 3})));
  QVERIFY(session_->set.SetTolerant(1, true));
  ShowConditionListReport(app_->Context(), *session_, window_);
  QCOMPARE(shell_->opened.size(), size_t(1));
  const QString path = shell_->opened[0].toLocalFile();
  QVERIFY(path.endsWith("database/showcond.txt"));
  const QStringList lines = ReadGbkLines(path);
  QVERIFY2(lines.contains("大数个数：2，3，（容错）"), qPrintable(lines.join("\n")));
  QVERIFY(lines.contains("指标过滤设置："));
}

void ZhBackTest::checkReportAsksForDrawAndMode() {
  const DrawTable& table = app_->Context().Table();
  const Draw draw = table.Draws()[30];
  QVERIFY(session_->set.SetEnabled(75, true));  // 主号一 holds the draw's first number
  QVERIFY(session_->set.SetValues(75, *ValueSet::From({draw.front[0]})));
  QVERIFY(session_->set.SetEnabled(76, true));  // 主号二 does not
  QVERIFY(session_->set.SetValues(76, *ValueSet::From({int32_t(draw.front[1]) + 1})));

  // Cancel in the issue dialog: nothing written.
  ShowConditionCheckReport(app_->Context(), *session_, window_);
  QVERIFY(shell_->opened.empty());

  QString newestShown;
  shell_->dialogHandlers.push_back([&](QDialog& d) {
    auto* qh = d.findChild<QComboBox*>("cb_qh");
    QVERIFY(qh);
    QCOMPARE(qh->count(), table.RecordCount());
    newestShown = qh->currentText();
    qh->setCurrentText(QString::number(draw.qs));
    Click(&d, "b_ok");
  });
  shell_->dialogHandlers.push_back([](QDialog& d) {
    QTest::mouseClick(d.findChild<QRadioButton*>("rb_3"), Qt::LeftButton);
    Click(&d, "b_ok");
  });
  ShowConditionCheckReport(app_->Context(), *session_, window_);
  QCOMPARE(newestShown, QString::number(table.Draws().back().qs));
  QCOMPARE(shell_->opened.size(), size_t(1));
  const QStringList lines = ReadGbkLines(shell_->opened[0].toLocalFile());
  const QString wrong = QString("错误 红号二：%1，").arg(draw.front[1] + 1);
  QVERIFY2(lines.contains(wrong), qPrintable(lines.join("\n")));
  for (const QString& line : lines) QVERIFY2(!line.startsWith("正确 "), qPrintable(line));
}

void ZhBackTest::batchOfOneFileEqualsOneFilter() {
  ConditionSet file;
  QVERIFY(file.SetEnabled(1, true));
  QVERIFY(file.SetValues(1, *ValueSet::From({2})));
  QVERIFY(file.SetEnabled(2, true));
  QVERIFY(file.SetValues(2, *ValueSet::From({3})));
  QVERIFY(file.SetEnabled(25, true));
  QVERIFY(file.SetValues(25, *ValueSet::Range(80, 100)));
  const QString path = QString::fromStdString(app_->Context().folder.SaveDir()) + "/b1.zh";
  std::string error;
  QVERIFY2(SaveFrontSet(file, path.toStdString(), &error), error.c_str());

  auto* contfilter = Child<QPushButton>(window_, "b_contfilter");
  QVERIFY(contfilter && !contfilter->isEnabled());
  shell_->files = {path};
  shell_->dialogHandlers.push_back([](QDialog& d) {
    Click(&d, "b_add");
    QCOMPARE(d.findChild<QListWidget*>("lb_cond")->count(), 1);
    Click(&d, "Button2");
  });
  RunBatchFilter(app_->Context(), *session_, *window_);
  QCOMPARE(shell_->titles.last(), QString(" 加入过滤条件文件"));
  QVERIFY(!shell_->messages.isEmpty());
  QCOMPARE(shell_->messages.last(), QString("批量过滤完毕"));

  ConditionSet loaded;
  QVERIFY(LoadFrontSet(path.toStdString(), loaded).ok);
  ResultList expected;
  QVERIFY(RunFilter(Env(), loaded, expected).Done());
  QVERIFY(expected.Count() > 0);
  QCOMPARE(session_->front.Combos(), expected.Combos());
  QVERIFY(contfilter->isEnabled());
  // The window's set is the file's set, as after loading it.
  QVERIFY(session_->set.Indicator(25).values == loaded.Indicator(25).values);
  QVERIFY(window_->windowTitle().contains(
      QString("已得到符合条件的主号组有%1个").arg(expected.Count())));
}

void ZhBackTest::batchDialogKeepsItsFileList() {
  const QString save = QString::fromStdString(app_->Context().folder.SaveDir());
  shell_->files = {save + "/a.zh", save + "/b.zh"};
  shell_->dialogHandlers.push_back([](QDialog& d) {
    Click(&d, "b_add");
    Click(&d, "b_add");
    auto* list = d.findChild<QListWidget*>("lb_cond");
    QCOMPARE(list->count(), 2);
    list->setCurrentRow(0);
    Click(&d, "Button1");
    QCOMPARE(list->count(), 1);
    QVERIFY(list->item(0)->text().endsWith("b.zh"));
    Click(&d, "Button3");  // 返回
  });
  const auto before = session_->front.Combos();
  RunBatchFilter(app_->Context(), *session_, *window_);
  QVERIFY(shell_->messages.isEmpty());  // nothing ran
  QCOMPARE(session_->front.Combos(), before);
  shell_->dialogHandlers.push_back([](QDialog& d) {
    auto* list = d.findChild<QListWidget*>("lb_cond");
    QCOMPARE(list->count(), 1);
    Click(&d, "Button4");  // 清除
    QCOMPARE(list->count(), 0);
    Click(&d, "Button3");
  });
  RunBatchFilter(app_->Context(), *session_, *window_);
}

void ZhBackTest::batchSkipsAMissingFileAndContinuesWithTheNext() {
  ConditionSet first;
  QVERIFY(first.SetEnabled(2, true));
  QVERIFY(first.SetValues(2, *ValueSet::From({2, 3})));
  ConditionSet second;
  QVERIFY(second.SetEnabled(25, true));
  QVERIFY(second.SetValues(25, *ValueSet::Range(70, 110)));
  QVERIFY(second.SetEnabled(1, true));
  QVERIFY(second.SetValues(1, *ValueSet::From({2})));
  QVERIFY(second.SetTolerant(1, true));
  const QString save = QString::fromStdString(app_->Context().folder.SaveDir());
  QVERIFY(SaveFrontSet(first, (save + "/first.zh").toStdString()));
  QVERIFY(SaveFrontSet(second, (save + "/second.zh").toStdString()));

  shell_->files = {save + "/missing.zh", save + "/first.zh", save + "/second.zh"};
  shell_->dialogHandlers.push_back([](QDialog& d) {
    for (int i = 0; i < 3; ++i) Click(&d, "b_add");
    Click(&d, "Button2");
  });
  RunBatchFilter(app_->Context(), *session_, *window_);
  // A missing file is passed over without a message.
  QCOMPARE(shell_->messages, QStringList{"批量过滤完毕"});

  ConditionSet set;
  QVERIFY(LoadFrontSet((save + "/first.zh").toStdString(), set).ok);
  ResultList expected;
  QVERIFY(RunFilter(Env(), set, expected).Done());
  QVERIFY(LoadFrontSet((save + "/second.zh").toStdString(), set).ok);
  QVERIFY(RunContinueFilter(Env(), set, expected).Done());
  QVERIFY(expected.Count() > 0);
  QCOMPARE(session_->front.Combos(), expected.Combos());
  QVERIFY(session_->set.IsTolerant(1));
}

DLT_GUI_TEST(ZhBackTest);
#include "zh_back_test.moc"
