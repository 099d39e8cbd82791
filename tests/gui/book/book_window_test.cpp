// 我的投注: entries from the two-zone list, graded when 数据更新 stores their
// draw, the notice, the settings' prize table and a damaged book at start.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/long_task.h"
#include "gui/app/tdm.h"
#include "gui/app/window_set.h"
#include "gui/book/tf_wdtz.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"
#include "gui/history/tf_gxsjq.h"
#include "gui/history/tf_set.h"
#include "gui_test_support.h"
#include "history/draw_table.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

Ticket T(std::array<uint8_t, 5> front, std::array<uint8_t, 2> back) {
  Ticket t;
  t.front = front;
  t.back = back;
  return t;
}

// Against 01 02 03 04 05 01 02: 一等奖, 五等奖, 六等奖, nothing, 八等奖.
std::vector<Ticket> KnownTickets() {
  return {T({1, 2, 3, 4, 5}, {1, 2}), T({1, 2, 3, 4, 6}, {1, 3}), T({1, 2, 3, 10, 11}, {1, 2}),
          T({20, 21, 22, 23, 24}, {3, 4}), T({1, 2, 20, 21, 22}, {1, 5})};
}

void Type(QWidget* w, const char* name, const QString& text) {
  auto* e = w->findChild<QLineEdit*>(name);
  QVERIFY2(e, name);
  e->clear();
  e->setFocus();
  QTest::keyClicks(e, text);
}

}  // namespace

class BookWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void theListInHandIsGradedWhenItsDrawIsEntered();
  void drawsStoredOffTheInterfaceThreadAreToldOnIt();
  void thePrizeTableIsEditedInTheSettings();
  void aDamagedBookIsReportedAtStartAndLeftInPlace();

 private:
  std::unique_ptr<TestWorld> world_;
  std::unique_ptr<DltApp> app_;
  Tf_wdtz* book_ = nullptr;
};

void BookWindowTest::init() {
  world_ = std::make_unique<TestWorld>();
  world_->SeedDraws(History(20));  // 2007001 .. 2007020
}

void BookWindowTest::cleanup() {
  app_.reset();
  world_.reset();
}

void BookWindowTest::theListInHandIsGradedWhenItsDrawIsEntered() {
  app_ = world_->MakeApp();
  QVERIFY2(app_->Ok(), qPrintable(app_->Error()));
  book_ = app_->Windows().Get<Tf_wdtz>();
  auto* zh = app_->Windows().Get<Tf_zh>();
  std::string error;
  QVERIFY(zh->Session().tickets.Assign(KnownTickets(), &error));

  // "加入投注记录" proposes the draw after the newest.
  QString proposed;
  world_->shell.dialogHandlers.push_back([&](QDialog& d) {
    proposed = d.findChild<QLineEdit*>("e_qs")->text();
    d.findChild<QLineEdit*>("e_name")->setText(QStringLiteral("周二"));
    d.accept();
  });
  Click(zh, "b_addbook");
  QCOMPARE(proposed, QString("2007021"));
  QCOMPARE(book_->View().rows.size(), size_t(1));
  const BookEntry entry = book_->View().rows[0].entry;
  QCOMPARE(entry.qs, 2007021);
  QCOMPARE(entry.name, std::string("周二"));
  QCOMPARE(entry.costFen, int64_t(1000));
  QVERIFY(!entry.result);
  QCOMPARE(Child<QTableView>(book_, "sg_book")->model()->index(0, 5).data().toString(),
           QString("待开奖"));

  // 数据更新's manual entry stores the draw: the entry is graded at once.
  auto* update = app_->Windows().Get<Tf_gxsjq>();
  update->show();
  Type(update, "e_qs", "2007021");
  Type(update, "e_zh", "01-02-03-04-05");
  Type(update, "e_spec", "01-02");
  Click(update, "b_add");
  update->close();
  QCOMPARE(
      book_->LastNotes(),
      QStringList{QStringLiteral("第2007021期: 4注中奖, 共505元(另有一等奖1注奖金未知, 未计入)")});
  const BookRow row = book_->View().rows.at(0);
  QVERIFY(row.entry.result);
  QCOMPARE(row.entry.result->WinningTickets(), 4);
  QCOMPARE(
      Child<QLabel>(book_, "l_total")->text(),
      QStringLiteral("合计    投入10元    中奖505元    盈亏495元    未计入: 一等奖1注(奖金未知)"));
  // The chart shows one graded draw.
  book_->show();
  QCOMPARE(book_->View().balance.size(), size_t(1));
  QCOMPARE(book_->View().balance[0].balanceFen, int64_t(49500));

  // A floating tier's amount entered by hand is counted.
  book_->SelectEntry(entry.id);
  world_->shell.dialogHandlers.push_back([](QDialog& d) {
    d.findChild<QLineEdit*>("e_amount")->setText("5000000");
    d.accept();
  });
  Click(book_, "b_amount");
  QCOMPARE(book_->View().totals.wonFen, int64_t(500050500));
}

void BookWindowTest::drawsStoredOffTheInterfaceThreadAreToldOnIt() {
  app_ = world_->MakeApp();
  QVERIFY2(app_->Ok(), qPrintable(app_->Error()));
  book_ = app_->Windows().Get<Tf_wdtz>();
  DrawTable& table = app_->Context().Table();
  NewBookEntry e;
  e.name = "导入";
  e.qs = 2007021;
  e.tickets = KnownTickets();
  e.costFen = 1000;
  std::string error;
  QVERIFY(AddBookEntry(*app_->Context().dm->Book(), table, e, &error));
  Draw d;
  d.qs = 2007021;
  d.front = {1, 2, 3, 4, 5};
  d.back = {1, 2};
  // As an import does: the store runs on a worker thread.
  BackgroundRunner runner(nullptr);
  const TaskOutcome outcome = runner.RunAndWait(
      [&](TaskControl&) { table.ApplyImport({d}, false); }, [](const TaskControl&) {});
  QVERIFY(outcome.ok());
  // Told on the interface thread once its events run.
  QTRY_COMPARE(book_->LastNotes().size(), 1);
  QVERIFY(book_->View().rows.at(0).entry.result);
}

void BookWindowTest::thePrizeTableIsEditedInTheSettings() {
  app_ = world_->MakeApp();
  QVERIFY2(app_->Ok(), qPrintable(app_->Error()));
  auto* settings = app_->Windows().Get<Tf_set>();
  settings->show();
  auto* page = Child<QWidget>(settings, "ts_prizes");
  QVERIFY(page);
  page->show();
  QCOMPARE(Child<QLineEdit>(page, "e_ticketprice")->text(), QString("2"));
  QCOMPARE(Child<QLineEdit>(page, "e_prize3")->text(), QString("10000"));
  QCOMPARE(Child<QLineEdit>(page, "e_prize1")->text(), QString());
  Child<QLineEdit>(page, "e_ticketprice")->setText("3");
  Child<QLineEdit>(page, "e_prize8")->setText("");
  Child<QLineEdit>(page, "e_prize1")->setText("5000000.5");
  Click(page, "b_saveprizes");
  PrizeTable expected = PrizeTable::Defaults();
  expected.ticketPriceFen = 300;
  expected.fixedFen[8] = std::nullopt;
  expected.fixedFen[1] = 500000050;
  QVERIFY(app_->Context().settings.ReadPrizeTable() == expected);

  // A bad amount is named and nothing is stored.
  world_->shell.messages.clear();
  Child<QLineEdit>(page, "e_ticketprice")->setText("4");
  Child<QLineEdit>(page, "e_prize5")->setText("3百");
  Click(page, "b_saveprizes");
  QCOMPARE(world_->shell.messages.size(), 1);
  QVERIFY(world_->shell.messages[0].startsWith(QStringLiteral("五等奖")));
  QVERIFY(app_->Context().settings.ReadPrizeTable() == expected);
  settings->close();
}

void BookWindowTest::aDamagedBookIsReportedAtStartAndLeftInPlace() {
  const QString path = world_->DataDir() + "/database/book.db";
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("这不是数据库");
  f.close();
  app_ = world_->MakeApp();
  QVERIFY2(app_->Ok(), qPrintable(app_->Error()));
  QCOMPARE(world_->shell.messages.size(), 1);
  QVERIFY(world_->shell.messages[0].contains(QStringLiteral("投注记录文件无法使用")));
  QVERIFY(!app_->Context().dm->Book());
  book_ = app_->Windows().Get<Tf_wdtz>();
  QVERIFY(!book_->AskAndAdd(KnownTickets(), "x"));
  // Draws are still stored.
  Draw d;
  d.qs = 2007021;
  d.front = {1, 2, 3, 4, 5};
  d.back = {1, 2};
  QVERIFY(app_->Context().Table().AppendDraw(d));
  QVERIFY(f.open(QIODevice::ReadOnly));
  QCOMPARE(QString::fromUtf8(f.readAll()), QStringLiteral("这不是数据库"));
}

DLT_GUI_TEST(BookWindowTest);
#include "book_window_test.moc"
