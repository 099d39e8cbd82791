#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/draw.h"

namespace dlt::test {

// A fresh temporary folder removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// While it lives, no file of this process may grow past `bytes`: a write
// beyond fails as on a full disk (RLIMIT_FSIZE, with SIGXFSZ ignored).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(uint64_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  uint64_t oldLimit_;
  void (*oldHandler_)(int);
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// Draw from text "2009001 03 05 12 18 22 05 11" (no validation).
Draw MakeDraw(int32_t qs, std::array<int, 5> front, std::array<int, 2> back);

// A reproducible history of `count` random draws (the demo generator).
std::vector<Draw> RandomHistory(int count, uint32_t seed = 7);

}  // namespace dlt::test
