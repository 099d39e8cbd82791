// The plain driver of a fuzz target: replays every file of the given
// folders (or the given files) through LLVMFuzzerTestOneInput once, so the
// corpus runs as a test without the fuzzer. A property that breaks aborts.
//
//   fuzz_replay_NAME DIR|FILE...        replay
//   fuzz_replay_NAME --write-seeds DIR  write the target's seeds into DIR
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> InputsOf(const fs::path& arg) {
  std::vector<fs::path> files;
  if (fs::is_directory(arg)) {
    for (const auto& entry : fs::directory_iterator(arg))
      if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
  } else if (fs::is_regular_file(arg)) {
    files.push_back(arg);
  }
  return files;
}

int WriteSeeds(const fs::path& dir) {
  fs::create_directories(dir);
  for (const auto& seed : dlt::fuzz::Seeds()) {
    std::ofstream out(dir / seed.name, std::ios::binary | std::ios::trunc);
    out.write(seed.bytes.data(), static_cast<std::streamsize>(seed.bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", (dir / seed.name).c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-seeds") return WriteSeeds(argv[2]);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s DIR|FILE... | --write-seeds DIR\n", argv[0]);
    return 2;
  }
  size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const auto files = InputsOf(argv[i]);
    // A missing or empty corpus would make the test pass without running anything.
    if (files.empty()) {
      std::fprintf(stderr, "no inputs in %s\n", argv[i]);
      return 1;
    }
    for (const auto& file : files) {
      std::ifstream in(file, std::ios::binary);
      // An exact-size copy, as the fuzzer passes it, so a read past the end is caught.
      const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
      std::fprintf(stderr, "%s\n", file.c_str());
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  return 0;
}
