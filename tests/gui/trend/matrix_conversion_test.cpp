// The number matrix page "行列式" with its three exports to the generator,
// the layout design Tf_selfhns, and the conversion page "转换法杀号".
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "common/gbk_text.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/analysis/zbpxz_context.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"
#include "gui/killnum/tf_selfhns.h"
#include "gui/trend/chart_view.h"
#include "gui/trend/fxd_conversion_page.h"
#include "gui/trend/fxd_matrix_page.h"
#include "gui/trend/text_grid.h"
#include "gui/trend/tf_fxd.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "trend/conversion_kills.h"
#include "trend/key_series.h"
#include "trend/matrix_layout.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

size_t Sprites(const Chart& c, int index) {
  size_t n = 0;
  for (const ChartItem& i : c.panels.at(0).items)
    if (const auto* s = std::get_if<ChartSprite>(&i)) n += s->index == index ? 1 : 0;
  return n;
}

size_t Discs(const Chart& c) {
  size_t n = 0;
  for (const ChartItem& i : c.panels.at(0).items) n += std::holds_alternative<ChartDisc>(i);
  return n;
}

// The program with the trend window on "行列式".
struct Fixture {
  TestWorld world;
  std::unique_ptr<DltApp> app;
  Tf_fxd* fxd = nullptr;
  MatrixPage* matrix = nullptr;

  explicit Fixture(int draws = 150) {
    world.SeedDraws(History(draws));
    app = world.StartApp();
    world.shell.messages.clear();
    fxd = app->Windows().Get<Tf_fxd>();
    fxd->ShowPage(QStringLiteral("ts_hns"));
    matrix = qobject_cast<MatrixPage*>(fxd->Pages()->currentWidget());
  }
  AppContext& Context() { return app->Context(); }
  Tf_zh* Zh() { return app->Windows().Get<Tf_zh>(); }
  ChartView* View() { return matrix->View(); }
  // Clicks the cell of `number` in the picks matrix (plain order, 6 X 6).
  void ClickPick(int number, Qt::MouseButton button = Qt::LeftButton) {
    const PixelRect r = *matrix->Picture().picksRect;
    const int s = matrix->Picture().geometry.cell;
    const QPoint p(r.left + ((number - 1) % 6) * s + s / 2, r.top + ((number - 1) / 6) * s + s / 2);
    QTest::mouseClick(View(), button, {}, p);
  }
  QString LastMessage() const {
    return world.shell.messages.value(world.shell.messages.size() - 1);
  }
};

}  // namespace

class MatrixConversionTest : public QObject {
  Q_OBJECT
 private slots:
  void matrixSizesAndOrdersRedraw();
  void picksFollowTheMouse();
  void exportsLandInTheGenerator();
  void layoutDesignPlacesUndoesAndApplies();
  void conversionPageTablesAndTools();
  void conversionKillsGoToTheGenerator();
};

void MatrixConversionTest::matrixSizesAndOrdersRedraw() {
  Fixture f;
  QVERIFY(f.matrix);
  // The start page: 12 matrices of 6 X 6 from the anchor (ten draws before
  // the last): eleven draws and the picks matrix.
  QCOMPARE(Sprites(f.View()->CurrentChart(), 4), size_t{12 * 36});
  QCOMPARE(Discs(f.View()->CurrentChart()), size_t{11 * 5});

  Click(f.matrix, "rb_57");
  QCOMPARE(f.matrix->Setup().size, (MatrixSize{5, 7}));
  QCOMPARE(Sprites(f.View()->CurrentChart(), 4), size_t{12 * 35});
  Child<QComboBox>(f.matrix, "cb_hns_showqs")->setCurrentText("4");
  QCOMPARE(Sprites(f.View()->CurrentChart(), 4), size_t{4 * 35});

  // The custom size: 5 rows, then 9 columns is refused down to 8.
  Click(f.matrix, "rb_selfsize");
  Child<QComboBox>(f.matrix, "cb_selfsize_row")->setCurrentText("5");
  Child<QComboBox>(f.matrix, "cb_selfsize_col")->setCurrentText("9");
  QCOMPARE(f.LastMessage(), QString("行乘列不能大于40"));
  QCOMPARE(Child<QComboBox>(f.matrix, "cb_selfsize_col")->currentText(), QString("8"));
  QCOMPARE(f.matrix->Setup().size, (MatrixSize{8, 5}));
  QCOMPARE(Sprites(f.View()->CurrentChart(), 4), size_t{4 * 40});

  // The spiral order from the data folder; a missing custom file keeps it.
  auto* sort = Child<QComboBox>(f.matrix, "cb_sort");
  auto* save = Child<QPushButton>(f.matrix, "b_saverandsx");
  QVERIFY(!save->isEnabled());
  sort->setCurrentIndex(1);
  const auto spiral = ReadLayoutFile(f.Context().folder.Path("database/lx.hls"));
  QVERIFY(spiral);
  QCOMPARE(f.matrix->Setup().order, *spiral);
  QVERIFY(save->isEnabled());
  sort->setCurrentIndex(3);
  QVERIFY(f.LastMessage().contains("selfhls1.hls"));
  QCOMPARE(sort->currentIndex(), 1);
  QCOMPARE(f.matrix->Setup().order, *spiral);

  // A random order of 1..35, saved and loaded back.
  Click(f.matrix, "b_genrandsx");
  const MatrixOrder random = f.matrix->Setup().order;
  QVERIFY(random != DefaultGridLayout());
  QCOMPARE(sort->currentText(), QString("自定义行列式"));
  const QString path = f.world.dir.path() + "/random";
  f.world.shell.files.push_back(path);
  Click(f.matrix, "b_saverandsx");
  QCOMPARE(ReadLayoutFile((path + ".hls").toStdString()), std::optional<MatrixOrder>(random));
  sort->setCurrentIndex(0);
  QCOMPARE(f.matrix->Setup().order, DefaultGridLayout());
  f.world.shell.files.push_back(path + ".hls");
  Click(f.matrix, "b_loadrandsx");
  QCOMPARE(f.matrix->Setup().order, random);

  // A layout file that is no layout (ten copies of 01) is named with the
  // line that is wrong, and the order stays.
  const QString copies = f.world.dir.path() + "/copies.hls";
  {
    QFile file(copies);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("01  01  01  01  01  01  01  01  01  01  \r\n");
  }
  f.world.shell.files.push_back(copies);
  Click(f.matrix, "b_loadrandsx");
  QVERIFY2(f.LastMessage().contains("copies.hls"), qPrintable(f.LastMessage()));
  QVERIFY2(f.LastMessage().contains("第1行的01重复"), qPrintable(f.LastMessage()));
  QCOMPARE(f.matrix->Setup().order, random);
}

void MatrixConversionTest::picksFollowTheMouse() {
  Fixture f;
  // On the last draw: that draw and the picks matrix after it.
  f.Context().Table().Last();
  f.matrix->Fill();
  QVERIFY(f.matrix->Picture().picksRect);
  QCOMPARE(Discs(f.View()->CurrentChart()), size_t{5});
  f.ClickPick(7);
  f.ClickPick(20);
  QVERIFY(f.matrix->Setup().picks[7] && f.matrix->Setup().picks[20]);
  QCOMPARE(Discs(f.View()->CurrentChart()), size_t{7});
  f.ClickPick(7);  // twice: as it was
  QVERIFY(!f.matrix->Setup().picks[7]);
  QCOMPARE(Discs(f.View()->CurrentChart()), size_t{6});
  f.ClickPick(1, Qt::RightButton);
  QCOMPARE(Discs(f.View()->CurrentChart()), size_t{5});
  for (bool pick : f.matrix->Setup().picks) QVERIFY(!pick);
}

void MatrixConversionTest::exportsLandInTheGenerator() {
  Fixture f;
  auto* inner = Child<QTabWidget>(f.matrix, "pc_hns");
  const ConditionSet& set = f.Zh()->Session().set;

  // The chosen cells as a self condition.
  inner->setCurrentIndex(1);
  Click(f.matrix, "b_dcfilter");
  QCOMPARE(f.LastMessage(), QString("请选择好行号或列号"));
  Child<QCheckBox>(f.matrix, "cb_r1")->setChecked(true);
  Child<QCheckBox>(f.matrix, "cb_c1")->setChecked(true);
  Click(f.matrix, "b_dcfilter");
  QCOMPARE(f.LastMessage(), QString("请设置好出号个数。"));
  Child<QLineEdit>(f.matrix, "e_chgs")->setText("1 2");
  Child<QCheckBox>(f.matrix, "cb_hns_rc")->setChecked(true);
  Click(f.matrix, "b_dcfilter");
  const QString line = "号码组: 1  2  3  4  5  6  7  13  19  25  31  ;出现个数:1 2 容错";
  QCOMPARE(f.LastMessage(),
           "行列式过滤设置结果是：" + line + "。现已成功导出到超强组号的自设条件中");
  QVERIFY(set.SelfConditionsEnabled());
  QCOMPARE(set.SelfConditions().back().numbers,
           (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 13, 19, 25, 31}));
  QCOMPARE(set.SelfConditions().back().counts.Values(), (std::vector<int32_t>{1, 2}));
  auto* selfLines = Child<QListWidget>(f.Zh(), "lb_selfcond");
  QCOMPARE(selfLines->item(selfLines->count() - 1)->text(), line);
  QVERIFY(Child<QCheckBox>(f.Zh(), "cb_selfcond")->isChecked());
  Click(f.matrix, "b_reset");
  QVERIFY(!Child<QCheckBox>(f.matrix, "cb_r1")->isChecked());
  QVERIFY(Child<QLineEdit>(f.matrix, "e_chgs")->text().isEmpty());

  // The empty-line count as a custom indicator, with the order on screen.
  inner->setCurrentIndex(0);
  Click(f.matrix, "b_genrandsx");
  const MatrixOrder order = f.matrix->Setup().order;
  inner->setCurrentIndex(2);
  QCOMPARE(Child<QLineEdit>(f.matrix, "e_hns_filter2_n")->text(), QString("6"));
  QCOMPARE(Child<QLineEdit>(f.matrix, "e_hns_filter2_h")->text(), QString("6"));
  Click(f.matrix, "b_hns_filter2_dc");
  QCOMPARE(f.LastMessage(), QString("请输入个数"));
  QCOMPARE(f.Context().env.layout, DefaultGridLayout());
  Child<QLineEdit>(f.matrix, "e_hns_filter2")->setText("1 2");
  Click(f.matrix, "rb_kngs");
  Click(f.matrix, "b_hns_filter2_dc");
  QCOMPARE(f.LastMessage(), QString("空行空列设置现已成功导出到超强组号的自定义指标中"));
  QCOMPARE(QString::fromStdString(set.CustomIndicators().back().formula),
           QString("c_hnskhkn_1_6_6"));
  QCOMPARE(set.CustomIndicators().back().values.Values(), (std::vector<int32_t>{1, 2}));
  auto* customLines = Child<QListWidget>(f.Zh(), "lb_selfzb");
  QCOMPARE(customLines->item(customLines->count() - 1)->text(),
           QString("c_hnskhkn_1_6_6  取值: 1 2"));
  QCOMPARE(f.Context().env.layout, order);
  // The generator's run reads the same layout.
  QCOMPARE(PrepareRun(f.Context(), f.Zh()->Session()).env.layout, order);

  // The shape key goes to the generator's formula edit on its page.
  inner->setCurrentIndex(3);
  Child<QLineEdit>(f.matrix, "e_hns_filter3_n")->setText("12");
  Child<QLineEdit>(f.matrix, "e_hns_filter3_h")->setText("3");
  Click(f.matrix, "b_hns_filter3_tofilter");
  QVERIFY(f.Zh()->isVisible());
  QCOMPARE(Child<QLineEdit>(f.Zh(), "e_selfzb")->text(), QString("c_hnszhxt_0_12_3"));
  QCOMPARE(Child<QTabWidget>(f.Zh(), "PageControl2")->currentWidget()->objectName(),
           QString("ts_zh_selfzb"));
  f.Zh()->hide();

  // The assistant of the first page: hit counts of row 2 in every draw.
  inner->setCurrentIndex(1);
  Child<QCheckBox>(f.matrix, "cb_r2")->setChecked(true);
  Click(f.matrix, "b_hns_glzs");
  auto* analysis = f.app->Windows().Get<Tf_zbpxz>();
  QVERIFY(analysis->isVisible());
  QCOMPARE(analysis->windowTitle(), QString("行：2, 列： 的奖号出现个数走势图（过滤助手）"));
  QCOMPARE(analysis->Context().to, 5);
  const auto& draws = f.Context().Table().Draws();
  for (int i : {0, 77, 149}) {
    int hits = 0;
    for (int c = 1; c <= 6; ++c)
      hits += std::count(draws[i].front.begin(), draws[i].front.end(), order[6 + c - 1]);
    QCOMPARE(f.Context().Table().Scratch(ScratchField::Test, i), hits);
  }
  analysis->hide();

  // Each assistant's analysis pages from 36 draws before the end; once it
  // closes, the shared draw is back where the user left the trend pages.
  DrawTable& table = f.Context().Table();
  Child<QLineEdit>(f.matrix, "e_hns_filter2_n")->setText("12");
  Child<QLineEdit>(f.matrix, "e_hns_filter2_h")->setText("3");
  const struct {
    int page;
    const char* button;
  } assistants[] = {{1, "b_hns_glzs"}, {2, "b_hns_filter2_history"}, {3, "b_hns_filter3_glzs"}};
  for (const auto& a : assistants) {
    inner->setCurrentIndex(a.page);
    table.LocateDraw(draws[40].qs);
    Click(f.matrix, a.button);
    QVERIFY2(analysis->isVisible(), a.button);
    QCOMPARE(table.Position(), 150 - 1 - 36);
    analysis->close();
    QCOMPARE(table.CurrentDraw().qs, draws[40].qs);
  }

  // A filter page while the matrices show the back numbers: the warning.
  inner->setCurrentIndex(0);
  Click(f.matrix, "rb_xs_fh");
  inner->setCurrentIndex(3);
  QVERIFY(f.LastMessage().startsWith("行列的过滤操作只针对以主号为内容的行列式"));
}

void MatrixConversionTest::layoutDesignPlacesUndoesAndApplies() {
  Fixture f;
  auto* design = f.app->Windows().Get<Tf_selfhns>();
  auto square = [design](int n) {
    return Child<DesignSquare>(design, QStringLiteral("palette%1").arg(n).toUtf8().constData());
  };
  // Half done, one undone, "应用" refused; then complete and applied.
  f.world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Child<QComboBox>(&d, "ComboBox1")->setCurrentIndex(1);  // 5X7
    for (int n = 40; n >= 23; --n) QTest::mouseClick(square(n), Qt::LeftButton);
    QCOMPARE(design->Design().Filled(), 18);
    QTest::mouseClick(square(40), Qt::LeftButton);  // used: nothing
    Click(&d, "b_undo");
    QCOMPARE(design->Design().Filled(), 17);
    QCOMPARE(Child<QLabel>(&d, "cell17")->text(), QString("24"));
    QVERIFY(Child<QLabel>(&d, "cell18")->text().isEmpty());
    Click(&d, "b_apply");
    QCOMPARE(f.LastMessage(), QString("请先将行列式设计完，再应用."));
    Click(&d, "b_save");
    QCOMPARE(f.LastMessage(), QString("请先将行列式设计完，再保存."));
    for (int n = 1; n <= 18; ++n) QTest::mouseClick(square(n), Qt::LeftButton);
    QVERIFY(design->Design().Complete());
    QVERIFY(!Child<QLabel>(&d, "cell36")->isVisible());
    Click(&d, "b_self2");
    Click(&d, "b_apply");
  });
  Click(f.matrix, "b_modrandsx");
  QCOMPARE(f.world.shell.dialogsRun, 1);
  std::vector<int> expected;
  for (int n = 40; n >= 24; --n) expected.push_back(n);
  for (int n = 1; n <= 18; ++n) expected.push_back(n);
  const MatrixOrder& order = f.matrix->Setup().order;
  QCOMPARE(std::vector<int>(order.begin(), order.begin() + 35), expected);
  QCOMPARE(Child<QComboBox>(f.matrix, "cb_sort")->currentText(), QString("自定义行列式"));
  QVERIFY(Child<QPushButton>(f.matrix, "b_saverandsx")->isEnabled());
  // The design set as custom order two is the list's item.
  Child<QComboBox>(f.matrix, "cb_sort")->setCurrentIndex(0);
  Child<QComboBox>(f.matrix, "cb_sort")->setCurrentIndex(4);
  QCOMPARE(f.matrix->Setup().order, order);

  // "返回" changes nothing; the next showing starts empty.
  f.world.shell.dialogHandlers.push_back([&](QDialog& d) {
    QCOMPARE(design->Design().Filled(), 0);
    QTest::mouseClick(square(3), Qt::LeftButton);
    Click(&d, "b_return");
  });
  Click(f.matrix, "b_modrandsx");
  QCOMPARE(f.matrix->Setup().order, order);
}

void MatrixConversionTest::conversionPageTablesAndTools() {
  Fixture f;
  const auto& draws = f.Context().Table().Draws();
  f.fxd->ShowPage(QStringLiteral("ts_zhb"));
  QWidget* page = f.fxd->Pages()->currentWidget();
  auto* inner = Child<QTabWidget>(page, "pc_zhb");

  // "转换表": the whole history, conversions as the engine has them.
  inner->setCurrentIndex(1);
  auto* grid = Child<QTableView>(page, "sg_zhb1");
  QCOMPARE(grid->model()->rowCount(), 150);
  QCOMPARE(grid->model()->columnCount(), 204);
  QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), QString("主号一"));
  const auto values = KeySeries(draws, f.Context().env, "xc51", 0, 150);
  const ConversionTable table = ConversionTable::Build(*values);
  Child<QComboBox>(page, "cb_zhb1_zb")->setCurrentIndex(7);  // xc51 极差
  for (int row : {0, 75, 149})
    for (int column : {3, 4, 50, 203})
      QCOMPARE(grid->model()->index(row, column).data().toInt(), table.At(column - 3, row));
  QCOMPARE(grid->model()->index(149, 1).data().toString(),
           QString::fromStdString(FormatDrawLine(draws[149]).substr(8, 15)));

  // Leading values of "指标值" give back what was typed; a word is refused.
  Child<QLineEdit>(page, "e_zhb1_ycqqz")->setText(" 0 7 40 ");
  Click(page, "b_zhb1_js");
  QCOMPARE(Child<QLineEdit>(page, "e_zhb1_zbqz")->text(), QString("0 7 40 "));
  Child<QLineEdit>(page, "e_zhb1_ycqqz")->setText("1 x");
  Click(page, "b_zhb1_js");
  QCOMPARE(f.LastMessage(), QString("\"x\"不是整数"));

  // Export of a column: the header and every row.
  Child<QComboBox>(page, "cb_zhb1_dc")->setCurrentIndex(2);
  const QString path = f.world.dir.path() + "/column";
  f.world.shell.files.push_back(path);
  Click(page, "b_zhb1_dc");
  const auto lines = ReadTextLines((path + ".txt").toStdString());
  QVERIFY(lines);
  QCOMPARE(int(lines->size()), 151);
  QCOMPARE(lines->front(), std::string("期数    转换2"));
  QCOMPARE(lines->back(),
           std::to_string(draws[149].qs) + "    " + std::to_string(table.At(2, 149)));

  // Double click on a conversion column hands it to the analysis.
  grid->scrollTo(grid->model()->index(10, 8));
  // As a user's double click: press and release, then the double click.
  const QPoint cell = grid->visualRect(grid->model()->index(10, 8)).center();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
  auto* analysis = f.app->Windows().Get<Tf_zbpxz>();
  QVERIFY(analysis->isVisible());
  QCOMPARE(analysis->windowTitle(), QString("转换5"));
  QCOMPARE(f.Context().Table().Scratch(ScratchField::Test, 149), table.At(5, 149));
  analysis->hide();

  // "刷新" of the kill page: the last 100 draws, conversions 1..30.
  inner->setCurrentIndex(0);
  Child<QComboBox>(page, "cb_zhb1sh_zb")->setCurrentIndex(7);
  Click(page, "Button55");
  auto* kills = Child<QTableView>(page, "sg_shaccozhb1");
  QCOMPARE(kills->model()->rowCount(), 102);
  auto* progress = Child<QProgressBar>(page, "pb_zhb1sh");
  QCOMPARE(progress->maximum(), 99);
  QCOMPARE(progress->value(), 99);
  const auto last100 = KeySeries(draws, f.Context().env, "xc51", 50, 100);
  const ConversionKills expected = ComputeKills(ConversionTable::Build(*last100), 1, 30);
  QCOMPARE(kills->model()->index(0, 0).data().toString(), QString::number(draws[50].qs));
  QCOMPARE(kills->model()->index(1, 4).data().toString(),
           QString::fromStdString(expected.predictions[0].kills));
  QCOMPARE(kills->model()->index(100, 0).data().toString(), QString("预测期"));
  QCOMPARE(kills->model()->index(100, 6).data().toString(),
           QString::fromStdString(expected.predictions.back().positions));
  QCOMPARE(kills->model()->index(101, 5).data().toString(),
           QString::fromStdString(expected.RateText()));
  for (int row = 1; row < 100; ++row)
    QCOMPARE(kills->model()->index(row, 5).data().toString(),
             QString::fromStdString(VerdictText(expected.verdicts[row])));
  QCOMPARE(kills->columnWidth(4), 500);
  // The issue and the numbers stay in view beside the wide kill columns.
  QCOMPARE(qobject_cast<FrozenTableView*>(kills)->FrozenColumns(), 2);
  kills->scrollTo(kills->model()->index(100, 6));
  QVERIFY(kills->horizontalScrollBar()->value() > 0);
  QVERIFY(Child<QTableView>(kills, "frozen")->isVisible());
}

// "预测转至过滤" of the kill page: the indicator of the last computation
// becomes a custom condition of the generator without its killed values.
void MatrixConversionTest::conversionKillsGoToTheGenerator() {
  Fixture f;
  const auto& draws = f.Context().Table().Draws();
  f.fxd->ShowPage(QStringLiteral("ts_zhb"));
  QWidget* page = f.fxd->Pages()->currentWidget();
  const ConditionSet& set = f.Zh()->Session().set;
  Click(page, "b_zhb1sh_tofilter");
  QCOMPARE(f.LastMessage(), QString("请先按“刷新”算出杀号"));
  QVERIFY(set.CustomIndicators().empty());
  QVERIFY(!f.Zh()->isVisible());

  auto* indicator = Child<QComboBox>(page, "cb_zhb1sh_zb");
  indicator->setCurrentIndex(1);  // z_num2 主号二
  Click(page, "Button55");
  // A box changed after "刷新" does not change what the kills were of.
  indicator->setCurrentIndex(7);
  Click(page, "b_zhb1sh_tofilter");
  QVERIFY(f.Zh()->isVisible());
  const auto series = KeySeries(draws, f.Context().env, "z_num2", 50, 100);
  const ConversionTable table = ConversionTable::Build(*series);
  const std::vector<int32_t> killed = ComputeKills(table, 1, 30).predictions.back().killed;
  QVERIFY(!killed.empty());
  QCOMPARE(set.CustomIndicators().size(), size_t(1));
  QCOMPARE(set.CustomIndicators()[0].formula, std::string("z_num2"));
  const ValueSet& allowed = set.CustomIndicators()[0].values;
  for (int32_t v = 0; v <= table.LargestCandidate(); ++v)
    QCOMPARE(allowed.Contains(v), !std::ranges::binary_search(killed, v));
  QVERIFY(set.CustomIndicatorsEnabled());
}

DLT_GUI_TEST(MatrixConversionTest);
#include "matrix_conversion_test.moc"
