#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "common/draw.h"
#include "indicators/eval_context.h"
#include "indicators/indicator_id.h"

namespace dlt {

// A computation on the current draw and the draw before it (null at the
// first draw of a history). Most base indicators are of this kind, so a
// filter engine can call them on a candidate without any history walk.
using DrawFn = int32_t (*)(const Draw& current, const Draw* previous);
// A computation that walks further back through the history.
using ContextFn = int32_t (*)(const EvalContext& ctx);

// One base indicator: its catalogue row and its computation (exactly one of
// `draw` and `context` is set).
struct BaseRow {
  BaseId id;
  std::string_view key;
  std::string_view label;
  int32_t min;
  int32_t max;
  DrawFn draw;
  ContextFn context;
};

// All base indicators indexed by BaseId, in catalogue order.
std::span<const BaseRow> BaseIndicators();
inline const BaseRow& BaseIndicatorRow(BaseId id) {
  return BaseIndicators()[static_cast<int>(id)];
}
std::optional<BaseId> FindBaseIndicator(std::string_view key);

// The base value at the context's draw.
inline int32_t BaseValue(BaseId id, const EvalContext& ctx) {
  const BaseRow& row = BaseIndicatorRow(id);
  if (row.draw) return row.draw(ctx.Current(), ctx.HasPrevious() ? &ctx.Previous() : nullptr);
  return row.context(ctx);
}

// The rows of each group, in catalogue order (defined beside their computations).
std::span<const BaseRow> FrontBaseRows();  // the front zone and the eight small/big sums
std::span<const BaseRow> LineBaseRows();   // xh.. and xc..
std::span<const BaseRow> BackBaseRows();   // f_..

}  // namespace dlt
