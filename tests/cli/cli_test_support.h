#pragma once

#include <gtest/gtest.h>

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

// Adds draws by the command line: each is a draw number, five front and
// two back numbers.
inline void AddDraws(const std::string& dataDir,
                     const std::vector<std::vector<std::string>>& draws) {
  for (auto draw : draws) {
    draw.insert(draw.begin(), {"history", "add"});
    EXPECT_EQ(RunDlt(dataDir, draw).status, 0) << draw[2];
  }
}

// The output's lines, without their line ends.
inline std::vector<std::string> Lines(const std::string& out) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t nl; (nl = out.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(out.substr(start, nl - start));
  return lines;
}

}  // namespace dlt::test
