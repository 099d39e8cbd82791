#pragma once

// What every fuzz target shares: the entry point it defines, the seeds it
// makes with the program's own writers, and the checks that turn a broken
// property into a crash the fuzzer keeps.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/draw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace dlt::fuzz {

struct Seed {
  std::string name;  // file name in the corpus folder
  std::string bytes;
};

// Defined by each target: valid inputs made by the program's own writers and
// a few broken ones. `fuzz_replay_NAME --write-seeds DIR` writes them.
std::vector<Seed> Seeds();

// Prints what broke (and the input's text, cut) and aborts.
[[noreturn]] void Fail(std::string_view what, std::string_view detail = {});
inline void Check(bool ok, std::string_view what, std::string_view detail = {}) {
  if (!ok) Fail(what, detail);
}

inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The lines a text-file reader gets from these bytes (decoding as it does);
// nullopt when the reader refuses the encoding.
std::optional<std::vector<std::string>> FileLines(std::string_view bytes);

// The bytes a file writer leaves: `write` is called with a fresh path.
std::string WrittenBy(const std::function<bool(const std::string& path)>& write);

// UTF-8 lines as a GBK text file with CR LF, for hand-made broken seeds.
std::string GbkFile(const std::vector<std::string>& lines);

// Entry n of a notice page's draw data: its key "0000001:" and the 21
// digits of the draw, then a line end.
std::string NoticeEntryLine(int n, const Draw& d);

// A folder of the process for the readers that take paths: each input is
// written to a file in it first. Removed at exit.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string Path(const std::string& name) const;
  // Writes the bytes under `name` and returns the file's path.
  std::string Write(std::string_view bytes, const std::string& name = "input.txt") const;

 private:
  std::string dir_;
};

}  // namespace dlt::fuzz
