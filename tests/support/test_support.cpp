#include "support/test_support.h"

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "generator/condition_table.h"
#include "history/draw_text_io.h"

namespace dlt::test {

TempDir::TempDir() {
  static std::mt19937_64 rng(std::random_device{}());
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / ("dlt-test-" + std::to_string(rng()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate.string();
      break;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

FileSizeLimit::FileSizeLimit(uint64_t bytes) {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  oldLimit_ = limit.rlim_cur;
  oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = oldLimit_;
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldHandler_);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << bytes;
}

Draw MakeDraw(int32_t qs, std::array<int, 5> front, std::array<int, 2> back) {
  Draw d;
  d.qs = qs;
  for (int i = 0; i < 5; ++i) d.front[i] = static_cast<uint8_t>(front[i]);
  for (int i = 0; i < 2; ++i) d.back[i] = static_cast<uint8_t>(back[i]);
  return d;
}

std::vector<Draw> RandomHistory(int count, uint32_t seed) {
  return MakeDemoDraws(count, seed);
}

int FrontNumber(std::string_view stem) {
  const FrontCondition* c = FindFrontConditionByStem(stem);
  if (!c) {
    std::fprintf(stderr, "no front condition with stem %.*s\n", static_cast<int>(stem.size()),
                 stem.data());
    std::abort();
  }
  return c->number;
}

std::string GoldenMismatch(const std::string& name, const std::string& actual) {
#ifdef DLT_TEST_DATA_DIR
  const std::string path = std::string(DLT_TEST_DATA_DIR) + "/" + name;
#else
  const std::string path = name;
#endif
  const char* regenerate = std::getenv("DLT_REGENERATE_GOLDEN");
  if (regenerate && std::string(regenerate) == "1") {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteBytes(path, actual);
    return "";
  }
  if (!std::filesystem::exists(path))
    return "golden file " + path + " is missing (DLT_REGENERATE_GOLDEN=1 writes it)";
  const std::string expected = ReadBytes(path);
  if (expected == actual) return "";
  size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  return "differs from " + path + " at byte " + std::to_string(at) + " (expected " +
         std::to_string(expected.size()) + " bytes, got " + std::to_string(actual.size()) + ")";
}

}  // namespace dlt::test
