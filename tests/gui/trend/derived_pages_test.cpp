// The pages of user-built indicators of the trend window: the derived-series
// charts, the combination shapes with their export to the generator, the
// shape table and the indicator mosaic with its dialog and files.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "generator/condition_set.h"
#include "gui/analysis/tf_zbpx.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"
#include "gui/trend/chart_view.h"
#include "gui/trend/fxd_mosaic_page.h"
#include "gui/trend/text_grid.h"
#include "gui/trend/tf_fxd.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "trend/derived_keys.h"
#include "trend/mosaic.h"
#include "trend/shape_table.h"
#include "trend_test_support.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

QString Title(QWidget* page, const char* picture) {
  const Chart& c = ChartOf(page, picture);
  return c.panels.empty() ? QString() : QString::fromStdString(c.panels[0].title);
}

// Types a parameter box as a user does: the text, then leaving the box.
void TypeParameter(QWidget* page, const char* box, const QString& text) {
  auto* combo = Child<QComboBox>(page, box);
  combo->lineEdit()->setText(text);
  combo->lineEdit()->setModified(true);
  emit combo->lineEdit()->editingFinished();
}

std::unique_ptr<DltApp> Started(TestWorld& world) {
  auto app = world.StartApp();
  world.shell.messages.clear();
  return app;
}

QString Cell(const QTableView* grid, int row, int column) {
  return grid->model()->index(row, column).data().toString();
}

QString Header(const QTableView* grid, int column) {
  return grid->model()->headerData(column, Qt::Horizontal).toString();
}

}  // namespace

class DerivedPagesTest : public QObject {
  Q_OBJECT
 private slots:
  void derivedSeriesPagesChartTheirKeys();
  void derivedSeriesHandOffs();
  void shapeChartFormulasTypesAndLegend();
  void shapeExportToTheGenerator();
  void shapeTableRowsAndRange();
  void mosaicEntriesDialogAndFiles();
};

void DerivedPagesTest::derivedSeriesPagesChartTheirKeys() {
  TestWorld world;
  world.SeedDraws(History(150));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  QWidget* page = Sheet(*w, "ts_extend");
  QVERIFY(Child<QRadioButton>(page, "rb_c_fq")->isChecked());
  QCOMPARE(Title(page, "i_extend"), QString("c_fq_0_4_1"));
  const Chart& chart = ChartOf(page, "i_extend");
  QCOMPARE(chart.panels.size(), size_t{2});
  QCOMPARE(chart.panels[1].title, std::string("c_fq_0_4_1振幅"));
  // The newest full page: the anchor pulled back from 139 to 113, 37 draws to the end.
  QCOMPARE(chart.panels[0].ItemsOf<ChartDisc>().size(), size_t{37});

  // Every family charts the key of its boxes.
  const struct {
    const char* radio;
    const char* key;
  } defaults[] = {
      {"rb_c_lwr", "c_lwr_30_0_2"},  {"rb_c_same", "c_same_0_10_2"}, {"rb_c_ylz", "c_ylz_0_1_1"},
      {"rb_c_gqch", "c_gqch_0_1_1"}, {"rb_c_ys", "c_ys_0_6_0"},      {"rb_c_cz", "c_cz_2"},
      {"rb_c_hz", "c_hz_34"},        {"rb_c_xw_cz", "c_xw_cz_2"},    {"rb_c_xw_hz", "c_xw_hz_34"}};
  for (const auto& d : defaults) {
    Click(page, d.radio);
    QCOMPARE(Title(page, "i_extend"), QString(d.key));
  }
  Click(page, "rb_c_ys");
  Child<QComboBox>(page, "cb_c_ys_style")->setCurrentIndex(1);
  Child<QComboBox>(page, "cb_c_ys_1")->setCurrentIndex(7);
  QCOMPARE(Title(page, "i_extend"), QString("c_ys_1_7_0"));

  // A constant series is drawn over [0, 4].
  Click(page, "rb_c_cz");
  TypeParameter(page, "cb_c_cz", " 40 ");
  QCOMPARE(Title(page, "i_extend"), QString("c_cz_40"));
  QCOMPARE(ChartOf(page, "i_extend").panels[0].coord.yMax, 40);  // ten times 4
  QVERIFY(world.shell.messages.isEmpty());
  // Text that is not a number: the message, and the chart stays.
  TypeParameter(page, "cb_c_cz", "4x");
  QCOMPARE(world.shell.messages, QStringList{"参数不正确: c_cz_4x"});
  QCOMPARE(Title(page, "i_extend"), QString("c_cz_40"));

  // "扩展系列二" charts its key too.
  page = Sheet(*w, "ts_extend2");
  QCOMPARE(Title(page, "i_extend2"), QString("c_twyc_0_0_0"));
  Child<QComboBox>(page, "cb_c_twyc_1")->setCurrentIndex(4);
  Child<QComboBox>(page, "cb_c_twyc_3")->setCurrentIndex(1);
  QCOMPARE(Title(page, "i_extend2"), QString("c_twyc_1_4_0"));
  QCOMPARE(ChartOf(page, "i_extend2").panels.size(), size_t{2});
  // Paging moves the shared anchor and redraws.
  const int before = app->Context().Table().Position();
  Click(page, "Button15");
  QCOMPARE(app->Context().Table().Position(), before - 36);
  QCOMPARE(ChartOf(page, "i_extend2").panels[0].ItemsOf<ChartDisc>().size(), size_t{37});
}

void DerivedPagesTest::derivedSeriesHandOffs() {
  TestWorld world;
  world.SeedDraws(History(80));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  QWidget* page = Sheet(*w, "ts_extend");
  Click(page, "rb_c_hz");

  Click(page, "b_extend_zbpx");
  auto* launcher = app->Windows().Get<Tf_zbpx>();
  QCOMPARE(Child<QLineEdit>(launcher, "e_yyzb")->text(), QString("c_hz_34"));
  QCOMPARE(Child<QLineEdit>(launcher, "e_zbmm")->text(), QString("c_hz_34"));
  QVERIFY(Child<QLineEdit>(launcher, "me_zbqzfrom")->text().isEmpty());
  QVERIFY(Child<QLineEdit>(launcher, "me_zbqzto")->text().isEmpty());
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QVERIFY(analysis->isVisible());
  QCOMPARE(analysis->windowTitle(), QString("c_hz_34"));
  analysis->close();

  Click(page, "b_extend_tofilter");
  auto* zh = app->Windows().Get<Tf_zh>();
  QVERIFY(zh->isVisible());
  QVERIFY(Child<QCheckBox>(zh, "cb_selfzb")->isChecked());
  QVERIFY(zh->Session().set.CustomIndicatorsEnabled());
  QCOMPARE(Child<QLineEdit>(zh, "e_selfzb")->text(), QString("c_hz_34"));
  QCOMPARE(Child<QTabWidget>(zh, "PageControl2")->currentWidget()->objectName(),
           QString("ts_zh_selfzb"));
}

void DerivedPagesTest::shapeChartFormulasTypesAndLegend() {
  TestWorld world;
  world.SeedDraws(History(120));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  QWidget* page = Sheet(*w, "ts_zbzhxt");
  QCOMPARE(Title(page, "i_zbzhxt"), QString("getzb(c_2zbzh:z_num1%10|z_num2%10:0)"));
  QCOMPARE(ChartOf(page, "i_zbzhxt").panels[1].title,
           std::string("getzb(c_2zbzh:z_num1%10|z_num2%10:0)振幅"));
  QCOMPARE(Child<QPlainTextEdit>(page, "m_zbzhxt")->toPlainText(),
           QString("      0=  偶偶      1=  偶奇      2=  奇偶      3=  奇奇"));

  // The formula twins stay in step both ways.
  QWidget* table = w->findChild<QWidget*>("ts_zhxtdb");
  Child<QLineEdit>(page, "e_zbzhxt_zb1")->setText("z_num4");
  QCOMPARE(Child<QLineEdit>(table, "e_zhxtdb_zb1")->text(), QString("z_num4"));
  Child<QLineEdit>(table, "e_zhxtdb_zb2")->setText("z_num5");
  QCOMPARE(Child<QLineEdit>(page, "e_zbzhxt_zb2")->text(), QString("z_num5"));

  // "选择": the chooser's formula goes into the edit and its twin; editing does not redraw.
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    QCOMPARE(d.windowTitle(), QString("选择指标"));
    Child<QRadioButton>(&d, "rb_selfzb")->setChecked(true);
    Child<QLineEdit>(&d, "e_selfzb")->setText("z_hz%10");
    Click(&d, "b_ok");
  });
  Click(page, "b_zbzhxt_zb2");
  QCOMPARE(Child<QLineEdit>(page, "e_zbzhxt_zb2")->text(), QString("z_hz%10"));
  QCOMPARE(Child<QLineEdit>(table, "e_zhxtdb_zb2")->text(), QString("z_hz%10"));
  Click(page, "b_zbzhxt_zb1");  // cancelled: nothing changes
  QCOMPARE(Child<QLineEdit>(page, "e_zbzhxt_zb1")->text(), QString("z_num4"));
  QCOMPARE(Title(page, "i_zbzhxt"), QString("getzb(c_2zbzh:z_num1%10|z_num2%10:0)"));
  Click(page, "b_zbzhxt_refresh");
  QCOMPARE(Title(page, "i_zbzhxt"), QString("getzb(c_2zbzh:z_num4|z_hz%10:0)"));

  // Three formulas open "更多组合指标"; two fall back to "单选奇偶".
  QVERIFY(!Child<QWidget>(page, "e_zbzhxt_zb3")->isEnabled());
  Click(page, "rb_zbzhxt_3");
  QVERIFY(Child<QWidget>(page, "cb_morezhzb")->isEnabled());
  Click(page, "rb_morezhzb");
  Child<QComboBox>(page, "cb_morezhzb")->setCurrentIndex(3);
  QCOMPARE(Title(page, "i_zbzhxt"), QString("getzb(c_3zbzh:z_num4|z_hz%10|z_num3%10:17)"));
  QVERIFY(Child<QPlainTextEdit>(page, "m_zbzhxt")->toPlainText().isEmpty());
  Click(page, "rb_zxjo");
  QCOMPARE(Child<QPlainTextEdit>(page, "m_zbzhxt")->toPlainText(),
           QString::fromStdString(ShapeLegend(1, 3)));
  Click(page, "rb_morezhzb");
  Click(page, "rb_zbzhxt_2");
  QVERIFY(Child<QRadioButton>(page, "rb_dxjo")->isChecked());
  for (const char* off : {"e_zbzhxt_zb3", "b_zbzhxt_zb3", "rb_morezhzb", "cb_morezhzb"})
    QVERIFY2(!Child<QWidget>(page, off)->isEnabled(), off);
  QCOMPARE(Title(page, "i_zbzhxt"), QString("getzb(c_2zbzh:z_num4|z_hz%10:0)"));

  // "指标剖析": the formula with its name, the range from the data.
  Click(page, "b_zbzhxt_zbpx");
  auto* launcher = app->Windows().Get<Tf_zbpx>();
  QCOMPARE(Child<QLineEdit>(launcher, "e_yyzb")->text(),
           QString("getzb(c_2zbzh:z_num4|z_hz%10:0)"));
  QCOMPARE(Child<QLineEdit>(launcher, "e_zbmm")->text(),
           QString("指标组合形态getzb(c_2zbzh:z_num4|z_hz%10:0)"));
  QVERIFY(Child<QLineEdit>(launcher, "me_zbqzfrom")->text().isEmpty());
  QVERIFY(world.shell.messages.isEmpty());
}

void DerivedPagesTest::shapeExportToTheGenerator() {
  TestWorld world;
  world.SeedDraws(History(60));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  QWidget* page = Sheet(*w, "ts_zbzhxt");
  Click(page, "rb_zxzh");  // "组选质合": 两合, 一合一质, 两质
  const std::string key = "c_2zbzh:z_num1%10|z_num2%10:3";

  // The dialog lists the values; "过滤助手" opens the analysis of the shape.
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    auto* list = Child<QListWidget>(&d, "cb_xtqz");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(1)->text(), QString("1=  一合一质"));
    list->item(0)->setCheckState(Qt::Checked);
    list->item(2)->setCheckState(Qt::Checked);
    Click(&d, "b_reverse");
    QCOMPARE(list->item(1)->checkState(), Qt::Checked);
    QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
    Click(&d, "b_all");
    Click(&d, "b_allnot");
    list->item(0)->setCheckState(Qt::Checked);
    list->item(2)->setCheckState(Qt::Checked);
    Child<QCheckBox>(&d, "cb_xtqz_rc")->setChecked(true);
    DrawTable& table = app->Context().Table();
    const int32_t left = table.Draws()[20].qs;
    table.LocateDraw(left);
    Click(&d, "b_glzs");
    auto* analysis = app->Windows().Get<Tf_zbpxz>();
    QVERIFY(analysis->isVisible());
    QCOMPARE(analysis->windowTitle(),
             QString::fromStdString("指标组合形态:" + key + "（过滤助手）"));
    QCOMPARE(table.Position(), 60 - 1 - 36);
    analysis->close();
    QCOMPARE(table.CurrentDraw().qs, left);  // where the trend pages were left
    Click(&d, "b_ok");
  });
  Click(page, "b_zbzhxt_filterset");
  auto* zh = app->Windows().Get<Tf_zh>();
  const auto& custom = zh->Session().set.CustomIndicators();
  QCOMPARE(custom.size(), size_t{1});
  QCOMPARE(custom[0].formula, "getzb(" + key + ")");
  QVERIFY(custom[0].tolerant);
  QCOMPARE(custom[0].values.Values(), (std::vector<int32_t>{0, 2}));
  auto* lines = Child<QListWidget>(zh, "lb_selfzb");
  QCOMPARE(lines->item(lines->count() - 1)->text(),
           QString::fromStdString("getzb(" + key + ")  容错  取值: 0  2  "));
  QVERIFY(Child<QCheckBox>(zh, "cb_selfzb")->isChecked());
  QCOMPARE(world.shell.messages.last(),
           QString("指标组合形态设置现已成功导出到超强组号的自定义指标中"));

  // The dialog starts clean every time; cancel adds nothing.
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    QCOMPARE(Child<QListWidget>(&d, "cb_xtqz")->item(0)->checkState(), Qt::Unchecked);
    QVERIFY(!Child<QCheckBox>(&d, "cb_xtqz_rc")->isChecked());
    Click(&d, "b_cancel");
  });
  Click(page, "b_zbzhxt_filterset");
  QCOMPARE(custom.size(), size_t{1});

  // A full list of 100 refuses the export with its message.
  for (int i = 1; i < 100; ++i) {
    CustomIndicator extra;
    extra.formula = "z_hz+" + std::to_string(i);
    QVERIFY(zh->Session().set.AddCustomIndicator(extra));
  }
  world.shell.dialogHandlers.push_back([](QDialog& d) { Click(&d, "b_ok"); });
  Click(page, "b_zbzhxt_filterset");
  QCOMPARE(custom.size(), size_t{100});
  QCOMPARE(world.shell.messages.last(), QString("自定义指标最多只能有100个"));

  // Shapes without names go to the generator's entry instead of the dialog.
  const int dialogs = world.shell.dialogsRun;
  Click(page, "rb_zbzhxt_3");
  Click(page, "rb_morezhzb");
  Click(page, "b_zbzhxt_filterset");
  QCOMPARE(world.shell.dialogsRun, dialogs);
  QCOMPARE(Child<QLineEdit>(zh, "e_selfzb")->text(),
           QString("getzb(c_3zbzh:z_num1%10|z_num2%10|z_num3%10:14)"));
  QCOMPARE(Child<QTabWidget>(zh, "PageControl2")->currentWidget()->objectName(),
           QString("ts_zh_selfzb"));
}

void DerivedPagesTest::shapeTableRowsAndRange() {
  TestWorld world;
  world.SeedDraws(History(130));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  QWidget* page = Sheet(*w, "ts_zhxtdb");
  auto* grid = Child<QTableView>(page, "sg_zhxtdb");
  QCOMPARE(grid->model()->rowCount(), 100);
  QCOMPARE(grid->model()->columnCount(), 11);
  QCOMPARE(Header(grid, 4), QString("奇偶"));
  QCOMPARE(grid->currentIndex(), grid->model()->index(99, 4));
  // Issue, numbers and the formula values stay in place while the shapes scroll.
  QCOMPARE(qobject_cast<FrozenTableView*>(grid)->FrozenColumns(), 4);

  const auto& draws = app->Context().Table().Draws();
  const auto rows = ShapeTable(draws, &app->Context().env, {"z_num1%10", "z_num2%10"}, 30, 100);
  for (int r : {0, 57, 99})
    for (int c = 0; c < 11; ++c) {
      const ShapeTableRow& e = rows[r];
      const QString expected = c == 0   ? QString::number(e.qs)
                               : c == 1 ? QString::fromStdString(e.numbers)
                               : c < 4  ? QString::number(e.values[c - 2])
                                        : QString::fromStdString(e.shapes[c - 4]);
      QCOMPARE(Cell(grid, r, c), expected);
    }

  // A range of one draw shows one row; three formulas add a column.
  auto* from = Child<QComboBox>(page, "cb_zhxtdb_startfrom");
  auto* to = Child<QComboBox>(page, "cb_zhxtdb_to");
  from->setCurrentIndex(70);
  to->setCurrentIndex(70);
  QCOMPARE(grid->model()->rowCount(), 1);
  QCOMPARE(Cell(grid, 0, 0), QString::number(draws[70].qs));
  Click(page, "rb_zhxtdb_3zb");
  QVERIFY(Child<QWidget>(page, "e_zhxtdb_zb3")->isEnabled());
  QCOMPARE(grid->model()->columnCount(), 12);
  QCOMPARE(qobject_cast<FrozenTableView*>(grid)->FrozenColumns(), 5);
  QCOMPARE(Header(grid, 4), QString("指标三"));
  QCOMPARE(Cell(grid, 0, 4), QString::number(draws[70].front[2] % 10));

  // A forecast record ends the table under its own name.
  app->Context().Table().WriteForecast(Draw{kForecastQs, {3, 8, 15, 22, 30}, {1, 2}});
  w->hide();
  w->show();  // the issue lists are filled again
  page = Sheet(*w, "ts_zhxtdb");
  QCOMPARE(Cell(grid, grid->model()->rowCount() - 1, 0), QString("预测区"));
}

void DerivedPagesTest::mosaicEntriesDialogAndFiles() {
  TestWorld world;
  world.SeedDraws(History(40));
  const QString defaultFile = world.DataDir() + "/database/zbzh.zbz";
  QVERIFY(SaveMosaicFile(defaultFile.toStdString(), {" 分隔", "z_hz 和值", "z_hz"}));
  auto app = Started(world);
  auto* w = app->Windows().Get<Tf_fxd>();
  QWidget* page = Sheet(*w, "ts_zbzhdb");
  auto* mosaic = qobject_cast<MosaicPage*>(page);
  QVERIFY(mosaic);
  auto* grid = Child<QTableView>(page, "sg_zbzhdb");
  QCOMPARE(grid->model()->rowCount(), 40);
  const QStringList header = {"期数", "开奖号", "分隔", "和值", "z_hz"};
  for (int c = 0; c < header.size(); ++c) QCOMPARE(Header(grid, c), header[c]);
  const Draw& last = app->Context().Table().Draws().back();
  int sum = 0;
  for (int n : last.front) sum += n;
  QCOMPARE(Cell(grid, 39, 2), QString());
  QCOMPARE(Cell(grid, 39, 3), QString::number(sum));
  QCOMPARE(Cell(grid, 39, 4), QString::number(sum));
  QCOMPARE(grid->columnWidth(3), 100);
  Child<QComboBox>(page, "cb_zbzhdb_cellwidth")->setCurrentText("60");
  QCOMPARE(grid->columnWidth(3), 60);

  // "修改": the entries in the dialog, the first selected; insert, delete, clear.
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    auto* list = Child<QListWidget>(&d, "lb_zbzh_set");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentRow(), 0);
    list->setCurrentRow(1);
    Child<QLineEdit>(&d, "e_zbcode")->setText(" z_ac ");
    Child<QLineEdit>(&d, "e_zbmm")->setText("AC值");
    Click(&d, "b_insert");
    QCOMPARE(list->item(1)->text(), QString("z_ac AC值"));
    QCOMPARE(list->item(2)->text(), QString("z_hz 和值"));
    QVERIFY(Child<QLineEdit>(&d, "e_zbcode")->text().isEmpty());
    list->clearSelection();
    list->setCurrentRow(-1);
    Click(&d, "b_delete");
    QCOMPARE(list->count(), 4);
    list->setCurrentRow(3);
    Click(&d, "b_delete");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentRow(), 0);
    Child<QLineEdit>(&d, "e_zbmm")->setText("空列");
    Click(&d, "b_add");  // no code: a separator
    QCOMPARE(list->item(3)->text(), QString(" 空列"));
    Click(&d, "b_ok");
  });
  Click(page, "b_zbzhdb_set");
  const QStringList modified = {" 分隔", "z_ac AC值", "z_hz 和值", " 空列"};
  QCOMPARE(mosaic->Entries(), modified);
  QCOMPARE(Header(grid, 5), QString("空列"));
  QCOMPARE(*LoadMosaicFile(defaultFile.toStdString()),
           (std::vector<std::string>{" 分隔", "z_ac AC值", "z_hz 和值", " 空列"}));

  // "创建": a name, the dialog with an empty list, the file written and shown.
  const QString created = world.dir.path() + "/mine";
  world.shell.files.push_back(created);
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    auto* list = Child<QListWidget>(&d, "lb_zbzh_set");
    QCOMPARE(list->count(), 0);
    Child<QLineEdit>(&d, "e_zbcode")->setText("z_num1");
    Click(&d, "b_add");
    Click(&d, "b_ok");
  });
  Click(page, "b_saveas");
  QCOMPARE(world.shell.titles.last(), QString("保存指标组合"));
  QCOMPARE(mosaic->Entries(), QStringList{"z_num1 "});
  QCOMPARE(*LoadMosaicFile((created + ".zbz").toStdString()), std::vector<std::string>{"z_num1 "});
  QCOMPARE(Header(grid, 2), QString("z_num1"));
  QCOMPARE(Cell(grid, 39, 2), QString::number(last.front[0]));

  // "载入": a file of 51 lines is refused and nothing changes; a good one replaces the entries.
  const QString longFile = world.dir.path() + "/long.zbz";
  QVERIFY(SaveMosaicFile(longFile.toStdString(), std::vector<std::string>(50, "z_hz")));
  QFile f(longFile);
  QVERIFY(f.open(QIODevice::Append));
  f.write("z_ac\r\n");
  f.close();
  world.shell.files.push_back(longFile);
  world.shell.messages.clear();
  Click(page, "b_load");
  QCOMPARE(world.shell.messages, QStringList{QString::fromUtf8(kMosaicTooLong)});
  QCOMPARE(mosaic->Entries(), QStringList{"z_num1 "});
  world.shell.files.push_back(defaultFile);
  Click(page, "b_load");
  QCOMPARE(mosaic->Entries(), modified);

  // "将当前组合设为默认    " writes the entries to the default file.
  world.shell.files.push_back(created + ".zbz");
  Click(page, "b_load");
  Click(page, "b_mr");
  QCOMPARE(*LoadMosaicFile(defaultFile.toStdString()), std::vector<std::string>{"z_num1 "});

  // "清空" empties the dialog's list; confirmed, the mosaic has no columns left.
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    Click(&d, "b_clear");
    QCOMPARE(Child<QListWidget>(&d, "lb_zbzh_set")->count(), 0);
    Click(&d, "b_ok");
  });
  Click(page, "b_zbzhdb_set");
  QVERIFY(mosaic->Entries().isEmpty());
  QCOMPARE(grid->model()->columnCount(), 2);
  QVERIFY(LoadMosaicFile(defaultFile.toStdString())->empty());
}

DLT_GUI_TEST(DerivedPagesTest);
#include "derived_pages_test.moc"
