// Start-up, the toolbar, help and the close step of the desktop program.
#include <sqlite3.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <array>

#include "common/install_data.h"
#include "generator/condition_files.h"
#include "gui/app/app_settings.h"
#include "gui/app/screenshots.h"
#include "gui/app/startup_steps.h"
#include "gui/app/tdm.h"
#include "gui/app/text_file_viewer.h"
#include "gui/app/tf_main.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "history/settings_file.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void everyWindowIsCreatedInOrderWithItsCaption();
  void aLeftoverForecastIsRemovedAndTheCursorIsTenDrawsBack();
  void fewerThanTenDrawsLeaveTheCursorAtTheFirst();
  void settingsDefaultsAreWrittenWhenAbsent();
  void theCommandLineReadsTheSameSettings();
  void aBadStoredRowIsDeletedOrEndsTheStart();
  void theDataFolderIsSeededWithTheInstallationData();
  void anInstalledTreeBesideTheProgramComesBeforeTheSources();
  void theToolbarLaysOutElevenEqualButtonsAndOpensTheTrendWindow();
  void theUpdateWindowAndTheAnalysisWindowsCloseEachOther();
  void helpOpensTheHelpPageOrShowsItWithoutADesktopProgram();
  void theCloseStepSavesTheSetDeletesSnapshotsAndOpensOnlyWebAddresses();
  void theCloseStepWithoutAGeneratorSavesNoSet();
  void thePictureTourOfAnEmptyFolderNeverWaits();
};

void StartupTest::everyWindowIsCreatedInOrderWithItsCaption() {
  TestWorld world;
  auto app = world.MakeApp();
  QVERIFY2(app->Ok(), qPrintable(app->Error()));
  const QStringList expected = {"Tf_main",
                                "Tf_tjq",
                                "Tf_gxsjq",
                                "Tf_zh",
                                "Tf_fxd",
                                "Tf_bluefxd",
                                "Tf_enterblue",
                                "Tf_selfcond",
                                "Tf_checkreward",
                                "Tf_help",
                                "Tf_coldhotset",
                                "Tf_informdownload",
                                "Tf_xgzh",
                                "Tf_showpic",
                                "Tf_getchoiceextend",
                                "Tf_zbpx",
                                "Tf_zbpxz",
                                "Tf_fzsr",
                                "Tf_set",
                                "Tf_addselfzb",
                                "Tf_tdsh",
                                "Tf_getchoiceextend_plus",
                                "Tf_searchgs",
                                "Tf_selfsh_set",
                                "Tf_scfa",
                                "Tf_selfhns",
                                "Tf_addsj",
                                "Tf_zj1",
                                "Tf_fqfw",
                                "Tf_xtqz",
                                "Tf_zbzh_set",
                                "Tf_tyzsd_modify",
                                "Tf_filter_zbpxz",
                                "Tf_wsset",
                                "Tf_resultjq",
                                "Tf_collectgs",
                                "Tf_moredb",
                                "Tf_qh",
                                "Tf_condchoice",
                                "Tf_groupfilter",
                                "Tf_lshc",
                                "Tf_wdtz"};
  QStringList names;
  for (QWidget* w : app->Windows().All()) {
    names << w->objectName();
    QCOMPARE(QString(w->metaObject()->className()), "dlt::gui::" + w->objectName());
  }
  QCOMPARE(names, expected);
  QCOMPARE(app->Windows().Find("Tf_main")->windowTitle(), QString("大乐透析星台"));
  QCOMPARE(app->Windows().Find("Tf_gxsjq")->windowTitle(),
           QString("更新数据库（本软件中的数据仅供参考，请以体彩官方网站的开奖号为准）"));
  QCOMPARE(app->Windows().Find("Tf_tdsh")->windowTitle(), QString("提胆与杀号"));
  QCOMPARE(app->Windows().Find("Tf_groupfilter")->windowTitle(), QString("批量过滤"));
  QCOMPARE(app->Windows().Find("Tf_addsj")->windowTitle(), QString("添加开奖数据"));
  QCOMPARE(app->Windows().Find("Tf_wdtz")->windowTitle(), QString("我的投注"));
  QVERIFY(app->Context().dm->IsOpen());
  QCOMPARE(app->Context().dm->objectName(), QString("Tdm"));
  // The creation step's shared state.
  QCOMPARE(app->Context().shapeClasses.count, 8);
  QCOMPARE(app->Context().zoneTables[3], (std::vector<int>{0, 11, 23, 35}));
  for (const QPixmap& sprite : app->Context().sprites) QVERIFY(!sprite.isNull());
  QCOMPARE(app->Context().sprites[1].height(), 46);
  QVERIFY(world.shell.messages.isEmpty());
}

void StartupTest::aLeftoverForecastIsRemovedAndTheCursorIsTenDrawsBack() {
  TestWorld world;
  const auto history = History(30);
  world.SeedDraws(history);
  {
    DrawTable table((world.DataDir() + "/database/basedata.db").toStdString());
    table.WriteForecast(history[0]);
    QVERIFY(table.HasForecast());
  }
  auto app = world.StartApp();
  QVERIFY(app->Main()->ShowStepDone());
  DrawTable& table = app->Context().Table();
  QVERIFY(!table.HasForecast());
  QCOMPARE(table.RecordCount(), 30);
  QCOMPARE(table.Position(), 29 - 10);
  QCOMPARE(app->Context().latestDraw, history[29]);
  const ColdHotLists& l = app->Context().coldHot;
  QCOMPARE(int(l.frontCold.size() + l.frontWarm.size() + l.frontHot.size()), 35);
  QCOMPARE(int(l.backCold.size() + l.backWarm.size() + l.backHot.size()), 12);
  QCOMPARE(app->Context().env.layout, DefaultGridLayout());
}

void StartupTest::fewerThanTenDrawsLeaveTheCursorAtTheFirst() {
  TestWorld world;
  world.SeedDraws(History(4));
  auto app = world.StartApp();
  QCOMPARE(app->Context().Table().Position(), 0);
  QCOMPARE(app->Context().latestDraw, History(4)[3]);

  TestWorld empty;
  auto none = empty.StartApp();
  QVERIFY(none->Main()->ShowStepDone());
  QCOMPARE(none->Context().Table().RecordCount(), 0);
}

void StartupTest::settingsDefaultsAreWrittenWhenAbsent() {
  TestWorld world;
  {
    QSettings pre(world.SettingsFile(), QSettings::IniFormat);
    pre.setValue("software/dltsettings/hotcs", 9);
  }
  auto app = world.MakeApp();
  const ColdHotSettings& s = app->Context().env.coldHot;
  QCOMPARE(s.qs, 30);
  QCOMPARE(s.coldcs, 2);
  QCOMPARE(s.hotcs, 9);
  QCOMPARE(s.f_qs, 30);
  app.reset();
  QSettings file(world.SettingsFile(), QSettings::IniFormat);
  QCOMPARE(file.value("software/dltsettings/qs").toInt(), 30);
  QCOMPARE(file.value("software/dltsettings/f_hotcs").toInt(), 8);
  QCOMPARE(file.value("software/dltsettings/hotcs").toInt(), 9);
  QVERIFY(file.contains("software/dltsettings/noticeurl"));
  QCOMPARE(file.value("software/dltsettings/noticeurl").toString(), QString());
}

// The commands read the file the windows write, at the same place.
void StartupTest::theCommandLineReadsTheSameSettings() {
  TestWorld world;
  {
    AppSettings settings(world.SettingsFile());
    settings.WriteFrontColdHot(12, 1, 5);
    settings.WriteBackColdHot(20, 3, 7);
    settings.SetNoticeUrl("http://example.com/a=b");
  }
  const ColdHotSettings s = ReadColdHotSettings(world.SettingsFile().toStdString());
  QCOMPARE((std::array{s.qs, s.coldcs, s.hotcs, s.f_qs, s.f_coldcs, s.f_hotcs}),
           (std::array{12, 1, 5, 20, 3, 7}));
  QCOMPARE(AppSettings().FilePath(), QString::fromStdString(DefaultSettingsPath()));
}

// A row edited outside the program is named; the user deletes it or the
// program does not start on it.
void StartupTest::aBadStoredRowIsDeletedOrEndsTheStart() {
  for (const bool agree : {true, false}) {
    TestWorld world;
    world.SeedDraws(History(12));
    const std::string path = (world.DataDir() + "/database/basedata.db").toStdString();
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "UPDATE basedata SET red1 = 200 WHERE qs = 2007003", nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
    world.shell.confirmAnswer = agree;
    auto app = world.MakeApp();
    QCOMPARE(world.shell.questions.size(), 1);
    QVERIFY(world.shell.questions[0].contains("第2007003期: 主号一必须在1到35之间: 200"));
    QCOMPARE(app->Ok(), agree);
    app.reset();
    DrawTable table(path);
    QCOMPARE(table.RecordCount(), 11);
    QCOMPARE(int(table.BadRows().size()), agree ? 0 : 1);
  }
}

void StartupTest::theDataFolderIsSeededWithTheInstallationData() {
  TestWorld world;
  auto app = world.MakeApp();
  for (const char* f : {"pic/pic1.bmp", "pic/pic4.bmp", "help.htm", "database/lx.hls",
                        "database/wx.hls", "database/basedata.db"})
    QVERIFY2(QFile::exists(world.DataDir() + "/" + f), f);
  QVERIFY(QFile::exists(world.DataDir() + "/save"));
}

// An installed program finds share/dlt beside its own folder, before the
// prefix it was built for and before the sources: a copy of the installation
// data with a marked help page stands in for an installed tree.
void StartupTest::anInstalledTreeBesideTheProgramComesBeforeTheSources() {
  const QString installed =
      QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/dlt");
  QDir(installed).removeRecursively();
  struct Cleanup {
    QString dir;
    ~Cleanup() { QDir(dir).removeRecursively(); }
  } cleanup{installed};
  for (const char* f : kInstallDataFiles) {
    const QString target = installed + "/" + f;
    QVERIFY(QDir().mkpath(QFileInfo(target).path()));
    QVERIFY(QFile::copy(QStringLiteral(DLT_SOURCE_DATA_DIR "/") + f, target));
  }
  const QByteArray marked = "<html><body>installed</body></html>";
  QFile help(installed + "/help.htm");
  QVERIFY(help.open(QIODevice::WriteOnly | QIODevice::Truncate));
  help.write(marked);
  help.close();

  qunsetenv("DLT_INSTALL_DATA");
  TestWorld world;
  AppOptions o;
  o.dataDir = world.DataDir();
  o.settingsFile = world.SettingsFile();
  o.splash = false;
  o.shell = &world.shell;
  DltApp app(o);
  QVERIFY2(app.Ok(), qPrintable(app.Error()));
  QFile seeded(world.DataDir() + "/help.htm");
  QVERIFY(seeded.open(QIODevice::ReadOnly));
  QCOMPARE(seeded.readAll(), marked);
}

void StartupTest::theToolbarLaysOutElevenEqualButtonsAndOpensTheTrendWindow() {
  TestWorld world;
  world.SeedDraws(History(12));
  auto app = world.StartApp();
  Tf_main* main = app->Main();
  const int screenWidth = app->Context().screen.width();
  // The toolbar's frame spans the screen.
  QCOMPARE(main->frameGeometry().width(), screenWidth);
  QCOMPARE(main->pos(), QPoint(0, 0));
  const QStringList order = {"b_tjq",   "b_zh",  "b_wdtz", "b_fxd",  "b_moredb", "b_zbpx",
                             "b_gxsjq", "b_set", "b_tdsh", "b_help", "b_exit"};
  const QStringList captions = {"统计区",   "超强组号", "我的投注", "走势分析",
                                "更多图表", "指标剖析", "数据更新", "设置",
                                "提胆杀号", "帮助",     "退出"};
  int x = -1;
  for (int i = 0; i < order.size(); ++i) {
    QToolButton* b = main->Button(order[i]);
    QVERIFY(b);
    QCOMPARE(b->text(), captions[i]);
    QVERIFY(!b->icon().isNull());
    QCOMPARE(b->width(), (screenWidth - (main->frameGeometry().width() - main->width())) / 11);
    QVERIFY(b->x() > x);
    x = b->x();
  }
  QVERIFY(app->Windows().Find("Tf_fxd")->isVisible());
  if (screenWidth < 1024)
    QVERIFY(world.shell.messages.contains("请将分辨率调至1024*768以上，否则某些页面不能完全显示"));
  else
    QVERIFY(world.shell.messages.isEmpty());
}

void StartupTest::theUpdateWindowAndTheAnalysisWindowsCloseEachOther() {
  TestWorld world;
  world.SeedDraws(History(12));
  auto app = world.StartApp();
  WindowSet& w = app->Windows();
  app->Main()->Button("b_zh")->click();
  QVERIFY(w.Find("Tf_zh")->isVisible());
  w.Find("Tf_zbpxz")->show();
  app->Main()->Button("b_gxsjq")->click();
  QVERIFY(w.Find("Tf_gxsjq")->isVisible());
  for (const char* name : {"Tf_zh", "Tf_fxd", "Tf_zbpxz", "Tf_tdsh"})
    QVERIFY2(!w.Find(name)->isVisible(), name);
  app->Main()->Button("b_set")->click();
  QVERIFY2(w.Find("Tf_gxsjq")->isVisible(), "the settings leave it open");
  app->Main()->Button("b_tdsh")->click();
  QVERIFY(w.Find("Tf_tdsh")->isVisible());
  QVERIFY(!w.Find("Tf_gxsjq")->isVisible());
}

void StartupTest::helpOpensTheHelpPageOrShowsItWithoutADesktopProgram() {
  TestWorld world;
  auto app = world.StartApp();
  const QString page = world.DataDir() + "/help.htm";
  world.shell.messages.clear();
  world.shell.opened.clear();
  app->Main()->Button("b_help")->click();
  QVERIFY(world.shell.messages.isEmpty());
  QCOMPARE(world.shell.opened, std::vector<QUrl>{QUrl::fromLocalFile(page)});

  // No program for it on the desktop: the program's own viewer shows the page.
  world.shell.openSucceeds = false;
  app->Main()->Button("b_help")->click();
  auto* viewer = app->Main()->findChild<TextFileViewer*>();
  QVERIFY(viewer && viewer->isVisible());
  QCOMPARE(viewer->Path(), page);
  QVERIFY(viewer->ShownText().contains("大乐透析星台 使用说明"));
  QVERIFY2(!viewer->ShownText().contains("<h1>"), "the page is rendered, not its source");
  QVERIFY(world.shell.messages.isEmpty());
  viewer->close();

  QVERIFY(QFile::remove(page));
  app->Main()->Button("b_help")->click();
  QCOMPARE(world.shell.messages, QStringList{"帮助文件丢失"});
}

void StartupTest::theCloseStepSavesTheSetDeletesSnapshotsAndOpensOnlyWebAddresses() {
  TestWorld world;
  auto app = world.StartApp();
  for (int d = 0; d <= 5; ++d) {
    QFile f(world.DataDir() + QString("/hfset%1.zh").arg(d));
    QVERIFY(f.open(QIODevice::WriteOnly));
  }
  AppContext& ctx = app->Context();
  ctx.noticeFetched = true;
  ctx.notice.openPages = "是";
  ctx.notice.downloads =
      "http://example.com/new$file:///etc/passwd$/usr/bin/xterm$https://example.org/a?b=1$"
      "javascript:alert(1)$";
  world.shell.opened.clear();
  app->Main()->close();
  for (int d = 0; d <= 4; ++d)
    QVERIFY(!QFile::exists(world.DataDir() + QString("/hfset%1.zh").arg(d)));
  QVERIFY2(QFile::exists(world.DataDir() + "/hfset5.zh"), "only the digits 0 to 4");
  // The generator's set in force, as a whole condition file.
  QCOMPARE(QFileInfo(world.DataDir() + "/exitset.zh").size(), qint64(1200) * 8381);
  ConditionSet exitSet;
  QVERIFY(LoadFrontSet((world.DataDir() + "/exitset.zh").toStdString(), exitSet).ok);
  QVERIFY(exitSet == app->Windows().Get<Tf_zh>()->Session().set);
  QCOMPARE(world.shell.opened.size(), size_t(2));
  QCOMPARE(world.shell.opened[0], QUrl("http://example.com/new"));
  QCOMPARE(world.shell.opened[1], QUrl("https://example.org/a?b=1"));
  QVERIFY(!app->Context().dm->IsOpen());
}

void StartupTest::theCloseStepWithoutAGeneratorSavesNoSet() {
  TestWorld world;
  auto app = world.StartApp();
  app->Context().noticeFetched = true;
  app->Context().notice.openPages = "否";
  app->Context().notice.downloads = "http://example.com/$";
  const CloseStepReport r = CloseDown(app->Context(), nullptr);
  QVERIFY(!r.conditionSetSaved);
  QVERIFY(r.error.isEmpty());
  QVERIFY(!QFile::exists(world.DataDir() + "/exitset.zh"));
  QVERIFY2(r.opened.isEmpty(), "the notice did not ask for pages");
}

// The picture tour answers every message itself: on an empty data folder
// (where the backtest says "历史数据为空") it runs to its end with no window
// waiting for a user. A window that does wait is noted and closed, so a
// fault fails the test instead of hanging it.
void StartupTest::thePictureTourOfAnEmptyFolderNeverWaits() {
  TestWorld world;
  TourShell tour;
  AppOptions o;
  o.dataDir = world.DataDir();
  o.settingsFile = world.SettingsFile();
  o.installDataDir = QStringLiteral(DLT_SOURCE_DATA_DIR);
  o.splash = false;
  o.shell = &tour;
  DltApp app(o);
  QVERIFY(app.Ok());
  QSignalSpy shown(app.Main(), &Tf_main::showStepFinished);
  app.Start();
  if (!app.Main()->ShowStepDone()) QVERIFY(shown.wait(30000));

  QStringList waited;
  QTimer watch;
  connect(&watch, &QTimer::timeout, this, [&waited] {
    QWidget* modal = QApplication::activeModalWidget();
    // The progress box of long work asks nothing; it closes by itself.
    if (!modal || qobject_cast<Tf_showpic*>(modal)) return;
    const auto* box = qobject_cast<QMessageBox*>(modal);
    waited << (box ? box->text() : modal->objectName());
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->hide();
  });
  watch.start(20);
  QTemporaryDir pictures;
  TakeTourPictures(app, pictures.path(), [](int) {});
  watch.stop();
  QVERIFY2(waited.isEmpty(), qPrintable(waited.join(" | ")));
  QVERIFY(QFileInfo::exists(pictures.path() + "/main.png"));
  QVERIFY(QFileInfo::exists(pictures.path() + "/zh_front.png"));
}

DLT_GUI_TEST(StartupTest);
#include "startup_test.moc"
