#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "cli/eval_env_args.h"
#include "generator/condition_files.h"
#include "generator/condition_report.h"

namespace dlt::cli {
namespace {

// Option values live as long as the callbacks that read them.
struct ReportOptions {
  std::string zhFile;
  std::optional<int64_t> check;
  std::string mode = "all";
  EvalEnvArgs envArgs;
};

ConditionSet LoadSet(const std::string& path, CliContext& ctx) {
  ConditionSet set;
  const LoadReport loaded = LoadFrontSet(path, set);
  if (!loaded.ok) throw CliError(loaded.message);
  if (!loaded.message.empty()) ctx.err << loaded.message << "\n";
  return set;
}

std::vector<std::string> CheckLines(const ConditionSet& set, const ReportOptions& o,
                                    CliContext& ctx) {
  const auto mode = CheckModeByName(o.mode);
  if (!mode) throw CliError("未知的显示方式: " + o.mode + " (all, right, wrong)");
  auto table = ctx.OpenTable();
  const int64_t qs = *o.check;
  if (qs < 0 || qs > INT32_MAX) throw CliError("历史数据中没有第" + std::to_string(qs) + "期");
  std::string error;
  const auto draw =
      PastDrawCheck::FromTable(*table, static_cast<int32_t>(qs), o.envArgs.Resolve(ctx), &error);
  if (!draw) throw CliError(error);
  return ConditionCheckReport(set, *draw, *mode);
}

}  // namespace

// `dlt report --zh FILE [--check QS --mode all|right|wrong]`: 显示条件 and
// 条件对错. The report goes to database/showcond.txt and to stdout.
void RegisterReportCommands(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<ReportOptions>();
  auto* cmd = app.add_subcommand(
      "report",
      "list a front condition file (显示条件) or check it against a past draw (条件对错)");
  cmd->add_option("--zh", o->zhFile, "front condition file (*.zh)")->required();
  auto* check = cmd->add_option("--check", o->check, "draw number QS to judge every condition on");
  cmd->add_option("--mode", o->mode,
                  "with --check: all (全部显示), right (只显示对) or wrong (只显示错)")
      ->needs(check)
      ->capture_default_str();
  AddEvalEnvOptions(*cmd, o->envArgs);
  cmd->callback([&ctx, o] {
    const ConditionSet set = LoadSet(o->zhFile, ctx);
    const std::vector<std::string> lines =
        o->check ? CheckLines(set, *o, ctx) : ConditionListReport(set);
    DataFolder folder = ctx.Folder();
    std::string error;
    if (!folder.Ensure(&error)) throw CliError(error);
    if (!WriteConditionReport(folder.Path(std::string(kConditionReportFile)), lines, &error))
      throw CliError(error);
    for (const std::string& line : lines) ctx.out << line << "\n";
  });
}

}  // namespace dlt::cli
