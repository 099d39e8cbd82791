// Windows on a 1366x768 desktop: the placement rule keeps every frame on
// the screen below the toolbar, the feature windows open by it, and every
// tab of the trend and analysis windows is in view with its full caption.
#include <QAbstractButton>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include "gui/analysis/tf_zbpx.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/below_toolbar.h"
#include "gui/app/tf_main.h"
#include "gui/app/window_set.h"
#include "gui/common/tab_rows.h"
#include "gui/generator/tf_zh.h"
#include "gui/history/tf_gxsjq.h"
#include "gui/history/tf_set.h"
#include "gui/killnum/tf_tdsh.h"
#include "gui/trend/tf_bluefxd.h"
#include "gui/trend/tf_fxd.h"
#include "gui/trend/tf_moredb.h"
#include "gui/trend/tf_tjq.h"
#include "gui_test_support.h"

Q_DECLARE_METATYPE(QMargins)

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

class WindowFitTest : public QObject {
  Q_OBJECT
 private slots:
  void theFitKeepsTheFrameInsideTheArea_data();
  void theFitKeepsTheFrameInsideTheArea();
  void aFrameInsideIsChecked();
  void featureWindowsOpenBelowTheToolbarOnTheScreen();
  void theAnalysisWindowShowsItsBottomRow();
  void everyTabIsInViewWithItsCaption();
};

namespace {

const QRect kScreen(0, 0, 1366, 768);
const QMargins kOpenboxFrame(1, 24, 1, 5);

// Every tab of `tabs` has a visible button inside `window`, none over
// another, with the tab's caption; a click on it shows that tab.
void CheckTabRows(QWidget& window, QTabWidget* tabs, int expected) {
  QCOMPARE(tabs->count(), expected);
  QVERIFY(!tabs->tabBar()->isVisible());
  auto* rows = Child<TabRows>(window, tabs->objectName() + "_rows");
  QVERIFY(rows);
  QCOMPARE(rows->Count(), expected);
  std::vector<QRect> placed;
  for (int i = 0; i < expected; ++i) {
    QAbstractButton* b = rows->Button(i);
    const QString caption = tabs->tabText(i);
    QVERIFY2(b->isVisible(), qPrintable(caption));
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->toolTip(), caption);
    const QRect r(b->mapTo(&window, QPoint(0, 0)), b->size());
    QVERIFY2(window.rect().contains(r), qPrintable(caption));
    // The whole caption fits its button.
    QVERIFY2(b->fontMetrics().horizontalAdvance(caption) <= b->width(), qPrintable(caption));
    for (const QRect& other : placed) QVERIFY2(!other.intersects(r), qPrintable(caption));
    placed.push_back(r);
  }
  for (int i : {expected - 1, 0, expected / 2}) {
    QTest::mouseClick(rows->Button(i), Qt::LeftButton);
    QCOMPARE(tabs->currentIndex(), i);
    QVERIFY(rows->Button(i)->isChecked());
  }
  // A page chosen elsewhere (Ctrl+Tab, a hand-off) checks its button.
  tabs->setCurrentIndex(1);
  QVERIFY(rows->Button(1)->isChecked());
  QVERIFY(!rows->Button(expected / 2)->isChecked());
}

}  // namespace

void WindowFitTest::theFitKeepsTheFrameInsideTheArea_data() {
  QTest::addColumn<QRect>("available");
  QTest::addColumn<int>("top");
  QTest::addColumn<QMargins>("frame");
  QTest::addColumn<QSize>("preferred");
  QTest::addColumn<QSize>("minimum");
  QTest::addColumn<QRect>("expectedFrame");
  QTest::addColumn<bool>("inside");
  // The analysis window's 1180x760 with a title bar on a 768-pixel screen.
  QTest::newRow("too tall") << kScreen << 62 << kOpenboxFrame << QSize(1180, 760) << QSize()
                            << QRect(0, 62, 1182, 706) << true;
  QTest::newRow("fill") << kScreen << 62 << kOpenboxFrame << kFillArea << QSize()
                        << QRect(0, 62, 1366, 706) << true;
  QTest::newRow("fits as it is") << kScreen << 62 << kOpenboxFrame << QSize(760, 480) << QSize()
                                 << QRect(0, 62, 762, 509) << true;
  // The toolbar's frame reaches lower than the least top.
  QTest::newRow("below a taller toolbar")
      << kScreen << 70 << kOpenboxFrame << kFillArea << QSize() << QRect(0, 70, 1366, 698) << true;
  // A panel at the top and one at the bottom take their share.
  QTest::newRow("panels") << QRect(0, 100, 1366, 620) << 62 << kOpenboxFrame << kFillArea << QSize()
                          << QRect(0, 100, 1366, 620) << true;
  QTest::newRow("no frame") << kScreen << 62 << QMargins() << QSize(2000, 2000) << QSize()
                            << QRect(0, 62, 1366, 706) << true;
  // Only a minimum larger than the area passes it.
  QTest::newRow("minimum") << kScreen << 62 << kOpenboxFrame << QSize(400, 300) << QSize(500, 800)
                           << QRect(0, 62, 502, 829) << false;
}

void WindowFitTest::theFitKeepsTheFrameInsideTheArea() {
  QFETCH(QRect, available);
  QFETCH(int, top);
  QFETCH(QMargins, frame);
  QFETCH(QSize, preferred);
  QFETCH(QSize, minimum);
  QFETCH(QRect, expectedFrame);
  QFETCH(bool, inside);
  const WindowPlacement p = FitBelowToolbar(available, top, frame, preferred, minimum);
  QCOMPARE(p.Frame(frame), expectedFrame);
  QCOMPARE(FrameInside(available, p.Frame(frame)), inside);
}

void WindowFitTest::aFrameInsideIsChecked() {
  QVERIFY(FrameInside(kScreen, QRect(0, 62, 1366, 706)));
  QVERIFY(!FrameInside(kScreen, QRect(0, 62, 1366, 707)));  // one row past the bottom
  QVERIFY(!FrameInside(kScreen, QRect(-1, 62, 100, 100)));
  QVERIFY(!FrameInside(kScreen, QRect(1300, 62, 67, 100)));
}

void WindowFitTest::featureWindowsOpenBelowTheToolbarOnTheScreen() {
  TestWorld world;
  world.SeedDraws(History(150));
  auto app = world.StartApp();
  WindowSet& windows = app->Windows();
  const std::vector<QWidget*> shown = {windows.Get<Tf_fxd>(),    windows.Get<Tf_bluefxd>(),
                                       windows.Get<Tf_moredb>(), windows.Get<Tf_tjq>(),
                                       windows.Get<Tf_tdsh>(),   windows.Get<Tf_set>(),
                                       windows.Get<Tf_gxsjq>(),  windows.Get<Tf_zh>()};
  for (QWidget* w : shown) {
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QRect available = w->screen()->availableGeometry();
    QCOMPARE(available, kScreen);
    const QRect frame = w->frameGeometry();
    QVERIFY2(FrameInside(available, frame), qPrintable(w->objectName()));
    QVERIFY2(frame.top() >= kFeatureWindowTop, qPrintable(w->objectName()));
    QVERIFY2(!frame.intersects(app->Main()->frameGeometry()), qPrintable(w->objectName()));
    w->hide();
  }
  // Full-width windows take the whole width, frame included.
  auto* trend = windows.Get<Tf_fxd>();
  trend->show();
  QCOMPARE(trend->frameGeometry().width(), kScreen.width());
}

void WindowFitTest::theAnalysisWindowShowsItsBottomRow() {
  TestWorld world;
  world.SeedDraws(History(150));
  auto app = world.MakeApp();
  auto* launcher = app->Windows().Get<Tf_zbpx>();
  Child<QLineEdit>(launcher, "me_zbqzto")->setText("32");
  QVERIFY(launcher->Start());
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QVERIFY(QTest::qWaitForWindowExposed(analysis));
  const QRect available = analysis->screen()->availableGeometry();
  QVERIFY(FrameInside(available, analysis->frameGeometry()));
  QVERIFY(analysis->frameGeometry().top() >= kFeatureWindowTop);
  // Its preferred 1180x760 and a title bar do not fit under the toolbar: it is shortened.
  QVERIFY(analysis->height() < 760);
  QCOMPARE(analysis->width(), 1180);
  for (QAbstractButton* b : analysis->findChildren<QAbstractButton*>()) {
    if (!b->isVisible()) continue;
    const QRect onScreen(b->mapToGlobal(QPoint(0, 0)), b->size());
    QVERIFY2(available.contains(onScreen), qPrintable(b->objectName() + b->text()));
  }
}

void WindowFitTest::everyTabIsInViewWithItsCaption() {
  TestWorld world;
  world.SeedDraws(History(150));
  auto app = world.StartApp();
  auto* trend = app->Windows().Get<Tf_fxd>();
  QVERIFY(QTest::qWaitForWindowExposed(trend));
  QCOMPARE(trend->frameGeometry().width(), 1366);
  CheckTabRows(*trend, trend->Pages(), 21);

  auto* launcher = app->Windows().Get<Tf_zbpx>();
  Child<QLineEdit>(launcher, "me_zbqzto")->setText("32");
  QVERIFY(launcher->Start());
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QVERIFY(QTest::qWaitForWindowExposed(analysis));
  CheckTabRows(*analysis, analysis->Tabs(), 15);
}

DLT_GUI_TEST_ON_SMALLEST_SCREEN(WindowFitTest);
#include "window_fit_test.moc"
