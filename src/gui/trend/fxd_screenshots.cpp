#include "gui/trend/fxd_screenshots.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

#include "chart/page_window.h"
#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/common/paging_bar.h"
#include "gui/killnum/tf_selfhns.h"
#include "gui/trend/chart_view.h"
#include "gui/trend/fxd_mosaic_page.h"
#include "gui/trend/tf_fxd.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

void ScrollToTheRight(QWidget* window, const char* grid) {
  if (auto* view = window->findChild<QTableView*>(grid))
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
}

}  // namespace

void TakeTrendPictures(AppContext& app, const QString& dir,
                       void (*save)(QWidget*, const QString&, const QString&),
                       void (*settle)(int)) {
  auto* w = app.windows->Get<Tf_fxd>();
  if (!w) return;
  // A full page of the charts: the anchor 36 draws before the last.
  app.Table().Last();
  app.Table().MoveBy(-kPageSpan);
  w->show();
  w->raise();
  const struct {
    const char* sheet;
    const char* file;
  } pages[] = {{"ts_zhyltb", "fxd_omission.png"},      {"ts_redfbd", "fxd_distribution.png"},
               {"ts_cgd", "fxd_table1.png"},           {"ts_jhjcd", "fxd_lines.png"},
               {"ts_ylxl", "fxd_omission_series.png"}, {"ts_jgd", "fxd_gaps.png"},
               {"ts_extend", "fxd_extend.png"},        {"ts_zbzhxt", "fxd_shape_chart.png"},
               {"ts_zhxtdb", "fxd_shape_table.png"},   {"ts_zbzhdb", "fxd_mosaic.png"}};
  // A mosaic to show when the data folder has none of its own (nothing is written).
  if (auto* mosaic = w->findChild<MosaicPage*>("ts_zbzhdb"); mosaic && mosaic->Entries().isEmpty())
    mosaic->ShowEntries({QStringLiteral("z_hz 和值"), QStringLiteral("z_ac AC值"),
                         QStringLiteral("z_jsgs 奇数个数"), QStringLiteral("z_dsgs 大数个数"),
                         QStringLiteral(" 形态"), QStringLiteral("c_2zbzh:z_num1|z_num2:0 奇偶"),
                         QStringLiteral("c_fq_0_4_1 第一分区")});
  for (const auto& p : pages) {
    w->ShowPage(QString::fromUtf8(p.sheet));
    settle(400);
    // Data table 1 scrolled to its last columns: the issue and the numbers stay.
    if (QString::fromUtf8(p.sheet) == QStringLiteral("ts_cgd")) ScrollToTheRight(w, "sg_cgsjb");
    settle(200);
    save(w, dir, QString::fromUtf8(p.file));
  }

  // The line chart read off under the mouse: a point near the newest draws.
  w->ShowPage(QStringLiteral("ts_jhjcd"));
  settle(300);
  if (auto* view = w->findChild<ChartView*>("i_jhjcd");
      view && !view->CurrentChart().panels.empty()) {
    const tcoordinate& c = view->CurrentChart().panels.front().coord;
    const QPointF at(PlotX(c, c.xLast - 6), c.originY - c.plotHeight / 2);
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    settle(200);
    save(w, dir, QStringLiteral("fxd_readout.png"));
  }

  // The line chart zoomed out by four notches of Ctrl+wheel (87 draws a page), then back.
  if (auto* page = w->findChild<QWidget*>("ts_jhjcd")) {
    if (auto* bar = page->findChild<PagingBar*>(); bar && bar->Zoom(-4)) {
      settle(300);
      save(w, dir, QStringLiteral("fxd_zoomed.png"));
      bar->Zoom(4);
      settle(200);
    }
  }

  // The matrix page on the last eleven draws and the picks matrix after them.
  app.Table().Last();
  app.Table().MoveBy(-10);
  w->ShowPage(QStringLiteral("ts_hns"));
  settle(400);
  save(w, dir, QStringLiteral("fxd_matrix.png"));

  // The conversion table, then the kill table of the last 100 draws.
  w->ShowPage(QStringLiteral("ts_zhb"));
  if (auto* inner = w->findChild<QTabWidget*>("pc_zhb")) {
    inner->setCurrentIndex(1);
    settle(400);
    save(w, dir, QStringLiteral("fxd_conversion.png"));
    inner->setCurrentIndex(0);
    if (auto* refresh = w->findChild<QPushButton*>("Button55")) refresh->click();
    settle(400);
    ScrollToTheRight(w, "sg_shaccozhb1");
    settle(200);
    save(w, dir, QStringLiteral("fxd_kills.png"));
  }
  w->ShowPage(QStringLiteral("ts_hns"));

  // The layout design half done: a 5X7 grid with its first 18 numbers.
  if (auto* design = app.windows->Get<Tf_selfhns>()) {
    design->show();
    if (auto* type = design->findChild<QComboBox*>("ComboBox1")) type->setCurrentIndex(1);
    for (int n : {1, 2, 3, 4, 5, 16, 17, 18, 19, 6, 15, 24, 25, 20, 7, 14, 23, 22})
      if (auto* square = design->findChild<DesignSquare*>(QStringLiteral("palette%1").arg(n)))
        emit square->clicked();
    settle(300);
    save(design, dir, QStringLiteral("selfhns.png"));
    design->hide();
  }
}

}  // namespace dlt::gui
