#pragma once

#include <algorithm>
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

// Runs `dlt --data-dir DIR ARGS...` in-process, with DIR/settings.ini as the
// settings file unless the arguments name one: the user's own never counts.
inline CliRun RunDlt(const std::string& dataDir, std::vector<std::string> args) {
  if (std::find(args.begin(), args.end(), "--settings") == args.end())
    args.insert(args.begin(), {"--settings", dataDir + "/settings.ini"});
  args.insert(args.begin(), {"--data-dir", dataDir});
  std::ostringstream out, err;
  CliRun r;
  r.status = dlt::cli::RunCli(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace dlt::test
