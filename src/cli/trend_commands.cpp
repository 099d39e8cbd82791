#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "trend/omission_grid.h"

namespace dlt::cli {
namespace {

struct OmissionOptions {
  std::string zone = "front";
  int32_t from = 0, to = 0;  // 0: the default range, the last 100 draws
};

int IndexOfDraw(const DrawTable& table, int32_t qs) {
  const int index = table.IndexOf(qs);
  if (index < 0) throw CliError("没有第" + std::to_string(qs) + "期的开奖数据");
  return index;
}

}  // namespace

void RegisterTrendCommands(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<OmissionOptions>();
  auto* cmd = app.add_subcommand("omission", "statistic rows of the omission grid over a range");
  cmd->add_option("--zone", o->zone, "front (1..35), back (1..12) or tail (0..9)")
      ->check(CLI::IsMember({"front", "back", "tail"}));
  cmd->add_option("--from", o->from, "first draw QS (default: the last 100 draws)");
  cmd->add_option("--to", o->to, "last draw QS (default: the last draw)");
  cmd->callback([&ctx, o] {
    auto table = ctx.OpenTable();
    if (table->Empty()) throw CliError("历史数据为空");
    OmissionGridSpec spec;
    spec.kind = o->zone == "back"   ? OmissionGridKind::Back
                : o->zone == "tail" ? OmissionGridKind::Tail
                                    : OmissionGridKind::Front;
    spec.first = o->from ? IndexOfDraw(*table, o->from) : DefaultGridStart(table->RecordCount());
    spec.last = o->to ? IndexOfDraw(*table, o->to) : table->RecordCount() - 1;
    const OmissionGrid grid = ComputeOmissionGrid(table->Draws(), spec);
    for (int row = 0; row < 5; ++row) {
      ctx.out << StatisticRowTitles()[row];
      for (const OmissionStats& s : grid.stats) ctx.out << '\t' << StatisticValue(s, row);
      ctx.out << '\n';
    }
  });
}

}  // namespace dlt::cli
