#include "history/draw_text_io.h"

#include <algorithm>
#include <cctype>
#include <random>

#include "common/gbk_text.h"

namespace dlt {
namespace {

bool IsDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

std::vector<std::string> SplitOn(const std::string& line, char sep) {
  std::vector<std::string> out;
  size_t start = 0;
  while (true) {
    const size_t p = line.find(sep, start);
    out.push_back(Trim(line.substr(start, p == std::string::npos ? std::string::npos : p - start)));
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
  return WriteGbkLines(WithTxtExtension(path), ExportLines(draws), error);
}

int64_t NormaliseDrawNumber(const std::string& text) {
  if (!IsDigits(text)) return -1;
  if (text.size() == 7) return std::stoll(text);
  if (text.size() == 5) return 2000000 + std::stoll(text);  // two-digit year: 07001
  return -1;
}

ParsedDraws ParseDrawLines(const std::vector<std::string>& lines) {
  ParsedDraws result;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    const std::string where = "第" + std::to_string(i + 1) + "行";
    if (line.empty()) continue;
    const bool csv = line.find(',') != std::string::npos || line.find('\t') != std::string::npos;
    std::vector<std::string> fields =
        csv ? SplitOn(line, line.find(',') != std::string::npos ? ',' : '\t') : SplitBlanks(line);
    if (fields.empty()) continue;
    // A header line of a CSV file: its first field is not a number.
    if (csv && i == 0 && !IsDigits(fields[0])) continue;

    std::array<int64_t, 8> v{};
    if (csv) {
      v[0] = NormaliseDrawNumber(fields[0]);
      if (v[0] < 0) {
        result.error = where + ": 期号不正确: " + fields[0];
        result.draws.clear();
        return result;
      }
      // Take the first seven plain integers after the draw number; a date
      // column or other text columns in between are passed over.
      int got = 0;
      for (size_t f = 1; f < fields.size() && got < 7; ++f)
        if (IsDigits(fields[f])) v[1 + got++] = ToNumber(fields[f]);
      if (got < 7) {
        result.error = where + ": 开奖号码不足七个";
        result.draws.clear();
        return result;
      }
    } else {
      if (fields.size() < 8) {
        // The file ends at a draw number of 0 even on a short line.
        if (fields[0] == "0" || (IsDigits(fields[0]) && ToNumber(fields[0]) == 0)) break;
        result.error = where + ": 每行应有八个整数";
        result.draws.clear();
        return result;
      }
      for (int f = 0; f < 8; ++f) {
        v[f] = ToNumber(fields[f]);
        if (v[f] < 0) {
          result.error = where + ": 不是整数: " + fields[f];
          result.draws.clear();
          return result;
        }
      }
      if (v[0] == 0) break;
      if (fields[0].size() == 5) v[0] = NormaliseDrawNumber(fields[0]);
    }
    std::string why;
    auto d = ValidateDraw(v[0], {v[1], v[2], v[3], v[4], v[5]}, {v[6], v[7]}, &why);
    if (!d) {
      result.error = where + ": " + why;
      result.draws.clear();
      return result;
    }
    result.draws.push_back(*d);
  }
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
