#include "support/test_support.h"

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <random>
#include <sstream>

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

std::vector<Draw> RandomHistory(int count, uint32_t seed) { return MakeDemoDraws(count, seed); }

}  // namespace dlt::test
