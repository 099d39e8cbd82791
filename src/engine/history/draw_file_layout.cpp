#include "history/draw_file_layout.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>

#include "common/gbk_text.h"
#include "common/numbers.h"

namespace dlt {
namespace {

constexpr int kNumbers = 7;
constexpr int kFrontCount = 5;

std::string Quoted(std::string_view text) {
  return "“" + CutText(text, 30) + "”";
}

std::string Column(int field) {
  return "第" + std::to_string(field + 1) + "列";
}

// "第3行" and the reason; a reason that names its column joins it: "第3行第7列: ...".
std::string AtLine(int line, const std::string& why) {
  const std::string l = "第" + std::to_string(line + 1) + "行";
  return why.rfind("第", 0) == 0 ? l + why : l + ": " + why;
}

// ---- Column names ----

enum class ColumnRole { kNone, kQs, kDate, kFront, kBack, kNumbers };

bool Has(std::string_view name, std::string_view part) {
  return name.find(part) != std::string_view::npos;
}

// "r1", "b2", "n5": a letter and the position.
bool LetterAndDigits(std::string_view name, char letter) {
  return name.size() >= 2 && name[0] == letter &&
         std::all_of(name.begin() + 1, name.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

ColumnRole RoleOfName(std::string_view raw) {
  // Lower case, without blanks, underscores and the like: "Red_1" -> "red1".
  std::string name;
  for (char c : raw) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x80 || std::isalnum(u)) name += static_cast<char>(std::tolower(u));
  }
  const auto starts = [&](std::string_view p) { return name.rfind(p, 0) == 0; };
  // Dates first: "draw_date" and "issue_date" are dates.
  if (Has(name, "日期") || Has(name, "时间") || Has(name, "星期") || Has(name, "date") ||
      Has(name, "time") || Has(name, "week"))
    return ColumnRole::kDate;
  if (Has(name, "期号") || Has(name, "期数") || Has(name, "期次") || starts("issue") ||
      starts("term") || starts("period") || name == "qs" || starts("draw"))
    return ColumnRole::kQs;
  if (Has(name, "前区") || Has(name, "红") || Has(name, "主号") || starts("front") ||
      starts("red") || LetterAndDigits(name, 'r'))
    return ColumnRole::kFront;
  if (Has(name, "后区") || Has(name, "蓝") || Has(name, "副号") || starts("back") ||
      starts("blue") || LetterAndDigits(name, 'b'))
    return ColumnRole::kBack;
  if (Has(name, "号码") || Has(name, "number") || Has(name, "ball") || starts("result") ||
      starts("winning") || LetterAndDigits(name, 'n'))
    return ColumnRole::kNumbers;
  return ColumnRole::kNone;
}

// What a line of column names says about the fields below it.
struct HeaderGuide {
  int qsField = -1;
  int numbersField = -1;  // the first column of the first block of number columns
  int backField = -1;     // the first back-zone column of that block
  int columns = 0;
};

HeaderGuide GuideFrom(const std::vector<FileField>& header) {
  HeaderGuide g;
  g.columns = static_cast<int>(header.size());
  std::vector<ColumnRole> roles;
  for (const FileField& f : header) roles.push_back(RoleOfName(f.text));
  for (int i = 0; i < g.columns && g.qsField < 0; ++i)
    if (roles[i] == ColumnRole::kQs) g.qsField = i;
  // The first block of number columns holds the draw; a later one (a list
  // of the same numbers) is not read.
  for (int i = 0; i < g.columns; ++i) {
    const bool numbers = roles[i] == ColumnRole::kFront || roles[i] == ColumnRole::kBack ||
                         roles[i] == ColumnRole::kNumbers;
    if (!numbers) {
      if (g.numbersField >= 0) break;
      continue;
    }
    if (g.numbersField < 0) g.numbersField = i;
    if (roles[i] == ColumnRole::kBack && g.backField < 0 && i > g.numbersField) g.backField = i;
  }
  return g;
}

// ---- One line ----

struct LineFields {
  int line = 0;  // 0-based index in the file
  std::vector<FileField> fields;
  std::vector<FieldReading> readings;
};

// How one line reads: where its draw number and its numbers stand.
struct LineShape {
  int qsField = -1;
  bool qsInDate = false;
  NumberFields numbers;
  bool operator==(const LineShape&) const = default;
};

std::string SeparatorName(char c) {
  if (c == ' ' || c == '\t') return "空格";
  return std::string(1, c);
}

// How a field gap compares with the separators inside fields: tabs part
// numbers as blanks do.
char GapAsSeparator(FieldDelimiter d) {
  const char c = DelimiterChar(d);
  return c == '\t' ? ' ' : c;
}

// The message for a field that should hold a draw number.
std::string NotADrawNumber(const FileField& f) {
  std::string why;
  if (!ParseDrawField(f.text, 0, &why)) return why;
  return "期号应为七位(如2007001)或五位(如07001): " + CutText(f.text, 20);
}

// Checks the separators of a run of seven numbers: a zone separator ('+',
// '|') stands only between the zones, and a field holding numbers of both
// zones must show where they part.
std::optional<std::string> SeparatorDoubt(const LineFields& lf, const NumberFields& nf,
                                          char delimiter) {
  const auto gapChar = [&](int g) {
    return nf.gaps[g] == NumberFields::kFieldGap ? delimiter : nf.gaps[g];
  };
  for (int g = 0; g < kNumbers - 1; ++g) {
    if (g == kFrontCount - 1 || !IsZoneSeparator(nf.gaps[g])) continue;
    const int f = nf.FieldOf(g);
    return Column(f) + Quoted(lf.fields[f].text) + "中的“" + std::string(1, nf.gaps[g]) +
           "”只能分开主号和副号, 这里却在第" + std::to_string(g + 1) + "和第" +
           std::to_string(g + 2) + "个号码之间";
  }
  // Within a field the numbers of one zone are parted alike.
  for (int g = 1; g < kFrontCount - 1; ++g) {
    if (nf.gaps[g] == NumberFields::kFieldGap || nf.gaps[g - 1] == NumberFields::kFieldGap)
      continue;
    if (nf.gaps[g] != nf.gaps[g - 1]) {
      const int f = nf.FieldOf(g);
      return Column(f) + Quoted(lf.fields[f].text) + "中主号之间的分隔符不一致";
    }
  }
  const char boundary = nf.gaps[kFrontCount - 1];
  if (boundary == NumberFields::kFieldGap || IsZoneSeparator(boundary)) return std::nullopt;
  const int f = nf.FieldOf(kFrontCount - 1);
  if (nf.counts.size() == 1) return std::nullopt;  // all seven in one field: five, then two
  for (int g = 0; g < kNumbers - 1; ++g)
    if (g != kFrontCount - 1 && gapChar(g) == boundary)
      return Column(f) + Quoted(lf.fields[f].text) + "中既有主号又有副号, 却看不出从哪里分开";
  return std::nullopt;
}

// Seven numbers from field `first` on, or why not.
std::optional<NumberFields> NumbersFrom(const LineFields& lf, int first, char delimiter,
                                        std::string* why) {
  NumberFields nf;
  nf.first = first;
  int k = 0;
  for (int f = first; k < kNumbers; ++f) {
    if (f >= static_cast<int>(lf.fields.size())) {
      *why = "从" + Column(first) + "起应有7个号码(5个主号和2个副号), 这一行只有" +
             std::to_string(k) + "个";
      return std::nullopt;
    }
    const FieldReading& r = lf.readings[f];
    int count = 0;
    if (r.kind == FieldKind::kInteger) {
      count = 1;
    } else if (r.kind == FieldKind::kNumberRun) {
      count = static_cast<int>(r.run.numbers.size());
    } else {
      std::string fieldWhy;
      if (ParseDrawField(lf.fields[f].text, 1 + k, &fieldWhy)) fieldWhy.clear();
      *why =
          !fieldWhy.empty() && r.kind != FieldKind::kEmpty
              ? Column(f) + ": " + fieldWhy
              : Column(f) + "应为" + DrawFieldName(1 + k) + ", 这里是" + Quoted(lf.fields[f].text);
      return std::nullopt;
    }
    if (k + count > kNumbers) {
      *why = Column(f) + Quoted(lf.fields[f].text) + "有" + std::to_string(count) +
             "个号码, 多于一注开奖号码的7个(5个主号和2个副号)";
      return std::nullopt;
    }
    if (k > 0) nf.gaps += NumberFields::kFieldGap;
    if (r.kind == FieldKind::kNumberRun) nf.gaps += r.run.separators;
    nf.counts.push_back(count);
    k += count;
  }
  if (auto doubt = SeparatorDoubt(lf, nf, delimiter)) {
    *why = *doubt;
    return std::nullopt;
  }
  return nf;
}

bool IsDrawNumberKind(FieldKind k) {
  return k == FieldKind::kInteger || k == FieldKind::kDateAndQs || k == FieldKind::kQsText;
}

std::optional<LineShape> ShapeOf(const LineFields& lf, const HeaderGuide& guide, char delimiter,
                                 std::string* why) {
  LineShape shape;
  const int count = static_cast<int>(lf.fields.size());
  shape.qsField = guide.qsField;
  if (shape.qsField < 0) {
    // Without a named column the draw number is the first field that is no date.
    shape.qsField = 0;
    while (shape.qsField < count && lf.readings[shape.qsField].kind == FieldKind::kDateLike)
      ++shape.qsField;
  }
  if (shape.qsField >= count) {
    *why = "找不到期号(应为七位如2007001或五位如07001)";
    return std::nullopt;
  }
  const FieldReading& qs = lf.readings[shape.qsField];
  if (!IsDrawNumberKind(qs.kind)) {
    *why = Column(shape.qsField) + ": " + NotADrawNumber(lf.fields[shape.qsField]);
    return std::nullopt;
  }
  shape.qsInDate = qs.kind == FieldKind::kDateAndQs;
  int first = guide.numbersField;
  if (first < 0) {
    // The numbers follow the draw number, after any date columns.
    first = shape.qsField + 1;
    while (first < count && lf.readings[first].kind == FieldKind::kDateLike) ++first;
  }
  const auto numbers = NumbersFrom(lf, first, delimiter, why);
  if (!numbers) return std::nullopt;
  shape.numbers = *numbers;
  // Columns named for the back zone must hold it, unless the numbers spread
  // over more fields than the names (a joined field the delimiter split).
  if (guide.backField >= 0 && count == guide.columns &&
      (shape.numbers.FieldOf(kFrontCount) != guide.backField ||
       shape.numbers.gaps[kFrontCount - 1] != NumberFields::kFieldGap)) {
    *why = "表头的后区从" + Column(guide.backField) + "起, 这一行的副号一却在" +
           Column(shape.numbers.FieldOf(kFrontCount));
    return std::nullopt;
  }
  return shape;
}

std::string Range(int a, int b) {
  return a == b ? Column(a) : "第" + std::to_string(a + 1) + "-" + std::to_string(b + 1) + "列";
}

std::string DescribeNumbers(const NumberFields& nf) {
  const int frontFirst = nf.first, frontLast = nf.FieldOf(kFrontCount - 1);
  const int backFirst = nf.FieldOf(kFrontCount), backLast = nf.FieldOf(kNumbers - 1);
  const char boundary = nf.gaps[kFrontCount - 1];
  if (frontFirst == backLast) {
    std::string s = "主号和副号=" + Column(frontFirst) + "(7个, ";
    bool distinct = true;
    for (int g = 0; g < kNumbers - 1; ++g)
      if (g != kFrontCount - 1 && nf.gaps[g] == boundary) distinct = false;
    return s + (distinct ? "以" + SeparatorName(boundary) + "分开主号和副号)" : "前5个为主号)");
  }
  std::string s = "主号=" + Range(frontFirst, frontLast);
  if (frontFirst == frontLast) s += "(5个)";
  s += ", 副号=" + Range(backFirst, backLast);
  if (backFirst == backLast) s += "(2个)";
  if (frontLast == backFirst)
    s += "(" + Column(frontLast) + "中以" + SeparatorName(boundary) + "分开主号和副号)";
  return s;
}

std::string DescribeShape(const LineShape& s) {
  return "期号=" + Column(s.qsField) + ", " + DescribeNumbers(s.numbers);
}

// The value most lines share: the one held by more than half of them (a
// majority vote), else the first; the lines that differ from it are the
// ones named.
template <typename T>
T Prevailing(const std::vector<T>& values) {
  size_t candidate = 0;
  long votes = 0;
  for (size_t i = 0; i < values.size(); ++i) {
    if (votes == 0) candidate = i;
    votes += values[i] == values[candidate] ? 1 : -1;
  }
  const size_t held = std::count(values.begin(), values.end(), values[candidate]);
  return held * 2 > values.size() ? values[candidate] : values.front();
}

// ---- The file ----

// What does not depend on the delimiter: which lines hold draws, which
// names the columns, where the old end mark stops the file.
struct FileLines {
  const std::vector<std::string>* text = nullptr;
  int headerLine = -1;
  std::vector<int> dataLines;
};

bool HasDigitRun(std::string_view s, size_t run) {
  size_t n = 0;
  for (char c : s) {
    n = std::isdigit(static_cast<unsigned char>(c)) ? n + 1 : 0;
    if (n >= run) return true;
  }
  return false;
}

bool HasWords(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || std::isalpha(u);
  });
}

// The old end mark: a line whose draw number is 0 ("0", "0 0 0 0 0 0 0 0").
// A line numbered 0 that holds a draw number is a row of a numbered table.
bool IsEndMark(std::string_view line) {
  const size_t end = line.find_first_of(" \t,;");
  return line.substr(0, end) == "0" && !HasDigitRun(line, 3);
}

std::optional<FileLines> SortLines(const std::vector<std::string>& lines, std::string* error) {
  FileLines fl;
  fl.text = &lines;
  bool data = false;
  int lastLeading = -1;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const std::string_view line = TrimBlanks(lines[i]);
    if (line.empty() || line.front() == '#') continue;
    if (IsEndMark(line)) {
      for (size_t j = i + 1; j < lines.size(); ++j)
        if (!TrimBlanks(lines[j]).empty()) {
          *error = AtLine(i, "期数为0的行之后还有数据(期数0表示文件结束)");
          return std::nullopt;
        }
      break;
    }
    // Column names and a title above them are words without a draw number
    // (three digits or more).
    if (!data && HasWords(line) && !HasDigitRun(line, 3)) {
      lastLeading = i;
      continue;
    }
    data = true;
    fl.dataLines.push_back(i);
  }
  if (fl.dataLines.empty()) {
    *error = "文件中没有开奖数据";
    return std::nullopt;
  }
  fl.headerLine = lastLeading;
  return fl;
}

struct Attempt {
  DrawFileReading reading;
  std::vector<int> lineOfDraw;  // beside reading.draws
  int failedLine = -1;
};

Attempt Fail(int line, const std::string& why) {
  Attempt a;
  a.failedLine = line;
  a.reading.error = AtLine(line, why);
  return a;
}

struct DrawNumber {
  int64_t qs = -1;
  bool restored = false;
};

// "2007001" as it is, "07001" with the two-digit year, "7001" and "153"
// padded to the five-digit form (checked for the whole file afterwards).
std::optional<DrawNumber> ReadDrawNumber(const std::string& digits, std::string* why) {
  DrawNumber n;
  if (digits.size() == 3 || digits.size() == 4) {
    const std::string padded = std::string(5 - digits.size(), '0') + digits;
    n.qs = NormaliseDrawNumber(padded);
    n.restored = true;
    if (padded < "07") {
      *why = "期号" + digits + "补足前导0后为" + padded + ", 年份" + padded.substr(0, 2) +
             "不在07到99之间";
      return std::nullopt;
    }
    return n;
  }
  n.qs = NormaliseDrawNumber(digits);
  if (n.qs < 0) {
    *why = "期号应为七位(如2007001)或五位(如07001): " + CutText(digits, 20);
    return std::nullopt;
  }
  return n;
}

Attempt ReadWith(const FileLines& fl, FieldDelimiter delimiter) {
  const auto& text = *fl.text;
  std::string why;
  Attempt a;
  DrawFileLayout& layout = a.reading.layout;
  layout.delimiter = delimiter;
  layout.headerLine = fl.headerLine;
  const char gapSeparator = GapAsSeparator(delimiter);

  HeaderGuide guide;
  if (fl.headerLine >= 0) {
    const auto header = SplitFields(text[fl.headerLine], delimiter, &why);
    if (!header) return Fail(fl.headerLine, why);
    // Names parted by blanks need not stand above their fields ("开奖 日期",
    // one name for five numbers): there the fields themselves tell.
    if (delimiter != FieldDelimiter::kBlanks) guide = GuideFrom(*header);
    for (const FileField& f : *header) layout.quoted |= f.quoted;
  }
  std::vector<LineFields> lines;
  lines.reserve(fl.dataLines.size());
  for (int i : fl.dataLines) {
    auto fields = SplitFields(text[i], delimiter, &why);
    if (!fields) return Fail(i, why);
    LineFields lf;
    lf.line = i;
    for (const FileField& f : *fields) {
      lf.readings.push_back(ReadField(f.text));
      layout.quoted |= f.quoted;
    }
    lf.fields = std::move(*fields);
    lines.push_back(std::move(lf));
  }

  // Every line has as many fields as the others.
  std::vector<int> counts;
  for (const LineFields& lf : lines) counts.push_back(static_cast<int>(lf.fields.size()));
  layout.fieldCount = Prevailing(counts);
  std::vector<std::optional<LineShape>> shapes;
  std::vector<std::string> shapeWhy(lines.size());
  std::vector<LineShape> good;
  for (size_t i = 0; i < lines.size(); ++i) {
    shapes.push_back(ShapeOf(lines[i], guide, gapSeparator, &shapeWhy[i]));
    if (shapes.back()) good.push_back(*shapes.back());
  }
  const std::optional<LineShape> common =
      good.empty() ? std::nullopt : std::optional<LineShape>(Prevailing(good));
  for (size_t i = 0; i < lines.size(); ++i) {
    const int line = lines[i].line;
    if (!shapes[i]) return Fail(line, shapeWhy[i]);
    if (!(*shapes[i] == *common))
      return Fail(line, "与其他各行的格式不同: 其他各行" + DescribeShape(*common) + ", 这一行" +
                            DescribeShape(*shapes[i]));
    if (counts[i] != layout.fieldCount)
      return Fail(line, "这一行有" + std::to_string(counts[i]) + "列, 其他各行有" +
                            std::to_string(layout.fieldCount) + "列");
  }
  layout.qsField = common->qsField;
  layout.qsInDate = common->qsInDate;
  layout.numbers = common->numbers;
  for (int f = 0; f < layout.fieldCount && layout.dateField < 0; ++f)
    if (lines.front().readings[f].kind == FieldKind::kDateLike) layout.dateField = f;

  // The draws, each checked.
  std::map<int32_t, size_t> seen;
  int sevenDigitLine = -1;
  bool five = false, seven = false;
  for (const LineFields& lf : lines) {
    const FieldReading& qsField = lf.readings[layout.qsField];
    const auto number = ReadDrawNumber(qsField.digits, &why);
    if (!number) return Fail(lf.line, Column(layout.qsField) + ": " + why);
    if (number->restored && layout.restoredLine < 0) {
      layout.restoredLine = lf.line;
      layout.restoredText = qsField.digits;
    }
    if (qsField.digits.size() == 7) {
      seven = true;
      if (sevenDigitLine < 0) sevenDigitLine = lf.line;
    } else if (!number->restored) {
      five = true;
    }

    std::array<int64_t, kNumbers> v{};
    int k = 0;
    for (size_t c = 0; c < layout.numbers.counts.size(); ++c) {
      const FieldReading& r = lf.readings[layout.numbers.first + c];
      if (r.kind == FieldKind::kNumberRun) {
        for (int n : r.run.numbers) v[k++] = n;
      } else {
        const auto n = ParseDrawField(lf.fields[layout.numbers.first + c].text, 1 + k, &why);
        if (!n) return Fail(lf.line, why);
        v[k++] = *n;
      }
    }
    auto d = ValidateDraw(number->qs, {v[0], v[1], v[2], v[3], v[4]}, {v[5], v[6]}, &why);
    if (!d) {
      if (why.rfind("期数", 0) != 0) {
        std::string read;
        for (int n = 0; n < kNumbers; ++n)
          read += (n == kFrontCount ? " + " : n ? " " : "") + TwoDigit(static_cast<int>(v[n]));
        why += " (按" + DescribeNumbers(layout.numbers) + "读作" + read + ")";
      }
      return Fail(lf.line, why);
    }
    const auto [at, first] = seen.emplace(d->qs, a.reading.draws.size());
    if (!first) {
      // The same line twice does no harm; two different draws under one
      // number cannot both be right.
      if (a.reading.draws[at->second] == *d) continue;
      return Fail(lf.line, "期数" + std::to_string(d->qs) + "重复, 号码与前面的不同");
    }
    a.reading.draws.push_back(*d);
    a.lineOfDraw.push_back(lf.line);
  }
  if (layout.restoredLine >= 0) {
    if (sevenDigitLine >= 0)
      return Fail(layout.restoredLine, "期号" + layout.restoredText + "缺了前导0, 但第" +
                                           std::to_string(sevenDigitLine + 1) +
                                           "行的期号是七位, 无法确定怎样补足");
    layout.qsForm = DrawNumberForm::kZeroRestored;
  } else {
    layout.qsForm = seven && five ? DrawNumberForm::kMixed
                    : five        ? DrawNumberForm::kFiveDigit
                                  : DrawNumberForm::kSevenDigit;
  }
  layout.newestFirst =
      a.reading.draws.size() > 1 &&
      std::adjacent_find(a.reading.draws.begin(), a.reading.draws.end(),
                         [](auto& x, auto& y) { return x.qs <= y.qs; }) == a.reading.draws.end();

  // Stored in draw order whatever the order of the file.
  std::vector<size_t> order(a.reading.draws.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [&](size_t x, size_t y) { return a.reading.draws[x].qs < a.reading.draws[y].qs; });
  std::vector<Draw> sorted;
  std::vector<int> sortedLines;
  for (size_t i : order) {
    sorted.push_back(a.reading.draws[i]);
    sortedLines.push_back(a.lineOfDraw[i]);
  }
  a.reading.draws = std::move(sorted);
  a.lineOfDraw = std::move(sortedLines);
  return a;
}

std::string DelimiterName(FieldDelimiter d) {
  switch (d) {
    case FieldDelimiter::kComma:
      return "CSV";
    case FieldDelimiter::kTab:
      return "制表符分隔";
    case FieldDelimiter::kSemicolon:
      return "分号分隔";
    case FieldDelimiter::kBlanks:
      break;
  }
  return "空格分隔";
}

}  // namespace

int NumberFields::FieldOf(int k) const {
  int f = first;
  for (int c : counts) {
    if (k < c) return f;
    k -= c;
    ++f;
  }
  return f - 1;
}

std::string DescribeLayout(const DrawFileLayout& l) {
  std::string s = DelimiterName(l.delimiter);
  if (l.quoted) s += "(带引号)";
  if (l.headerLine < 0)
    s += ", 无表头";
  else
    s += l.headerLine == 0 ? ", 带表头" : ", 带表头(第" + std::to_string(l.headerLine + 1) + "行)";
  s += ", 期号=" + Column(l.qsField);
  if (l.qsInDate) s += "日期后的括号内";
  switch (l.qsForm) {
    case DrawNumberForm::kSevenDigit:
      break;
    case DrawNumberForm::kFiveDigit:
      s += "(五位)";
      break;
    case DrawNumberForm::kMixed:
      s += "(五位和七位)";
      break;
    case DrawNumberForm::kZeroRestored:
      s += "(补足前导0)";
      break;
  }
  if (l.dateField >= 0 && !l.qsInDate) s += ", 日期=" + Column(l.dateField);
  s += ", " + DescribeNumbers(l.numbers);
  int used = static_cast<int>(l.numbers.counts.size()) + 1;
  if (l.dateField >= 0 && l.dateField != l.qsField) ++used;
  if (l.fieldCount > used) s += ", 另有" + std::to_string(l.fieldCount - used) + "列不读";
  if (l.newestFirst) s += ", 新的在前";
  return s;
}

std::vector<std::string> LayoutNotes(const DrawFileLayout& l) {
  std::vector<std::string> notes;
  if (l.qsForm == DrawNumberForm::kZeroRestored) {
    const std::string padded = std::string(5 - l.restoredText.size(), '0') + l.restoredText;
    notes.push_back("期号缺了前导0, 已按五位补足(第" + std::to_string(l.restoredLine + 1) + "行的" +
                    l.restoredText + "读作20" + padded + ")");
  }
  return notes;
}

DrawFileReading ReadDrawFileLines(const std::vector<std::string>& lines) {
  DrawFileReading result;
  const auto fl = SortLines(lines, &result.error);
  if (!fl) return result;

  // Every delimiter found on every data line is tried; blanks when none is.
  std::vector<FieldDelimiter> candidates;
  for (FieldDelimiter d : {FieldDelimiter::kTab, FieldDelimiter::kSemicolon, FieldDelimiter::kComma,
                           FieldDelimiter::kBlanks}) {
    const bool everywhere = std::all_of(fl->dataLines.begin(), fl->dataLines.end(),
                                        [&](int i) { return HasDelimiter(lines[i], d); });
    if (everywhere) candidates.push_back(d);
  }
  if (candidates.empty()) candidates.push_back(FieldDelimiter::kBlanks);

  std::vector<Attempt> read, failed;
  for (FieldDelimiter d : candidates) {
    Attempt a = ReadWith(*fl, d);
    (a.reading.ok() ? read : failed).push_back(std::move(a));
  }
  if (read.empty()) {
    // The reading that came furthest says best what is wrong.
    const auto best =
        std::max_element(failed.begin(), failed.end(),
                         [](const auto& x, const auto& y) { return x.failedLine < y.failedLine; });
    result.error = best->reading.error;
    return result;
  }
  // Two delimiters that read different draws leave a doubt.
  for (size_t i = 1; i < read.size(); ++i) {
    if (read[i].reading.draws == read[0].reading.draws) continue;
    const auto& x = read[0].reading.draws;
    const auto& y = read[i].reading.draws;
    size_t k = 0;
    while (k < x.size() && k < y.size() && x[k] == y[k]) ++k;
    const int line = k < x.size() ? read[0].lineOfDraw[k] : read[i].lineOfDraw[k];
    const auto readAs = [&](const Attempt& a) {
      std::string s = "按“" + DescribeLayout(a.reading.layout) + "”";
      if (k < a.reading.draws.size()) s += "读作" + DrawText(a.reading.draws[k]);
      return s;
    };
    result.error = AtLine(line, readAs(read[0]) + ", " + readAs(read[i]) + ", 无法确定是哪一种");
    return result;
  }
  return std::move(read.front().reading);
}

}  // namespace dlt
