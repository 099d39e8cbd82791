// The trend window Tf_fxd: its pages, the shared anchor, the selection row
// and the forecast record, display modes, picture export and the hand-off
// to the indicator analysis.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "gui/analysis/tf_zbpxz.h"
#include "gui/analysis/zbpxz_context.h"
#include "gui/app/window_set.h"
#include "gui/trend/chart_view.h"
#include "gui/trend/fxd_context.h"
#include "gui/trend/text_grid.h"
#include "gui/trend/tf_fxd.h"
#include "gui/trend/tf_tjq.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "indicators/catalogue.h"
#include "trend/data_tables.h"
#include "trend/omission_events.h"
#include "trend_test_support.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

void Trigger(QObject* parent, const char* name) {
  auto* a = Child<QAction>(parent, name);
  QVERIFY2(a, name);
  a->trigger();
}

size_t Count(const Chart& c, auto pred) {
  size_t n = 0;
  for (const ChartPanel& p : c.panels)
    for (const ChartItem& i : p.items) n += pred(i) ? 1 : 0;
  return n;
}

size_t Discs(const Chart& c) {
  return Count(c, [](const ChartItem& i) { return std::holds_alternative<ChartDisc>(i); });
}

// The program after its first show; what start-up said (the screen size) is forgotten.
std::unique_ptr<DltApp> Started(TestWorld& world) {
  auto app = world.StartApp();
  world.shell.messages.clear();
  return app;
}

// Clicks a cell of the selection row of an omission grid.
void ClickSelection(QTableView* grid, int column, Qt::MouseButton button = Qt::LeftButton) {
  const QModelIndex index = grid->model()->index(grid->model()->rowCount() - 6, column);
  grid->scrollTo(index);
  QTest::mouseClick(grid->viewport(), button, {}, grid->visualRect(index).center());
}

// The selection-row column of a value of the front grid (natural order: value + 0).
int ColumnOf(int value) {
  return value;
}

}  // namespace

class TrendWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void everyPageFillsInTabOrder();
  void pagingMovesTheSharedAnchor();
  void theSelectionRowWritesAndClearsTheForecastRecord();
  void displayModesRedrawTheMarkers();
  void analysisButtonsHandTheSeriesOver();
  void chartsExportAsPng();
  void anEmptyHistoryKeepsEveryPageWorking();
};

void TrendWindowTest::everyPageFillsInTabOrder() {
  TestWorld world;
  world.SeedDraws(History(150));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  QVERIFY(w->isVisible());
  QTabWidget* tabs = w->Pages();
  const QStringList captions = {"常规数据表",   "行列式",           "主号分布图",   "主区遗漏图表",
                                "副区遗漏图表", "主区尾数遗漏图表", "线和线差图",   "常规系列",
                                "和值系列",     "遗漏系列",         "转换法杀号",   "扩展系列一",
                                "扩展系列二",   "组合形态走势",     "组合形态图表", "指标拼图",
                                "主号遗漏走势", "副号遗漏走势",     "主区余数图",   "间隔分析",
                                "离中量"};
  QCOMPARE(tabs->count(), captions.size());
  for (int i = 0; i < tabs->count(); ++i) QCOMPARE(tabs->tabText(i), captions[i]);
  QCOMPARE(tabs->currentWidget()->objectName(), QString("ts_hns"));

  const DrawTable& table = app->Context().Table();
  const int anchor = table.Position();
  QCOMPARE(anchor, 150 - 1 - 10);

  // The data tables: every draw, the last row current, rows as the engine computes them.
  QWidget* page = Sheet(*w, "ts_cgd");
  const char* grids[] = {"sg_cgsjb", "sg_cgsjb2", "sg_cgsjb3"};
  for (int t = 1; t <= 3; ++t) {
    Child<QTabWidget>(page, "pc_sjb")->setCurrentIndex(t - 1);
    auto* grid = Child<QTableView>(page, grids[t - 1]);
    QCOMPARE(grid->model()->rowCount(), 150);
    QCOMPARE(grid->currentIndex().row(), 149);
    const auto row = DataTableRow(t, table.Draws(), 77, app->Context().env.coldHot);
    for (int c = 0; c < grid->model()->columnCount(); ++c)
      QCOMPARE(grid->model()->index(77, c).data().toString(), QString::fromStdString(row[c]));
  }
  QCOMPARE(Child<QTableView>(page, "sg_cgsjb")->currentIndex().column(), 8);
  // The cold/warm/hot columns of table 3 fit their texts with room to spare.
  auto* three = Child<QTableView>(page, "sg_cgsjb3");
  for (int column : {5, 10})
    for (int r = 0; r < 150; ++r) {
      const QString text = three->model()->index(r, column).data().toString();
      QVERIFY2(three->fontMetrics().horizontalAdvance(text) + 8 <= three->columnWidth(column),
               qPrintable(text));
    }
  // Scrolled to its last column, table 1 keeps the issue and the seven
  // numbers in view; the other tables keep the issue.
  for (int t = 1; t <= 3; ++t) {
    Child<QTabWidget>(page, "pc_sjb")->setCurrentIndex(t - 1);
    auto* grid = qobject_cast<FrozenTableView*>(Child<QTableView>(page, grids[t - 1]));
    QVERIFY(grid);
    QCOMPARE(grid->FrozenColumns(), t == 1 ? 8 : 1);
    grid->scrollTo(grid->model()->index(149, grid->model()->columnCount() - 1));
    if (t == 1) QVERIFY(grid->horizontalScrollBar()->value() > 0);
    auto* fixed = Child<QTableView>(grid, "frozen");
    QVERIFY(fixed->isVisible());
    int width = 0;
    for (int c = 0; c < grid->FrozenColumns(); ++c) {
      QVERIFY(!fixed->isColumnHidden(c));
      width += grid->columnWidth(c);
    }
    QVERIFY(fixed->isColumnHidden(grid->FrozenColumns()));
    QCOMPARE(fixed->width(), width);
    // Both parts at the last rows, row for row; the wheel over the frozen
    // part scrolls the whole grid.
    QTRY_COMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
    QCOMPARE(fixed->verticalScrollBar()->value(), grid->verticalScrollBar()->value());
    const QPoint over = fixed->viewport()->rect().center();
    QWheelEvent wheel(over, fixed->viewport()->mapToGlobal(over), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(fixed->viewport(), &wheel);
    QVERIFY(grid->verticalScrollBar()->value() < grid->verticalScrollBar()->maximum());
    QCOMPARE(fixed->verticalScrollBar()->value(), grid->verticalScrollBar()->value());
  }

  // The omission grids: the last 100 draws, selection and statistic rows, the draw column.
  const struct {
    const char* sheet;
    const char* grid;
    int columns;
  } omission[] = {{"ts_zhyltb", "sg_zhyltb", 35},
                  {"ts_fqyltb", "sg_fqyltb", 12},
                  {"ts_ws_zqyltb", "sg_ws_zqyltb", 10}};
  for (const auto& o : omission) {
    auto* grid = Child<QTableView>(Sheet(*w, o.sheet), o.grid);
    QCOMPARE(grid->model()->rowCount(), 100 + 6);
    QCOMPARE(grid->model()->columnCount(), o.columns + 2);
    QCOMPARE(grid->model()->index(0, 0).data().toString(), QString::number(table.Draws()[50].qs));
    QCOMPARE(grid->model()->index(105, 0).data().toString(), QString("本次遗漏"));
    QCOMPARE(grid->currentIndex(), grid->model()->index(105, 1));
  }

  // The distribution chart: 19 draws of five markers from the anchor (11 remain here).
  const Chart& board = ChartOf(Sheet(*w, "ts_redfbd"), "i_fbd");
  QCOMPARE(Count(board, [](const ChartItem& i) { return std::holds_alternative<ChartSprite>(i); }),
           size_t{11 * 5});

  // The chart pages: the anchor and what follows it, in their panels.
  const struct {
    const char* sheet;
    const char* picture;
    size_t panels, discs;
  } charts[] = {{"ts_jhjcd", "i_jhjcd", 2, 22},    {"ts_cgxl", "i_cgxl", 2, 22},
                {"ts_hzxl", "i_hzxl", 2, 22},      {"ts_ylxl", "i_ylxl", 2, 22},
                {"ts_ysd", "i_ysd", 5, 55},        {"ts_jgd", "i_jgd", 1, 0},
                {"ts_average", "i_average", 1, 11}};
  for (const auto& c : charts) {
    const Chart& chart = ChartOf(Sheet(*w, c.sheet), c.picture);
    QCOMPARE(chart.panels.size(), c.panels);
    QCOMPARE(Discs(chart), c.discs);
  }
  // The omission events of 1: the last 36 (or all) with their year and serial labels.
  const OmissionEvents events = NumberOmissionEvents(table.Draws(), 1, false);
  const Chart& ev = ChartOf(Sheet(*w, "ts_dgqzylzs"), "i_dgqzylzs");
  QCOMPARE(Discs(ev), 2 * std::min<size_t>(events.events.size(), 36));
  QCOMPARE(table.Position(), anchor);  // no fill moved the anchor
}

void TrendWindowTest::pagingMovesTheSharedAnchor() {
  TestWorld world;
  world.SeedDraws(History(150));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  const DrawTable& table = app->Context().Table();

  QWidget* series = Sheet(*w, "ts_cgxl");
  Child<QLineEdit>(series, "e_cgxl")->setText(QString::number(table.Draws()[50].qs));
  Click(series, "b_cgxljump");
  QCOMPARE(table.Position(), 50);
  Click(series, "Button11");  // 下一页: 36 draws
  QCOMPARE(table.Position(), 86);
  // The chart starts at the anchor: the first x label is the issue three draws on.
  QCOMPARE(ChartOf(series, "i_cgxl").panels[0].coord.xLabels.front(),
           std::to_string(table.Draws()[89].qs));

  // Another page reads the same anchor and moves it by its own page.
  QWidget* board = Sheet(*w, "ts_redfbd");
  Click(board, "Button8");  // 下一页: 19 draws
  QCOMPARE(table.Position(), 105);
  Click(board, "b_redfbd_prior");
  QCOMPARE(table.Position(), 104);
  series = Sheet(*w, "ts_cgxl");
  QCOMPARE(ChartOf(series, "i_cgxl").panels[0].coord.xFirst, 104);
  Click(series, "Button22");  // 下一条
  QCOMPARE(table.Position(), 105);
  // Paging stops at the ends; an unknown or empty jump leaves the anchor.
  for (int i = 0; i < 3; ++i) Click(series, "Button11");
  QCOMPARE(table.Position(), 149);
  Child<QLineEdit>(series, "e_cgxl")->setText("2001999");
  Click(series, "b_cgxljump");
  QCOMPARE(table.Position(), 149);
  Child<QLineEdit>(series, "e_cgxl")->clear();
  Click(series, "b_cgxljump");
  QCOMPARE(table.Position(), 149);
  for (int i = 0; i < 6; ++i) Click(series, "b_cgxlpriorpage");
  QCOMPARE(table.Position(), 0);
  // A longer period pages further.
  Child<QComboBox>(series, "cb_cgxlqs")->setCurrentText("显示66期");
  Click(series, "Button11");
  QCOMPARE(table.Position(), 66);
  QCOMPARE(Discs(ChartOf(series, "i_cgxl")), size_t{2 * 67});
  // The event pages page their events, not the anchor.
  QWidget* events = Sheet(*w, "ts_fhylzs");
  Click(events, "Button19");
  Click(events, "Button21");
  QCOMPARE(table.Position(), 66);
}

void TrendWindowTest::theSelectionRowWritesAndClearsTheForecastRecord() {
  TestWorld world;
  world.SeedDraws(History(120));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  // The statistics area stays open beside the trend window.
  auto* tjq = app->Windows().Get<Tf_tjq>();
  tjq->show();
  auto* tjqTo = Child<QComboBox>(tjq, "cb_fxtj_to");
  QCOMPARE(tjqTo->count(), 120);
  DrawTable& table = app->Context().Table();
  const int anchor = table.Position();
  QWidget* page = Sheet(*w, "ts_zhyltb");
  auto* grid = Child<QTableView>(page, "sg_zhyltb");
  for (int v : {3, 8, 15, 22}) ClickSelection(grid, ColumnOf(v));
  QVERIFY(w->Shared().selection.IsMarked(8));

  // Four numbers: the rule message, nothing written.
  Trigger(page, "n_xhtoyc");
  QCOMPARE(world.shell.messages.value(0), QString("选号区红号个数应为5个"));
  QVERIFY(!table.HasForecast());

  ClickSelection(grid, ColumnOf(30));
  Trigger(page, "n_xhtoyc");
  QCOMPARE(world.shell.messages.size(), 1);
  QVERIFY(table.HasForecast());
  const Draw& forecast = table.Draws().back();
  QCOMPARE(forecast.qs, kForecastQs);
  QVERIFY((forecast.front == std::array<uint8_t, 5>{3, 8, 15, 22, 30}));
  QVERIFY((forecast.back == std::array<uint8_t, 2>{1, 2}));
  QCOMPARE(table.Position(), anchor);
  auto* to = Child<QComboBox>(page, "cb_zhyltb_to");
  QCOMPARE(to->currentText(), QString("9999999"));
  QCOMPARE(Child<QComboBox>(w, "cb_ws_to")->currentText(), QString("9999999"));
  // The refilled grid ends with the forecast record, shown as "预测区".
  const int lastDraw = grid->model()->rowCount() - 7;
  QCOMPARE(grid->model()->index(lastDraw, 0).data().toString(), QString("预测区"));
  QCOMPARE(tjqTo->itemText(tjqTo->count() - 1), QString("9999999"));

  // Importing again overwrites the same record.
  ClickSelection(grid, ColumnOf(30));
  ClickSelection(grid, ColumnOf(31));
  Trigger(page, "n_xhtoyc");
  QCOMPARE(table.RecordCount(), 121);
  QCOMPARE(table.Draws().back().front[4], uint8_t{31});
  QCOMPARE(to->count(), 121);

  Trigger(page, "n_clearxh");
  QVERIFY(!w->Shared().selection.IsMarked(3));
  Trigger(page, "n_clearyc");
  QVERIFY(!table.HasForecast());
  QCOMPARE(to->count(), 120);
  QCOMPARE(to->currentText(), QString::number(table.Draws().back().qs));
  QCOMPARE(Child<QComboBox>(w, "cb_ws_to")->count(), 120);
  QCOMPARE(table.Position(), anchor);
  // The open statistics area no longer offers the deleted record.
  QCOMPARE(tjqTo->count(), 120);
  QCOMPARE(tjqTo->findText("9999999"), -1);
  QCOMPARE(tjqTo->currentText(), QString::number(table.Draws().back().qs));

  // The tail grid's marks cycle 0..3 and a right click clears them.
  QWidget* tails = Sheet(*w, "ts_ws_zqyltb");
  auto* tailGrid = Child<QTableView>(tails, "sg_ws_zqyltb");
  for (int i = 0; i < 3; ++i) ClickSelection(tailGrid, 1 + 7);  // tail 7
  QCOMPARE(w->Shared().selection.TailMark(7), 3);
  ClickSelection(tailGrid, 1 + 7);
  QCOMPARE(w->Shared().selection.TailMark(7), 0);
  ClickSelection(tailGrid, 1 + 2);
  ClickSelection(tailGrid, 1 + 3, Qt::RightButton);
  QCOMPARE(w->Shared().selection.TailMark(2), 0);
}

void TrendWindowTest::displayModesRedrawTheMarkers() {
  TestWorld world;
  world.SeedDraws(History(60));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  QWidget* board = Sheet(*w, "ts_redfbd");
  const struct {
    const char* item;
    int kind;
    bool numbers;
  } modes[] = {{"pm_item_square", 1, false},
               {"pm_item_squarenum", 1, true},
               {"pm_item_ball", 2, false},
               {"pm_item_ballnum", 2, true}};
  for (const auto& m : modes) {
    Trigger(w->DisplayMenu(), m.item);
    const Chart& chart = ChartOf(board, "i_fbd");
    const auto sprites = chart.panels[0].ItemsOf<ChartSprite>();
    QVERIFY(!sprites.empty());
    for (const ChartSprite& s : sprites) QCOMPARE(s.kind, m.kind);
    // Header texts (期数, 1..35, issues) and, with numbers, one text per marker.
    const size_t texts = chart.panels[0].ItemsOf<ChartText>().size();
    QCOMPARE(texts, 36 + 11 + (m.numbers ? sprites.size() : 0));
    QVERIFY(Child<QAction>(w->DisplayMenu(), m.item)->isChecked());
  }
  // The run marks follow the mark style box: "取消标识" paints every marker in colour 0.
  Child<QComboBox>(board, "cb_fbd")->setCurrentIndex(3);
  for (const ChartSprite& s : ChartOf(board, "i_fbd").panels[0].ItemsOf<ChartSprite>())
    QCOMPARE(s.index, 0);
  // Scrolling steps the board one draw per tick and stops when its page is left.
  const int anchor = app->Context().Table().Position();
  Trigger(w->DisplayMenu(), "pm_item_startmove");
  auto* timer = Child<QTimer>(w, "t_redfbd_scroll");
  QVERIFY(timer->isActive());
  Trigger(w->DisplayMenu(), "pm_item_quick");
  QCOMPARE(timer->interval(), 500);
  QMetaObject::invokeMethod(timer, "timeout");
  QCOMPARE(app->Context().Table().Position(), anchor + 1);
  Trigger(w->DisplayMenu(), "n_scroll_up");
  QMetaObject::invokeMethod(timer, "timeout");
  QMetaObject::invokeMethod(timer, "timeout");
  QCOMPARE(app->Context().Table().Position(), anchor - 1);
  Sheet(*w, "ts_cgd");
  QMetaObject::invokeMethod(timer, "timeout");
  QVERIFY(!timer->isActive());
  QVERIFY(Child<QAction>(w->DisplayMenu(), "N_stopmove")->isChecked());
  QCOMPARE(app->Context().Table().Position(), anchor - 1);

  // The grids repaint in the chosen mode: a square and a ball differ on screen.
  QWidget* grid = Sheet(*w, "ts_zhyltb");
  auto* view = Child<QTableView>(grid, "sg_zhyltb");
  Trigger(w->DisplayMenu(), "pm_item_square");
  const QImage squares = view->viewport()->grab().toImage();
  Trigger(w->DisplayMenu(), "pm_item_ball");
  QVERIFY(view->viewport()->grab().toImage() != squares);
  QCOMPARE(w->Shared().displayMode, 1);
}

void TrendWindowTest::analysisButtonsHandTheSeriesOver() {
  TestWorld world;
  world.SeedDraws(History(90));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  DrawTable& table = app->Context().Table();
  auto* analysis = app->Windows().Get<Tf_zbpxz>();

  QWidget* series = Sheet(*w, "ts_hzxl");
  Child<QRadioButton>(series, "rb_z_wh")->click();
  Click(series, "b_hzxl_zbpx");
  QVERIFY(analysis->isVisible());
  const tsetaccostr* row = FindCatalogueRow("z_wh");
  QCOMPARE(analysis->windowTitle(), QString::fromStdString(row->label));
  QCOMPARE(analysis->Context().from, row->min);
  QCOMPARE(analysis->Context().to, row->max);
  QCOMPARE(analysis->Context().key, std::string("z_wh"));
  for (int i = 0; i < 90; ++i) {
    int tails = 0;
    for (int n : table.Draws()[i].front) tails += n % 10;
    QCOMPARE(table.Scratch(ScratchField::Test, i), tails);
  }
  QCOMPARE(table.Position(), 90 - 1 - 36);
  analysis->hide();

  // The omission events of back number 5: the last event into the last draw, backwards.
  QWidget* events = Sheet(*w, "ts_fhylzs");
  Child<QComboBox>(events, "cb_fhylzs")->setCurrentIndex(4);
  Click(events, "Button44");
  const OmissionEvents e = NumberOmissionEvents(table.Draws(), 5, true);
  QCOMPARE(analysis->windowTitle(), QString("副区号码5的遗漏"));
  QCOMPARE(analysis->Context().to, e.largest);
  QCOMPARE(analysis->Context().key, std::string());
  const int n = static_cast<int>(e.events.size());
  for (int k = 0; k < n; ++k)
    QCOMPARE(table.Scratch(ScratchField::Test, 89 - k), e.events[n - 1 - k].omission);
  QCOMPARE(table.Scratch(ScratchField::Test, 89 - n), 0);
  analysis->hide();
}

void TrendWindowTest::chartsExportAsPng() {
  TestWorld world;
  world.SeedDraws(History(60));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  auto* view = Child<ChartView>(Sheet(*w, "ts_jgd"), "i_jgd");
  const QString path = world.dir.path() + "/gaps";
  world.shell.files.push_back(path);
  Trigger(view, "n_exportpicture");
  const QImage saved(path + ".png");
  QCOMPARE(saved.size(), view->size());
  QCOMPARE(world.shell.titles.value(0), QString("导出图片"));
  // A cancelled dialog writes nothing and says nothing.
  QVERIFY(!view->ExportImage());
  QVERIFY(world.shell.messages.isEmpty());
}

void TrendWindowTest::anEmptyHistoryKeepsEveryPageWorking() {
  TestWorld world;
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  QTabWidget* tabs = w->Pages();
  QStringList analyses;  // what the buttons said, but the matrix filters' own input checks
  QWidget* matrix = Sheet(*w, "ts_hns");
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    const qsizetype before = world.shell.messages.size();
    for (QPushButton* b : tabs->currentWidget()->findChildren<QPushButton*>())
      QTest::mouseClick(b, Qt::LeftButton);
    for (ChartView* v : tabs->currentWidget()->findChildren<ChartView*>())
      QVERIFY(!v->CurrentChart().panels.empty() || v->objectName() == "i_fbd");
    if (tabs->currentWidget() != matrix) analyses << world.shell.messages.mid(before);
  }
  // Every "指标剖析" said why nothing opened.
  QVERIFY(analyses.size() >= 7);
  // The kill page's hand-off to the generator has no kills to hand over.
  analyses.removeAll(QString("请先按“刷新”算出杀号"));
  for (const QString& m : analyses) QCOMPARE(m, QString("没有开奖数据，无法剖析"));
  QVERIFY(!app->Windows().Get<Tf_zbpxz>()->isVisible());
  QCOMPARE(Child<QTableView>(w, "sg_zhyltb")->model()->rowCount(), 6);
}

DLT_GUI_TEST(TrendWindowTest);
#include "trend_window_test.moc"
