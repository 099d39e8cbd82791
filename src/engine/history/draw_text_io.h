#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/draw.h"

namespace dlt {

// Export lines, first to last draw: "2007001 22 24 29 31 35 04 11 ".
std::vector<std::string> ExportLines(const std::vector<Draw>& draws);
// Writes the real draws (the forecast record is left out) in GBK with CR LF;
// a name without ".txt" gets it appended.
bool ExportDraws(const std::vector<Draw>& draws, std::string path, std::string* error);
// The export dialog's rule: a name that does not contain ".txt" gets it.
std::string WithTxtExtension(const std::string& path);

struct ParsedDraws {
  std::vector<Draw> draws;
  std::string error;  // empty when every line was good
  bool ok() const { return error.empty(); }
};

// Parses a draw file: the program's own layout (eight integers per line
// separated by blanks; a draw number of 0 may end the file when only blank
// lines follow) or a CSV layout (a header line, comma or tab separated, draw
// number with a two- or four-digit year, then five front and two back
// numbers; other columns ignored). Every draw is validated; the first bad
// line (a short or long line, a bad number, a reserved draw number, data
// after the end mark, a draw number met before with other numbers) makes
// the whole parse fail with a message naming the line. A repeated identical
// line counts once. A file without any draw fails too.
ParsedDraws ParseDrawLines(const std::vector<std::string>& lines);
ParsedDraws ReadDrawFile(const std::string& path);

// "07001" -> 2007001; seven-digit numbers stay. -1 when it is neither.
int64_t NormaliseDrawNumber(const std::string& text);

// Uniformly random valid draws numbered 2007001, 2007002, ... with 150 per
// year; the same seed always gives the same draws.
std::vector<Draw> MakeDemoDraws(int count, uint32_t seed);

}  // namespace dlt
