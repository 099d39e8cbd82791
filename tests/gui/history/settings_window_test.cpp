// The settings window, the custom indicator dialog and the cold/hot dialog.
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "gui/app/app_settings.h"
#include "gui/app/window_set.h"
#include "gui/history/tf_addselfzb.h"
#include "gui/history/tf_coldhotset.h"
#include "gui/history/tf_set.h"
#include "gui_test_support.h"
#include "history/draw_table.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

// A dialog handler that types a formula and a name and presses "确定".
std::function<void(QDialog&)> Enter(QString formula, QString name, QStringList* seen = nullptr) {
  return [=](QDialog& d) {
    if (seen) {
      *seen << d.windowTitle() << d.findChild<QLineEdit*>("Edit1")->text()
            << d.findChild<QLineEdit*>("Edit2")->text();
    }
    d.findChild<QLineEdit*>("Edit1")->setText(formula);
    d.findChild<QLineEdit*>("Edit2")->setText(name);
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
  };
}

}  // namespace

class SettingsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void customIndicatorsAreAddedModifiedAndDeletedInTheFile();
  void aFormulaWithASpaceIsRefused();
  void theReferencePagesShowTheZoneAndShapeTexts();
  void theColdHotDialogChecksItsValuesAndRewritesTheSummaries();
  void coldHotValuesOutOfRangeInTheFileGiveTheirDefaults();
};

void SettingsWindowTest::customIndicatorsAreAddedModifiedAndDeletedInTheFile() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* set = app->Windows().Get<Tf_set>();
  set->show();
  QCOMPARE(set->pos(), QPoint(0, 62));
  QCOMPARE(set->findChild<QTabWidget*>("pc_set")->currentIndex(), 0);
  QCOMPARE(set->List()->count(), 0);

  world.shell.dialogHandlers.push_back(Enter("z_hz+z_hw", " 和加和尾 "));
  QTest::mouseClick(set->findChild<QPushButton*>("b_add"), Qt::LeftButton);
  world.shell.dialogHandlers.push_back(Enter("z_num1", "一位"));
  set->AddIndicator();
  QCOMPARE(set->List()->count(), 2);
  QCOMPARE(set->List()->item(0)->text(), QString("z_hz+z_hw        和加和尾"));
  QFile f(set->ListPath());
  QVERIFY(f.open(QIODevice::ReadOnly));
  // GBK with CR LF: 和 is BA CD.
  QCOMPARE(f.readAll(), QByteArray("z_hz+z_hw        \xBA\xCD\xBC\xD3\xBA\xCD\xCE\xB2\r\n"
                                   "z_num1        \xD2\xBB\xCE\xBB\r\n"));
  f.close();

  set->List()->clearSelection();
  set->List()->setCurrentItem(nullptr);
  set->ModifyIndicator();
  set->DeleteIndicator();
  QCOMPARE(world.shell.messages, (QStringList{"请先选择你要修改的指标", "请先选择你要删除的指标"}));

  QStringList seen;
  set->List()->setCurrentRow(0);
  world.shell.dialogHandlers.push_back(Enter("z_hz+z_hw", "和尾加和", &seen));
  QTest::mouseClick(set->findChild<QPushButton*>("b_modify"), Qt::LeftButton);
  QCOMPARE(seen, (QStringList{"修改自定义指标", "z_hz+z_hw", "和加和尾"}));
  QCOMPARE(set->List()->item(0)->text(), QString("z_hz+z_hw        和尾加和"));

  set->List()->setCurrentRow(1);
  QTest::mouseClick(set->findChild<QPushButton*>("b_delete"), Qt::LeftButton);
  QCOMPARE(set->List()->count(), 1);

  // Reopening the window reads the file again.
  set->close();
  set->show();
  QCOMPARE(set->List()->count(), 1);
  QCOMPARE(set->List()->item(0)->text(), QString("z_hz+z_hw        和尾加和"));

  // A cancelled dialog changes nothing.
  set->AddIndicator();
  QCOMPARE(set->List()->count(), 1);
}

void SettingsWindowTest::aFormulaWithASpaceIsRefused() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* set = app->Windows().Get<Tf_set>();
  set->show();
  bool stayedOpen = false;
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    d.findChild<QLineEdit*>("Edit1")->setText("z_hz + 1");
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
    stayedOpen = d.isVisible() && d.result() != QDialog::Accepted;
    d.findChild<QLineEdit*>("Edit1")->setText("");
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
    QTest::mouseClick(d.findChild<QPushButton*>("b_cancel"), Qt::LeftButton);
  });
  set->AddIndicator();
  QVERIFY(stayedOpen);
  QCOMPARE(world.shell.messages, (QStringList{"公式有误:不能有空格", "公式有误:你还未输入公式"}));
  QCOMPARE(set->List()->count(), 0);
  QVERIFY(!QFile::exists(set->ListPath()));
}

void SettingsWindowTest::theReferencePagesShowTheZoneAndShapeTexts() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* set = app->Windows().Get<Tf_set>();
  set->show();
  const QStringList zone = set->findChild<QPlainTextEdit*>("m_zone")->toPlainText().split('\n');
  const QString ten(10, ' ');
  QCOMPARE(zone[0], QString("(二区的分区设定)"));
  QCOMPARE(zone[1], "小区<1..17>" + ten + "大区<18..35>");
  QCOMPARE(zone[3], QString("(三区的分区设定)"));
  QCOMPARE(zone[4], "一区<1..11>" + ten + "二区<12..23>" + ten + "三区<24..35>");
  const QString shapes = set->findChild<QPlainTextEdit*>("m_shape")->toPlainText();
  QVERIFY(shapes.startsWith("两个指标组合的单选形态\n      0=  偶偶"));
  QVERIFY(shapes.contains("三个指标组合的组选形态"));
  auto* tabs = set->findChild<QTabWidget*>("pc_set");
  QCOMPARE(tabs->tabText(0), QString("自定义指标设置"));
  QCOMPARE(tabs->tabText(1), QString("分区说明"));
  QCOMPARE(tabs->tabText(2), QString("形态取值说明"));
}

void SettingsWindowTest::theColdHotDialogChecksItsValuesAndRewritesTheSummaries() {
  TestWorld world;
  world.SeedDraws(History(40));
  auto app = world.MakeApp();
  QStringList shown;
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    auto* window = d.findChild<QLineEdit*>("e_qsfield");
    shown << window->text() << d.findChild<QLineEdit*>("e_cold")->text()
          << d.findChild<QLineEdit*>("e_hot")->text();
    for (const char* bad : {"0", "256", "x"}) {
      window->setText(bad);
      QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
      QVERIFY(d.result() != QDialog::Accepted);
    }
    window->setText("20");
    d.findChild<QLineEdit*>("e_hot")->setText("300");
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
    d.findChild<QLineEdit*>("e_hot")->setText("6");
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
  });
  QVERIFY(EditColdHotSettings(app->Context(), ColdHotZone::Front));
  QCOMPARE(shown, (QStringList{"30", "2", "8"}));
  QCOMPARE(world.shell.messages,
           (QStringList{"期数范围必须是1到255之间的整数", "期数范围必须是1到255之间的整数",
                        "期数范围必须是1到255之间的整数", "热号次数必须是0到255之间的整数"}));
  QCOMPARE(app->Context().env.coldHot.qs, 20);
  QCOMPARE(app->Context().env.coldHot.hotcs, 6);
  QSettings file(world.SettingsFile(), QSettings::IniFormat);
  QCOMPARE(file.value("software/dltsettings/qs").toInt(), 20);
  QCOMPARE(file.value("software/dltsettings/hotcs").toInt(), 6);
  const ColdHotLists& l = app->Context().coldHot;
  QCOMPARE(int(l.frontCold.size() + l.frontWarm.size() + l.frontHot.size()), 35);
  // Every draw got its summary texts, and the first has no window before it.
  const DrawTable& table = app->Context().Table();
  for (int i = 0; i < table.RecordCount(); ++i)
    QCOMPARE(int(table.Extras(i).coldhotbone.size()), 8);
  QVERIFY(table.Extras(0).coldhotbtwo.empty());
  QVERIFY(!table.Extras(39).coldhotbtwo.empty());

  // The back-zone dialog stores the f_ values; a cancel changes nothing.
  world.shell.dialogHandlers.push_back([](QDialog& d) {
    d.findChild<QLineEdit*>("e_qsfield")->setText("12");
    QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
  });
  QVERIFY(EditColdHotSettings(app->Context(), ColdHotZone::Back));
  QCOMPARE(app->Context().env.coldHot.f_qs, 12);
  QCOMPARE(app->Context().env.coldHot.qs, 20);
  QVERIFY(!EditColdHotSettings(app->Context(), ColdHotZone::Back));
}

// A stored window of 256 would count in a byte as 0; a negative threshold
// means nothing. Both read as their defaults, which the file then shows.
void SettingsWindowTest::coldHotValuesOutOfRangeInTheFileGiveTheirDefaults() {
  QTemporaryDir dir;
  const QString path = dir.path() + "/settings.ini";
  {
    QSettings s(path, QSettings::IniFormat);
    s.setValue("software/dltsettings/qs", 256);
    s.setValue("software/dltsettings/coldcs", -1);
    s.setValue("software/dltsettings/hotcs", 255);
    s.setValue("software/dltsettings/f_qs", 0);
  }
  AppSettings settings(path);
  const ColdHotSettings read = settings.ReadColdHot();
  QCOMPARE(read.qs, 30);
  QCOMPARE(read.coldcs, 2);
  QCOMPARE(read.hotcs, 255);
  QCOMPARE(read.f_qs, 30);
  QSettings file(path, QSettings::IniFormat);
  QCOMPARE(file.value("software/dltsettings/qs").toInt(), 30);
  QCOMPARE(file.value("software/dltsettings/coldcs").toInt(), 2);
}

DLT_GUI_TEST(SettingsWindowTest);
#include "settings_window_test.moc"
