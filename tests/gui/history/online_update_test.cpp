// The online update against a notice page served on 127.0.0.1.
#include "gui/history/online_update.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "common/gbk_text.h"
#include "gui/app/app_settings.h"
#include "gui/app/tf_main.h"
#include "gui/app/window_set.h"
#include "gui/history/draw_grid_view.h"
#include "gui/history/tf_gxsjq.h"
#include "gui/history/tf_informdownload.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "notice_server.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

QByteArray EntryDigits(const Draw& d) {
  QByteArray s = QByteArray::fromStdString(FormatDrawLine(d));
  s.replace(" ", "");
  return s;
}

QByteArray Page(const std::vector<Draw>& draws, const QByteArray& extra = {}) {
  QByteArray page =
      "<html><body>打开网页:是:打开网页 启动时更新:是:启动时更新 18提示:请升级。:18提示 "
      "公共提示:数据仅供参考:公共提示 18下载地址:http://example.com/dl$:18下载地址 "
      "新版本号:19  \n中奖数据\n";
  int n = 1;
  for (const Draw& d : draws)
    page += QByteArray::number(n++).rightJustified(7, '0') + ":" + EntryDigits(d) + "\n";
  return page + extra + "</body></html>";
}

void PointAt(TestWorld& world, const QString& url) {
  QSettings s(world.SettingsFile(), QSettings::IniFormat);
  s.setValue("software/dltsettings/noticeurl", url);
}

}  // namespace

class OnlineUpdateTest : public QObject {
  Q_OBJECT
 private slots:
  void startUpAppendsNewDrawsAndStoresTheNotice();
  void aStoredFirstEntrySkipsAhead();
  void aMalformedEntryIsSkippedAndReported();
  void aDeadAddressIsSwallowedAtStartAndReportedByTheButton();
  void noAddressMeansNoDownload();
  void aGbkPageIsRead();
  void aLongMarkedUpNoticeIsShownCutAndPlain();
  void aPageLargerThanAnyRealOneIsRefused();
};

void OnlineUpdateTest::startUpAppendsNewDrawsAndStoresTheNotice() {
  TestWorld world;
  const auto history = History(8);
  world.SeedDraws({history.begin(), history.begin() + 5});
  // The page lists a draw the table lacks first, then stored ones, then new ones.
  NoticeServer server(Page({history[5], history[1], history[2], history[6], history[7]}));
  PointAt(world, server.Url());
  auto app = world.StartApp();
  QCOMPARE(server.requests, 1);
  QVERIFY(server.lastRequest.startsWith("GET /notice.htm"));
  DrawTable& table = app->Context().Table();
  QCOMPARE(table.RecordCount(), 8);
  for (const Draw& d : history) QVERIFY(table.IndexOf(d.qs) >= 0);
  QCOMPARE(app->Context().latestDraw, history[7]);

  AppSettings& s = app->Context().settings;
  QCOMPARE(s.Inform(), QString("请升级。数据仅供参考"));
  QCOMPARE(s.NewVersion(), std::optional<int>(19));
  QCOMPARE(s.Downloads(), QString("http://example.com/dl$"));
  QCOMPARE(s.ReadIeOnRun(), QString("是"));
  auto* popup = app->Windows().Get<Tf_informdownload>();
  QVERIFY(popup->isVisible());
  QCOMPARE(popup->NoticeText(), QString("请升级。数据仅供参考"));
  const QRect screen(QPoint(0, 0), app->Context().screen);
  QCOMPARE(popup->x() + popup->width(), screen.width());
  QCOMPARE(popup->y() + popup->height(), screen.height() - 30);
  // A click closes it and opens the download page.
  world.shell.opened.clear();
  QTest::mouseClick(popup->findChild<QPushButton*>("b_inform"), Qt::LeftButton);
  QVERIFY(!popup->isVisible());
  QCOMPARE(world.shell.opened.size(), size_t(1));
  QCOMPARE(world.shell.opened[0], QUrl("http://example.com/dl"));
}

void OnlineUpdateTest::aStoredFirstEntrySkipsAhead() {
  TestWorld world;
  const auto history = History(12);
  world.SeedDraws({history.begin(), history.begin() + 8});
  NoticeServer server(Page({history.begin() + 2, history.end()}));
  PointAt(world, server.Url());
  auto app = world.MakeApp();
  const OnlineUpdateResult r = OnlineUpdate(app->Context());
  QVERIFY2(r.ok, qPrintable(r.error));
  QCOMPARE(r.draws.existing, 1);
  QCOMPARE(r.draws.passedOver, 5);
  QCOMPARE(r.draws.added, 4);
  QCOMPARE(app->Context().Table().RecordCount(), 12);
}

void OnlineUpdateTest::aMalformedEntryIsSkippedAndReported() {
  TestWorld world;
  const auto history = History(4);
  world.SeedDraws({history[0]});
  NoticeServer server(Page({history[0], history[1]},
                           "0000003:20079990102033605\n0000004:" + EntryDigits(history[3]) + "\n"));
  PointAt(world, server.Url());
  auto app = world.StartApp();
  QCOMPARE(app->Context().Table().RecordCount(), 3);
  QVERIFY(app->Context().Table().IndexOf(history[3].qs) >= 0);

  world.shell.messages.clear();
  auto* update = app->Windows().Get<Tf_gxsjq>();
  update->show();
  QTest::mouseClick(update->findChild<QPushButton*>("b_online"), Qt::LeftButton);
  QCOMPARE(world.shell.messages.size(), 1);
  QCOMPARE(world.shell.messages[0],
           QString("在线更新完成，新增0期开奖数据；1条数据格式有误，已跳过"));
  QCOMPARE(server.requests, 2);
  QVERIFY2(update->Grid()->model() != nullptr, "the grid is attached again");
}

void OnlineUpdateTest::aDeadAddressIsSwallowedAtStartAndReportedByTheButton() {
  TestWorld world;
  world.SeedDraws(History(15));
  PointAt(world, QString("http://127.0.0.1:%1/notice.htm").arg(DeadPort()));
  auto app = world.StartApp();
  QVERIFY(app->Main()->ShowStepDone());
  QCOMPARE(app->Context().Table().RecordCount(), 15);
  for (const QString& m : world.shell.messages) QVERIFY2(!m.contains("在线更新"), qPrintable(m));
  QVERIFY(!app->Context().noticeFetched);
  QCOMPARE(app->Windows().Get<Tf_informdownload>()->NoticeText(), QString("欢迎使用。"));

  world.shell.messages.clear();
  auto* update = app->Windows().Get<Tf_gxsjq>();
  update->show();
  update->OnlineUpdateClicked();
  QCOMPARE(world.shell.messages.size(), 1);
  QVERIFY2(world.shell.messages[0].startsWith("在线更新失败："),
           qPrintable(world.shell.messages[0]));
  QCOMPARE(app->Context().Table().RecordCount(), 15);
}

void OnlineUpdateTest::noAddressMeansNoDownload() {
  TestWorld world;
  auto app = world.MakeApp();
  const OnlineUpdateResult r = OnlineUpdate(app->Context());
  QVERIFY(!r.ok);
  QVERIFY(r.error.contains("noticeurl"));
  PointAt(world, "file:///etc/passwd");
  auto other = world.MakeApp();
  const OnlineUpdateResult f = OnlineUpdate(other->Context());
  QVERIFY(!f.ok);
  QVERIFY2(f.error.contains("http"), qPrintable(f.error));
}

void OnlineUpdateTest::aGbkPageIsRead() {
  TestWorld world;
  const auto history = History(2);
  const auto gbk = Utf8ToGbk(Page(history).toStdString());
  QVERIFY(gbk.has_value());
  NoticeServer server(QByteArray::fromStdString(*gbk), "text/html; charset=gbk");
  PointAt(world, server.Url());
  auto app = world.MakeApp();
  const OnlineUpdateResult r = OnlineUpdate(app->Context());
  QVERIFY2(r.ok, qPrintable(r.error));
  QCOMPARE(r.draws.added, 2);
  QCOMPARE(app->Context().settings.Inform(), QString("请升级。数据仅供参考"));
}

// 300 KB of notice with markup: the popup shows the first characters as
// plain text (no heading, no picture read from the disk) in a box that fits
// the screen.
void OnlineUpdateTest::aLongMarkedUpNoticeIsShownCutAndPlain() {
  TestWorld world;
  world.SeedDraws(History(3));
  QByteArray notice =
      "<h1 style=color:red>标题</h1><a href='http://x/'>链接</a>"
      "<img src='/etc/x.png'>";
  while (notice.size() < 300 * 1024) notice += "很长的公告。";
  NoticeServer server("公共提示:" + notice + ":公共提示 中奖数据\n");
  PointAt(world, server.Url());
  auto app = world.StartApp();
  auto* popup = app->Windows().Get<Tf_informdownload>();
  QVERIFY(popup->isVisible());
  const QString shown = popup->NoticeText();
  QCOMPARE(shown.left(20), QString("<h1 style=color:red>"));
  QVERIFY(shown.endsWith(QString("……")));
  QCOMPARE(shown.size(), static_cast<qsizetype>(kNoticeShownChars + 2));
  auto* label = popup->findChild<QLabel*>();
  QVERIFY(label);
  QCOMPARE(label->textFormat(), Qt::PlainText);
  const QSize screen = app->Context().screen;
  QVERIFY(popup->width() <= screen.width());
  QVERIFY2(popup->height() <= screen.height() - 30, qPrintable(QString::number(popup->height())));
  QVERIFY(popup->y() >= 0);
  QCOMPARE(popup->y() + popup->height(), screen.height() - 30);
}

// A page past 1 MB is no notice page: nothing of it is read.
void OnlineUpdateTest::aPageLargerThanAnyRealOneIsRefused() {
  TestWorld world;
  const auto history = History(3);
  world.SeedDraws({history[0]});
  NoticeServer server(Page({history[0], history[1]}, QByteArray(kMaxNoticePageBytes, ' ')));
  PointAt(world, server.Url());
  auto app = world.MakeApp();
  const OnlineUpdateResult r = OnlineUpdate(app->Context());
  QVERIFY(!r.ok);
  QCOMPARE(r.error, QString("公告页过大"));
  QCOMPARE(app->Context().Table().RecordCount(), 1);
}

DLT_GUI_TEST(OnlineUpdateTest);
#include "online_update_test.moc"
