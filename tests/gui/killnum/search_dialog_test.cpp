// The two search dialogs over their one base: a running search locks the
// settings and stops at the button, and a dialog destroyed while its search
// runs ends the search without its result ever reaching the dialog.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "gui/killnum/tf_scfa.h"
#include "gui/killnum/tf_searchgs.h"
#include "gui_test_support.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

class SearchDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void theButtonStartsAndStopsTheSearch_data();
  void theButtonStartsAndStopsTheSearch();
  void aDialogClosedWhileSearchingEndsItsSearch_data();
  void aDialogClosedWhileSearchingEndsItsSearch();

 private:
  // A dialog of `kind` whose search runs until it is stopped: the values
  // 36..40 are no front numbers, so every candidate passes the draws and a
  // target of 0..50% is never met.
  std::unique_ptr<SearchDialog> Endless(const QString& kind, const char** button);

  std::unique_ptr<TestWorld> world_;
  std::unique_ptr<DltApp> app_;
};

void SearchDialogTest::init() {
  world_ = std::make_unique<TestWorld>();
  world_->SeedDraws(History(150));
  app_ = world_->StartApp();
}

void SearchDialogTest::cleanup() {
  app_.reset();
  world_.reset();
}

std::unique_ptr<SearchDialog> SearchDialogTest::Endless(const QString& kind, const char** button) {
  std::unique_ptr<SearchDialog> dialog;
  const char* target = nullptr;
  if (kind == "search") {
    auto d = std::make_unique<Tf_searchgs>(app_->Context());
    d->Prepare({});
    dialog = std::move(d);
    *button = "b_beginss";
    target = "e_mbzql";
  } else {
    auto d = std::make_unique<Tf_scfa>(app_->Context());
    d->Prepare({});
    dialog = std::move(d);
    *button = "b_begin";
    target = "e_mbzqlfrom";
  }
  Child<QLineEdit>(*dialog, "e_qzfrom")->setText("36");
  Child<QLineEdit>(*dialog, "e_qzto")->setText("40");
  Child<QLineEdit>(*dialog, target)->setText("0");
  Child<QLineEdit>(*dialog, "e_mbzqlto")->setText("50");
  dialog->show();
  return dialog;
}

void SearchDialogTest::theButtonStartsAndStopsTheSearch_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("start");
  QTest::addColumn<QString>("stop");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("runningTitle");
  QTest::newRow("formula search") << "search"
                                  << "开始搜索"
                                  << "停止搜索"
                                  << "公式搜索"
                                  << "正在搜索中，请稍候";
  QTest::newRow("scheme optimisation") << "scheme"
                                       << "开始生成"
                                       << "停止生成"
                                       << "优化方案"
                                       << "正在生成中，请稍候";
}

void SearchDialogTest::theButtonStartsAndStopsTheSearch() {
  QFETCH(QString, kind);
  QFETCH(QString, start);
  QFETCH(QString, stop);
  QFETCH(QString, title);
  QFETCH(QString, runningTitle);
  const char* button = nullptr;
  std::unique_ptr<SearchDialog> dialog = Endless(kind, &button);
  auto* b = Child<QPushButton>(*dialog, button);
  QCOMPARE(b->text(), start);
  QCOMPARE(dialog->windowTitle(), title);
  QTest::mouseClick(b, Qt::LeftButton);
  QVERIFY(dialog->Running());
  QCOMPARE(b->text(), stop);
  QCOMPARE(dialog->windowTitle(), runningTitle);
  QVERIFY(!Child<QLineEdit>(*dialog, "e_seed")->isEnabled());
  QVERIFY(!Child<QPushButton>(*dialog, "b_apply")->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(dialog->Progress().tested.load() > 0, 60000);
  QTest::mouseClick(b, Qt::LeftButton);
  dialog->FinishRun();
  QVERIFY(!dialog->Running());
  QCOMPARE(b->text(), start);
  QCOMPARE(dialog->windowTitle(), title);
  QVERIFY(Child<QLineEdit>(*dialog, "e_seed")->isEnabled());
  QVERIFY(Child<QPushButton>(*dialog, "b_apply")->isEnabled());
}

void SearchDialogTest::aDialogClosedWhileSearchingEndsItsSearch_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("formula search") << "search";
  QTest::newRow("scheme optimisation") << "scheme";
}

void SearchDialogTest::aDialogClosedWhileSearchingEndsItsSearch() {
  QFETCH(QString, kind);
  const char* button = nullptr;
  std::unique_ptr<SearchDialog> dialog = Endless(kind, &button);
  QTest::mouseClick(Child<QPushButton>(*dialog, button), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(dialog->Progress().tested.load() > 0, 60000);
  // Closing ends the search first; nothing runs after the close.
  dialog->reject();
  QVERIFY(!dialog->Running());
  // Destroyed while searching: the search stops, and its result, were it
  // delivered, would land in a dialog that is gone (the sanitizer build
  // catches that).
  QTest::mouseClick(Child<QPushButton>(*dialog, button), Qt::LeftButton);
  QVERIFY(dialog->Running());
  QTRY_VERIFY_WITH_TIMEOUT(dialog->Progress().tested.load() > 0, 60000);
  dialog.reset();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

DLT_GUI_TEST(SearchDialogTest);
#include "search_dialog_test.moc"
