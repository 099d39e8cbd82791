#include "trend/mosaic.h"

#include "common/gbk_text.h"
#include "common/numbers.h"
#include "common/text.h"
#include "indicators/indicator.h"
#include "trend/indicator_chart.h"

namespace dlt {
namespace {}  // namespace

MosaicEntry ParseMosaicLine(const std::string& line) {
  MosaicEntry e;
  if (!line.empty() && line.front() == ' ') {
    e.separator = true;
    e.header = Trim(line);
    return e;
  }
  const std::string text(Trim(line));
  const size_t blank = text.find(' ');
  if (blank == std::string::npos) {
    e.key = e.header = text;
  } else {
    e.key = text.substr(0, blank);
    e.header = text.substr(blank + 1);
  }
  return e;
}

std::optional<std::vector<std::string>> LoadMosaicFile(const std::string& path,
                                                       std::string* error) {
  auto lines = ReadTextLines(path, error);
  if (lines && lines->size() > kMosaicMaxEntries) {
    if (error) *error = kMosaicTooLong;
    return std::nullopt;
  }
  return lines;
}

bool SaveMosaicFile(const std::string& path, const std::vector<std::string>& lines,
                    std::string* error) {
  if (lines.size() > kMosaicMaxEntries) {
    if (error) *error = kMosaicTooLong;
    return false;
  }
  return WriteGbkLines(path, lines, error);
}

std::string MosaicFileName(const std::string& chosen) {
  return chosen.find(".zbz") == std::string::npos ? chosen + ".zbz" : chosen;
}

std::vector<MosaicRow> MosaicTable(std::span<const Draw> draws, const EvalEnv* env,
                                   const std::vector<MosaicEntry>& entries, int first, int rows) {
  std::vector<MosaicRow> table;
  if (first < 0) return table;
  std::vector<IndicatorPtr> indicators;
  for (const MosaicEntry& e : entries)
    indicators.push_back(e.separator ? nullptr : ResolveIndicator(e.key).indicator);
  TrendPage page;
  page.draws = draws;
  page.env = env;
  const int count = static_cast<int>(draws.size());
  for (int i = first; i < count && i - first < rows; ++i) {
    const EvalContext ctx = PageContext(page, i);
    MosaicRow row;
    row.qs = draws[i].qs;
    for (auto n : draws[i].front) row.numbers += TwoDigit(n) + " ";
    row.numbers += "|";
    for (auto n : draws[i].back) row.numbers += TwoDigit(n) + " ";
    for (size_t c = 0; c < entries.size(); ++c) {
      if (entries[c].separator)
        row.cells.emplace_back();
      else
        row.cells.push_back(std::to_string(indicators[c] ? indicators[c]->Value(ctx) : kNoValue));
    }
    table.push_back(std::move(row));
  }
  return table;
}

}  // namespace dlt
