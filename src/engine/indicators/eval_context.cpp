#include "indicators/eval_context.h"

namespace dlt {
namespace {
const EvalEnv kDefaultEnv{};
}

const ColdHotSettings& EvalContext::ColdHot() const { return (env ? *env : kDefaultEnv).coldHot; }

const GridLayout& EvalContext::Layout() const { return (env ? *env : kDefaultEnv).layout; }

}  // namespace dlt
