// The one paging bar pages its chart by keyboard and wheel and zooms it.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>

#include "chart/page_window.h"
#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/trend/chart_view.h"
#include "gui/trend/tf_fxd.h"
#include "history/draw_table.h"
#include "trend/trend_test_support.h"

namespace dlt::gui::test {

class PagingKeysTest : public QObject {
  Q_OBJECT
 private slots:
  void keysAndWheelPageTheChart();
  void theZoomBoxAndCtrlWheelSetTheDrawsPerPage();
  void theNewestButtonOpensTheLastFullPage();
};

namespace {

constexpr int kDraws = 150;

void Wheel(QWidget* view, int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const QPointF at(view->width() / 2.0, view->height() / 2.0);
  QWheelEvent wheel(at, view->mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton,
                    modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view, &wheel);
}

// The first draw the series chart shows.
int FirstShown(QWidget* page) {
  return ChartOf(page, "i_cgxl").panels.at(0).coord.xFirst;
}

// The program on kDraws draws with the trend window's "常规系列" page shown.
struct SeriesPage {
  TestWorld world;
  std::unique_ptr<DltApp> app;
  const DrawTable* table = nullptr;
  Tf_fxd* window = nullptr;
  QWidget* page = nullptr;
  ChartView* chart = nullptr;

  SeriesPage() {
    world.SeedDraws(History(kDraws));
    app = world.StartApp();
    table = &app->Context().Table();
    window = app->Windows().Get<Tf_fxd>();
    page = Sheet(*window, "ts_cgxl");
    chart = Child<ChartView>(page, "i_cgxl");
  }
  // "跳转" to the draw at `index`.
  void JumpTo(int index) {
    Child<QLineEdit>(page, "e_cgxl")->setText(QString::number(table->Draws()[index].qs));
    Click(page, "b_cgxljump");
  }
};

}  // namespace

void PagingKeysTest::keysAndWheelPageTheChart() {
  SeriesPage shown;
  const DrawTable& table = *shown.table;
  QWidget* page = shown.page;
  ChartView* chart = shown.chart;
  QVERIFY(chart);

  struct Step {
    int key;
    int position;
  };
  // From draw 50 on pages of 36: each key moves the shared anchor as its button
  // does; forward stops at the newest full page.
  shown.JumpTo(50);
  const Step steps[] = {
      {Qt::Key_PageDown, 86},       {Qt::Key_Right, 87},         {Qt::Key_Left, 86},
      {Qt::Key_PageUp, 50},         {Qt::Key_Home, 0},           {Qt::Key_Left, 0},
      {Qt::Key_PageUp, 0},          {Qt::Key_End, kDraws - 37},  {Qt::Key_PageDown, kDraws - 37},
      {Qt::Key_Right, kDraws - 37}, {Qt::Key_Left, kDraws - 38}, {Qt::Key_Right, kDraws - 37},
  };
  for (const Step& s : steps) {
    QTest::keyClick(chart, static_cast<Qt::Key>(s.key));
    QCOMPARE(table.Position(), s.position);
    QCOMPARE(FirstShown(page), s.position);
  }
  // A key with a modifier is not a paging key.
  QTest::keyClick(chart, Qt::Key_Home, Qt::ShiftModifier);
  QCOMPARE(table.Position(), kDraws - 37);

  // The wheel pages: towards the user on, away from the user back.
  QTest::keyClick(chart, Qt::Key_Home);
  Wheel(chart, -1);
  QCOMPARE(table.Position(), 36);
  Wheel(chart, -2);
  QCOMPARE(table.Position(), 108);
  Wheel(chart, 1);
  QCOMPARE(table.Position(), 72);
  QCOMPARE(FirstShown(page), 72);
}

void PagingKeysTest::theZoomBoxAndCtrlWheelSetTheDrawsPerPage() {
  SeriesPage shown;
  const DrawTable& table = *shown.table;
  QWidget* page = shown.page;
  ChartView* chart = shown.chart;
  auto* zoom = Child<QComboBox>(page, "cb_cgxlqs");
  QVERIFY(chart && zoom);
  QCOMPARE(zoom->currentText(), QString("显示36期"));

  // A listed choice, then a free value typed into the box.
  zoom->setCurrentIndex(zoom->findText("显示45期"));
  QTest::keyClick(chart, Qt::Key_Home);
  QTest::keyClick(chart, Qt::Key_PageDown);
  QCOMPARE(table.Position(), 45);
  zoom->lineEdit()->setText("120");
  emit zoom->lineEdit()->editingFinished();
  QCOMPARE(zoom->currentText(), QString("显示120期"));
  QTest::keyClick(chart, Qt::Key_End);
  QCOMPARE(table.Position(), kDraws - 1 - 120);
  QCOMPARE(FirstShown(page), kDraws - 1 - 120);

  // Out of bounds or not a number: the box shows the size in force again.
  for (const char* bad : {"9", "501", "abc", ""}) {
    zoom->lineEdit()->setText(bad);
    emit zoom->lineEdit()->editingFinished();
    QCOMPARE(zoom->currentText(), QString("显示120期"));
  }

  // Ctrl+wheel: away from the user shows fewer draws, towards more; bounded.
  Wheel(chart, 1, Qt::ControlModifier);
  QCOMPARE(zoom->currentText(), QString::fromStdString(SpanText(ZoomedSpan(120, 1))));
  QTest::keyClick(chart, Qt::Key_End);
  QCOMPARE(table.Position(), kDraws - 1 - ZoomedSpan(120, 1));
  for (int i = 0; i < 40; ++i) Wheel(chart, 1, Qt::ControlModifier);
  QCOMPARE(zoom->currentText(), QString("显示10期"));
  QTest::keyClick(chart, Qt::Key_Home);
  QTest::keyClick(chart, Qt::Key_PageDown);
  QCOMPARE(table.Position(), 10);
  // Zooming keeps the anchor while the page fits before the newest draw ...
  Wheel(chart, -1, Qt::ControlModifier);
  QCOMPARE(zoom->currentText(), QString::fromStdString(SpanText(ZoomedSpan(10, -1))));
  QCOMPARE(table.Position(), 10);
  // ... and a page longer than the history starts at its first draw.
  for (int i = 0; i < 40; ++i) Wheel(chart, -1, Qt::ControlModifier);
  QCOMPARE(zoom->currentText(), QString("显示500期"));
  QCOMPARE(table.Position(), 0);
  QCOMPARE(FirstShown(page), 0);
}

void PagingKeysTest::theNewestButtonOpensTheLastFullPage() {
  SeriesPage shown;
  const DrawTable& table = *shown.table;
  shown.JumpTo(3);
  QCOMPARE(table.Position(), 3);
  Click(shown.page, "Button11_newest");
  QCOMPARE(table.Position(), LastPageAnchor(kDraws));

  // A bar over events, not draws, has no "最新"; its keys page the events.
  QWidget* events = Sheet(*shown.window, "ts_dgqzylzs");
  QVERIFY(events);
  for (auto* b : events->findChildren<QPushButton*>())
    QVERIFY2(b->text() != QString("最新") || !b->isVisibleTo(events), qPrintable(b->objectName()));
  auto* picture = Child<ChartView>(events, "i_dgqzylzs");
  QVERIFY(picture);
  const int anchor = table.Position();
  QTest::keyClick(picture, Qt::Key_End);
  QCOMPARE(table.Position(), anchor);
}

}  // namespace dlt::gui::test

DLT_GUI_TEST(dlt::gui::test::PagingKeysTest);
#include "paging_keys_test.moc"
