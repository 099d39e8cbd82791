// "同步开奖数据" against recorded pages of the history service served on
// 127.0.0.1: the data-update window's button, the sync at start, its
// setting, and the Qt client's refusals.
#include "gui/history/service_sync.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "gui/app/app_settings.h"
#include "gui/app/long_task.h"
#include "gui/app/tdm.h"
#include "gui/app/tf_main.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/window_set.h"
#include "gui/history/draw_grid_view.h"
#include "gui/history/draw_table_model.h"
#include "gui/history/tf_gxsjq.h"
#include "gui/history/tf_informdownload.h"
#include "gui/history/tf_set.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "support/history_service.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;
using dlt::test::HttpAnswer;
using dlt::test::LoopbackServer;

namespace {

void Set(TestWorld& world, const QString& name, const QVariant& value) {
  QSettings s(world.SettingsFile(), QSettings::IniFormat);
  s.setValue("software/dltsettings/" + name, value);
}

FetchedPage Fetch(const std::string& url, int timeoutMs = kSyncTimeoutMs) {
  return QtPageFetcher({}, timeoutMs)(url);
}

}  // namespace

class ServiceSyncTest : public QObject {
  Q_OBJECT
 private slots:
  void theButtonBringsAHistory150DrawsBehindUpToDate();
  void aFailedSyncSaysWhyAndStoresNothing();
  void theCancelButtonEndsAWaitingSync();
  void theStartSyncRunsInTheBackgroundWhenTicked();
  void theStartSyncWaitsForWorkThatReadsTheHistory();
  void noStartSyncUnlessTicked();
  void theSettingsPageKeepsTheAddressAndTheTick();
  void theQtClientRefusesWhatIsNoPage();
};

void ServiceSyncTest::theButtonBringsAHistory150DrawsBehindUpToDate() {
  TestWorld world;
  const auto history = History(350, 9);
  world.SeedDraws({history.begin(), history.begin() + 200});
  LoopbackServer server(dlt::test::ServiceOver(history));
  Set(world, "syncurl", QString::fromStdString(server.Url()));
  auto app = world.MakeApp();
  auto* update = app->Windows().Get<Tf_gxsjq>();
  update->show();
  Click(update, "b_sync");
  QCOMPARE(world.shell.messages, QStringList{"同步150期, 共350期"});
  QCOMPARE(app->Context().Table().Draws(), history);
  QCOMPARE(server.Requests().size(), size_t(3));
  QCOMPARE(app->Context().dm->ds_basedata->rowCount(), 350);
  QVERIFY2(update->Grid()->model() != nullptr, "the grid is attached again");
  const auto prizes = PrizeAmounts(app->Context().Table()).Read(history[349].qs);
  QVERIFY(prizes.has_value());
  QVERIFY(*prizes == dlt::test::RecordedPrizes(history[349]));
}

void ServiceSyncTest::aFailedSyncSaysWhyAndStoresNothing() {
  TestWorld world;
  const auto history = History(350, 9);
  world.SeedDraws({history.begin(), history.begin() + 100});
  // Page 2 is refused by the service.
  LoopbackServer server([&](const std::string& target) {
    const int page = dlt::test::AskedPage(target);
    if (page == 2) return HttpAnswer::Json(dlt::test::ServiceErrorJson("E1", "访问受限"));
    return HttpAnswer::Json(dlt::test::ServicePageJson(history, page));
  });
  Set(world, "syncurl", QString::fromStdString(server.Url()));
  auto app = world.MakeApp();
  auto* update = app->Windows().Get<Tf_gxsjq>();
  update->show();
  update->SyncClicked();
  QCOMPARE(world.shell.messages,
           QStringList{"同步开奖数据失败：开奖数据服务返回错误: \"访问受限\" (errorCode \"E1\")\n"
                       "历史数据未改变"});
  QCOMPARE(app->Context().Table().RecordCount(), 100);
  QVERIFY(PrizeAmounts(app->Context().Table()).StoredDraws().empty());

  // An address that is no web address is refused before anything is asked.
  Set(world, "syncurl", "file:///etc/passwd");
  auto other = world.MakeApp();
  world.shell.messages.clear();
  other->Windows().Get<Tf_gxsjq>()->SyncClicked();
  QCOMPARE(world.shell.messages.size(), 1);
  QVERIFY2(world.shell.messages[0].contains("必须是以http://或https://开头的网址"),
           qPrintable(world.shell.messages[0]));
}

void ServiceSyncTest::theCancelButtonEndsAWaitingSync() {
  TestWorld world;
  world.SeedDraws(History(30));
  // The service never answers: only the cancel ends the wait.
  LoopbackServer server([](const std::string&) { return HttpAnswer::Hang(); });
  Set(world, "syncurl", QString::fromStdString(server.Url()));
  auto app = world.MakeApp();
  auto* box = app->Windows().Get<Tf_showpic>();
  QTimer::singleShot(0, box, [box] { Click(box, "b_cancel"); });
  app->Windows().Get<Tf_gxsjq>()->SyncClicked();
  QCOMPARE(world.shell.messages, QStringList{"同步已取消，历史数据未改变"});
  QCOMPARE(app->Context().Table().RecordCount(), 30);
}

void ServiceSyncTest::theStartSyncRunsInTheBackgroundWhenTicked() {
  TestWorld world;
  const auto history = History(350, 9);
  world.SeedDraws({history.begin(), history.begin() + 200});
  LoopbackServer server(dlt::test::ServiceOver(history));
  Set(world, "syncurl", QString::fromStdString(server.Url()));
  Set(world, "syncatstart", true);
  auto app = world.MakeApp();
  QSignalSpy synced(&app->Main()->Sync(), &StartupSync::finished);
  QSignalSpy changed(app->Context().dm, &Tdm::historyChanged);
  QSignalSpy shown(app->Main(), &Tf_main::showStepFinished);
  app->Start();
  QVERIFY(app->Main()->ShowStepDone() || shown.wait(30000));
  QVERIFY(synced.count() == 1 || synced.wait(30000));
  QCOMPARE(app->Context().Table().Draws(), history);
  QCOMPARE(changed.count(), 1);
  QCOMPARE(app->Context().latestDraw, history.back());
  auto* popup = app->Windows().Get<Tf_informdownload>();
  QVERIFY(popup->isVisible());
  QVERIFY2(popup->NoticeText().endsWith(
               QStringLiteral("同步开奖数据：新增150期（第%1期至第%2期），共350期")
                   .arg(history[200].qs)
                   .arg(history[349].qs)),
           qPrintable(popup->NoticeText()));
}

void ServiceSyncTest::theStartSyncWaitsForWorkThatReadsTheHistory() {
  TestWorld world;
  const auto history = History(150, 9);
  world.SeedDraws({history.begin(), history.begin() + 50});
  LoopbackServer server(dlt::test::ServiceOver(history));
  Set(world, "syncurl", QString::fromStdString(server.Url()));
  auto app = world.MakeApp();
  StartupSync& sync = app->Main()->Sync();
  QSignalSpy synced(&sync, &StartupSync::finished);
  sync.Start();
  // A long task that reads the history: the walk ends and tries to store
  // while it runs; the history must stay as it is until the task is over.
  std::atomic<bool> release{false};
  int countDuringTask = -1;
  BackgroundRunner runner(nullptr);
  runner.RunAndWait(
      [&](TaskControl&) {
        while (!release) QThread::msleep(2);
      },
      [&](const TaskControl&) {
        if (sync.Walking()) return;
        countDuringTask = app->Context().Table().RecordCount();
        release = true;
      });
  QCOMPARE(countDuringTask, 50);
  QCOMPARE(synced.count(), 0);
  QVERIFY(synced.wait(30000));
  QCOMPARE(app->Context().Table().Draws(), history);
}

void ServiceSyncTest::noStartSyncUnlessTicked() {
  TestWorld world;
  world.SeedDraws(History(20));
  LoopbackServer server(dlt::test::ServiceOver(History(30)));
  Set(world, "syncurl", QString::fromStdString(server.Url()));
  auto app = world.StartApp();
  QVERIFY(app->Main()->ShowStepDone());
  QVERIFY(!app->Main()->Sync().Running());
  QCOMPARE(server.Requests().size(), size_t(0));
  QCOMPARE(app->Context().Table().RecordCount(), 20);
}

void ServiceSyncTest::theSettingsPageKeepsTheAddressAndTheTick() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* set = app->Windows().Get<Tf_set>();
  set->show();
  auto* edit = Child<QLineEdit>(set, "e_syncurl");
  auto* tick = Child<QCheckBox>(set, "cb_syncatstart");
  QCOMPARE(edit->text(), QString::fromUtf8(kDefaultSyncUrl.data(), kDefaultSyncUrl.size()));
  QVERIFY(!tick->isChecked());

  edit->setText("ftp://example.com/h");
  Click(set, "b_savesyncurl");
  QCOMPARE(world.shell.messages,
           QStringList{"开奖数据服务地址必须是以http://或https://开头的网址"});
  QCOMPARE(app->Context().settings.SyncUrl(),
           QString::fromUtf8(kDefaultSyncUrl.data(), kDefaultSyncUrl.size()));

  edit->setText("  http://127.0.0.1:8080/h.qry  ");
  QVERIFY(set->SaveSyncUrl());
  QCOMPARE(app->Context().settings.SyncUrl(), QString("http://127.0.0.1:8080/h.qry"));
  tick->setChecked(true);
  QVERIFY(app->Context().settings.SyncAtStart());
  {
    QSettings file(world.SettingsFile(), QSettings::IniFormat);
    QCOMPARE(file.value("software/dltsettings/syncurl").toString(),
             QString("http://127.0.0.1:8080/h.qry"));
    QCOMPARE(file.value("software/dltsettings/syncatstart").toBool(), true);
  }
  set->hide();
  set->show();
  QCOMPARE(edit->text(), QString("http://127.0.0.1:8080/h.qry"));
  QVERIFY(tick->isChecked());

  edit->clear();
  QVERIFY(set->SaveSyncUrl());
  // An empty address is the operator's own again.
  QCOMPARE(edit->text(), QString::fromUtf8(kDefaultSyncUrl.data(), kDefaultSyncUrl.size()));
}

void ServiceSyncTest::theQtClientRefusesWhatIsNoPage() {
  const std::string huge = "{\"pad\":\"" + std::string(5 * 1024 * 1024, 'a') + "\"}";
  int port = 0;
  LoopbackServer server([&](const std::string& target) {
    if (target.starts_with("/away"))
      return HttpAnswer::Redirect(302, "http://localhost:" + std::to_string(port) + "/page");
    if (target.starts_with("/here")) return HttpAnswer::Redirect(301, "/page");
    if (target.starts_with("/huge")) return HttpAnswer::Json(huge);
    if (target.starts_with("/stream")) {
      HttpAnswer a = HttpAnswer::Json(huge);
      a.sendLength = false;
      return a;
    }
    if (target.starts_with("/hang")) return HttpAnswer::Hang();
    if (target.starts_with("/gone")) return HttpAnswer::Status(404, "no");
    return HttpAnswer::Json("{\"ok\":true}");
  });
  port = server.Port();

  FetchedPage page = Fetch(server.Url("/here"));
  QVERIFY2(page.ok, page.error.c_str());
  QCOMPARE(QString::fromStdString(page.body), QString("{\"ok\":true}"));

  struct Case {
    const char* path;
    std::string error;
  };
  const Case cases[] = {
      {"/away", "服务器把请求转到了别处(localhost), 为安全起见没有跟随"},
      {"/huge", "服务器的回答过大(超过4 MB)"},
      {"/stream", "服务器的回答过大(超过4 MB)"},
      {"/gone", "服务器返回错误: HTTP 404"},
  };
  for (const Case& c : cases) {
    page = Fetch(server.Url(c.path));
    QVERIFY2(!page.ok, c.path);
    QCOMPARE(QString::fromStdString(page.error), QString::fromStdString(c.error));
  }
  page = Fetch(server.Url("/hang"), 300);
  QVERIFY(!page.ok);
  QCOMPARE(QString::fromStdString(page.error), QString("连接超时"));
}

DLT_GUI_TEST(ServiceSyncTest);
#include "service_sync_test.moc"
