#pragma once

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

#include "common/data_folder.h"
#include "history/draw_table.h"

namespace CLI {
class App;
}

namespace dlt::cli {

// A command's failure: the message goes to stderr and the exit status is 1.
class CliError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What every command gets: the streams and the data folder.
struct CliContext {
  std::ostream& out;
  std::ostream& err;
  std::string dataDirOption;

  DataFolder Folder() const { return DataFolder(DataFolder::Resolve(dataDirOption)); }
  // Opens database/basedata.db, creating the folders when missing.
  std::unique_ptr<DrawTable> OpenTable() const;
};

// Each group of commands registers itself on the application.
void RegisterHistoryCommands(CLI::App& app, CliContext& ctx);
void RegisterColdHotCommands(CLI::App& app, CliContext& ctx);
void RegisterIndicatorCommands(CLI::App& app, CliContext& ctx);
void RegisterTicketCommands(CLI::App& app, CliContext& ctx);
void RegisterFilterCommands(CLI::App& app, CliContext& ctx);
void RegisterValueCommands(CLI::App& app, CliContext& ctx);
void RegisterReportCommands(CLI::App& app, CliContext& ctx);
void RegisterTrendCommands(CLI::App& app, CliContext& ctx);
void RegisterConversionCommands(CLI::App& app, CliContext& ctx);

}  // namespace dlt::cli
