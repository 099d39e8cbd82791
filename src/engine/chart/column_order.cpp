#include "chart/column_order.h"

#include <algorithm>

#include "common/numbers.h"

namespace dlt {

const std::vector<std::string>& ColumnOrderTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t = {"常规顺序", "按质合", "按奇偶"};
    for (int k = 3; k <= 20; ++k) t.push_back("按除" + std::to_string(k) + "余数");
    return t;
  }();
  return texts;
}

ColumnOrder OrderColumns(int lo, int hi, int k) {
  ColumnOrder order;
  if (hi < lo) return order;
  auto addGroup = [&](auto pred) {
    for (int v = lo; v <= hi; ++v)
      if (pred(v)) order.values.push_back(v);
    order.bounds.push_back(static_cast<int>(order.values.size()));
  };
  if (k == 1) {
    addGroup([](int v) { return IsPrime(v); });
    addGroup([](int v) { return !IsPrime(v); });
  } else if (k >= 2) {
    for (int r = 0; r < k; ++r) addGroup([k, r](int v) { return ((v % k) + k) % k == r; });
  } else {
    addGroup([](int) { return true; });
  }
  return order;
}

std::vector<int> PartitionBounds(int n, int p) {
  std::vector<int> bounds;
  if (n <= 0) return bounds;
  if (p <= 0) p = 1;
  const int base = n / p, r = n % p;
  int sum = 0;
  for (int i = 0; i < p; ++i) {
    sum += base + (i >= p - r ? 1 : 0);
    bounds.push_back(sum);
  }
  return bounds;
}

int GroupOfPosition(const std::vector<int>& bounds, int position) {
  const auto it = std::upper_bound(bounds.begin(), bounds.end(), position);
  return static_cast<int>(it - bounds.begin());
}

const std::vector<std::string>& TypeFilterTexts() {
  static const std::vector<std::string> texts = {"显示全部",   "显示奇数号", "显示偶数号",
                                                 "显示质数号", "显示合数号", "显示0路号",
                                                 "显示1路号",  "显示2路号"};
  return texts;
}

bool PassesTypeFilter(int index, int value) {
  switch (index) {
    case 1:
      return value % 2 == 1;
    case 2:
      return value % 2 == 0;
    case 3:
      return IsPrime(value);
    case 4:
      return !IsPrime(value);
    case 5:
    case 6:
    case 7:
      return value % 3 == index - 5;
    default:
      return true;
  }
}

}  // namespace dlt
