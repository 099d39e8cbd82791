#include <CLI/CLI.hpp>

#include "analysis/omission_stats.h"
#include "analysis/series_fill.h"
#include "cli/cli_context.h"
#include "cli/draw_range_args.h"
#include "cli/next_draw_args.h"
#include "cli/option_checks.h"
#include "common/chance_figures.h"
#include "common/text.h"
#include "history/history_contexts.h"

namespace dlt::cli {
namespace {

struct AnalyseOptions {
  std::string expression;
  std::optional<int32_t> from, to;
  std::string range;  // "QS-QS"
  bool expected = false;
};

}  // namespace

void RegisterAnalysisCommands(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<AnalyseOptions>();
  const std::string limit = std::to_string(kSeriesMin) + ".." + std::to_string(kSeriesMax);
  auto* cmd = app.add_subcommand(
      "analyse",
      "per-value omission statistics of an indicator key or formula over the history; the "
      "values analysed lie in " +
          limit + " (a draw with another value is named)");
  cmd->add_option("EXPR", o->expression, "indicator key or formula, such as getylz(z_hz)+z_ac")
      ->required();
  auto* from = cmd->add_option("--from", o->from, "smallest value of the range (" + limit + ")")
                   ->check(IntRange(kSeriesMin, kSeriesMax));
  auto* to = cmd->add_option("--to", o->to, "largest value of the range (" + limit + ")")
                 ->check(IntRange(kSeriesMin, kSeriesMax));
  from->needs(to);
  to->needs(from);
  cmd->add_option("--range", o->range, "draws QS-QS (default: the whole history)");
  cmd->add_flag("--expected", o->expected,
                "two more columns: the count chance alone gives over the draws (its exact chance "
                "at the next draw times the draws) and the deviation in standard deviations");
  cmd->callback([&ctx, o] {
    auto table = ctx.OpenTable();
    if (table->Empty()) throw CliError("历史数据为空");
    const DrawSpan span = o->range.empty() ? DrawSpan{0, table->RecordCount() - 1}
                                           : SpanOfIssueText(*table, o->range);
    const EvalEnv env;
    const SeriesFill fill = FillSeries(TableContext(*table, &env), o->expression);
    if (!fill.ok()) throw CliError(fill.error);
    const ValueRange range = AnalysisRange(fill.values, o->from, o->to);
    std::optional<ValueDistribution> chance;
    if (o->expected)
      chance = NextDrawDistributionOrThrow(*table, env, o->expression, DrawZone::Front);
    const int64_t draws = span.last - span.first + 1;
    for (const ValueOmissionStats& s :
         OmissionStatistics(fill.values, span.first, span.last, range.from, range.to)) {
      ctx.out << s.value << '\t' << s.count << '\t' << s.largest << '\t' << s.smallest << '\t'
              << s.average << '\t' << s.last << '\t' << s.current;
      if (chance) {
        const double p = chance->Probability(s.value);
        ctx.out << '\t' << ExpectedText(p * static_cast<double>(draws)) << '\t'
                << DeviationText(BinomialDeviation(s.count, draws, p));
      }
      ctx.out << '\n';
    }
  });
}

}  // namespace dlt::cli
