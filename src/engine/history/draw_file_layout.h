#pragma once

#include <string>
#include <vector>

#include "common/draw.h"
#include "history/draw_file_fields.h"

namespace dlt {

// Where the seven numbers of a draw stand in a line: from field `first` on,
// `counts[i]` numbers in field first + i (seven in all). gaps[k] is what
// parts number k from number k + 1: kFieldGap between two fields, else the
// separator inside a field (NumberRun). gaps[4] parts the zones.
struct NumberFields {
  static constexpr char kFieldGap = '\n';
  int first = -1;
  std::vector<int> counts;
  std::string gaps;

  bool operator==(const NumberFields&) const = default;
  // Field index (0-based) that holds number k (0..6).
  int FieldOf(int k) const;
};

enum class DrawNumberForm {
  kSevenDigit,   // 2007001
  kFiveDigit,    // 07001, two-digit year
  kMixed,        // both of the above
  kZeroRestored  // 7001, 9153: the leading zero of the five-digit form was lost
};

// What the reader found out about a file: enough to describe it to the user
// and to read every line the same way.
struct DrawFileLayout {
  FieldDelimiter delimiter = FieldDelimiter::kBlanks;
  bool quoted = false;  // some fields stand in quotes
  int headerLine = -1;  // 0-based line index of the column names, -1 without
  int fieldCount = 0;   // fields of every data line
  int qsField = -1;
  bool qsInDate = false;  // "2013-04-06(13038)": the number in brackets after the date
  DrawNumberForm qsForm = DrawNumberForm::kSevenDigit;
  int dateField = -1;  // the first date column, -1 without
  NumberFields numbers;
  bool newestFirst = false;
  // A line whose draw number lost its leading zero, as an example for the
  // message: its line index and the number as written.
  int restoredLine = -1;
  std::string restoredText;
};

// "CSV, 带表头, 期号=第1列, 日期=第2列, 主号=第3列(5个), 副号=第4列(2个)".
std::string DescribeLayout(const DrawFileLayout& layout);
// Notes the user must know about how draw numbers were read (empty when
// there are none): "期号缺了前导0, 已按五位补足(第2行的9153读作2009153)".
std::vector<std::string> LayoutNotes(const DrawFileLayout& layout);

struct DrawFileReading {
  std::vector<Draw> draws;  // ascending by draw number, each once
  DrawFileLayout layout;
  std::string error;  // "第5行: ..." when the file cannot be read without doubt
  bool ok() const { return error.empty(); }
};

// Reads the draws of a history file after recognising its layout from the
// content: the delimiter (tab, semicolon, comma or blanks, with RFC 4180
// quotes), a line of column names, the draw-number column, date columns,
// and the seven numbers whether they stand in seven fields, in one or two
// joined fields or behind a date. One layout reads every line; a line it
// does not explain, a number out of range, or a file that two layouts read
// differently is refused with the line named, and no draw is returned.
DrawFileReading ReadDrawFileLines(const std::vector<std::string>& lines);

}  // namespace dlt
