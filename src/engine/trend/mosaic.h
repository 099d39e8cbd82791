#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/draw.h"
#include "indicators/eval_context.h"

namespace dlt {

// "指标拼图": columns of indicator values the user composes, one entry line
// per column, kept in mosaic files (*.zbz, one entry per line).

inline constexpr size_t kMosaicMaxEntries = 50;
inline constexpr const char* kMosaicTooLong = "指标拼图最多只能有50列";

// A line beginning with a blank is a separator column headed with the
// trimmed line; any other line, trimmed, is key and header split at the
// first blank (both the whole text without one).
struct MosaicEntry {
  std::string key;
  std::string header;
  bool separator = false;
  bool operator==(const MosaicEntry&) const = default;
};
MosaicEntry ParseMosaicLine(const std::string& line);

// The file's lines as entries are written and read: as they stand. A file
// of more than 50 lines is refused with kMosaicTooLong, as is a longer list.
std::optional<std::vector<std::string>> LoadMosaicFile(const std::string& path,
                                                       std::string* error = nullptr);
bool SaveMosaicFile(const std::string& path, const std::vector<std::string>& lines,
                    std::string* error = nullptr);

// The name a chosen save name gets: ".zbz" appended unless it holds ".zbz".
std::string MosaicFileName(const std::string& chosen);

struct MosaicRow {
  int32_t qs = 0;
  std::string numbers;             // "01 02 03 04 05 |06 07 "
  std::vector<std::string> cells;  // one per entry; empty for a separator
};
// The rows from draw `first` on, at most `rows`; each cell the decimal
// value of its key by name (-999 for a key that does not resolve).
std::vector<MosaicRow> MosaicTable(std::span<const Draw> draws, const EvalEnv* env,
                                   const std::vector<MosaicEntry>& entries, int first, int rows);

}  // namespace dlt
