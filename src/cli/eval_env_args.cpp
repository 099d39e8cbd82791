#include "cli/eval_env_args.h"

#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "cli/option_checks.h"
#include "common/coldhot_input.h"
#include "history/settings_file.h"

namespace dlt::cli {

EvalEnv EvalEnvArgs::Resolve(const CliContext& ctx) const {
  EvalEnv env;
  std::string error;
  env.coldHot = ReadColdHotSettings(ctx.SettingsPath(), &error);
  if (!error.empty()) throw CliError(error);
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
  const CLI::Validator window = IntRange(kColdHotWindowMin, kColdHotWindowMax);
  const CLI::Validator threshold = IntRange(kColdHotThresholdMin, kColdHotThresholdMax);
  const struct {
    const char* name;
    std::optional<int> EvalEnvArgs::*value;
    const char* help;
    bool window;
  } options[] = {
      {"--qs", &EvalEnvArgs::qs, "front-zone cold/hot window in draws (1..255)", true},
      {"--coldcs", &EvalEnvArgs::coldcs, "front-zone cold threshold (0..255)", false},
      {"--hotcs", &EvalEnvArgs::hotcs, "front-zone hot threshold (0..255)", false},
      {"--f-qs", &EvalEnvArgs::f_qs, "back-zone cold/hot window in draws (1..255)", true},
      {"--f-coldcs", &EvalEnvArgs::f_coldcs, "back-zone cold threshold (0..255)", false},
      {"--f-hotcs", &EvalEnvArgs::f_hotcs, "back-zone hot threshold (0..255)", false},
  };
  for (const auto& o : options)
    cmd.add_option(o.name, a.*o.value, o.help)->group(group)->check(o.window ? window : threshold);
}

}  // namespace dlt::cli
