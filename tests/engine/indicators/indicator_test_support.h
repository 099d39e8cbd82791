#pragma once

#include <vector>

#include "common/draw.h"
#include "indicators/eval_context.h"

namespace dlt::test {

// A memory-source context over `draws` at `pos` (no table behind it).
inline EvalContext ContextOver(const std::vector<Draw>& draws, int pos,
                               const EvalEnv* env = nullptr) {
  EvalContext c;
  c.source = Source::Memory;
  c.draws = draws.data();
  c.count = static_cast<int>(draws.size());
  c.pos = pos;
  c.env = env;
  return c;
}

}  // namespace dlt::test
