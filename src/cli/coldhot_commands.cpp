#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "common/numbers.h"
#include "indicators/coldhot.h"

namespace dlt::cli {
namespace {

struct ColdHotOptions {
  int32_t draw = 0;  // 0: the last real draw
  ColdHotSettings settings;
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
  cmd->add_option("--qs", o->settings.qs, "front-zone window in draws (0..255)");
  cmd->add_option("--coldcs", o->settings.coldcs, "front-zone cold threshold");
  cmd->add_option("--hotcs", o->settings.hotcs, "front-zone hot threshold");
  cmd->add_option("--f-qs", o->settings.f_qs, "back-zone window in draws (0..255)");
  cmd->add_option("--f-coldcs", o->settings.f_coldcs, "back-zone cold threshold");
  cmd->add_option("--f-hotcs", o->settings.f_hotcs, "back-zone hot threshold");
  cmd->callback([&ctx, o] {
    auto table = ctx.OpenTable();
    int32_t qs = o->draw;
    if (qs == 0) {
      const int last = table->LastRealIndex();
      if (last < 0) throw CliError("历史数据为空");
      qs = table->Draws()[last].qs;
    }
    ColdHotLists lists;
    if (!ClassifyNumbers(table->Draws(), qs, o->settings, lists))
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
