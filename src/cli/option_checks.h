#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>

namespace dlt::cli {

// Range checks of option values that speak as the rest of the program does:
// "应在1到255之间: 256", with the real bounds.
CLI::Validator IntRange(int64_t lo, int64_t hi);
CLI::Validator AtLeast(int64_t lo);

}  // namespace dlt::cli
