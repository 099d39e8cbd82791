#include "analysis/field_groups.h"

#include <filesystem>
#include <system_error>

#include "common/gbk_text.h"
#include "common/numbers.h"

namespace dlt {

std::string FieldGroupsPath(const std::string& folder, int groupCount) {
  return folder + "/database/tyzsd" + std::to_string(groupCount) + ".txt";
}

std::optional<FieldGroups> LoadFieldGroups(const std::string& path, int groupCount,
                                           std::string* error) {
  FieldGroups groups;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    for (auto& chart : groups)
      for (int j = 1; j <= groupCount; ++j) chart.push_back(TwoDigit(j));
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (!SaveFieldGroups(path, groups, error)) return std::nullopt;
    return groups;
  }
  auto lines = ReadTextLines(path, error);
  if (!lines) return std::nullopt;
  size_t next = 0;
  for (auto& chart : groups)
    for (int j = 0; j < groupCount; ++j, ++next)
      chart.push_back(next < lines->size() ? (*lines)[next] : std::string());
  return groups;
}

bool SaveFieldGroups(const std::string& path, const FieldGroups& groups, std::string* error) {
  std::vector<std::string> lines;
  for (const auto& chart : groups) lines.insert(lines.end(), chart.begin(), chart.end());
  return WriteGbkLines(path, lines, error);
}

int FieldGroupOf(const std::vector<std::string>& groups, int32_t value) {
  const std::string text = TwoDigit(value);
  for (size_t j = 0; j < groups.size(); ++j)
    if (groups[j].find(text) != std::string::npos) return static_cast<int>(j);
  return -1;
}

}  // namespace dlt
