#include "history/draw_file_fields.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace dlt {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit);
}

// Reads a quoted field starting at line[i] == '"'; i ends after the closing quote.
bool ReadQuoted(std::string_view line, size_t& i, std::string& out, std::string* why) {
  for (++i; i < line.size(); ++i) {
    if (line[i] != '"') {
      out += line[i];
    } else if (i + 1 < line.size() && line[i + 1] == '"') {
      out += '"';
      ++i;
    } else {
      ++i;
      return true;
    }
  }
  if (why) *why = "引号没有结束";
  return false;
}

// Consumes `prefix` at the front of `s`.
bool Eat(std::string_view& s, std::string_view prefix) {
  if (s.substr(0, prefix.size()) != prefix) return false;
  s.remove_prefix(prefix.size());
  return true;
}

// 1..maxDigits digits at the front of `s`, consumed; -1 when there are none
// or more than maxDigits.
int EatNumber(std::string_view& s, size_t minDigits, size_t maxDigits) {
  size_t n = 0;
  while (n < s.size() && IsDigit(s[n])) ++n;
  if (n < minDigits || n > maxDigits) return -1;
  int v = 0;
  for (size_t k = 0; k < n; ++k) v = v * 10 + (s[k] - '0');
  s.remove_prefix(n);
  return v;
}

std::string_view TrimFront(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

bool IsYear(int y) {
  return y >= 1900 && y <= 2099;
}

// A calendar date at the front of `s` (consumed): 2024-01-01, 2024/1/1,
// 2024.01.01, 2024年1月1日, 1/31/2024, 31.01.2024.
bool EatDate(std::string_view& s) {
  std::string_view t = s;
  const int y = EatNumber(t, 4, 4);
  if (IsYear(y)) {
    if (Eat(t, "年")) {
      if (EatNumber(t, 1, 2) < 1 || !Eat(t, "月") || EatNumber(t, 1, 2) < 1) return false;
      Eat(t, "日");
      s = t;
      return true;
    }
    if (t.empty() || (t[0] != '-' && t[0] != '/' && t[0] != '.')) return false;
    const char sep = t[0];
    t.remove_prefix(1);
    const int m = EatNumber(t, 1, 2);
    if (m < 1 || m > 12 || t.empty() || t[0] != sep) return false;
    t.remove_prefix(1);
    const int d = EatNumber(t, 1, 2);
    if (d < 1 || d > 31) return false;
    s = t;
    return true;
  }
  // Day and month first, the year last.
  t = s;
  if (EatNumber(t, 1, 2) < 1 || t.empty() || (t[0] != '-' && t[0] != '/' && t[0] != '.'))
    return false;
  const char sep = t[0];
  t.remove_prefix(1);
  if (EatNumber(t, 1, 2) < 1 || t.empty() || t[0] != sep) return false;
  t.remove_prefix(1);
  if (!IsYear(EatNumber(t, 4, 4))) return false;
  s = t;
  return true;
}

bool EatTime(std::string_view& s) {
  std::string_view t = s;
  const int h = EatNumber(t, 1, 2);
  if (h < 0 || h > 23 || !Eat(t, ":")) return false;
  const int m = EatNumber(t, 2, 2);
  if (m < 0 || m > 59) return false;
  if (Eat(t, ":") && EatNumber(t, 2, 2) < 0) return false;
  s = t;
  return true;
}

bool EatOpen(std::string_view& s) {
  return Eat(s, "(") || Eat(s, "（") || Eat(s, "[");
}

bool EatClose(std::string_view& s) {
  return Eat(s, ")") || Eat(s, "）") || Eat(s, "]");
}

bool EatChineseDay(std::string_view& s) {
  for (std::string_view day : {"一", "二", "三", "四", "五", "六", "日", "天"})
    if (Eat(s, day)) return true;
  return false;
}

bool EatEnglishDay(std::string_view& s) {
  size_t n = 0;
  std::string lower;
  while (n < s.size() && std::isalpha(static_cast<unsigned char>(s[n])))
    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(s[n++])));
  constexpr std::array<std::string_view, 17> kDays = {
      "mon",   "monday",   "tue", "tues",   "tuesday", "wed",      "wednesday", "thu",   "thur",
      "thurs", "thursday", "fri", "friday", "sat",     "saturday", "sun",       "sunday"};
  if (std::find(kDays.begin(), kDays.end(), lower) == kDays.end()) return false;
  s.remove_prefix(n);
  return true;
}

// "星期三", "周三", "(三)", "（三）", "Wed", "(Wednesday)".
bool EatWeekday(std::string_view& s) {
  std::string_view t = s;
  const bool bracket = EatOpen(t);
  const bool prefixed = Eat(t, "星期") || Eat(t, "周") || Eat(t, "礼拜");
  const bool named = ((prefixed || bracket) && EatChineseDay(t)) || (!prefixed && EatEnglishDay(t));
  if (!named || (bracket && !EatClose(t))) return false;
  s = t;
  return true;
}

// After a date: nothing, a time, a weekday, or the draw number in brackets.
FieldReading DateTail(std::string_view rest) {
  FieldReading r;
  rest = TrimFront(rest);
  std::string_view t = rest;
  if (EatOpen(t)) {
    std::string_view digits = t;
    const size_t n = std::find_if_not(t.begin(), t.end(), IsDigit) - t.begin();
    t.remove_prefix(n);
    if (n >= 3 && EatClose(t) && TrimFront(t).empty()) {
      r.kind = FieldKind::kDateAndQs;
      r.digits = std::string(digits.substr(0, n));
      return r;
    }
  }
  EatTime(rest);
  rest = TrimFront(rest);
  EatWeekday(rest);
  r.kind = TrimFront(rest).empty() ? FieldKind::kDateLike : FieldKind::kOther;
  return r;
}

bool IsEightDigitDate(std::string_view digits) {
  if (digits.size() != 8) return false;
  const auto part = [&](size_t at, size_t n) {
    int v = 0;
    for (char c : digits.substr(at, n)) v = v * 10 + (c - '0');
    return v;
  };
  return IsYear(part(0, 4)) && part(4, 2) >= 1 && part(4, 2) <= 12 && part(6, 2) >= 1 &&
         part(6, 2) <= 31;
}

// Separators between numbers of a run: blanks, one symbol, blanks. The
// symbol (or ' ' for blanks alone) is what the run records.
char EatSeparator(std::string_view& s) {
  std::string_view t = s;
  bool blank = false;
  const auto blanks = [&] {
    while (true) {
      if (!t.empty() && IsBlank(t[0]))
        t.remove_prefix(1);
      else if (!Eat(t, "\u3000"))
        return;
      blank = true;
    }
  };
  blanks();
  char symbol = 0;
  constexpr std::array<std::pair<std::string_view, char>, 15> kSymbols = {{{",", ','},
                                                                           {"，", ','},
                                                                           {"、", ','},
                                                                           {"-", '-'},
                                                                           {";", ';'},
                                                                           {"；", ';'},
                                                                           {"+", '+'},
                                                                           {"＋", '+'},
                                                                           {"|", '|'},
                                                                           {"｜", '|'},
                                                                           {":", ':'},
                                                                           {"：", ':'},
                                                                           {"#", '#'},
                                                                           {"/", '/'},
                                                                           {"\\", '/'}}};
  for (const auto& [text, c] : kSymbols)
    if (Eat(t, text)) {
      symbol = c;
      break;
    }
  if (symbol) blanks();
  if (!symbol && !blank) return 0;
  s = t;
  return symbol ? symbol : ' ';
}

std::optional<NumberRun> ReadNumberRun(std::string_view text) {
  // Quotes around the numbers and one pair of brackets around the whole
  // (a list written by a program: ['04', '05']) say nothing about them.
  std::string bare;
  for (char c : text)
    if (c != '\'' && c != '"') bare += c;
  std::string_view s = TrimBlanks(bare);
  if (s.size() >= 2) {
    const char open = s.front(), close = s.back();
    if ((open == '[' && close == ']') || (open == '(' && close == ')') ||
        (open == '{' && close == '}'))
      s = TrimBlanks(s.substr(1, s.size() - 2));
  }
  NumberRun run;
  while (true) {
    const int n = EatNumber(s, 1, 2);
    if (n < 0) return std::nullopt;
    run.numbers.push_back(n);
    if (s.empty()) break;
    const char sep = EatSeparator(s);
    if (!sep) return std::nullopt;
    run.separators += sep;
  }
  if (run.numbers.size() < 2) return std::nullopt;
  return run;
}

}  // namespace

char DelimiterChar(FieldDelimiter d) {
  switch (d) {
    case FieldDelimiter::kTab:
      return '\t';
    case FieldDelimiter::kSemicolon:
      return ';';
    case FieldDelimiter::kComma:
      return ',';
    case FieldDelimiter::kBlanks:
      break;
  }
  return ' ';
}

int64_t NormaliseDrawNumber(const std::string& text) {
  if (!AllDigits(text)) return -1;
  if (text.size() == 7) return std::stoll(text);
  if (text.size() == 5) return 2000000 + std::stoll(text);
  return -1;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool IsZoneSeparator(char c) {
  return c == '+' || c == '|' || c == ':' || c == '#' || c == '/';
}

std::optional<std::vector<FileField>> SplitFields(std::string_view line, FieldDelimiter delimiter,
                                                  std::string* why) {
  const bool blanks = delimiter == FieldDelimiter::kBlanks;
  const char sep = DelimiterChar(delimiter);
  const auto isSep = [&](char c) { return blanks ? IsBlank(c) : c == sep; };
  std::vector<FileField> fields;
  if (blanks) {
    line = TrimBlanks(line);
    if (line.empty()) return fields;
  }
  size_t i = 0;
  while (true) {
    FileField f;
    while (i < line.size() && !isSep(line[i]) && IsBlank(line[i])) ++i;
    if (i < line.size() && line[i] == '"') {
      if (!ReadQuoted(line, i, f.text, why)) return std::nullopt;
      while (i < line.size() && !isSep(line[i]) && IsBlank(line[i])) ++i;
      if (i < line.size() && !isSep(line[i])) {
        if (why) *why = "引号后还有文字";
        return std::nullopt;
      }
      f.quoted = true;
      f.text = std::string(TrimBlanks(f.text));
    } else {
      const size_t start = i;
      while (i < line.size() && !isSep(line[i])) ++i;
      f.text = std::string(TrimBlanks(line.substr(start, i - start)));
    }
    fields.push_back(std::move(f));
    if (i >= line.size()) break;
    ++i;  // the delimiter; with blanks a whole run of them
    while (blanks && i < line.size() && IsBlank(line[i])) ++i;
  }
  return fields;
}

bool HasDelimiter(std::string_view line, FieldDelimiter delimiter) {
  // Blanks around a line part nothing; a leading tab stands before an empty field.
  if (delimiter == FieldDelimiter::kBlanks) line = TrimBlanks(line);
  const char sep = DelimiterChar(delimiter);
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (delimiter == FieldDelimiter::kBlanks ? IsBlank(c) : c == sep) return true;
  }
  return false;
}

FieldReading ReadField(std::string_view text) {
  FieldReading r;
  text = TrimBlanks(text);
  if (text.empty()) {
    r.kind = FieldKind::kEmpty;
    return r;
  }
  if (AllDigits(text)) {
    // A date written as eight digits (20240101) stands where dates stand.
    r.kind = IsEightDigitDate(text) ? FieldKind::kDateLike : FieldKind::kInteger;
    if (r.kind == FieldKind::kInteger) r.digits = std::string(text);
    return r;
  }
  std::string_view t = text;
  if (EatDate(t)) return DateTail(t);
  t = text;
  if ((EatTime(t) || EatWeekday(t)) && TrimFront(t).empty()) {
    r.kind = FieldKind::kDateLike;
    return r;
  }
  t = text;
  if (Eat(t, "第")) {
    const size_t n = std::find_if_not(t.begin(), t.end(), IsDigit) - t.begin();
    if (n >= 3 && t.substr(n) == "期") {
      r.kind = FieldKind::kQsText;
      r.digits = std::string(t.substr(0, n));
      return r;
    }
  }
  if (auto run = ReadNumberRun(text)) {
    r.kind = FieldKind::kNumberRun;
    r.run = std::move(*run);
  }
  return r;
}

}  // namespace dlt
