// Legends in words under the distribution chart, the omission grids and
// the number matrix, following the page's choices; the analysis window's
// caption names what it analyses.
#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

#include "chart/column_order.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/window_set.h"
#include "gui/trend/fxd_context.h"
#include "gui/trend/legend_bar.h"
#include "gui/trend/omission_grid_delegate.h"
#include "indicators/catalogue.h"
#include "trend/distribution_chart.h"
#include "trend_test_support.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

class LegendTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void theDistributionLegendFollowsTheMarkStyle();
  void theOmissionLegendNamesPartitionsOrTypeGroups();
  void theMatrixLegendNamesItsMarks();
  void theAnalysisCaptionNamesWhatItAnalyses_data();
  void theAnalysisCaptionNamesWhatItAnalyses();

 private:
  QStringList WordsOf(const std::vector<LegendEntry>& legend) {
    QStringList words;
    for (const LegendEntry& e : legend) words << QString::fromStdString(e.words);
    return words;
  }
  LegendBar* LegendOn(const char* sheet) {
    QWidget* page = Sheet(*trend_, sheet);
    return page ? page->findChild<LegendBar*>() : nullptr;
  }

  std::unique_ptr<TestWorld> world_;
  std::unique_ptr<DltApp> app_;
  Tf_fxd* trend_ = nullptr;
};

void LegendTest::init() {
  world_ = std::make_unique<TestWorld>();
  world_->SeedDraws(History(150));
  app_ = world_->StartApp();
  trend_ = app_->Windows().Get<Tf_fxd>();
}

void LegendTest::cleanup() {
  app_.reset();
  world_.reset();
}

void LegendTest::theDistributionLegendFollowsTheMarkStyle() {
  LegendBar* legend = LegendOn("ts_redfbd");
  QVERIFY(legend);
  QVERIFY(legend->isVisible());
  auto* marks = Child<QComboBox>(trend_, "cb_fbd");
  for (int style : {0, 2, 3, 1}) {
    marks->setCurrentIndex(style);
    QCOMPARE(legend->Words(), WordsOf(DistributionLegend(trend_->Shared().displayMode, style)));
  }
  marks->setCurrentIndex(0);
  QCOMPARE(legend->Words(), QStringList({"不在连号、重号、斜连号中", "二个连号、重号或斜连号",
                                         "三个以上连号、重号或斜连号"}));
}

void LegendTest::theOmissionLegendNamesPartitionsOrTypeGroups() {
  LegendBar* legend = LegendOn("ts_zhyltb");
  QVERIFY(legend);
  QVERIFY(legend->isVisible());
  QCOMPARE(legend->Words(), QStringList({"第1、3、5…分区", "第2、4、6…分区"}));
  QCOMPARE(legend->Words(), WordsOf(ShadingLegend(false)));
  // Sorted by type, the shading follows the type groups: so does the legend.
  QWidget* page = trend_->Pages()->currentWidget();
  QComboBox* order = nullptr;
  for (QComboBox* box : page->findChildren<QComboBox*>())
    if (box->itemText(0) == QString::fromStdString(ColumnOrderTexts().at(0)) && box->count() > 1)
      order = box;
  QVERIFY(order);
  order->setCurrentIndex(1);
  QAbstractButton* refresh = nullptr;
  for (QAbstractButton* b : page->findChildren<QAbstractButton*>())
    if (b->text() == QStringLiteral("刷新")) refresh = b;
  QVERIFY(refresh);
  QTest::mouseClick(refresh, Qt::LeftButton);
  QCOMPARE(legend->Words(), QStringList({"第1、3、5…类型组", "第2、4、6…类型组"}));
}

void LegendTest::theMatrixLegendNamesItsMarks() {
  LegendBar* legend = LegendOn("ts_hns");
  QVERIFY(legend);
  QVERIFY(legend->isVisible());
  QCOMPARE(legend->Words(), QStringList({"开出的号码", "空行或空列中的格", "其他格"}));
}

void LegendTest::theAnalysisCaptionNamesWhatItAnalyses_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("formula");
  QTest::addColumn<QString>("expected");
  const QString sumLabel = QString::fromStdString(FindCatalogueRow("z_hz")->label);
  QTest::newRow("a caption") << "转换1"
                             << ""
                             << ""
                             << "转换1";
  QTest::newRow("a key alone") << ""
                               << "z_hz"
                               << "" << sumLabel;
  QTest::newRow("the key as caption") << "z_hz"
                                      << "z_hz"
                                      << "" << sumLabel;
  QTest::newRow("a formula") << ""
                             << ""
                             << "[-1]z_hz%10"
                             << "[-1]z_hz%10";
  QTest::newRow("an unknown key") << ""
                                  << "no_such_key"
                                  << ""
                                  << "no_such_key";
  QTest::newRow("nothing") << ""
                           << ""
                           << ""
                           << "指标剖析";
}

void LegendTest::theAnalysisCaptionNamesWhatItAnalyses() {
  QFETCH(QString, caption);
  QFETCH(QString, key);
  QFETCH(QString, formula);
  QFETCH(QString, expected);
  AnalysisSeries series;
  series.caption = caption;
  series.key = key.toStdString();
  series.formula = formula.toStdString();
  QCOMPARE(AnalysedName(series), expected);
  series.values.assign(150, 3);
  series.from = 0;
  series.to = 10;
  auto* analysis = app_->Windows().Get<Tf_zbpxz>();
  analysis->Analyse(series);
  QCOMPARE(analysis->windowTitle(), expected);
  analysis->hide();
}

DLT_GUI_TEST(LegendTest);
#include "legend_test.moc"
