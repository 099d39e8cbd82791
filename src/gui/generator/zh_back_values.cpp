#include "gui/generator/zh_back_values.h"

#include "history/draw_table.h"
#include "history/history_contexts.h"
#include "indicators/indicator.h"

namespace dlt::gui {

std::optional<int> NewestBackValue(const DrawTable& table, const EvalEnv& env,
                                   const BackCondition& condition) {
  const int last = table.LastRealIndex();
  if (last < 0) return std::nullopt;
  // A forecast record after the newest draw must not count as history.
  EvalContext ctx = TableContext(table, &env);
  ctx.count = last + 1;
  ctx.pos = last;
  const int32_t value = IndicatorValue(ctx, condition.key);
  if (value == -999) return std::nullopt;
  return value;
}

}  // namespace dlt::gui
