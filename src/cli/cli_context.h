#pragma once

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "book/ticket_book.h"
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

// The ticket book of a run: opened when a command stores draws (or works
// on the book), and what its grading had to say, printed when the command
// has ended.
struct BookSession {
  std::unique_ptr<TicketBook> book;
  std::vector<std::string> notes;     // "第2026094期: 3注中奖, 共25元"
  std::vector<std::string> warnings;  // a book that could not be graded
};

// What every command gets: the streams, the data folder and the settings file.
struct CliContext {
  std::ostream& out;
  std::ostream& err;
  std::string dataDirOption;
  std::string settingsOption;  // --settings; empty: the user's own file

  DataFolder Folder() const { return DataFolder(DataFolder::Resolve(dataDirOption)); }
  std::string SettingsPath() const;
  // Opens database/basedata.db, creating the folders when missing. A table
  // with rows no draw can have is refused, naming them and how to mend them.
  std::unique_ptr<DrawTable> OpenTable() const;
  // The same for the commands that mend such rows (history list, add,
  // delete, import): the bad rows are only reported.
  std::unique_ptr<DrawTable> OpenTableForRepair() const;

  // The ticket book (created when absent and `create`; nullptr when absent
  // otherwise). A damaged book is refused with its message (CliError).
  TicketBook* Book(bool create) const;
  // Prints the grading notes on out and the warnings on err.
  void PrintBookNotes() const;

  std::shared_ptr<BookSession> book = std::make_shared<BookSession>();

 private:
  // Every table a command opens grades the book when it stores draws.
  void AttachBook(DrawTable& table) const;
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
void RegisterAnalysisCommands(CLI::App& app, CliContext& ctx);
void RegisterKillnumCommands(CLI::App& app, CliContext& ctx);
void RegisterExpectCommands(CLI::App& app, CliContext& ctx);
void RegisterBookCommands(CLI::App& app, CliContext& ctx);

}  // namespace dlt::cli
