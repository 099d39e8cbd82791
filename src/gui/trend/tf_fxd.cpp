#include "gui/trend/tf_fxd.h"

#include <QActionGroup>
#include <QMenu>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/app_context.h"
#include "gui/app/below_toolbar.h"
#include "gui/app/tdm.h"
#include "gui/common/auto_scroller.h"
#include "gui/common/tab_rows.h"
#include "gui/trend/fxd_chart_setups.h"
#include "gui/trend/fxd_context.h"
#include "gui/trend/fxd_conversion_page.h"
#include "gui/trend/fxd_data_tables_page.h"
#include "gui/trend/fxd_derived_page.h"
#include "gui/trend/fxd_distribution_page.h"
#include "gui/trend/fxd_event_page.h"
#include "gui/trend/fxd_matrix_page.h"
#include "gui/trend/fxd_mosaic_page.h"
#include "gui/trend/fxd_omission_page.h"
#include "gui/trend/fxd_shape_chart_page.h"
#include "gui/trend/fxd_shape_table_page.h"
#include "trend/distribution_chart.h"

namespace dlt::gui {

Tf_fxd::Tf_fxd(AppContext& app, QWidget* parent)
    : QWidget(parent), app_(app), fxd_(std::make_unique<FxdContext>(app)) {
  setObjectName("Tf_fxd");
  setWindowTitle(QStringLiteral("走势分析"));
  OpenBelowToolbar(*this, kFillArea, app, /*everyShow=*/false);
  BuildMenu();
  BuildPages();
  // Draws the start-up sync adds while the window shows: it reads them as on a show.
  if (app_.dm)
    connect(app_.dm, &Tdm::historyChanged, this, [this] {
      if (isVisible()) FormShow();
    });
}

Tf_fxd::~Tf_fxd() = default;

void Tf_fxd::BuildMenu() {
  pm1 = new QMenu(this);
  pm1->setObjectName("pm1");
  fxd_->pm1 = pm1;
  auto* modes = new QActionGroup(this);
  const char* names[] = {"pm_item_ballnum", "pm_item_ball", "pm_item_squarenum", "pm_item_square"};
  for (int m = 0; m < 4; ++m) {
    QAction* a = CheckableMenuItem(pm1, modes, names[m],
                                   QString::fromStdString(DisplayModeTexts()[m]), m == 0);
    connect(a, &QAction::triggered, this, [this, m] { SetDisplayMode(m); });
  }
  pm1->addSeparator();
  const ScrollerNames scrolling{
      "pm1",
      "t_fxd_scroll",
      "pm_item_startmove",
      "N_stopmove",
      "N_scroll_down",
      "n_scroll_up",
      {"pm_item_slow", "pm_item_mid", "pm_item_quick", "pm_item_veryquick"}};
  scroller_ = new AutoScroller(
      this, scrolling, true, [this](bool down) { ScrollStep(down); }, pm1);
}

void Tf_fxd::BuildPages() {
  auto* layout = new QVBoxLayout(this);
  pc_redfxd = new QTabWidget(this);
  pc_redfxd->setObjectName("pc_redfxd");
  pc_redfxd->setDocumentMode(true);
  layout->addWidget(pc_redfxd);
  FxdContext& fxd = *fxd_;

  front_ = new OmissionGridPage(fxd, GridPageKind::Front);
  back_ = new OmissionGridPage(fxd, GridPageKind::Back);
  tail_ = new OmissionGridPage(fxd, GridPageKind::Tail);
  distribution_ = new DistributionChartPage(fxd);
  matrix_ = new MatrixPage(fxd);
  conversion_ = new ConversionPage(fxd);
  auto* shapes = new ShapeChartPage(fxd);  // its formulas have twins on the shape table
  auto chart = [&fxd](ChartPageSetup setup) { return new ChartPage(fxd, std::move(setup)); };
  auto events = [&fxd](bool back, EventChartPage::Names names) {
    return new EventChartPage(fxd, back, names);
  };
  const struct {
    const char* caption;
    const char* sheet;
    FxdPage* page;
  } pages[] = {
      {"常规数据表", "ts_cgd", new DataTablesPage(fxd)},
      {"行列式", "ts_hns", matrix_},
      {"主号分布图", "ts_redfbd", distribution_},
      {"主区遗漏图表", "ts_zhyltb", front_},
      {"副区遗漏图表", "ts_fqyltb", back_},
      {"主区尾数遗漏图表", "ts_ws_zqyltb", tail_},
      {"线和线差图", "ts_jhjcd", chart(LineChartSetup())},
      {"常规系列", "ts_cgxl", chart(RegularSeriesSetup())},
      {"和值系列", "ts_hzxl", chart(SumSeriesSetup())},
      {"遗漏系列", "ts_ylxl", chart(OmissionSeriesSetup())},
      {"转换法杀号", "ts_zhb", conversion_},
      {"扩展系列一", "ts_extend", MakeExtendPage(fxd)},
      {"扩展系列二", "ts_extend2", MakeExtend2Page(fxd)},
      {"组合形态走势", "ts_zbzhxt", shapes},
      {"组合形态图表", "ts_zhxtdb", new ShapeTablePage(fxd, *shapes)},
      {"指标拼图", "ts_zbzhdb", new MosaicPage(fxd)},
      {"主号遗漏走势", "ts_dgqzylzs",
       events(false, {"i_dgqzylzs",
                      "cb_dgqzylzs",
                      {"", "", "Button18", "Button48", "Button49", "Button50"},
                      "Button42"})},
      {"副号遗漏走势", "ts_fhylzs",
       events(true, {"i_fhylzs",
                     "cb_fhylzs",
                     {"", "", "Button19", "Button20", "Button21", "Button43"},
                     "Button44"})},
      {"主区余数图", "ts_ysd", chart(RemainderChartSetup())},
      {"间隔分析", "ts_jgd", chart(GapChartSetup())},
      {"离中量", "ts_average", chart(DispersionChartSetup())},
  };
  for (const auto& p : pages) {
    p.page->setObjectName(p.sheet);
    pc_redfxd->addTab(p.page, QString::fromUtf8(p.caption));
  }
  pc_redfxd->setCurrentIndex(1);  // "行列式"
  // Twenty-one captions in full need two rows at 1366 pixels.
  TabRows::Replace(pc_redfxd, 2);
  connect(pc_redfxd, &QTabWidget::currentChanged, this, [this] {
    // Leaving a page stops its scrolling.
    scroller_->Stop();
    FillCurrentPage();
  });

  for (OmissionGridPage* grid : {front_, tail_})
    connect(grid, &OmissionGridPage::forecastChanged, this, &Tf_fxd::ForecastChanged);
}

bool Tf_fxd::ShowPage(const QString& sheet) {
  for (int i = 0; i < pc_redfxd->count(); ++i)
    if (pc_redfxd->widget(i)->objectName() == sheet) {
      if (pc_redfxd->currentIndex() == i)
        FillCurrentPage();
      else
        pc_redfxd->setCurrentIndex(i);
      return true;
    }
  return false;
}

void Tf_fxd::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void Tf_fxd::FormShow() {
  for (OmissionGridPage* grid : {front_, back_, tail_}) grid->FillIssueLists();
  conversion_->FillIssueLists();
  for (int i = 0; i < pc_redfxd->count(); ++i)
    if (auto* page = qobject_cast<FxdPage*>(pc_redfxd->widget(i))) page->FormShow();
  FillCurrentPage();
}

void Tf_fxd::FillCurrentPage() {
  if (auto* page = qobject_cast<FxdPage*>(pc_redfxd->currentWidget())) page->Fill();
}

void Tf_fxd::SetDisplayMode(int mode) {
  fxd_->displayMode = mode;
  QWidget* page = pc_redfxd->currentWidget();
  if (page == front_ || page == back_ || page == tail_ || page == distribution_) FillCurrentPage();
}

void Tf_fxd::ScrollStep(bool down) {
  QWidget* page = pc_redfxd->currentWidget();
  if (page == distribution_) {
    distribution_->ScrollStep(down);
  } else if (page == front_ || page == tail_) {
    static_cast<OmissionGridPage*>(page)->ScrollStep(down);
  } else {
    // Only the board and the two grids scroll; on any other page scrolling stops.
    scroller_->Stop();
  }
}

void Tf_fxd::ForecastChanged() {
  front_->SyncForecastItem();
  tail_->SyncForecastItem();
  front_->Fill();
  if (app_.dm) app_.dm->TableChanged();
}

}  // namespace dlt::gui
