#include "gui/app/next_draw_chance.h"

#include "gui/app/app_context.h"
#include "gui/app/long_task.h"
#include "gui/app/shell_services.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/window_set.h"
#include "history/draw_table.h"
#include "history/memory_history.h"

namespace dlt::gui {

std::optional<ValueDistribution> NextDrawChance(AppContext& app, QWidget* parent,
                                                const std::string& text, DrawZone zone) {
  const DrawTable& table = app.Table();
  MemoryHistory history;
  history.LoadFrom(table);
  DistributionQuery query;
  query.history = &history;
  query.env = app.env;
  query.tableTest = table.Position() >= 0 ? table.Scratch(ScratchField::Test, table.Position()) : 0;
  query.text = text;
  query.zone = zone;
  DistributionOutcome out;
  Tf_showpic* box = app.windows ? app.windows->Get<Tf_showpic>() : nullptr;
  if (box) {
    const TaskOutcome task = RunLongTask(
        *box, QStringLiteral("正在计算各取值的机会，请稍候。"), true, [&](TaskControl& control) {
          out = NextDrawDistribution(query, [&control](int64_t done, int64_t total) {
            control.SetTotal(static_cast<int>(total));
            control.SetDone(static_cast<int>(done));
            return !control.Cancelled();
          });
        });
    if (!task.error.isEmpty()) {
      app.shell.Inform(parent, task.error);
      return std::nullopt;
    }
    if (task.cancelled) return std::nullopt;
  } else {
    out = NextDrawDistribution(query);
  }
  if (out.cancelled) return std::nullopt;
  if (!out.error.empty()) {
    app.shell.Inform(parent, QString::fromStdString(out.error));
    return std::nullopt;
  }
  return std::move(out.distribution);
}

}  // namespace dlt::gui
