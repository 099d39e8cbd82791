#include "gui/trend/fxd_screenshots.h"

#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/trend/fxd_mosaic_page.h"
#include "gui/trend/tf_fxd.h"
#include "history/draw_table.h"

namespace dlt::gui {

void TakeTrendPictures(AppContext& app, const QString& dir,
                       void (*save)(QWidget*, const QString&, const QString&),
                       void (*settle)(int)) {
  auto* w = app.windows->Get<Tf_fxd>();
  if (!w) return;
  // A full page of the charts: the anchor 36 draws before the last.
  app.Table().Last();
  app.Table().MoveBy(-36);
  w->show();
  w->raise();
  const struct {
    const char* sheet;
    const char* file;
  } pages[] = {{"ts_zhyltb", "fxd_omission.png"},    {"ts_redfbd", "fxd_distribution.png"},
               {"ts_cgd", "fxd_table1.png"},         {"ts_jhjcd", "fxd_lines.png"},
               {"ts_jgd", "fxd_gaps.png"},           {"ts_extend", "fxd_extend.png"},
               {"ts_zbzhxt", "fxd_shape_chart.png"}, {"ts_zhxtdb", "fxd_shape_table.png"},
               {"ts_zbzhdb", "fxd_mosaic.png"}};
  // A mosaic to show when the data folder has none of its own (nothing is written).
  if (auto* mosaic = w->findChild<MosaicPage*>("ts_zbzhdb"); mosaic && mosaic->Entries().isEmpty())
    mosaic->ShowEntries({QStringLiteral("z_hz 和值"), QStringLiteral("z_ac AC值"),
                         QStringLiteral("z_jsgs 奇数个数"), QStringLiteral("z_dsgs 大数个数"),
                         QStringLiteral(" 形态"), QStringLiteral("c_2zbzh:z_num1|z_num2:0 奇偶"),
                         QStringLiteral("c_fq_0_4_1 第一分区")});
  for (const auto& p : pages) {
    w->ShowPage(QString::fromUtf8(p.sheet));
    settle(400);
    save(w, dir, QString::fromUtf8(p.file));
  }
  w->ShowPage(QStringLiteral("ts_hns"));
}

}  // namespace dlt::gui
