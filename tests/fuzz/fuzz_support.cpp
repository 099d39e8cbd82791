#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/gbk_text.h"

namespace dlt::fuzz {

void Fail(std::string_view what, std::string_view detail) {
  constexpr size_t kShown = 300;
  std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
  if (!detail.empty()) {
    const size_t shown = detail.size() < kShown ? detail.size() : kShown;
    std::fprintf(stderr, "  input: %.*s%s\n", static_cast<int>(shown), detail.data(),
                 detail.size() > shown ? "..." : "");
  }
  std::abort();
}

std::optional<std::vector<std::string>> FileLines(std::string_view bytes) {
  auto text = DecodeFileText(std::string(bytes));
  if (!text) return std::nullopt;
  return SplitLines(*text);
}

std::string WrittenBy(const std::function<bool(const std::string& path)>& write) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("dlt-fuzz-seed-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "seed.txt").string();
  if (!write(path)) Fail("a seed writer failed", path);
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  std::filesystem::remove_all(dir);
  return bytes.str();
}

std::string GbkFile(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  auto gbk = Utf8ToGbk(text);
  if (!gbk) Fail("a seed has no GBK form", text);
  return *gbk;
}

}  // namespace dlt::fuzz
