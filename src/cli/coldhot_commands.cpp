#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "cli/eval_env_args.h"
#include "common/numbers.h"
#include "indicators/coldhot.h"

namespace dlt::cli {
namespace {

struct ColdHotOptions {
  int32_t draw = 0;  // 0: the last real draw
  EvalEnvArgs envArgs;
};

void PrintList(std::ostream& out, const char* label, const std::vector<int>& numbers) {
  out << label << ":";
  for (int n : numbers) out << " " << TwoDigit(n);
  out << "\n";
}

}  // namespace

void RegisterColdHotCommands(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<ColdHotOptions>();
  auto* cmd = app.add_subcommand("coldhot", "cold, warm and hot numbers at a draw");
  cmd->add_option("--draw", o->draw, "draw number QS (default: the last draw)");
  AddEvalEnvOptions(*cmd, o->envArgs);
  cmd->callback([&ctx, o] {
    auto table = ctx.OpenTable();
    int32_t qs = o->draw;
    if (qs == 0) {
      const int last = table->LastRealIndex();
      if (last < 0) throw CliError("历史数据为空");
      qs = table->Draws()[last].qs;
    }
    ColdHotLists lists;
    if (!ClassifyNumbers(table->Draws(), qs, o->envArgs.Resolve(ctx).coldHot, lists))
      throw CliError("没有第" + std::to_string(qs) + "期的开奖数据");
    PrintList(ctx.out, "主区冷号", lists.frontCold);
    PrintList(ctx.out, "主区温号", lists.frontWarm);
    PrintList(ctx.out, "主区热号", lists.frontHot);
    PrintList(ctx.out, "副区冷号", lists.backCold);
    PrintList(ctx.out, "副区温号", lists.backWarm);
    PrintList(ctx.out, "副区热号", lists.backHot);
  });
}

}  // namespace dlt::cli
