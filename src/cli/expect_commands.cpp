#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "cli/eval_env_args.h"
#include "cli/next_draw_args.h"
#include "common/chance_figures.h"
#include "history/memory_history.h"

namespace dlt::cli {

ValueDistribution NextDrawDistributionOrThrow(const DrawTable& table, const EvalEnv& env,
                                              const std::string& text, DrawZone zone) {
  MemoryHistory history;
  history.LoadFrom(table);
  DistributionQuery query;
  query.history = &history;
  query.env = env;
  query.text = text;
  query.zone = zone;
  DistributionOutcome out = NextDrawDistribution(query);
  if (!out.ok()) throw CliError(out.error);
  return std::move(out.distribution);
}

void RegisterExpectCommands(CLI::App& app, CliContext& ctx) {
  struct Options {
    std::string expression;
    bool back = false;
    EvalEnvArgs env;
  };
  auto o = std::make_shared<Options>();
  auto* cmd = app.add_subcommand(
      "expect",
      "exact chance of each value of a key or formula at the next draw: value, combinations, "
      "probability");
  cmd->add_option("EXPR", o->expression, "indicator key or formula, such as z_hz or getylz(z_hw)")
      ->required();
  cmd->add_flag("--back", o->back,
                "over the 66 back pairs instead of the 324632 front combinations");
  AddEvalEnvOptions(*cmd, o->env);
  cmd->callback([&ctx, o] {
    auto table = ctx.OpenTable();
    const ValueDistribution d = NextDrawDistributionOrThrow(
        *table, o->env.Resolve(ctx), o->expression, o->back ? DrawZone::Back : DrawZone::Front);
    const auto share = [&](int64_t n) {
      return ProbabilityText(static_cast<double>(n) / static_cast<double>(d.total));
    };
    for (const ValueCount& c : d.counts)
      ctx.out << c.value << '\t' << c.count << '\t' << share(c.count) << '\n';
    // Draws at which the formula cannot be computed (a division by zero).
    if (d.failed > 0) ctx.out << "failed\t" << d.failed << '\t' << share(d.failed) << '\n';
    ctx.out << "total\t" << d.total << '\n';
  });
}

}  // namespace dlt::cli
