#include "history/draw_text_io.h"

#include <algorithm>
#include <random>

#include "common/gbk_text.h"

namespace dlt {

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

ParsedDraws ParseDrawLines(const std::vector<std::string>& lines) {
  return ReadDrawFileLines(lines);
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
