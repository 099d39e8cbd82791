#include "cli/eval_env_args.h"

#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "history/settings_file.h"

namespace dlt::cli {

EvalEnv EvalEnvArgs::Resolve(const CliContext& ctx) const {
  EvalEnv env;
  env.coldHot = ReadColdHotSettings(ctx.SettingsPath());
  ColdHotSettings& s = env.coldHot;
  for (auto [given, into] : {std::pair{&qs, &s.qs},
                             {&coldcs, &s.coldcs},
                             {&hotcs, &s.hotcs},
                             {&f_qs, &s.f_qs},
                             {&f_coldcs, &s.f_coldcs},
                             {&f_hotcs, &s.f_hotcs}})
    if (*given) *into = **given;
  // The windows keep the plain number grid layout until the matrix page
  // sets another; so do the commands.
  env.layout = DefaultGridLayout();
  return env;
}

void AddEvalEnvOptions(CLI::App& cmd, EvalEnvArgs& a) {
  const char* group = "Settings (default: the settings file)";
  cmd.add_option("--qs", a.qs, "front-zone cold/hot window in draws (0..255)")->group(group);
  cmd.add_option("--coldcs", a.coldcs, "front-zone cold threshold")->group(group);
  cmd.add_option("--hotcs", a.hotcs, "front-zone hot threshold")->group(group);
  cmd.add_option("--f-qs", a.f_qs, "back-zone cold/hot window in draws (0..255)")->group(group);
  cmd.add_option("--f-coldcs", a.f_coldcs, "back-zone cold threshold")->group(group);
  cmd.add_option("--f-hotcs", a.f_hotcs, "back-zone hot threshold")->group(group);
}

}  // namespace dlt::cli
