#include "gui/trend/fxd_screenshots.h"

#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
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
  } pages[] = {{"ts_zhyltb", "fxd_omission.png"},
               {"ts_redfbd", "fxd_distribution.png"},
               {"ts_cgd", "fxd_table1.png"},
               {"ts_jhjcd", "fxd_lines.png"},
               {"ts_jgd", "fxd_gaps.png"}};
  for (const auto& p : pages) {
    w->ShowPage(QString::fromUtf8(p.sheet));
    settle(400);
    save(w, dir, QString::fromUtf8(p.file));
  }
  w->ShowPage(QStringLiteral("ts_hns"));
}

}  // namespace dlt::gui
