#pragma once

#include "history/draw_table.h"
#include "history/memory_history.h"
#include "indicators/eval_context.h"

namespace dlt {

// A table-source context at the table's current record.
inline EvalContext TableContext(const DrawTable& table, const EvalEnv* env) {
  return TableContext(table.Draws(), table.Position() < 0 ? 0 : table.Position(),
                      table.ScratchColumn(ScratchField::Test).data(), env);
}

// A memory-source context at 0-based `index`; `withCandidate` makes the
// candidate slot (index N) visible.
inline EvalContext MemoryContext(const MemoryHistory& mem, int index, bool withCandidate,
                                 int32_t tableTest, const EvalEnv* env) {
  return MemoryContext({mem.Data(), static_cast<size_t>(mem.Count() + (withCandidate ? 1 : 0))},
                       index, tableTest, env);
}

}  // namespace dlt
