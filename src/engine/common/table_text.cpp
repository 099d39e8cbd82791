#include "common/table_text.h"

namespace dlt {

namespace {

std::string CsvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string TabField(std::string field) {
  for (char& c : field)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return field;
}

template <class Field>
std::string Joined(const TextRows& rows, char separator, const char* rowEnd, Field field) {
  std::string text;
  for (const std::vector<std::string>& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i > 0) text += separator;
      text += field(row[i]);
    }
    text += rowEnd;
  }
  return text;
}

}  // namespace

std::string CsvText(const TextRows& rows) {
  return Joined(rows, ',', "\r\n", CsvField);
}

std::string TabSeparatedText(const TextRows& rows) {
  return Joined(rows, '\t', "\n", TabField);
}

}  // namespace dlt
