#include "cli/cli_app.h"

#include <CLI/CLI.hpp>

#include "cli/cli_context.h"

namespace dlt::cli {

std::unique_ptr<DrawTable> CliContext::OpenTable() const {
  DataFolder folder = Folder();
  std::string error;
  if (!folder.Ensure(&error)) throw CliError(error);
  return std::make_unique<DrawTable>(folder.TablePath());
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliContext ctx{out, err, {}};
  CLI::App app{"大乐透 analysis and ticket building", "dlt"};
  app.require_subcommand(1);
  app.add_option("--data-dir", ctx.dataDirOption,
                 "data folder (default: $DLT_HOME, else $XDG_DATA_HOME/dlt)");
  RegisterHistoryCommands(app, ctx);
  RegisterColdHotCommands(app, ctx);
  RegisterIndicatorCommands(app, ctx);
  RegisterTicketCommands(app, ctx);
  RegisterFilterCommands(app, ctx);
  RegisterValueCommands(app, ctx);
  RegisterReportCommands(app, ctx);
  RegisterTrendCommands(app, ctx);
  RegisterConversionCommands(app, ctx);

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    // Help prints to out with status 0; a usage error to err with status 1.
    return app.exit(e, out, err) == 0 ? 0 : 1;
  } catch (const CliError& e) {
    err << e.what() << "\n";
    return 1;
  } catch (const DbError& e) {
    err << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace dlt::cli
