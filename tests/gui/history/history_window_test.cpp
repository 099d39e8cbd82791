// The data-update window: grid, navigator, hand and board entry, import and export.
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "gui/app/tdm.h"
#include "gui/app/window_set.h"
#include "gui/history/draw_grid_view.h"
#include "gui/history/draw_table_model.h"
#include "gui/history/import_preview_dialog.h"
#include "gui/history/tf_addsj.h"
#include "gui/history/tf_gxsjq.h"
#include "gui_test_support.h"
#include "history/draw_table.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

Draw D(int32_t qs, std::array<uint8_t, 5> f, std::array<uint8_t, 2> b) {
  Draw d;
  d.qs = qs;
  d.front = f;
  d.back = b;
  return d;
}

void Type(Tf_gxsjq* w, const char* qs, const char* zh, const char* backNumbers) {
  auto set = [w](const char* name, const char* text) {
    auto* e = w->findChild<QLineEdit*>(name);
    e->clear();
    e->setFocus();
    QTest::keyClicks(e, text);
  };
  set("e_qs", qs);
  set("e_zh", zh);
  set("e_spec", backNumbers);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// Answers the import preview with the named button, keeping the text it showed.
std::function<void(QDialog&)> AnswerPreview(const char* button, QString* shown) {
  return [button, shown](QDialog& d) {
    auto* preview = qobject_cast<ImportPreviewDialog*>(&d);
    QVERIFY(preview);
    *shown = preview->Text();
    Click(d, button);
  };
}

}  // namespace

class HistoryWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void showingPutsTheLastTenDrawsInView();
  void theNavigatorHasItsHintsAndMovesTheCursor();
  void gridEditsAreCheckedBeforeTheyArePosted();
  void deletingAsksFirst();
  void manualEntryMessages();
  void manualEntryAppendsAndClears();
  void theBoardFillsFrontThenBackInItsColours();
  void theBoardAddsOnlyNewDrawsInAddOnlyMode();
  void theBoardReplacesInAddOrReplaceMode();
  void exportWritesTheTextLayout();
  void importAppendsOrOverwritesThroughTheCheckedReader();
  void anAppendImportNamesTheDrawsThatDifferFromTheStoredOnes();

 private:
  std::unique_ptr<TestWorld> world_;
  std::unique_ptr<DltApp> app_;
  Tf_gxsjq* window_ = nullptr;
  DrawTable* table_ = nullptr;
};

void HistoryWindowTest::init() {
  world_ = std::make_unique<TestWorld>();
  world_->SeedDraws(History(20));
  app_ = world_->MakeApp();
  QVERIFY2(app_->Ok(), qPrintable(app_->Error()));
  window_ = app_->Windows().Get<Tf_gxsjq>();
  table_ = &app_->Context().Table();
  window_->show();
  world_->shell.messages.clear();
}

void HistoryWindowTest::cleanup() {
  window_->close();
  app_.reset();
  world_.reset();
}

void HistoryWindowTest::showingPutsTheLastTenDrawsInView() {
  QCOMPARE(window_->pos(), QPoint(0, 62));
  QCOMPARE(table_->Position(), 19 - 9);
  QCOMPARE(window_->Grid()->currentIndex().row(), 10);
  QAbstractItemModel* m = window_->Grid()->model();
  QVERIFY(m);
  QCOMPARE(m->rowCount(), 20);
  QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("期数"));
  QCOMPARE(m->headerData(5, Qt::Horizontal).toString(), QString("主号五"));
  QCOMPARE(m->headerData(7, Qt::Horizontal).toString(), QString("副号二"));
  const Draw& first = table_->Draws()[0];
  QCOMPARE(m->index(0, 1).data().toString(),
           QString::fromStdString(first.front[0] < 10 ? "0" + std::to_string(first.front[0])
                                                      : std::to_string(first.front[0])));
  window_->close();
  QVERIFY2(window_->Grid()->model() == nullptr, "the grid is detached on close");
}

void HistoryWindowTest::theNavigatorHasItsHintsAndMovesTheCursor() {
  const QStringList names = {"first", "prior", "next",   "last",   "delete",
                             "edit",  "post",  "cancel", "refresh"};
  const QStringList hints = {"第一条记录",     "上一条记录",     "下一条记录",
                             "最后一条记录",   "删除记录",       "修改记录",
                             "确认修改或添加", "放弃修改或添加", "更新数据"};
  for (int i = 0; i < names.size(); ++i)
    QCOMPARE(window_->NavButton(names[i])->toolTip(), hints[i]);
  QTest::mouseClick(window_->NavButton("first"), Qt::LeftButton);
  QCOMPARE(table_->Position(), 0);
  QCOMPARE(window_->Grid()->currentIndex().row(), 0);
  QTest::mouseClick(window_->NavButton("next"), Qt::LeftButton);
  QCOMPARE(table_->Position(), 1);
  QTest::mouseClick(window_->NavButton("last"), Qt::LeftButton);
  QCOMPARE(table_->Position(), 19);
  QTest::mouseClick(window_->NavButton("prior"), Qt::LeftButton);
  QCOMPARE(table_->Position(), 18);
  // Choosing a row in the grid moves the shared cursor.
  window_->Grid()->setCurrentIndex(window_->Grid()->model()->index(4, 2));
  QCOMPARE(table_->Position(), 4);
}

void HistoryWindowTest::gridEditsAreCheckedBeforeTheyArePosted() {
  QAbstractItemModel* m = window_->Grid()->model();
  const Draw before = table_->Draws()[3];
  QVERIFY(!m->setData(m->index(3, 1), 36, Qt::EditRole));
  QCOMPARE(world_->shell.messages.size(), 1);
  QVERIFY2(world_->shell.messages[0].contains("1到35"), qPrintable(world_->shell.messages[0]));
  QCOMPARE(table_->Draws()[3], before);
  QVERIFY(!m->setData(m->index(3, 2), before.front[0], Qt::EditRole));
  QCOMPARE(world_->shell.messages.last(), QString("主号不能重复"));
  QVERIFY(!m->setData(m->index(3, 0), table_->Draws()[4].qs, Qt::EditRole));
  QCOMPARE(world_->shell.messages.last(), QString("数据库中已经存在此期的记录"));
  QCOMPARE(table_->Draws()[3], before);
  // A good edit is stored, in the file too.
  int unused = 1;
  while (std::find(before.front.begin(), before.front.end(), unused) != before.front.end())
    ++unused;
  QVERIFY(m->setData(m->index(3, 5), unused, Qt::EditRole));
  DrawTable reread(table_->FilePath());
  QVERIFY(std::find(reread.Draws()[3].front.begin(), reread.Draws()[3].front.end(), unused) !=
          reread.Draws()[3].front.end());
  // The navigator posts an open editor.
  window_->Grid()->setCurrentIndex(m->index(2, 7));
  QTest::mouseClick(window_->NavButton("edit"), Qt::LeftButton);
  QVERIFY(window_->Grid()->Editing());
  QTest::mouseClick(window_->NavButton("cancel"), Qt::LeftButton);
  QVERIFY(!window_->Grid()->Editing());
}

void HistoryWindowTest::deletingAsksFirst() {
  QTest::mouseClick(window_->NavButton("last"), Qt::LeftButton);
  world_->shell.confirmAnswer = false;
  QTest::mouseClick(window_->NavButton("delete"), Qt::LeftButton);
  QCOMPARE(table_->RecordCount(), 20);
  world_->shell.confirmAnswer = true;
  const int32_t last = table_->Draws().back().qs;
  QTest::mouseClick(window_->NavButton("delete"), Qt::LeftButton);
  QCOMPARE(table_->RecordCount(), 19);
  QCOMPARE(table_->IndexOf(last), -1);
  QCOMPARE(window_->Grid()->model()->rowCount(), 19);
}

void HistoryWindowTest::manualEntryMessages() {
  auto* add = window_->findChild<QPushButton*>("b_add");
  Type(window_, "200900", "03-05-12-18-22", "05-11");
  QTest::mouseClick(add, Qt::LeftButton);
  QCOMPARE(world_->shell.messages.last(), QString("期数必须是七位比如2009001"));
  Type(window_, "2009001", "03-05-12-18-22", "");
  QTest::mouseClick(add, Qt::LeftButton);
  QCOMPARE(world_->shell.messages.last(), QString("请输入副号"));
  Type(window_, "2009001", "03-05-12-18-36", "05-11");
  QTest::mouseClick(add, Qt::LeftButton);
  QVERIFY(world_->shell.messages.last().contains("1到35"));
  QCOMPARE(table_->RecordCount(), 20);
  Type(window_, QByteArray::number(table_->Draws()[5].qs).constData(), "01-02-03-04-05", "01-02");
  QTest::mouseClick(add, Qt::LeftButton);
  QCOMPARE(world_->shell.messages.last(), QString("数据库中已经存在此期的记录"));
  QCOMPARE(window_->findChild<QLineEdit*>("e_qs")->text(), QString());
}

void HistoryWindowTest::manualEntryAppendsAndClears() {
  Type(window_, "2030001", "22-18-03-12-05", "11-05");
  QTest::mouseClick(window_->findChild<QPushButton*>("b_add"), Qt::LeftButton);
  QVERIFY2(world_->shell.messages.isEmpty(), qPrintable(world_->shell.messages.join("|")));
  QCOMPARE(table_->RecordCount(), 21);
  QCOMPARE(table_->Draws().back(), D(2030001, {3, 5, 12, 18, 22}, {5, 11}));
  QCOMPARE(window_->Grid()->model()->rowCount(), 21);
  QCOMPARE(window_->findChild<QLineEdit*>("e_zh")->text(), QString("----"));
}

void HistoryWindowTest::theBoardFillsFrontThenBackInItsColours() {
  world_->shell.dialogHandlers.push_back([](QDialog& d) {
    auto& board = static_cast<Tf_addsj&>(d);
    QCOMPARE(board.windowTitle(), QString("添加开奖数据"));
    QCOMPARE(board.Cell(1)->pos(), QPoint(2, 2));
    QCOMPARE(board.Cell(12)->pos(), QPoint(37, 37));
    QCOMPARE(board.Cell(40)->pos(), QPoint(317, 107));
    for (int n = 36; n <= 40; ++n) QTest::mouseClick(board.Cell(n), Qt::LeftButton);
    QCOMPARE(board.Board().NextSlot(), 1);
    QCOMPARE(board.Cell(36)->Colour(), Tf_addsj::kNormal);
    for (int n : {22, 5, 18, 3, 12}) QTest::mouseClick(board.Cell(n), Qt::LeftButton);
    QCOMPARE(board.Cell(22)->Colour(), Tf_addsj::kSelected);
    QCOMPARE(board.ResultCell(1)->text(), QString("03"));
    QCOMPARE(board.ResultCell(5)->text(), QString("22"));
    QCOMPARE(board.ResultCell(6)->text(), QString());
    QVERIFY(!board.Board().FrontPhase());
    QTest::mouseClick(board.Cell(13), Qt::LeftButton);
    QCOMPARE(board.Cell(13)->Colour(), Tf_addsj::kNormal);
    QTest::mouseClick(board.Cell(11), Qt::LeftButton);
    QTest::mouseClick(board.Cell(5), Qt::LeftButton);
    QCOMPARE(board.ResultCell(6)->text(), QString("05"));
    QCOMPARE(board.ResultCell(7)->text(), QString("11"));
    QVERIFY(board.ResultCell(1)->styleSheet().contains(Tf_addsj::kFrontResult.name()));
    QVERIFY(board.ResultCell(7)->styleSheet().contains(Tf_addsj::kBackResult.name()));
    auto* qs = board.findChild<QLineEdit*>("e_qs");
    QTest::mouseClick(board.findChild<QPushButton*>("b_add"), Qt::LeftButton);
    QVERIFY(board.isVisible());
    qs->setText("2031001");
    QTest::mouseClick(board.findChild<QPushButton*>("b_add"), Qt::LeftButton);
  });
  QTest::mouseClick(window_->findChild<QPushButton*>("b_graphicaladd"), Qt::LeftButton);
  QCOMPARE(world_->shell.messages, QStringList{"期数必须是七位比如2009001"});
  QCOMPARE(table_->Draws().back(), D(2031001, {3, 5, 12, 18, 22}, {5, 11}));
  QCOMPARE(window_->Grid()->model()->rowCount(), 21);
}

void HistoryWindowTest::theBoardAddsOnlyNewDrawsInAddOnlyMode() {
  const Draw existing = table_->Draws()[2];
  world_->shell.dialogHandlers.push_back([&](QDialog& d) {
    auto& board = static_cast<Tf_addsj&>(d);
    for (int n : {1, 2, 3, 4}) QTest::mouseClick(board.Cell(n), Qt::LeftButton);
    board.findChild<QLineEdit*>("e_qs")->setText("2031001");
    QTest::mouseClick(board.findChild<QPushButton*>("b_add"), Qt::LeftButton);
    QTest::mouseClick(board.findChild<QPushButton*>("b_reset"), Qt::LeftButton);
    QCOMPARE(board.Board().NextSlot(), 1);
    QCOMPARE(board.ResultCell(1)->text(), QString());
    for (int n : {1, 2, 3, 4, 5, 1, 2}) QTest::mouseClick(board.Cell(n), Qt::LeftButton);
    board.findChild<QLineEdit*>("e_qs")->setText(QString::number(existing.qs));
    QTest::mouseClick(board.findChild<QPushButton*>("b_add"), Qt::LeftButton);
    QTest::mouseClick(board.findChild<QPushButton*>("b_cancel"), Qt::LeftButton);
  });
  window_->GraphicalAddClicked();
  QCOMPARE(world_->shell.messages,
           (QStringList{"本彩票中，添加的开奖数据不能少于7个", "数据库中已经存在此期的记录"}));
  QCOMPARE(table_->Draws()[2], existing);
  QCOMPARE(table_->RecordCount(), 20);
}

void HistoryWindowTest::theBoardReplacesInAddOrReplaceMode() {
  const int32_t qs = table_->Draws()[2].qs;
  auto* board = app_->Windows().Get<Tf_addsj>();
  board->SetMode(Tf_addsj::Mode::AddOrReplace);
  board->show();
  board->SetDrawNumber(QString::number(qs), /*hidden=*/true);
  QVERIFY(!board->findChild<QLineEdit*>("e_qs")->isVisible());
  for (int n : {7, 8, 9, 10, 11, 3, 4}) QTest::mouseClick(board->Cell(n), Qt::LeftButton);
  QTest::mouseClick(board->findChild<QPushButton*>("b_add"), Qt::LeftButton);
  QCOMPARE(board->result(), int(QDialog::Accepted));
  QCOMPARE(table_->Draws()[2], D(qs, {7, 8, 9, 10, 11}, {3, 4}));
  QCOMPARE(table_->RecordCount(), 20);
}

void HistoryWindowTest::exportWritesTheTextLayout() {
  {
    WriteBatch batch(*table_);
    table_->ApplyImport({D(2009001, {3, 5, 12, 18, 22}, {5, 11})}, false);
  }
  table_->WriteForecast(D(0, {1, 2, 3, 4, 5}, {1, 2}));
  const QString path = world_->dir.path() + "/data";
  world_->shell.files.push_back(path);
  QTest::mouseClick(window_->findChild<QPushButton*>("b_export"), Qt::LeftButton);
  QCOMPARE(world_->shell.titles.last(), QString("导出到文本文件"));
  QFile f(path + ".txt");
  QVERIFY2(f.open(QIODevice::ReadOnly), "data becomes data.txt");
  const QByteArray bytes = f.readAll();
  const QList<QByteArray> lines = bytes.split('\n');
  QVERIFY(lines.contains(QByteArray("2009001 03 05 12 18 22 05 11 \r")));
  QCOMPARE(lines[0], QByteArray::fromStdString(FormatDrawLine(table_->Draws()[0])) + "\r");
  QCOMPARE(lines.size(), 22);  // 21 draws and the empty piece after the last line end
  QVERIFY2(!bytes.contains("9999999"), "the forecast record is not exported");
}

void HistoryWindowTest::importAppendsOrOverwritesThroughTheCheckedReader() {
  const QString good = world_->dir.path() + "/good.txt";
  WriteFile(good, "2009001 03 05 12 18 22 05 11\r\n2009002 01 02 03 04 05 01 02\r\n");
  const QString bad = world_->dir.path() + "/bad.txt";
  WriteFile(bad, "2009003 03 05 12 18 22 05 11\r\n2009004 01 02 03 04 40 01 02\r\n");

  QString shown;
  world_->shell.files = {good};
  world_->shell.dialogHandlers.push_back(AnswerPreview("b_ok", &shown));
  QTest::mouseClick(window_->findChild<QPushButton*>("b_appendimport"), Qt::LeftButton);
  QCOMPARE(world_->shell.titles.last(), QString(" 追加方式导入文件"));
  QCOMPARE(world_->shell.filters.last(),
           QString(" 所要导入的文件(*.txt);;CSV文件(*.csv);;所有文件(*)"));
  QCOMPARE(shown, QString("格式: 空格分隔, 无表头, 期号=第1列, 主号=第2-6列, 副号=第7-8列\n"
                          "文件中共2期, 第一期: 2009001 03 05 12 18 22 05 11, "
                          "最后一期: 2009002 01 02 03 04 05 01 02\n"
                          "追加导入: 新增2期, 0期与已存的相同, 0期与已存的不同"));
  QCOMPARE(table_->RecordCount(), 22);
  QCOMPARE(world_->shell.messages.last(), QString("导入2期，现共有22期"));

  // A refused file shows its message and no preview.
  const int dialogs = world_->shell.dialogsRun;
  world_->shell.files = {bad};
  QTest::mouseClick(window_->findChild<QPushButton*>("b_appendimport"), Qt::LeftButton);
  QCOMPARE(world_->shell.dialogsRun, dialogs);
  QVERIFY2(world_->shell.messages.last().startsWith("第2行: 主号五必须在1到35之间: 40"),
           qPrintable(world_->shell.messages.last()));
  QVERIFY(world_->shell.messages.last().endsWith("\n历史数据未改变"));
  QCOMPARE(table_->RecordCount(), 22);
  QCOMPARE(table_->IndexOf(2009003), -1);

  // "取消" in the preview stores nothing.
  world_->shell.files = {good};
  world_->shell.dialogHandlers.push_back(AnswerPreview("b_cancel", &shown));
  QTest::mouseClick(window_->findChild<QPushButton*>("b_overwriteimport"), Qt::LeftButton);
  QVERIFY(shown.contains("覆盖导入: 删除现有的全部22期, 换成文件中的2期"));
  QCOMPARE(table_->RecordCount(), 22);

  world_->shell.files = {good};
  world_->shell.dialogHandlers.push_back(AnswerPreview("b_ok", &shown));
  QTest::mouseClick(window_->findChild<QPushButton*>("b_overwriteimport"), Qt::LeftButton);
  QCOMPARE(world_->shell.titles.last(), QString(" 覆盖方式导入文件"));
  QCOMPARE(table_->RecordCount(), 2);
  QCOMPARE(window_->Grid()->model()->rowCount(), 2);
}

// The stored draw stays, and both the preview and the report say which
// draws of the file differ from it.
void HistoryWindowTest::anAppendImportNamesTheDrawsThatDifferFromTheStoredOnes() {
  const Draw stored = table_->Draws()[2];
  QCOMPARE(stored.qs, 2007003);
  const Draw inFile = D(2007003, {1, 2, 3, 4, 5}, {6, 7});
  QVERIFY(!(stored == inFile));
  const QString path = world_->dir.path() + "/joined.csv";
  WriteFile(path,
            "期号,日期,号码,奖池\n"
            "07003,2007-06-04,01,02,03,04,05+06,07,100\n"
            "07021,2007-07-01,11,22,33,34,35+01,12,200\n");
  QString shown;
  world_->shell.files = {path};
  world_->shell.dialogHandlers.push_back(AnswerPreview("b_ok", &shown));
  QTest::mouseClick(window_->findChild<QPushButton*>("b_appendimport"), Qt::LeftButton);

  const QString storedNumbers = QString::fromStdString(FormatDrawLine(stored)).mid(8).trimmed();
  const QString conflict = "  第2007003期 文件: 01 02 03 04 05 06 07, 已存: " + storedNumbers;
  QCOMPARE(shown,
           "格式: CSV, 带表头, 期号=第1列(五位), 日期=第2列, 主号=第3-7列, "
           "副号=第7-8列(第7列中以+分开主号和副号), 另有1列不读\n"
           "文件中共2期, 第一期: 2007003 01 02 03 04 05 06 07, "
           "最后一期: 2007021 11 22 33 34 35 01 12\n"
           "追加导入: 新增1期, 0期与已存的相同, 1期与已存的不同\n"
           "文件中有1期与已存的号码不同(追加导入保留已存的, 覆盖导入才换成文件中的):\n" +
               conflict);
  QCOMPARE(world_->shell.messages.last(),
           "导入1期，现共有21期\n"
           "文件中有1期与已存的号码不同(追加导入保留已存的, 覆盖导入才换成文件中的):\n" +
               conflict);
  QCOMPARE(table_->Draws()[2], stored);
  QCOMPARE(table_->Draws().back(), D(2007021, {11, 22, 33, 34, 35}, {1, 12}));
}

DLT_GUI_TEST(HistoryWindowTest);
#include "history_window_test.moc"
