#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "indicators/catalogue.h"

namespace dlt::cli {

void RegisterIndicatorCommands(CLI::App& app, CliContext& ctx) {
  auto* indicators =
      app.add_subcommand("indicators", "list the indicator catalogue: key, label, min, max");
  indicators->callback([&ctx] {
    for (const CatalogueEntry& e : Catalogue())
      ctx.out << e.row.key << '\t' << e.row.label << '\t' << e.row.min << '\t' << e.row.max << '\n';
  });
}

}  // namespace dlt::cli
