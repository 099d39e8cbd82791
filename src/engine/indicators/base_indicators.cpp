#include "indicators/base_indicators.h"

#include <array>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace dlt {
namespace {

using BaseTable = std::array<BaseRow, kBaseIndicatorCount>;

// The groups concatenated in catalogue order; a row out of place would make
// BaseIndicatorRow() answer for the wrong key, so it stops the program early.
BaseTable BuildTable() {
  BaseTable table{};
  size_t i = 0;
  for (auto group : {FrontBaseRows(), LineBaseRows(), BackBaseRows()}) {
    for (const BaseRow& row : group) {
      if (i >= table.size() || static_cast<size_t>(row.id) != i)
        throw std::logic_error("base indicator table out of order at " + std::string(row.key));
      table[i++] = row;
    }
  }
  if (i != table.size()) throw std::logic_error("base indicator table incomplete");
  return table;
}

const BaseTable& Table() {
  static const BaseTable table = BuildTable();
  return table;
}

}  // namespace

std::span<const BaseRow> BaseIndicators() {
  return Table();
}

std::optional<BaseId> FindBaseIndicator(std::string_view key) {
  static const auto byKey = [] {
    std::unordered_map<std::string_view, BaseId> m;
    for (const BaseRow& row : Table()) m.emplace(row.key, row.id);
    return m;
  }();
  const auto it = byKey.find(key);
  if (it == byKey.end()) return std::nullopt;
  return it->second;
}

}  // namespace dlt
