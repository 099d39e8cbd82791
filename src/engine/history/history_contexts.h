#pragma once

#include "history/draw_table.h"
#include "history/memory_history.h"
#include "indicators/eval_context.h"

namespace dlt {

// A table-source context at the table's current record.
inline EvalContext TableContext(const DrawTable& table, const EvalEnv* env) {
  EvalContext c;
  c.source = Source::Table;
  c.draws = table.Draws().data();
  c.count = table.RecordCount();
  c.pos = table.Position() < 0 ? 0 : table.Position();
  c.testColumn = table.ScratchColumn(ScratchField::Test).data();
  c.env = env;
  return c;
}

// A memory-source context at 0-based `index`; `withCandidate` makes the
// candidate slot (index N) visible.
inline EvalContext MemoryContext(const MemoryHistory& mem, int index, bool withCandidate,
                                 int32_t tableTest, const EvalEnv* env) {
  EvalContext c;
  c.source = Source::Memory;
  c.draws = mem.Data();
  c.count = mem.Count() + (withCandidate ? 1 : 0);
  c.pos = index;
  c.tableTest = tableTest;
  c.env = env;
  return c;
}

}  // namespace dlt
