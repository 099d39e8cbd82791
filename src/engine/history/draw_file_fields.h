#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dlt {

// How the fields of a line of a draw file are separated. The order is the
// order in which they are tried.
enum class FieldDelimiter { kTab, kSemicolon, kComma, kBlanks };

// The character that parts fields (' ' for blanks).
char DelimiterChar(FieldDelimiter delimiter);

struct FileField {
  std::string text;  // without its quotes, blanks around it trimmed
  bool quoted = false;
};

// Splits a line into fields, each trimmed of blanks. Quotes follow RFC 4180:
// a field in double quotes may hold the delimiter, and "" inside it is one
// quote. With kBlanks every run of spaces and tabs separates, so no field is
// empty; with the others a line "a,,b," has four fields. nullopt and
// `why` when a quote is never closed or text follows a closing quote.
std::optional<std::vector<FileField>> SplitFields(std::string_view line, FieldDelimiter delimiter,
                                                  std::string* why);

// Whether the delimiter occurs in the line outside quotes (blanks between
// two pieces of text for kBlanks).
bool HasDelimiter(std::string_view line, FieldDelimiter delimiter);

// Several numbers in one field: "01,04,17,20,22", "35+04", "['04', '05']".
// separators[i] stands between numbers i and i + 1: ' ', ',', '-', ';' part
// numbers of one zone; '+', '|', ':', '#', '/' only part the two zones.
struct NumberRun {
  std::vector<int> numbers;
  std::string separators;
};
bool IsZoneSeparator(char c);

enum class FieldKind {
  kEmpty,
  kInteger,    // decimal digits only: a draw number, a number, a count
  kNumberRun,  // two or more numbers of one or two digits with separators
  kDateLike,   // a date in any common form, a time of day or a weekday
  kDateAndQs,  // a date followed by the draw number in brackets: "2013-04-06(13038)"
  kQsText,     // "第07001期"
  kOther,
};

struct FieldReading {
  FieldKind kind = FieldKind::kOther;
  std::string digits;  // kInteger, kDateAndQs, kQsText: the digits of the number
  NumberRun run;       // kNumberRun
};

FieldReading ReadField(std::string_view text);

// "07001" -> 2007001 (a two-digit year); seven-digit numbers stay. -1 when
// it is neither.
int64_t NormaliseDrawNumber(const std::string& text);

// Trims spaces, tabs and CR around text.
std::string_view TrimBlanks(std::string_view s);

}  // namespace dlt
