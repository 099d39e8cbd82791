#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace dlt {

// One value of a distribution and how many equally likely draws give it.
struct ValueCount {
  int32_t value = 0;
  int64_t count = 0;
  bool operator==(const ValueCount&) const = default;
};

// How the equally likely next draws (the 324,632 front combinations or the
// 66 back pairs) spread over the values of a key or formula.
struct ValueDistribution {
  std::vector<ValueCount> counts;  // ascending by value, each given at least once
  int64_t failed = 0;              // draws at which the formula cannot be computed
  int64_t total = 0;               // every draw: the counts and `failed` add up to it

  // count / total; 0 for a value no draw gives.
  double Probability(int32_t value) const {
    const auto it = std::lower_bound(counts.begin(), counts.end(), value,
                                     [](const ValueCount& c, int32_t v) { return c.value < v; });
    if (it == counts.end() || it->value != value || total <= 0) return 0;
    return static_cast<double>(it->count) / static_cast<double>(total);
  }
  bool operator==(const ValueDistribution&) const = default;
};

}  // namespace dlt
