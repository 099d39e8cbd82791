#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/draw.h"
#include "indicators/eval_context.h"

namespace dlt {

// "组合形态图表": for each draw of a range, the values of two or three
// formulas and their seven ordered shapes ("奇偶", "质合", "尾数大小",
// "尾数大中小", "012路", "复隔中", "邻孤传") by name.
struct ShapeTableRow {
  int32_t qs = 0;
  std::string numbers;              // "01 02 03 04 05 | 06| 07"
  std::vector<int32_t> values;      // one per formula; 0 where it fails
  std::vector<std::string> shapes;  // seven shape names
};

// The headers: "期数", "开奖号码", "指标一", "指标二" (, "指标三"), then the
// seven shape headers.
std::vector<std::string> ShapeTableHeaders(int arity);
// The ordered shape types of the seven shape columns.
const std::vector<int>& ShapeTableTypes();

// The number of data rows of a range given by the item indexes of its two
// boxes: |to - from| + 1.
int RangeRows(int fromItem, int toItem);

// The rows from draw `first` on: `rows` of them, fewer at the end of the history.
std::vector<ShapeTableRow> ShapeTable(std::span<const Draw> draws, const EvalEnv* env,
                                      const std::vector<std::string>& formulas, int first,
                                      int rows);

// The colours of the characters of a shape name: the first place k of the
// character in "邻孤传复中隔冷温热零壹贰小中大奇偶质合" gives green for
// k mod 3 = 0, blue for 1, red for 2; a character not there is blue. At most
// the first three characters are painted.
enum class GlyphColour { Green, Blue, Red };
struct ShapeGlyph {
  std::string text;  // one character (UTF-8)
  GlyphColour colour;
};
std::vector<ShapeGlyph> ShapeGlyphs(const std::string& name);

}  // namespace dlt
