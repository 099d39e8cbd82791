#include <iostream>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // The commands report their own failures; this only catches one while
  // the command line itself is being set up.
  int status = 1;
  const int setUp =
      dlt::cli::RunGuarded([&] { status = dlt::cli::RunCli(args, std::cout, std::cerr); },
                           std::cerr, [](const auto&) { return 1; });
  return setUp == 0 ? status : setUp;
}
