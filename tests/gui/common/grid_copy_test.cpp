// Every grid copies its selected cells and exports itself as CSV.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

#include "gui/app/window_set.h"
#include "gui/common/grid_view.h"
#include "gui/trend/tf_fxd.h"
#include "trend/trend_test_support.h"

namespace dlt::gui::test {

class GridCopyTest : public QObject {
  Q_OBJECT
 private slots:
  void ctrlCCopiesTheSelectedBlockWithHeaders();
  void hiddenHeadersRowsAndColumnsAreLeftOut();
  void exportWritesTheWholeGridAsCsv();
  void everyGridOfTheTrendWindowCopiesAndExports();
};

namespace {

// A grid of 4 rows and 3 columns "r<row>c<column>", headed 期号, 主号一, "a,b".
struct SampleGrid {
  QStandardItemModel model{4, 3};
  QTableView view;
  FakeShell shell;

  SampleGrid() {
    model.setHorizontalHeaderLabels({"期号", "主号一", "a,b"});
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 3; ++c)
        model.setItem(r, c, new QStandardItem(QString("r%1c%2").arg(r).arg(c)));
    model.item(3, 2)->setText("say \"x\"\nnext");
    view.setModel(&model);
    SetUpGridView(&view, shell, 20);
  }
  void Select(int top, int left, int bottom, int right) {
    view.selectionModel()->select(
        QItemSelection(model.index(top, left), model.index(bottom, right)),
        QItemSelectionModel::ClearAndSelect);
  }
};

QString Copied(QTableView& view) {
  QApplication::clipboard()->clear();
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  return QApplication::clipboard()->text();
}

}  // namespace

void GridCopyTest::ctrlCCopiesTheSelectedBlockWithHeaders() {
  SampleGrid grid;
  grid.view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid.view));
  QCOMPARE(grid.view.editTriggers(), QAbstractItemView::NoEditTriggers);
  QVERIFY(grid.view.verticalHeader()->isHidden());
  QCOMPARE(grid.view.verticalHeader()->defaultSectionSize(), 20);

  struct Case {
    int top, left, bottom, right;
    QString text;
  };
  const Case cases[] = {
      {1, 0, 2, 1, "期号\t主号一\nr1c0\tr1c1\nr2c0\tr2c1\n"},
      {0, 2, 0, 2, "a,b\nr0c2\n"},
      // A field's tab or line break would split it: it becomes a space.
      {3, 1, 3, 2, "主号一\ta,b\nr3c1\tsay \"x\" next\n"},
  };
  for (const Case& c : cases) {
    grid.Select(c.top, c.left, c.bottom, c.right);
    QCOMPARE(Copied(grid.view), c.text);
  }
  // Nothing selected: the current cell.
  grid.view.selectionModel()->clearSelection();
  grid.view.setCurrentIndex(grid.model.index(2, 2));
  grid.view.selectionModel()->clearSelection();
  QCOMPARE(Copied(grid.view), QString("a,b\nr2c2\n"));
  // The popup menu offers both.
  QStringList items;
  for (QAction* a : grid.view.actions()) items << a->text();
  QCOMPARE(items, QStringList({"复制\tCtrl+C", "导出CSV..."}));
  QCOMPARE(grid.view.contextMenuPolicy(), Qt::ActionsContextMenu);
}

void GridCopyTest::hiddenHeadersRowsAndColumnsAreLeftOut() {
  SampleGrid grid;
  grid.view.setColumnHidden(1, true);
  grid.view.setRowHidden(1, true);
  grid.view.horizontalHeader()->hide();
  QCOMPARE(CsvText(GridTexts(grid.view, false)),
           std::string("r0c0,r0c2\r\nr2c0,r2c2\r\nr3c0,\"say \"\"x\"\"\nnext\"\r\n"));
  // A shown row header leads each row.
  grid.view.horizontalHeader()->show();
  grid.view.verticalHeader()->show();
  grid.Select(2, 0, 2, 0);
  QCOMPARE(GridTexts(grid.view, true), (TextRows{{"", "期号"}, {"3", "r2c0"}}));
}

void GridCopyTest::exportWritesTheWholeGridAsCsv() {
  SampleGrid grid;
  QTemporaryDir dir;
  const QString path = dir.path() + "/grid";
  grid.shell.files = {path};
  QVERIFY(ExportGridCsv(&grid.view, grid.shell));
  QFile file(path + ".csv");
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray expected =
      "\xEF\xBB\xBF"
      "期号,主号一,\"a,b\"\r\n"
      "r0c0,r0c1,r0c2\r\nr1c0,r1c1,r1c2\r\nr2c0,r2c1,r2c2\r\n"
      "r3c0,r3c1,\"say \"\"x\"\"\nnext\"\r\n";
  QCOMPARE(file.readAll(), expected);
  QCOMPARE(grid.shell.filters, QStringList({"CSV 文件 (*.csv)"}));

  // Cancelled: nothing written, nothing said.
  QVERIFY(!ExportGridCsv(&grid.view, grid.shell));
  QVERIFY(grid.shell.messages.isEmpty());
  // A folder that does not exist: the user is told, nothing is claimed.
  grid.shell.files = {dir.path() + "/no/such/folder/grid.csv"};
  QVERIFY(!ExportGridCsv(&grid.view, grid.shell));
  QCOMPARE(grid.shell.messages.size(), 1);
  QVERIFY(grid.shell.messages.front().startsWith("无法写入文件："));
}

void GridCopyTest::everyGridOfTheTrendWindowCopiesAndExports() {
  TestWorld world;
  world.SeedDraws(History(80));
  auto app = world.StartApp();
  auto* w = app->Windows().Get<Tf_fxd>();
  int grids = 0;
  for (QTableView* view : w->findChildren<QTableView*>()) {
    // The frozen columns of a grid are part of it.
    if (qobject_cast<QTableView*>(view->parentWidget())) continue;
    ++grids;
    QStringList names;
    for (QAction* a : view->actions()) names << a->objectName();
    QVERIFY2(names.contains("n_copycells") && names.contains("n_exportcsv"),
             qPrintable(view->objectName()));
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
  }
  QVERIFY(grids >= 8);
  // The omission grid of the front numbers exports what it shows.
  Sheet(*w, "ts_zhyltb");
  auto* omission = Child<QTableView>(w, "sg_zhyltb");
  QVERIFY(omission);
  const TextRows rows = GridTexts(*omission, false);
  QCOMPARE(static_cast<int>(rows.size()), omission->model()->rowCount() + 1);
  QCOMPARE(rows.at(1).size(), rows.at(0).size());
  QCOMPARE(QString::fromStdString(rows.at(1).at(0)),
           omission->model()->index(0, 0).data().toString());
}

}  // namespace dlt::gui::test

DLT_GUI_TEST(dlt::gui::test::GridCopyTest);
#include "grid_copy_test.moc"
