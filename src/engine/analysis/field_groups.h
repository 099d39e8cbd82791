#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dlt {

// "田野走势图": ten charts, each dividing the values into 2..10 groups given
// as texts of two-digit values ("01 02 03"). The texts of all ten charts
// for one group count live in database/tyzsd<count>.txt: ten blocks of one
// line per group.
constexpr int kFieldCharts = 10;
constexpr int kMinFieldGroups = 2, kMaxFieldGroups = 10, kDefaultFieldGroups = 4;
using FieldGroups = std::array<std::vector<std::string>, kFieldCharts>;

// The file of a group count under the data folder path `folder`.
std::string FieldGroupsPath(const std::string& folder, int groupCount);

// Reads the texts; a missing file is created first with group j of every
// chart holding the two-digit j. Lines missing from a short file are empty.
// nullopt with a message when the file cannot be read or written.
std::optional<FieldGroups> LoadFieldGroups(const std::string& path, int groupCount,
                                           std::string* error = nullptr);
bool SaveFieldGroups(const std::string& path, const FieldGroups& groups,
                     std::string* error = nullptr);

// The first group whose text holds the value written with two digits (0-based;
// -1 when none does).
int FieldGroupOf(const std::vector<std::string>& groups, int32_t value);

}  // namespace dlt
