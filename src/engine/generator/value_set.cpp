#include "generator/value_set.h"

#include <algorithm>

namespace dlt {
namespace {

std::string TooManyValues() {
  return "取值个数不能超过" + std::to_string(ValueSet::kCapacity) + "个";
}

}  // namespace

std::optional<ValueSet> ValueSet::From(std::vector<int32_t> values, std::string* error) {
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  if (values.size() > static_cast<size_t>(kCapacity)) {
    if (error) *error = TooManyValues();
    return std::nullopt;
  }
  ValueSet set;
  set.values_ = std::move(values);
  return set;
}

std::optional<ValueSet> ValueSet::Range(int32_t from, int32_t to, std::string* error) {
  ValueSet set;
  if (from > to) return set;
  if (static_cast<int64_t>(to) - from + 1 > kCapacity) {
    if (error) *error = TooManyValues();
    return std::nullopt;
  }
  for (int64_t v = from; v <= to; ++v) set.values_.push_back(static_cast<int32_t>(v));
  return set;
}

bool ValueSet::Contains(int32_t value) const {
  return std::binary_search(values_.begin(), values_.end(), value);
}

}  // namespace dlt
