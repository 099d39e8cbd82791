// What a new user meets first: typing into masked edits, files opened
// without a desktop program, the status lines of the generator's lists and
// the generator window on a 1366x768 screen.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "generator/condition_report.h"
#include "gui/app/app_settings.h"
#include "gui/app/below_toolbar.h"
#include "gui/app/masked_edit.h"
#include "gui/app/text_file_viewer.h"
#include "gui/app/tf_main.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_checkreward.h"
#include "gui/generator/tf_getchoiceextend.h"
#include "gui/generator/tf_xgzh.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_back_page.h"
#include "gui/generator/zh_match_page.h"
#include "gui/generator/zh_session.h"
#include "gui/generator/zh_status_line.h"
#include "gui/history/tf_gxsjq.h"
#include "gui/killnum/tf_tdsh.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "support/test_support.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;
using dlt::test::FrontNumber;

namespace {

QList<TextFileViewer*> Viewers() {
  QList<TextFileViewer*> viewers;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* v = qobject_cast<TextFileViewer*>(w); v && v->isVisible()) viewers << v;
  return viewers;
}

}  // namespace

class UsabilityTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void aClickIntoTheBlanksTypesFromTheFirstFreePlace_data();
  void aClickIntoTheBlanksTypesFromTheFirstFreePlace();
  void aPartlyTypedEditContinuesAndShownNumbersKeepTwoDigits();
  void aReportOpensInTheViewerWhenTheDesktopCannot();
  void killAndBankerExportsOpenInTheViewerToo();
  void eachPageKeepsItsOwnCountAndTime();
  void theStatusTextIsReadable();
  void theGeneratorFitsA1366x768Screen();
  void maximisingKeepsTheToolbarInView();
  void theNoticeAddressIsSetInTheSettingsAndChecked();

 private:
  std::unique_ptr<TestWorld> world_;
  std::unique_ptr<DltApp> app_;
};

void UsabilityTest::init() {
  world_ = std::make_unique<TestWorld>();
  std::vector<Draw> draws = History(40);
  draws.back().front = {3, 8, 12, 21, 33};
  draws.back().back = {4, 12};
  world_->SeedDraws(draws);
  app_ = world_->StartApp();
  QVERIFY(app_->Main()->ShowStepDone());
  world_->shell.messages.clear();
}

void UsabilityTest::cleanup() {
  for (TextFileViewer* v : Viewers()) v->close();
  app_.reset();
  world_.reset();
}

void UsabilityTest::aClickIntoTheBlanksTypesFromTheFirstFreePlace_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("edit");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("text");
  QTest::newRow("期数") << "Tf_gxsjq"
                        << "e_qs"
                        << "2009001"
                        << "2009001";
  QTest::newRow("主号") << "Tf_gxsjq"
                        << "e_zh"
                        << "0305121822"
                        << "03-05-12-18-22";
  QTest::newRow("副号") << "Tf_gxsjq"
                        << "e_spec"
                        << "0511"
                        << "05-11";
  QTest::newRow("对奖期数") << "Tf_checkreward"
                            << "me_qs"
                            << "2007003"
                            << "2007003";
  QTest::newRow("对奖号码") << "Tf_checkreward"
                            << "me_hm6"
                            << "7"
                            << "7";
  QTest::newRow("取值范围") << "Tf_getchoiceextend"
                            << "me_qzfwto"
                            << "95"
                            << "95";
  QTest::newRow("修改组号") << "Tf_xgzh"
                            << "me_red1"
                            << "08"
                            << "08";
}

void UsabilityTest::aClickIntoTheBlanksTypesFromTheFirstFreePlace() {
  QFETCH(QString, window);
  QFETCH(QString, edit);
  QFETCH(QString, typed);
  QFETCH(QString, text);
  QWidget* w = app_->Windows().Find(window);
  QVERIFY(w);
  if (auto* picker = qobject_cast<Tf_getchoiceextend*>(w)) {
    picker->Prepare(40, 160, 95);
    picker->setModal(false);
  }
  w->show();
  if (window == "Tf_getchoiceextend") Child<QCheckBox>(w, "cb_qzfw")->setChecked(true);
  auto* e = Child<QLineEdit>(w, qPrintable(edit));
  QVERIFY(e->isEnabled());
  e->clear();
  QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(e->width() * 2 / 3, e->height() / 2));
  QTest::keyClicks(e, typed);
  QCOMPARE(e->text(), text);
  w->hide();
}

void UsabilityTest::aPartlyTypedEditContinuesAndShownNumbersKeepTwoDigits() {
  auto* update = app_->Windows().Get<Tf_gxsjq>();
  update->show();
  auto* zh = Child<MaskedEdit>(update, "e_zh");
  zh->clear();
  QTest::mouseClick(zh, Qt::LeftButton, {}, QPoint(zh->width() / 2, zh->height() / 2));
  QTest::keyClicks(zh, "0305");
  // Focus elsewhere and back by a click at the far end: typing goes on after "05".
  Child<QLineEdit>(update, "e_qs")->setFocus();
  QTest::mouseClick(zh, Qt::LeftButton, {}, QPoint(zh->width() - 4, zh->height() / 2));
  QTest::keyClicks(zh, "121822");
  QCOMPARE(zh->text(), QString("03-05-12-18-22"));
  // A click on a typed digit stays there, so the digit can be corrected.
  QTest::mouseClick(zh, Qt::LeftButton, {}, QPoint(2, zh->height() / 2));
  QCOMPARE(zh->cursorPosition(), 0);
  update->close();

  // The prize dialog fills the numbers of a stored draw with two digits.
  auto* prize = app_->Windows().Get<Tf_checkreward>();
  prize->Prepare();
  QTest::keyClicks(Child<QLineEdit>(prize, "me_qs"), "2007040");
  QStringList shown;
  for (int i = 1; i <= 7; ++i)
    shown << Child<QLineEdit>(prize, qPrintable(QStringLiteral("me_hm%1").arg(i)))->text();
  QCOMPARE(shown, (QStringList{"03", "08", "12", "21", "33", "04", "12"}));
  QCOMPARE(prize->NumberTexts()[0], std::string("03"));
}

void UsabilityTest::aReportOpensInTheViewerWhenTheDesktopCannot() {
  FakeShell& shell = world_->shell;
  shell.openSucceeds = false;
  auto* zh = app_->Windows().Get<Tf_zh>();
  zh->Session().set.SetEnabled(FrontNumber("dsgs"), true);
  zh->show();
  Click(zh, "b_showcond");
  QCOMPARE(Viewers().size(), 1);
  TextFileViewer* viewer = Viewers().first();
  const QString path = world_->DataDir() + "/database/showcond.txt";
  QCOMPARE(viewer->Path(), path);
  QVERIFY(Child<QLabel>(viewer, "l_path")->text().contains("showcond.txt"));
  // The GBK file reads back as the report the engine wrote.
  QStringList report;
  for (const std::string& line : ConditionListReport(zh->Session().set))
    report << QString::fromStdString(line);
  QCOMPARE(viewer->ShownText(), report.join('\n') + '\n');
  QVERIFY(viewer->ShownText().contains("大数个数"));

  // The same file again: the one viewer shows the new content.
  zh->Session().set.SetEnabled(FrontNumber("jsgs"), true);
  Click(zh, "b_showcond");
  QCOMPARE(Viewers().size(), 1);
  QVERIFY(viewer->ShownText().contains("奇数个数"));

  shell.openSucceeds = true;
  Click(viewer, "b_openfolder");
  QCOMPARE(shell.opened.back(), QUrl::fromLocalFile(world_->DataDir() + "/database"));
  QVERIFY(shell.messages.isEmpty());

  // The listing of "打印", opened by the desktop when it can.
  Click(zh, "b_zq_print");
  QCOMPARE(shell.opened.back(), QUrl::fromLocalFile(world_->DataDir() + "/temppadnote.txt"));
  QCOMPARE(Viewers().size(), 1);
}

void UsabilityTest::killAndBankerExportsOpenInTheViewerToo() {
  FakeShell& shell = world_->shell;
  shell.openSucceeds = false;
  auto* tdsh = app_->Windows().Get<Tf_tdsh>();
  tdsh->show();
  const struct {
    int tab;
    const char* button;
    const char* title;
  } exports[] = {{0, "b_hmsh_export", "导出杀号数据"}, {2, "b_hmtd_export", "导出提胆数据"}};
  for (const auto& e : exports) {
    tdsh->Tabs()->setCurrentIndex(e.tab);
    const QString path = world_->dir.path() + "/" + e.button;
    shell.files.push_back(path);
    Click(tdsh, e.button);
    QCOMPARE(shell.titles.back(), QString(e.title));
    QCOMPARE(shell.opened.back(), QUrl::fromLocalFile(path + ".txt"));
    TextFileViewer* shown = nullptr;
    for (TextFileViewer* v : Viewers())
      if (v->Path() == path + ".txt") shown = v;
    QVERIFY2(shown, e.button);
    QVERIFY(shown->ShownText().startsWith("序号"));
  }
  QCOMPARE(Viewers().size(), 2);
}

void UsabilityTest::eachPageKeepsItsOwnCountAndTime() {
  auto* zh = app_->Windows().Get<Tf_zh>();
  ZhSession& session = zh->Session();
  zh->show();
  const QRegularExpression timed(QStringLiteral("^[0-9,]+ 注, (< 0\\.01|[0-9]+\\.[0-9]{2}) 秒$"));

  // The back filter: the pairs of 1..5, with the time of the run.
  session.set.Back().SetPool(std::vector<int>{1, 2, 3, 4, 5});
  Click(zh, "b_bluefilter");
  QCOMPARE(session.back.Count(), 10);
  auto* back = Child<QLabel>(zh, "l_fq_status");
  QVERIFY2(timed.match(back->text()).hasMatch(), qPrintable(back->text()));
  QVERIFY(back->text().startsWith("10 注, "));
  // Two digits everywhere ("04 05", not "4 5").
  auto* grid = Child<QTableView>(zh, "sg_fqresult");
  QStringList numbers;
  for (int row = 0; row < 10; ++row)
    for (int column : {1, 2}) numbers << grid->model()->index(row, column).data().toString();
  numbers.removeDuplicates();
  numbers.sort();
  QCOMPARE(numbers, (QStringList{"01", "02", "03", "04", "05"}));

  // A front list of 12,345 records, loaded: the count alone, grouped by thousands.
  QVERIFY(session.front.AssignCombos(std::vector<Combo>(12345, Combo{1, 2, 3, 4, 5})));
  zh->FrontListChanged();
  QCOMPARE(Child<QLabel>(zh, "l_zq_status")->text(), QString("12,345 注"));

  // Matching makes 12,345 tickets; neither of the other lines changes.
  Click(zh, "b_kszh");
  auto* match = Child<QLabel>(zh, "l_sq_status");
  QVERIFY2(timed.match(match->text()).hasMatch(), qPrintable(match->text()));
  QVERIFY(match->text().startsWith("12,345 注, "));
  QCOMPARE(Child<QLabel>(zh, "l_zq_status")->text(), QString("12,345 注"));
  QVERIFY(back->text().startsWith("10 注, "));
  // The caption keeps its old form, now the two-zone list's.
  QCOMPARE(zh->windowTitle(), QString("超强组号  已得到双区组合数有12345个"));

  // A deleted ticket: the count alone.
  zh->MatchPage().Grid()->selectRow(0);
  Click(zh, "Button1");
  QCOMPARE(match->text(), QString("12,344 注"));
}

void UsabilityTest::theStatusTextIsReadable() {
  QCOMPARE(ListStatusText(0), QString("0 注"));
  QCOMPARE(ListStatusText(999, 12'345'678), QString("999 注, 12.35 秒"));
  QCOMPARE(ListStatusText(119'797, 870'000), QString("119,797 注, 0.87 秒"));
  QCOMPARE(ListStatusText(324'632, 4'999), QString("324,632 注, < 0.01 秒"));
  QCOMPARE(ListStatusText(1'000, 5'000), QString("1,000 注, 0.01 秒"));
}

void UsabilityTest::theGeneratorFitsA1366x768Screen() {
  auto* zh = app_->Windows().Get<Tf_zh>();
  zh->Session().set.SetPool([] {
    std::vector<int> all;
    for (int n = 1; n <= 35; ++n) all.push_back(n);
    return all;
  }());
  app_->Main()->Button("b_zh")->click();
  QVERIFY(QTest::qWaitForWindowExposed(zh));
  const QRect screen = zh->screen()->geometry();
  QCOMPARE(screen.size(), QSize(1366, 768));
  QVERIFY2(screen.contains(zh->frameGeometry()), "the whole window on the screen");
  QVERIFY(zh->frameGeometry().top() >= kFeatureWindowTop);
  // Every condition tab in view, none behind scroll arrows.
  auto* tabs = Child<QTabWidget>(zh, "PageControl2");
  QTabBar* bar = tabs->tabBar();
  QCOMPARE(bar->count(), 13);
  for (int i = 0; i < bar->count(); ++i)
    QVERIFY2(bar->rect().contains(bar->tabRect(i)), qPrintable(bar->tabText(i)));
  for (QToolButton* arrow : bar->findChildren<QToolButton*>())
    QVERIFY2(!arrow->isVisible(), "no scroll arrows");
  // All 35 numbers of the pool in view.
  auto* pool = Child<QPlainTextEdit>(zh, "m_zqkxhm");
  QVERIFY(pool->toPlainText().contains("35"));
  QCOMPARE(pool->verticalScrollBar()->maximum(), 0);
  QCOMPARE(pool->horizontalScrollBar()->maximum(), 0);
  // A long value list shows from its start, the whole of it in the tooltip.
  zh->Session().set.SetEnabled(FrontNumber("hzyl"), true);
  std::vector<int32_t> values = {6};
  for (int v = 8; v <= 110; ++v) values.push_back(v);
  zh->Session().set.SetValues(FrontNumber("hzyl"), *ValueSet::From(values));
  zh->FrontSetChanged();
  auto* edit = Child<QLineEdit>(zh, "e_hzyl");
  QCOMPARE(edit->cursorPosition(), 0);
  QCOMPARE(edit->toolTip(), QString("104个: 6,8-110"));
}

void UsabilityTest::maximisingKeepsTheToolbarInView() {
  auto* zh = app_->Windows().Get<Tf_zh>();
  app_->Main()->Button("b_zh")->click();
  QVERIFY(QTest::qWaitForWindowExposed(zh));
  const QRect normal = zh->geometry();
  zh->setWindowState(Qt::WindowMaximized);
  QCoreApplication::processEvents();
  QCOMPARE(zh->windowState() & Qt::WindowMaximized, Qt::WindowNoState);
  const QRect available = zh->screen()->availableGeometry();
  QVERIFY(zh->frameGeometry().top() >= kFeatureWindowTop);
  QCOMPARE(zh->frameGeometry().bottom(), available.bottom());
  QCOMPARE(zh->frameGeometry().width(), available.width());
  QVERIFY(!zh->frameGeometry().intersects(app_->Main()->frameGeometry()));
  // Maximised again: back as it was.
  zh->setWindowState(Qt::WindowMaximized);
  QCoreApplication::processEvents();
  QCOMPARE(zh->geometry(), normal);
}

void UsabilityTest::theNoticeAddressIsSetInTheSettingsAndChecked() {
  QWidget* settings = app_->Windows().Find("Tf_set");
  settings->show();
  auto* address = Child<QLineEdit>(settings, "e_noticeurl");
  QCOMPARE(address->text(), QString());
  FakeShell& shell = world_->shell;
  for (const char* bad : {"ftp://example.com/notice", "example.com", "file:///etc/passwd",
                          "http://", "https://exa mple.com/"}) {
    address->setText(bad);
    Click(settings, "b_savenoticeurl");
  }
  QCOMPARE(shell.messages.size(), 5);
  QCOMPARE(shell.messages.first(), QString("公告页地址必须是以http://或https://开头的网址"));
  QCOMPARE(app_->Context().settings.NoticeUrl(), QString());
  address->setText("  https://example.com/dlt/notice.txt ");
  Click(settings, "b_savenoticeurl");
  QCOMPARE(shell.messages.size(), 5);
  QCOMPARE(app_->Context().settings.NoticeUrl(), QString("https://example.com/dlt/notice.txt"));
  // An empty address turns the download off again.
  address->clear();
  Click(settings, "b_savenoticeurl");
  QCOMPARE(app_->Context().settings.NoticeUrl(), QString());
}

// The tests see the program on a 1366x768 screen, the smallest it is made for.
DLT_GUI_TEST_ON_SMALLEST_SCREEN(UsabilityTest);

#include "usability_test.moc"
