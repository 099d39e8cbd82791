#pragma once

#include <string>
#include <vector>

namespace dlt {

// A table of texts, one vector per row (a header row first where there is
// one); rows may differ in length.
using TextRows = std::vector<std::vector<std::string>>;

// The table as CSV (RFC 4180): fields separated by commas, every row ended
// by CRLF; a field holding a comma, a double quote, CR or LF is quoted and
// its double quotes doubled. The texts pass through unchanged (UTF-8 in,
// UTF-8 out).
std::string CsvText(const TextRows& rows);

// The table as a spreadsheet takes it from the clipboard: fields separated
// by tabs, rows ended by LF. A tab, CR or LF inside a field would split it,
// so each becomes a space.
std::string TabSeparatedText(const TextRows& rows);

}  // namespace dlt
