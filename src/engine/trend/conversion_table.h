#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dlt {

// The conversion method ("转换法"): an indicator's series turned into a
// derived series, that one into the next, and so on. Conversion k at a row
// is how many distinct values chain column k - 1 took since its current
// value last occurred there (all rows above when it never did; 0 on the
// first row). Column 0 is the indicator itself.
constexpr int kConversionCount = 200;

// The indicators the conversion pages offer ("要杀号指标：", "被转换指标："):
// 41 keys with their labels, "z_num1" (主号一) first.
struct ConversionIndicator {
  const char* key;
  const char* label;
};
const std::vector<ConversionIndicator>& ConversionIndicators();
// The box item of an entry: the key, blanks, the label.
std::string ConversionItemText(const ConversionIndicator& entry);

// How recently each value of a series occurred, most recent first, after
// the rows seen so far. The rank of a value is the number of distinct
// values met since its last occurrence (the count of distinct values met
// when it never occurred): exactly the next conversion of that value. The
// lookup is sized to the values of the column in use, whatever they are.
class ValueRecency {
 public:
  ValueRecency() = default;
  // Values expected in lo..hi; others count as never met.
  ValueRecency(int32_t lo, int32_t hi);
  int32_t Rank(int32_t value) const;
  void Add(int32_t value);
  int32_t Distinct() const { return static_cast<int32_t>(order_.size()); }

 private:
  int32_t lo_ = 0;
  std::vector<int32_t> order_;   // most recent first
  std::vector<int32_t> rankOf_;  // by value - lo; -1 when not met
};

// Chain columns 0..conversions over one series (rows in issue order).
class ConversionTable {
 public:
  ConversionTable() = default;
  static ConversionTable Build(std::vector<int32_t> values, int conversions = kConversionCount);

  int Rows() const { return chain_.empty() ? 0 : static_cast<int>(chain_[0].size()); }
  int Conversions() const { return static_cast<int>(chain_.size()) - 1; }
  int32_t At(int column, int row) const {
    return chain_[static_cast<size_t>(column)][static_cast<size_t>(row)];
  }
  const std::vector<int32_t>& Column(int column) const {
    return chain_[static_cast<size_t>(column)];
  }
  // The smallest and largest value of a column (0, 0 without rows).
  std::pair<int32_t, int32_t> Bounds(int column) const;

  // The candidates of a leading value: 0..40, or up to the indicator's
  // largest value when it goes beyond 40.
  int32_t LargestCandidate() const;
  // The recency of columns 0..columns - 1 after the rows 0..row.
  std::vector<ValueRecency> RecencyAfter(int row, int columns) const;
  // The leading value of (column, row, target): the smallest candidate x
  // such that a next draw with the indicator value x would get `target` as
  // its conversion `column`. Column 0 gives the target itself. nullopt when
  // no candidate does, or without rows.
  std::optional<int32_t> LeadingValue(int column, int row, int32_t target) const;

 private:
  std::vector<std::vector<int32_t>> chain_;
};

// The header of chain column k in the tables: the indicator's label for 0,
// "转换" + k after it.
std::string ChainColumnHeader(int column, const std::string& label);

// "导出指定列": the header row and then every row, each as column 0 ("期数",
// then the issue of the row), four blanks and the chosen chain column.
std::vector<std::string> ExportedColumnLines(const ConversionTable& table,
                                             const std::vector<int32_t>& issues,
                                             const std::string& label, int column);

// "计算对应值": the leading values of the typed targets (whole numbers split
// at blanks) for a column at the last row, each followed by a blank; targets
// without one are left out. A target that is not a whole number: the message
// "\"x\"不是整数".
std::optional<std::string> LeadingValuesText(const ConversionTable& table, int column,
                                             const std::string& targets,
                                             std::string* error = nullptr);

}  // namespace dlt
