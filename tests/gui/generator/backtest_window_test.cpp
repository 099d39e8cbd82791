// The backtest window "历史回测", opened from the generator window.
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "generator/backtest.h"
#include "generator/condition_check.h"
#include "generator/condition_report.h"
#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_lshc.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "support/test_support.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;
using dlt::test::FrontNumber;

namespace {

// 主号一 from 2 to 31: a draw breaks it exactly when its first number is 1.
ConditionSet FirstNumberNotOne() {
  ConditionSet set;
  set.Switches().notEqualDist = false;
  set.Switches().specNext = false;
  const int red1 = FrontNumber("red1");
  set.SetEnabled(red1, true);
  set.SetValues(red1, *ValueSet::Range(2, 31));
  return set;
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

}  // namespace

class BacktestWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void opensFromTheGeneratorWithTheTableAndTheKeptShare();
  void doubleClickWritesTheCheckReportOfThatDraw();
};

void BacktestWindowTest::opensFromTheGeneratorWithTheTableAndTheKeptShare() {
  TestWorld world;
  world.SeedDraws(History(150, 3));
  auto app = world.MakeApp();
  auto* zh = app->Windows().Get<Tf_zh>();
  zh->Session().set = FirstNumberNotOne();
  zh->show();
  Click(*zh, "b_backtest");

  auto* window = app->Windows().Get<Tf_lshc>();
  QVERIFY(window->isVisible());
  QCOMPARE(window->windowTitle(), QString("历史回测"));
  const DrawTable& table = app->Context().Table();
  const std::vector<Draw>& draws = table.Draws();
  auto* grid = Child<QTableView>(*window, "sg_backtest");
  QCOMPARE(grid->model()->rowCount(), 100);
  int kept = 0;
  for (int row = 0; row < 100; ++row) {
    const Draw& d = draws[draws.size() - 100 + static_cast<size_t>(row)];
    const bool breaks = d.front[0] == 1;
    kept += !breaks;
    const auto cell = [&](int column) {
      return grid->model()->index(row, column).data().toString();
    };
    QCOMPARE(cell(0), QString::number(d.qs));
    QCOMPARE(cell(2), breaks ? QString("淘汰") : QString("保留"));
    QCOMPARE(cell(3), breaks ? QString("主号一") : QString());
  }
  QVERIFY(kept < 100);  // some draws of the seed begin with 1
  QCOMPARE(Child<QLabel>(*window, "l_share")->text(),
           QString("保留 %1/100 期 (%2%)").arg(kept).arg(kept * 1.0, 0, 'f', 1));

  // Another count, and a set changed in the generator meanwhile: asked again.
  zh->Session().set = ConditionSet{};
  Child<QSpinBox>(*window, "e_count")->setValue(12);
  Click(*window, "b_start");
  QCOMPARE(grid->model()->rowCount(), 12);
  const BacktestResult engine =
      RunBacktest(table, ConditionSet{}, app->Context().env, NearRange(table.RecordCount(), 12));
  QCOMPARE(
      Child<QLabel>(*window, "l_share")->text(),
      QString("保留 %1/12 期 (%2%)").arg(engine.kept).arg(engine.kept * 100.0 / 12, 0, 'f', 1));
  QVERIFY(world.shell.messages.isEmpty());
}

void BacktestWindowTest::doubleClickWritesTheCheckReportOfThatDraw() {
  TestWorld world;
  world.SeedDraws(History(150, 3));
  auto app = world.MakeApp();
  auto* zh = app->Windows().Get<Tf_zh>();
  const ConditionSet set = FirstNumberNotOne();
  zh->Session().set = set;
  zh->show();
  Click(*zh, "b_backtest");
  auto* window = app->Windows().Get<Tf_lshc>();
  auto* grid = Child<QTableView>(*window, "sg_backtest");
  // The first row the set would have lost.
  int row = 0;
  while (row < grid->model()->rowCount() &&
         grid->model()->index(row, 2).data().toString() != QString("淘汰"))
    ++row;
  QVERIFY(row < grid->model()->rowCount());
  const int32_t qs = grid->model()->index(row, 0).data().toInt();
  grid->scrollTo(grid->model()->index(row, 0));
  const QRect cell = grid->visualRect(grid->model()->index(row, 1));
  // A view takes a double click only after the press of a first click.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());

  QCOMPARE(world.shell.opened.size(), size_t(1));
  const QString path = world.shell.opened.back().toLocalFile();
  QVERIFY(path.endsWith("database/showcond.txt"));
  // The report of that draw, as "条件对错" writes it showing every line.
  const auto check = PastDrawCheck::FromTable(app->Context().Table(), qs, app->Context().env);
  QVERIFY(check.has_value());
  const QString expected = world.dir.path() + "/expected.txt";
  QVERIFY(WriteConditionReport(expected.toStdString(),
                               ConditionCheckReport(set, *check, CheckMode::kAll)));
  QCOMPARE(ReadAll(path), ReadAll(expected));
  QVERIFY(ReadAll(path).contains("\xb4\xed\xce\xf3 "));  // "错误 " in GBK: the draw broke a line
}

DLT_GUI_TEST(BacktestWindowTest);
#include "backtest_window_test.moc"
