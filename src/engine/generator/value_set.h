#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dlt {

// The allowed values of a condition (indicator, self condition, tail setting,
// custom indicator): ascending and distinct, at most 2001 of them (what one
// condition file record holds). Empty means "not chosen": an enabled
// condition with an empty set is not applied.
class ValueSet {
 public:
  static constexpr int kCapacity = 2001;

  ValueSet() = default;

  // Sorts and drops duplicates. Refuses more than 2001 distinct values with
  // a message.
  static std::optional<ValueSet> From(std::vector<int32_t> values, std::string* error = nullptr);
  // from..to inclusive (empty when from > to); refused beyond 2001 values.
  static std::optional<ValueSet> Range(int32_t from, int32_t to, std::string* error = nullptr);

  const std::vector<int32_t>& Values() const { return values_; }
  bool Empty() const { return values_.empty(); }
  int Size() const { return static_cast<int>(values_.size()); }
  bool Contains(int32_t value) const;              // binary search
  int32_t Min() const { return values_.front(); }  // only when not empty
  int32_t Max() const { return values_.back(); }

  bool operator==(const ValueSet&) const = default;

 private:
  std::vector<int32_t> values_;
};

}  // namespace dlt
