#include "trend/conversion_table.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "chart/tcoordinate.h"
#include "common/text.h"

namespace dlt {

const std::vector<ConversionIndicator>& ConversionIndicators() {
  static const std::vector<ConversionIndicator> entries = {
      {"z_num1", "主号一"},
      {"z_num2", "主号二"},
      {"z_num3", "主号三"},
      {"z_num4", "主号四"},
      {"z_num5", "主号五"},
      {"f_num1", "副号一"},
      {"f_num2", "副号二"},
      {"xc51", "极差"},
      {"z_pd", "偏度"},
      {"z_sd", "散度"},
      {"z_aver", "平均值"},
      {"z_dsgs", "大数个数"},
      {"z_jsgs", "奇数个数"},
      {"z_zsgs", "质数个数"},
      {"z_cmgs", "遗传号个数"},
      {"z_wzgs", "号码组数"},
      {"z_lmzs", "连码组数"},
      {"z_nmzs", "邻码组数"},
      {"z_ac", "AC值"},
      {"z_lwr_lmgs", "冷码个数"},
      {"z_lwr_wmgs", "温码个数"},
      {"z_lwr_rmgs", "热码个数"},
      {"z_3fq_1qgs", "三分区的一区个数"},
      {"z_3fq_2qgs", "三分区的二区个数"},
      {"z_3fq_3qgs", "三分区的三区个数"},
      {"z_c3y0", "除3余0的号码个数"},
      {"z_c3y1", "除3余1的号码个数"},
      {"z_c3y2", "除3余2的号码个数"},
      {"z_c4y0", "除4余0的号码个数"},
      {"z_c4y1", "除4余1的号码个数"},
      {"z_c4y2", "除4余2的号码个数"},
      {"z_c4y3", "除4余3的号码个数"},
      {"z_c5y0", "除5余0的号码个数"},
      {"z_c5y1", "除5余1的号码个数"},
      {"z_c5y2", "除5余2的号码个数"},
      {"z_c5y3", "除5余3的号码个数"},
      {"z_c5y4", "除5余4的号码个数"},
      {"z_zdjj", "最大邻位间距"},
      {"z_zxjj", "最小邻位间距"},
      {"z_jjgs", "邻位间距个数"},
      {"z_hw", "和尾"},
  };
  return entries;
}

std::string ConversionItemText(const ConversionIndicator& entry) {
  std::string text = entry.key;
  text.resize(std::max<size_t>(text.size() + 2, 14), ' ');
  return text + entry.label;
}

// ---------------------------------------------------------------- recency

ValueRecency::ValueRecency(int32_t lo, int32_t hi)
    : lo_(lo), rankOf_(static_cast<size_t>(std::max<int64_t>(int64_t{hi} - lo + 1, 0)), -1) {}

int32_t ValueRecency::Rank(int32_t value) const {
  const int64_t slot = int64_t{value} - lo_;
  if (slot < 0 || slot >= static_cast<int64_t>(rankOf_.size())) {
    // Outside the expected values: found by search.
    const auto it = std::find(order_.begin(), order_.end(), value);
    return static_cast<int32_t>(it - order_.begin());
  }
  const int32_t rank = rankOf_[static_cast<size_t>(slot)];
  return rank < 0 ? Distinct() : rank;
}

void ValueRecency::Add(int32_t value) {
  const int64_t slot = int64_t{value} - lo_;
  const bool tracked = slot >= 0 && slot < static_cast<int64_t>(rankOf_.size());
  int32_t rank = tracked ? rankOf_[static_cast<size_t>(slot)] : Rank(value);
  if (rank == Distinct()) rank = -1;
  const int32_t moved = rank < 0 ? Distinct() : rank;
  if (rank < 0) order_.push_back(value);
  // Everything more recent than the value moves one place down.
  for (int32_t p = moved; p > 0; --p) {
    order_[static_cast<size_t>(p)] = order_[static_cast<size_t>(p - 1)];
    const int64_t s = int64_t{order_[static_cast<size_t>(p)]} - lo_;
    if (s >= 0 && s < static_cast<int64_t>(rankOf_.size())) rankOf_[static_cast<size_t>(s)] = p;
  }
  order_[0] = value;
  if (tracked) rankOf_[static_cast<size_t>(slot)] = 0;
}

// ------------------------------------------------------------------ table

ConversionTable ConversionTable::Build(std::vector<int32_t> values, int conversions) {
  ConversionTable t;
  conversions = std::max(conversions, 0);
  const size_t rows = values.size();
  t.chain_.assign(static_cast<size_t>(conversions) + 1, std::vector<int32_t>(rows, 0));
  t.chain_[0] = std::move(values);
  if (rows == 0) return t;
  // A conversion is at most the number of rows above it.
  const auto [lo, hi] = std::minmax_element(t.chain_[0].begin(), t.chain_[0].end());
  std::vector<ValueRecency> recency;
  recency.reserve(static_cast<size_t>(conversions));
  for (int k = 0; k < conversions; ++k)
    recency.emplace_back(k == 0 ? *lo : 0, k == 0 ? *hi : static_cast<int32_t>(rows));
  for (size_t i = 0; i < rows; ++i)
    for (int k = 0; k < conversions; ++k) {
      const int32_t v = t.chain_[static_cast<size_t>(k)][i];
      t.chain_[static_cast<size_t>(k) + 1][i] = recency[static_cast<size_t>(k)].Rank(v);
      recency[static_cast<size_t>(k)].Add(v);
    }
  return t;
}

std::pair<int32_t, int32_t> ConversionTable::Bounds(int column) const {
  // A table never built has no columns at all.
  if (column < 0 || column >= static_cast<int>(chain_.size())) return {0, 0};
  const auto& c = Column(column);
  if (c.empty()) return {0, 0};
  const auto [lo, hi] = std::minmax_element(c.begin(), c.end());
  return {*lo, *hi};
}

int32_t ConversionTable::LargestCandidate() const {
  return std::max<int32_t>(40, Bounds(0).second);
}

std::vector<ValueRecency> ConversionTable::RecencyAfter(int row, int columns) const {
  std::vector<ValueRecency> recency;
  for (int k = 0; k < columns; ++k) {
    const auto [lo, hi] = Bounds(k);
    recency.emplace_back(lo, hi);
    for (int i = 0; i <= row; ++i) recency.back().Add(At(k, i));
  }
  return recency;
}

std::optional<int32_t> ConversionTable::LeadingValue(int column, int row, int32_t target) const {
  if (column == 0) return target;
  if (Rows() == 0 || column < 0 || column > Conversions() || row < 0 || row >= Rows())
    return std::nullopt;
  const std::vector<ValueRecency> recency = RecencyAfter(row, column);
  for (int32_t x = 0; x <= LargestCandidate(); ++x) {
    int32_t c = x;
    for (int j = 1; j <= column; ++j) c = recency[static_cast<size_t>(j - 1)].Rank(c);
    if (c == target) return x;
  }
  return std::nullopt;
}

std::string ChainColumnHeader(int column, const std::string& label) {
  return column == 0 ? label : "转换" + std::to_string(column);
}

std::vector<std::string> ExportedColumnLines(const ConversionTable& table,
                                             const std::vector<int32_t>& issues,
                                             const std::string& label, int column) {
  std::vector<std::string> lines;
  lines.push_back("期数    " + ChainColumnHeader(column, label));
  for (int i = 0; i < table.Rows() && i < static_cast<int>(issues.size()); ++i)
    lines.push_back(IssueText(issues[static_cast<size_t>(i)]) + "    " +
                    std::to_string(table.At(column, i)));
  return lines;
}

std::optional<std::string> LeadingValuesText(const ConversionTable& table, int column,
                                             const std::string& targets, std::string* error) {
  std::istringstream words(targets);
  std::string word, result;
  std::vector<int32_t> wanted;
  while (words >> word) {
    const std::optional<int32_t> t = IntegerOfText<int32_t>(word);
    if (!t) {
      if (error) *error = "\"" + word + "\"不是整数";
      return std::nullopt;
    }
    wanted.push_back(*t);
  }
  for (int32_t t : wanted)
    if (const auto v = table.LeadingValue(column, table.Rows() - 1, t))
      result += std::to_string(*v) + " ";
  return result;
}

}  // namespace dlt
