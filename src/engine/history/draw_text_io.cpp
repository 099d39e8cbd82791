#include "history/draw_text_io.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <random>

#include "common/gbk_text.h"
#include "common/text.h"

namespace dlt {
namespace {

bool IsDigits(const std::string& s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::vector<std::string> SplitOn(const std::string& line, char sep) {
  std::vector<std::string> out;
  size_t start = 0;
  while (true) {
    const size_t p = line.find(sep, start);
    out.emplace_back(
        Trim(std::string_view(line).substr(start, p == std::string::npos ? p : p - start)));
    if (p == std::string::npos) break;
    start = p + 1;
  }
  return out;
}

std::vector<std::string> SplitBlanks(const std::string& line) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : line) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (!cur.empty()) out.push_back(std::move(cur)), cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) out.push_back(std::move(cur));
  return out;
}

int64_t ToNumber(const std::string& s) {
  if (!IsDigits(s) || s.size() > 9) return -1;
  return std::stoll(s);
}

}  // namespace

std::vector<std::string> ExportLines(const std::vector<Draw>& draws) {
  std::vector<std::string> lines;
  lines.reserve(draws.size());
  for (const auto& d : draws) lines.push_back(FormatDrawLine(d));
  return lines;
}

std::string WithTxtExtension(const std::string& path) {
  return path.find(".txt") == std::string::npos ? path + ".txt" : path;
}

bool ExportDraws(const std::vector<Draw>& draws, std::string path, std::string* error) {
  // The forecast record is no draw: the file holds the real history only,
  // so that it always imports again.
  std::vector<Draw> real;
  real.reserve(draws.size());
  for (const Draw& d : draws)
    if (d.qs <= kLastRealQs) real.push_back(d);
  return WriteGbkLines(WithTxtExtension(path), ExportLines(real), error);
}

int64_t NormaliseDrawNumber(const std::string& text) {
  if (!IsDigits(text)) return -1;
  if (text.size() == 7) return std::stoll(text);
  if (text.size() == 5) return 2000000 + std::stoll(text);  // two-digit year: 07001
  return -1;
}

namespace {

// One line of the program's own layout: eight integers separated by blanks.
// nullopt with `why` for a bad line; a draw number of 0 gives qs 0.
std::optional<std::array<int64_t, 8>> OwnLayoutFields(const std::vector<std::string>& fields,
                                                      std::string* why) {
  std::array<int64_t, 8> v{};
  if (fields.size() != 8) {
    // A short line of draw number 0 ends the file as a full one does.
    if (fields.size() < 8 && ToNumber(fields[0]) == 0) return v;
    *why = "每行应有八个整数, 这一行有" + std::to_string(fields.size()) + "个";
    return std::nullopt;
  }
  for (int f = 0; f < 8; ++f) {
    const auto n = ParseDrawField(fields[f], f, why);
    if (!n) return std::nullopt;
    v[f] = *n;
  }
  if (fields[0].size() == 5) v[0] = NormaliseDrawNumber(fields[0]);
  return v;
}

// A CSV line: a draw number with a two- or four-digit year, then the first
// seven plain integers after it (a date or other text columns between are
// passed over).
std::optional<std::array<int64_t, 8>> CsvFields(const std::vector<std::string>& fields,
                                                std::string* why) {
  std::array<int64_t, 8> v{};
  v[0] = NormaliseDrawNumber(fields[0]);
  if (v[0] < 0) {
    *why = "期号不正确: " + CutText(fields[0], 20);
    return std::nullopt;
  }
  int got = 0;
  for (size_t f = 1; f < fields.size() && got < 7; ++f)
    if (IsDigits(fields[f])) v[1 + got++] = ToNumber(fields[f]);
  if (got < 7) {
    *why = "开奖号码不足七个";
    return std::nullopt;
  }
  return v;
}

bool BlankFrom(const std::vector<std::string>& lines, size_t from) {
  for (size_t i = from; i < lines.size(); ++i)
    if (!Trim(lines[i]).empty()) return false;
  return true;
}

}  // namespace

ParsedDraws ParseDrawLines(const std::vector<std::string>& lines) {
  ParsedDraws result;
  const auto fail = [&](size_t line, const std::string& why) {
    result.error = "第" + std::to_string(line + 1) + "行: " + why;
    result.draws.clear();
    return result;
  };
  std::map<int32_t, size_t> lineOfDraw;  // where each draw number was met
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line(Trim(lines[i]));
    if (line.empty()) continue;
    const bool csv = line.find(',') != std::string::npos || line.find('\t') != std::string::npos;
    std::vector<std::string> fields =
        csv ? SplitOn(line, line.find(',') != std::string::npos ? ',' : '\t') : SplitBlanks(line);
    if (fields.empty()) continue;
    // A header line of a CSV file: its first field is not a number.
    if (csv && i == 0 && !IsDigits(fields[0])) continue;

    std::string why;
    const auto v = csv ? CsvFields(fields, &why) : OwnLayoutFields(fields, &why);
    if (!v) return fail(i, why);
    if ((*v)[0] == 0) {
      // The old end mark: nothing may follow it, or those draws would be lost.
      if (!csv && BlankFrom(lines, i + 1)) break;
      return fail(i, "期数为0的行之后还有数据(期数0表示文件结束)");
    }
    auto d = ValidateDraw((*v)[0], {(*v)[1], (*v)[2], (*v)[3], (*v)[4], (*v)[5]},
                          {(*v)[6], (*v)[7]}, &why);
    if (!d) return fail(i, why);
    const auto [seen, first] = lineOfDraw.emplace(d->qs, result.draws.size());
    if (!first) {
      // The same line twice does no harm; two different draws under one
      // number cannot both be right.
      if (result.draws[seen->second] == *d) continue;
      return fail(i, "期数" + std::to_string(d->qs) + "重复, 号码与前面的不同");
    }
    result.draws.push_back(*d);
  }
  if (result.draws.empty() && result.error.empty()) result.error = "文件中没有开奖数据";
  return result;
}

ParsedDraws ReadDrawFile(const std::string& path) {
  std::string error;
  auto lines = ReadTextLines(path, &error);
  if (!lines) {
    ParsedDraws r;
    r.error = error;
    return r;
  }
  return ParseDrawLines(*lines);
}

std::vector<Draw> MakeDemoDraws(int count, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<Draw> out;
  out.reserve(count);
  for (int i = 0; i < count; ++i) {
    Draw d;
    d.qs = (2007 + i / 150) * 1000 + (i % 150) + 1;
    std::array<int, 35> front{};
    for (int n = 0; n < 35; ++n) front[n] = n + 1;
    for (int k = 0; k < 5; ++k) std::swap(front[k], front[k + rng() % (35 - k)]);
    std::array<int, 12> back{};
    for (int n = 0; n < 12; ++n) back[n] = n + 1;
    for (int k = 0; k < 2; ++k) std::swap(back[k], back[k + rng() % (12 - k)]);
    for (int k = 0; k < 5; ++k) d.front[k] = static_cast<uint8_t>(front[k]);
    for (int k = 0; k < 2; ++k) d.back[k] = static_cast<uint8_t>(back[k]);
    std::sort(d.front.begin(), d.front.end());
    std::sort(d.back.begin(), d.back.end());
    out.push_back(d);
  }
  return out;
}

}  // namespace dlt
