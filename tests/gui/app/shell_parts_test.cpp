// The message box with its long-work runner, the splash and the notice popup.
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <stdexcept>
#include <thread>

#include "gui/app/app_settings.h"
#include "gui/app/long_task.h"
#include "gui/app/qt_translations.h"
#include "gui/app/tf_runpic.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/window_set.h"
#include "gui/history/tf_informdownload.h"
#include "gui_test_support.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

class ShellPartsTest : public QObject {
  Q_OBJECT
 private slots:
  void theMessageBoxFollowsItsText();
  void longWorkReportsItsResultAndItsError();
  void longWorkStopsWhenTheUserCancels();
  void theSplashIsFixedSizeAndAClickClosesIt();
  void theNoticePopupPrefersANewerStoredNotice();
  void qtsOwnButtonsSpeakChinese();
};

void ShellPartsTest::theMessageBoxFollowsItsText() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* box = app->Windows().Get<Tf_showpic>();
  QVERIFY(box->windowFlags() & Qt::FramelessWindowHint);
  box->ShowMessage(QStringLiteral("请稍候，正在更新数据."));
  QVERIFY(box->isVisible());
  QCOMPARE(box->Text(), QString("请稍候，正在更新数据."));
  const int shortWidth = box->width();
  box->ShowMessage(QStringLiteral("一条长得多的消息，用来检查消息框的宽度随文字变化"));
  QVERIFY(box->width() > shortWidth);
  QVERIFY(!box->findChild<QPushButton*>("b_cancel")->isVisible());
  box->HideBox();
  QVERIFY(!box->isVisible());
}

void ShellPartsTest::longWorkReportsItsResultAndItsError() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* box = app->Windows().Get<Tf_showpic>();
  int sum = 0;
  TaskOutcome ok = RunLongTask(*box, "计算中", false, [&](TaskControl& c) {
    c.SetTotal(100);
    for (int i = 1; i <= 100; ++i) {
      sum += i;
      c.SetDone(i);
    }
  });
  QVERIFY(ok.ok());
  QCOMPARE(sum, 5050);
  QVERIFY(!box->isVisible());
  TaskOutcome failed = RunLongTask(*box, "计算中", false,
                                   [](TaskControl&) { throw std::runtime_error("磁盘已满"); });
  QVERIFY(!failed.ok());
  QCOMPARE(failed.error, QString("磁盘已满"));
}

void ShellPartsTest::longWorkStopsWhenTheUserCancels() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* box = app->Windows().Get<Tf_showpic>();
  QTimer::singleShot(0, box, [box] {
    auto* cancel = box->findChild<QPushButton*>("b_cancel");
    QVERIFY(cancel->isVisible());
    QTest::mouseClick(cancel, Qt::LeftButton);
  });
  long rounds = 0;
  const TaskOutcome r = RunLongTask(*box, "计算中", true, [&](TaskControl& c) {
    // Runs until the user stops it (bounded, so a broken cancel fails the test).
    while (!c.Cancelled() && rounds < 2'000'000'000L) {
      ++rounds;
      std::this_thread::yield();
    }
  });
  QVERIFY(r.cancelled);
  QVERIFY(rounds < 2'000'000'000L);
}

void ShellPartsTest::theSplashIsFixedSizeAndAClickClosesIt() {
  Tf_runpic splash;
  splash.show();
  QCOMPARE(splash.size(), QSize(400, 295));
  QCOMPARE(splash.grab().size(), QSize(400, 295));
  QTest::mouseClick(&splash, Qt::LeftButton);
  QVERIFY(!splash.isVisible());
}

void ShellPartsTest::theNoticePopupPrefersANewerStoredNotice() {
  TestWorld world;
  {
    QSettings s(world.SettingsFile(), QSettings::IniFormat);
    s.setValue("software/dltsettings/inform", "新版本19已发布");
    s.setValue("software/dltsettings/newbbh", 19);
    s.setValue("software/dltsettings/downloadie", "https://example.com/v19$file:///bin/sh$");
  }
  auto app = world.MakeApp();
  auto* popup = app->Windows().Get<Tf_informdownload>();
  popup->ShowNotice();
  QCOMPARE(popup->NoticeText(), QString("新版本19已发布"));
  QVERIFY(popup->windowFlags() & Qt::WindowStaysOnTopHint);
  QTest::mouseClick(popup->findChild<QPushButton*>("b_inform"), Qt::LeftButton);
  QCOMPARE(world.shell.opened.size(), size_t(1));
  QCOMPARE(world.shell.opened[0], QUrl("https://example.com/v19"));
}

// An English, a German or a Chinese system: the buttons of Qt's own boxes
// and its file dialogs read Chinese as every window does; a Traditional
// Chinese system reads its own variant.
void ShellPartsTest::qtsOwnButtonsSpeakChinese() {
  const struct {
    QLocale system;
    const char* cancel;
    const char* saveAs;
  } cases[] = {{QLocale(QLocale::English, QLocale::UnitedStates), "取消", "另存为"},
               {QLocale(QLocale::German, QLocale::Germany), "取消", "另存为"},
               {QLocale(QLocale::Chinese, QLocale::China), "取消", "另存为"},
               {QLocale(QLocale::Chinese, QLocale::Taiwan), "取消", "另存新檔"}};
  for (const auto& c : cases) {
    QTranslator* translator = LoadQtTranslations(*qApp, c.system);
    QVERIFY2(translator, qPrintable(c.system.name()));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QString(c.cancel));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), QString(c.saveAs));
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

DLT_GUI_TEST(ShellPartsTest);
#include "shell_parts_test.moc"
