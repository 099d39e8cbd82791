#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dlt {

// The user's named formulas, file save/selfzb.txt: one per line, the
// formula, eight spaces, the name.
struct CustomIndicatorEntry {
  std::string formula;
  std::string name;
};

// formula + eight spaces + name, trimmed at both ends.
std::string CustomIndicatorLine(std::string_view formula, std::string_view name);

// Splits at the first space: the formula before it, the rest without its
// leading spaces as the name (a line without a space is all formula).
CustomIndicatorEntry SplitCustomIndicatorLine(std::string_view line);

// The formula check of every formula entry (CheckFormula) on the trimmed
// text; a formula with a space could not be stored anyway, the line is split
// at the first one. nullopt when the formula can be stored.
std::optional<std::string> CheckCustomIndicatorFormula(std::string_view formula);

// Lines of the file, each trimmed, blank lines left out; a missing file
// gives an empty list. nullopt with `error` when the file cannot be read.
std::optional<std::vector<std::string>> LoadCustomIndicatorLines(const std::string& path,
                                                                 std::string* error = nullptr);
// Rewrites the whole file (GBK, CR LF), creating its folder when missing.
bool SaveCustomIndicatorLines(const std::string& path, const std::vector<std::string>& lines,
                              std::string* error = nullptr);

}  // namespace dlt
