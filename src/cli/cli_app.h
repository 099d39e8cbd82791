#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace CLI {
class ParseError;
}

namespace dlt::cli {

// Runs the `dlt` command line with the arguments after the program name.
// Output goes to `out`, messages to `err`; returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Runs a command and turns whatever it throws into a message on `err` and
// status 1: the program's own failures as they are, anything else (no
// memory left, a library's exception) with a word of what happened. A usage
// error or a help request goes to `usage`, whose status is kept (0 or 1).
// `beforeFailure`, when given, runs before a failure's message, so what the
// command still has to say comes first.
int RunGuarded(const std::function<void()>& run, std::ostream& err,
               const std::function<int(const CLI::ParseError&)>& usage,
               const std::function<void()>& beforeFailure = {});

}  // namespace dlt::cli
