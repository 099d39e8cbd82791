#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "support/test_support.h"

namespace dlt::test {

struct CliRun {
  int status = 0;
  std::string out, err;
};

// Runs `dlt --data-dir DIR ARGS...` in-process.
inline CliRun RunDlt(const std::string& dataDir, std::vector<std::string> args) {
  args.insert(args.begin(), {"--data-dir", dataDir});
  std::ostringstream out, err;
  CliRun r;
  r.status = dlt::cli::RunCli(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace dlt::test
