#include "gui/trend/stats_screenshots.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

#include "chart/page_window.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/trend/tf_bluefxd.h"
#include "gui/trend/tf_moredb.h"
#include "gui/trend/tf_tjq.h"
#include "history/draw_table.h"

namespace dlt::gui {

void TakeStatisticsPictures(AppContext& app, const QString& dir,
                            void (*save)(QWidget*, const QString&, const QString&),
                            void (*settle)(int)) {
  if (auto* tjq = app.windows->Get<Tf_tjq>()) {
    tjq->show();
    tjq->raise();
    settle(400);
    save(tjq, dir, "tjq_bars.png");
    tjq->Pages()->setCurrentIndex(1);
    settle(300);
    save(tjq, dir, "tjq_items.png");
    // The repeated draws, when the history has any (else the page would say
    // so in a message box, which the tour never waits on).
    if (!app.Table().RepeatedFrontDraws().empty()) {
      tjq->Pages()->setCurrentIndex(3);
      if (auto* list = tjq->findChild<QAbstractButton*>("Button1")) list->click();
      settle(300);
      save(tjq, dir, "tjq_repeats.png");
    }
    tjq->hide();
  }
  if (auto* more = app.windows->Get<Tf_moredb>()) {
    more->show();
    more->raise();
    more->Pages()->setCurrentIndex(1);
    // Draws holding 07 anywhere, with their sums beside those of the next draws.
    more->findChild<QComboBox*>("cb_glfx_1")->setCurrentIndex(7);
    more->findChild<QAbstractButton*>("cb_glfx_bdw")->click();
    more->findChild<QAbstractButton*>("cb_glfx_zb1")->click();
    more->findChild<QLineEdit*>("e_glfx_zb1_choice")->setText("z_hz");
    more->findChild<QAbstractButton*>("b_glfx_ok")->click();
    settle(400);
    save(more, dir, "moredb_association.png");
    // The sums of the next draws analysed over those draws alone.
    auto* grid = more->findChild<QTableView*>("sg_glfx");
    auto* analysis = app.windows->Get<Tf_zbpxz>();
    if (grid && analysis && grid->model()->rowCount() > 0) {
      emit grid->doubleClicked(grid->model()->index(0, 17));
      settle(500);
      save(analysis, dir, "zbpxz_column.png");
      analysis->hide();
    }
    more->Pages()->setCurrentIndex(2);
    settle(400);
    save(more, dir, "moredb_pairs.png");
    more->hide();
  }
  if (auto* blue = app.windows->Get<Tf_bluefxd>()) {
    app.Table().Last();
    app.Table().MoveBy(-kPageSpan);
    blue->show();
    blue->raise();
    settle(400);
    save(blue, dir, "bluefxd_means.png");
    blue->Pages()->setCurrentIndex(5);
    settle(400);
    save(blue, dir, "bluefxd_slots.png");
    blue->hide();
  }
}

}  // namespace dlt::gui
