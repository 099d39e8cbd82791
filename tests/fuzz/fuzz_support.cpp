#include "fuzz_support.h"

#include <unistd.h>

#include <algorithm>
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

std::string NoticeEntryLine(int n, const Draw& d) {
  std::string digits = FormatDrawLine(d);
  digits.erase(std::remove(digits.begin(), digits.end(), ' '), digits.end());
  char key[16];
  std::snprintf(key, sizeof key, "%07d:", n);
  return key + digits + "\n";
}

ScratchFolder::ScratchFolder(const std::string& name)
    : dir_((std::filesystem::temp_directory_path() /
            ("dlt-fuzz-" + name + "-" + std::to_string(::getpid())))
               .string()) {
  std::filesystem::create_directories(dir_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

std::string ScratchFolder::Path(const std::string& name) const {
  return (std::filesystem::path(dir_) / name).string();
}

std::string ScratchFolder::Write(std::string_view bytes, const std::string& name) const {
  const std::string path = Path(name);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) Fail("cannot write the input file", path);
  return path;
}

}  // namespace dlt::fuzz
