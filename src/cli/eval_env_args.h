#pragma once

#include <optional>

#include "indicators/eval_context.h"

namespace CLI {
class App;
}

namespace dlt::cli {

struct CliContext;

// The evaluation settings of a command, the ones the desktop program uses:
// read from its settings file (--settings, else the user's own), each value
// overridable on the command line.
struct EvalEnvArgs {
  std::optional<int> qs, coldcs, hotcs, f_qs, f_coldcs, f_hotcs;

  EvalEnv Resolve(const CliContext& ctx) const;
};

// Registers --qs, --coldcs, --hotcs, --f-qs, --f-coldcs and --f-hotcs.
void AddEvalEnvOptions(CLI::App& cmd, EvalEnvArgs& args);

}  // namespace dlt::cli
