#pragma once

#include <string>
#include <vector>

namespace dlt {

// The order of a grid's value columns ("按类型排序") and the cumulative sizes
// of its groups, which colour the column backgrounds.
struct ColumnOrder {
  std::vector<int> values;  // the value of column 1, 2, ...
  std::vector<int> bounds;  // cumulative group sizes, last = values.size()
  bool operator==(const ColumnOrder&) const = default;
};

// The 21 entries of the order box: "常规顺序", "按质合", "按奇偶", "按除3余数"
// .. "按除20余数".
const std::vector<std::string>& ColumnOrderTexts();

// Order k over lo..hi: 0 ascending in one group; 1 the values that pass the
// prime test (1 counts as prime, 0 does not) then the others; 2..20 groups by
// v mod k, remainder 0 first. Each group ascending.
ColumnOrder OrderColumns(int lo, int hi, int k);

// n positions in p partitions ("分区"): the first p - r hold n / p, the last
// r = n mod p one more (35 in 3: 11, 12, 12). Cumulative sizes.
std::vector<int> PartitionBounds(int n, int p);

// The 0-based group of a 0-based column position among cumulative bounds.
int GroupOfPosition(const std::vector<int>& bounds, int position);

// "按类型显示": which values a grid draws. The texts of the eight filters and
// whether a value passes filter `index` (0 shows everything).
const std::vector<std::string>& TypeFilterTexts();
bool PassesTypeFilter(int index, int value);

}  // namespace dlt
