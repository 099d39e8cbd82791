#include <CLI/CLI.hpp>
#include <algorithm>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/draw_range_args.h"
#include "cli/option_checks.h"
#include "history/draw_range.h"
#include "trend/number_tally.h"
#include "trend/omission_grid.h"
#include "trend/pair_matrix.h"
#include "trend/tally_chances.h"

namespace dlt::cli {
namespace {

struct OmissionOptions {
  std::string zone = "front";
  int32_t from = 0, to = 0;  // 0: the default range, the last 100 draws
  bool expected = false;
};

constexpr const char* kExpectedHelp =
    "what chance alone gives: the expected count and the deviation in standard deviations, the "
    "long-run average omission and the chance of the current one, and a χ² goodness-of-fit test";

void RegisterTallyCommands(CLI::App& app, CliContext& ctx) {
  struct TallyOptions {
    RangeOptions range;
    bool expected = false;
  };
  auto tally = std::make_shared<TallyOptions>();
  auto* cmd = app.add_subcommand("tally", "per number: count and omission over a range");
  AddRangeOptions(cmd, tally->range);
  cmd->add_flag("--expected", tally->expected, kExpectedHelp);
  cmd->callback([&ctx, tally] {
    auto table = ctx.OpenTable();
    if (table->Empty()) throw CliError("历史数据为空");
    const DrawRange range = RangeOf(*table, tally->range);
    const NumberTally t = TallyNumbers(table->Draws(), range);
    const int draws = std::max(range.count, 0);
    std::vector<std::string> fits;
    for (const auto& [zone, tallied] : {std::pair{"front", &t.front}, std::pair{"back", &t.back}}) {
      const bool back = std::string(zone) == "back";
      const TallyChance chance = NumberTallyChance(*tallied, draws, back);
      for (size_t i = 0; i < tallied->byNumber.size(); ++i) {
        const NumberCount& n = tallied->byNumber[i];
        ctx.out << zone << '\t' << n.number << '\t' << n.count << '\t' << n.omission;
        if (tally->expected)
          for (int row = 0; row < 4; ++row)
            ctx.out << '\t' << ChanceRowText(chance.columns[i], row);
        ctx.out << '\n';
      }
      fits.push_back(std::string(zone) + '\t' + FitText(chance.fit));
    }
    if (tally->expected)
      for (const std::string& line : fits) ctx.out << line << '\n';
  });

  struct PairOptions {
    RangeOptions range;
    int above = kDefaultTogether, below = kDefaultApart;
  };
  auto pairs = std::make_shared<PairOptions>();
  cmd = app.add_subcommand("pairs",
                           "pairs of front numbers drawn together often (相生) or rarely (相克)");
  AddRangeOptions(cmd, pairs->range);
  cmd->add_option("--above", pairs->above, "相生: drawn together more than A times (default 5)")
      ->check(IntRange(0, kPairThresholdMax));
  cmd->add_option("--below", pairs->below, "相克: drawn together fewer than B times (default 1)")
      ->check(IntRange(0, kPairThresholdMax));
  cmd->callback([&ctx, pairs] {
    auto table = ctx.OpenTable();
    if (table->Empty()) throw CliError("历史数据为空");
    const PairLists lists = ListPairs(CountPairs(table->Draws(), RangeOf(*table, pairs->range)),
                                      pairs->above, pairs->below);
    for (const auto& [title, entries] :
         {std::pair{"相生", &lists.together}, std::pair{"相克", &lists.apart}}) {
      ctx.out << title << '[' << entries->size() << "]\n";
      for (const PairEntry& e : *entries) ctx.out << PairEntryText(e) << '\n';
    }
  });
}

}  // namespace

void RegisterTrendCommands(CLI::App& app, CliContext& ctx) {
  RegisterTallyCommands(app, ctx);
  auto o = std::make_shared<OmissionOptions>();
  auto* cmd = app.add_subcommand("omission", "statistic rows of the omission grid over a range");
  cmd->add_option("--zone", o->zone, "front (1..35), back (1..12) or tail (0..9)")
      ->check(CLI::IsMember({"front", "back", "tail"}));
  cmd->add_option("--from", o->from, "first draw QS (default: the last 100 draws)");
  cmd->add_option("--to", o->to, "last draw QS (default: the last draw)");
  cmd->add_flag("--expected", o->expected, kExpectedHelp);
  cmd->callback([&ctx, o] {
    auto table = ctx.OpenTable();
    if (table->Empty()) throw CliError("历史数据为空");
    OmissionGridSetup setup;
    setup.kind = o->zone == "back"   ? OmissionGridKind::Back
                 : o->zone == "tail" ? OmissionGridKind::Tail
                                     : OmissionGridKind::Front;
    const DrawSpan span = SpanOfIssues(
        *table, o->from, o->to, DefaultGridStart(table->RecordCount()), table->RecordCount() - 1);
    setup.first = span.first;
    setup.last = span.last;
    const OmissionGrid grid = ComputeOmissionGrid(table->Draws(), setup);
    for (int row = 0; row < 5; ++row) {
      ctx.out << StatisticRowTitles()[row];
      for (const OmissionStats& s : grid.stats) ctx.out << '\t' << StatisticValue(s, row);
      ctx.out << '\n';
    }
    if (!o->expected) return;
    const TallyChance chance = GridChance(grid, setup.kind);
    for (int row = 0; row < 4; ++row) {
      ctx.out << ChanceRowTitles()[row];
      for (const ColumnFigures& f : chance.columns) ctx.out << '\t' << ChanceRowText(f, row);
      ctx.out << '\n';
    }
    ctx.out << FitText(chance.fit) << '\n';
  });
}

}  // namespace dlt::cli
