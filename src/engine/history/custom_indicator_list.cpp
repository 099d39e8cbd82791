#include "history/custom_indicator_list.h"

#include <filesystem>
#include <system_error>

#include "common/gbk_text.h"
#include "common/text.h"
#include "formula/formula_check.h"

namespace dlt {

std::string CustomIndicatorLine(std::string_view formula, std::string_view name) {
  std::string line(Trim(formula));
  line += "        ";
  line += Trim(name);
  return std::string(Trim(line));
}

CustomIndicatorEntry SplitCustomIndicatorLine(std::string_view line) {
  line = Trim(line);
  const size_t space = line.find(' ');
  if (space == std::string_view::npos) return {std::string(line), {}};
  return {std::string(line.substr(0, space)), std::string(Trim(line.substr(space + 1)))};
}

std::optional<std::string> CheckCustomIndicatorFormula(std::string_view formula) {
  return CheckFormula(Trim(formula));
}

std::optional<std::vector<std::string>> LoadCustomIndicatorLines(const std::string& path,
                                                                 std::string* error) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return std::vector<std::string>{};
  auto raw = ReadTextLines(path, error);
  if (!raw) return std::nullopt;
  std::vector<std::string> lines;
  for (const auto& l : *raw) {
    const std::string_view t = Trim(l);
    if (!t.empty()) lines.emplace_back(t);
  }
  return lines;
}

bool SaveCustomIndicatorLines(const std::string& path, const std::vector<std::string>& lines,
                              std::string* error) {
  std::error_code ec;
  const auto dir = std::filesystem::path(path).parent_path();
  if (!dir.empty()) std::filesystem::create_directories(dir, ec);
  return WriteGbkLines(path, lines, error);
}

}  // namespace dlt
