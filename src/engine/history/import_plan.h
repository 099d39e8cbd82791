#pragma once

#include <string>
#include <vector>

#include "common/draw.h"
#include "history/draw_file_layout.h"

namespace dlt {

// A draw of the file whose number is stored with other numbers.
struct DrawConflict {
  Draw inFile;
  Draw stored;
};

// What an import of a file would do to the stored history, worked out
// before anything is stored: the preview of "--dry-run" and of the window's
// question, and the report after an append import.
struct ImportPlan {
  bool overwrite = false;
  DrawFileLayout layout;
  size_t fileDraws = 0;
  Draw first, last;  // the file's first and last draw as they would be stored
  size_t storedDraws = 0;
  size_t newDraws = 0;   // not stored yet (an overwrite stores the whole file)
  size_t sameDraws = 0;  // stored already with the same numbers
  std::vector<DrawConflict> conflicts;
};

// `file` must have been read without error; `stored` is the history now.
ImportPlan PlanImport(const DrawFileReading& file, const std::vector<Draw>& stored, bool overwrite);

// The preview: the layout found, notes on how draw numbers were read, the
// number of draws, the first and last, what the import adds or replaces,
// and the draws that differ from the stored ones.
std::vector<std::string> PreviewLines(const ImportPlan& plan);

// How many draws of the file differ from the stored ones, the first
// `listed` of them shown; nothing when none differ.
std::vector<std::string> ConflictLines(const ImportPlan& plan, size_t listed = 5);

}  // namespace dlt
