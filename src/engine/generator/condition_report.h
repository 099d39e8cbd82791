#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/condition_check.h"
#include "generator/condition_set.h"

namespace dlt {

// Which lines of the check report ("条件对错") are written.
enum class CheckMode {
  kAll = 1,    // 全部显示
  kRight = 2,  // 只显示对: only the "正确 " lines
  kWrong = 3,  // 只显示错: only the "错误 " lines
};

// "all", "right", "wrong"; nullopt for anything else.
std::optional<CheckMode> CheckModeByName(std::string_view name);

// The report file, relative to the data folder.
inline constexpr std::string_view kConditionReportFile = "database/showcond.txt";

// The list report ("显示条件"): the front condition set as readable lines
// (UTF-8, without line ends). Headers and blank lines included.
std::vector<std::string> ConditionListReport(const ConditionSet& set);

// The check report ("条件对错"): the same lines with every condition line
// prefixed "正确 " or "错误 " by whether `draw` satisfies it, filtered by
// `mode`. Headers, blank lines, "不允许和历史数据相同" and the total tolerance
// lines carry no prefix and are always written.
std::vector<std::string> ConditionCheckReport(const ConditionSet& set, const PastDrawCheck& draw,
                                              CheckMode mode);

// Writes the lines to `path` in GBK, each ended by CR LF (the file is
// rewritten whole). False with a message when it cannot be written.
bool WriteConditionReport(const std::string& path, const std::vector<std::string>& lines,
                          std::string* error = nullptr);

}  // namespace dlt
