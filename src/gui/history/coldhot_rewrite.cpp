#include "gui/history/coldhot_rewrite.h"

#include "gui/app/app_context.h"
#include "gui/app/long_task.h"
#include "gui/app/shell_services.h"
#include "gui/app/tdm.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/window_set.h"
#include "history/coldhot_summary.h"
#include "history/draw_table.h"
#include "indicators/coldhot.h"

namespace dlt::gui {

bool ReclassifyAndRewrite(AppContext& app, std::optional<int32_t> endQs) {
  DrawTable& table = app.Table();
  const int last = table.LastRealIndex();
  if (last < 0) return true;
  const int32_t at = endQs.value_or(table.Draws()[last].qs);
  if (!ClassifyNumbers(table.Draws(), at, app.env.coldHot, app.coldHot))
    ClassifyNumbers(table.Draws(), table.Draws()[last].qs, app.env.coldHot, app.coldHot);
  if (app.dm) emit app.dm->coldHotChanged();

  const ColdHotSettings settings = app.env.coldHot;
  // Not cancellable: a half-done rewrite would mix texts of two settings.
  const TaskOutcome outcome =
      RunLongTask(*app.windows->Get<Tf_showpic>(), QStringLiteral("正在更新冷热号统计，请稍候."),
                  /*cancellable=*/false, [&](TaskControl& control) {
                    RewriteAllColdHotSummaries(table, settings, [&](int done, int total) {
                      control.SetTotal(total);
                      control.SetDone(done);
                      return true;
                    });
                  });
  if (!outcome.error.isEmpty()) {
    app.shell.Inform(nullptr, outcome.error);
    return false;
  }
  return true;
}

}  // namespace dlt::gui
