#pragma once

#include <vector>

#include "common/draw.h"
#include "indicators/eval_context.h"

namespace dlt::test {

// A memory-source context over `draws` at `pos` (no table behind it).
inline EvalContext ContextOver(const std::vector<Draw>& draws, int pos,
                               const EvalEnv* env = nullptr) {
  return MemoryContext(draws, pos, 0, env);
}

}  // namespace dlt::test
