#include "gui/analysis/zbpxz_screenshots.h"

#include <QTabWidget>

#include "gui/analysis/tf_zbpx.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "history/draw_table.h"

namespace dlt::gui {

namespace {

void TakeTabs(Tf_zbpxz* analysis, const QString& dir,
              void (*save)(QWidget*, const QString&, const QString&), void (*settle)(int)) {
  settle(500);
  const struct {
    const char* tab;
    const char* file;
  } pictures[] = {{"均值走势图", "zbpxz_means.png"},
                  {"单个取值遗漏走势", "zbpxz_single_value.png"},
                  {"遗漏分布图表", "zbpxz_omission_table.png"},
                  {"信号图", "zbpxz_signal.png"},
                  {"遗漏次数统计图", "zbpxz_omission_stats.png"},
                  {"按期数分段走势", "zbpxz_segments.png"}};
  QTabWidget* tabs = analysis->Tabs();
  for (const auto& p : pictures) {
    for (int i = 0; i < tabs->count(); ++i)
      if (tabs->tabText(i) == QString::fromUtf8(p.tab)) tabs->setCurrentIndex(i);
    settle(400);
    save(analysis, dir, p.file);
  }
  analysis->hide();
}

}  // namespace

void TakeAnalysisPictures(AppContext& app, const QString& dir,
                          void (*save)(QWidget*, const QString&, const QString&),
                          void (*settle)(int)) {
  auto* launcher = app.windows->Get<Tf_zbpx>();
  auto* analysis = app.windows->Get<Tf_zbpxz>();
  if (!launcher || !analysis) return;
  launcher->show();
  settle(300);
  save(launcher, dir, "zbpx.png");
  // A forecast record for these pictures only, so that they show how it is
  // labelled ("预测区"); it is gone when they are taken.
  DrawTable& table = app.Table();
  const bool forecast = !table.Empty() && !table.HasForecast();
  if (forecast) {
    const CursorGuard keep(table);
    table.WriteForecast(Draw{kForecastQs, {3, 8, 15, 22, 30}, {1, 2}});
  }
  const bool started = launcher->Start();
  launcher->hide();
  if (started) TakeTabs(analysis, dir, save, settle);
  if (forecast) {
    const CursorGuard keep(table);
    table.DeleteForecast();
  }
}

}  // namespace dlt::gui
