#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/draw.h"
#include "history/draw_file_layout.h"

namespace dlt {

// Export lines, first to last draw: "2007001 22 24 29 31 35 04 11 ".
std::vector<std::string> ExportLines(const std::vector<Draw>& draws);
// Writes the real draws (the forecast record is left out) in GBK with CR LF;
// a name without ".txt" gets it appended.
bool ExportDraws(const std::vector<Draw>& draws, std::string path, std::string* error);
// The export dialog's rule: a name that does not contain ".txt" gets it.
std::string WithTxtExtension(const std::string& path);

// A history file read as the draws it holds (see ReadDrawFileLines: the
// layout is recognised from the content; a file that cannot be read without
// doubt fails as a whole with a message naming the line). Among the layouts
// is the program's own: eight integers per line separated by blanks, where
// a draw number of 0 may end the file when only blank lines follow.
using ParsedDraws = DrawFileReading;
ParsedDraws ParseDrawLines(const std::vector<std::string>& lines);
ParsedDraws ReadDrawFile(const std::string& path);

// Uniformly random valid draws numbered 2007001, 2007002, ... with 150 per
// year; the same seed always gives the same draws.
std::vector<Draw> MakeDemoDraws(int count, uint32_t seed);

}  // namespace dlt
