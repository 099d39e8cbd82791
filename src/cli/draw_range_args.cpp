#include "cli/draw_range_args.h"

#include <CLI/CLI.hpp>
#include <string>

#include "cli/cli_context.h"
#include "history/draw_table.h"

namespace dlt::cli {

int IndexOfDraw(const DrawTable& table, int32_t qs) {
  const int index = table.IndexOf(qs);
  if (index < 0) throw CliError("没有第" + std::to_string(qs) + "期的开奖数据");
  return index;
}

void AddRangeOptions(CLI::App* cmd, RangeOptions& r) {
  auto* last = cmd->add_option("--last", r.last, "the last N draws (default 100)")
                   ->check(CLI::PositiveNumber);
  auto* from = cmd->add_option("--from", r.from, "first draw QS");
  auto* to = cmd->add_option("--to", r.to, "last draw QS");
  last->excludes(from)->excludes(to);
}

DrawRange RangeOf(const DrawTable& table, const RangeOptions& r) {
  if (r.from == 0 && r.to == 0) return NearRange(table.RecordCount(), r.last);
  const int from = r.from ? IndexOfDraw(table, r.from) : DefaultRangeStart(table.RecordCount());
  const int to = r.to ? IndexOfDraw(table, r.to) : table.RecordCount() - 1;
  return CustomRange(table.Draws(), table.Draws()[from].qs, table.Draws()[to].qs);
}

}  // namespace dlt::cli
