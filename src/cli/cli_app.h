#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dlt::cli {

// Runs the `dlt` command line with the arguments after the program name.
// Output goes to `out`, messages to `err`; returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace dlt::cli
