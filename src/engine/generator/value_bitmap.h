#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "generator/value_set.h"

namespace dlt {

// A value set as a bitmap over its own min..max, for membership tests in
// the judgement's inner loop. Sets spanning up to 256 values keep their
// bits in place (no pointer to follow); very wide sets (a few far-apart
// values) keep a sorted list instead of a huge bitmap.
class ValueBitmap {
 public:
  static constexpr int64_t kMaxSpan = int64_t{1} << 20;
  static constexpr uint64_t kInlineSpan = 256;

  ValueBitmap() = default;
  explicit ValueBitmap(const ValueSet& set) {
    const std::vector<int32_t>& v = set.Values();
    if (v.empty()) return;
    lo_ = v.front();
    const int64_t span = int64_t{v.back()} - v.front() + 1;
    if (span > kMaxSpan) {
      sparse_ = v;
      return;
    }
    span_ = static_cast<uint64_t>(span);
    if (span_ > kInlineSpan) bits_.assign((span_ + 63) / 64, 0);
    uint64_t* bits = span_ > kInlineSpan ? bits_.data() : inline_;
    for (int32_t x : v) {
      const uint64_t off = static_cast<uint64_t>(int64_t{x} - lo_);
      bits[off >> 6] |= uint64_t{1} << (off & 63);
    }
  }

  // Whether every integer of lo..hi is in the set.
  bool Covers(int64_t lo, int64_t hi) const {
    if (lo > hi) return true;
    if (hi - lo > kMaxSpan) return false;
    for (int64_t x = lo; x <= hi; ++x)
      if (x < INT32_MIN || x > INT32_MAX || !Contains(static_cast<int32_t>(x))) return false;
    return true;
  }

  bool Contains(int32_t x) const {
    const uint64_t off = static_cast<uint64_t>(int64_t{x} - lo_);
    if (off < span_) {
      const uint64_t word = span_ <= kInlineSpan ? inline_[off >> 6] : bits_[off >> 6];
      return (word >> (off & 63)) & 1;
    }
    return !sparse_.empty() && std::binary_search(sparse_.begin(), sparse_.end(), x);
  }

 private:
  int64_t lo_ = 0;
  uint64_t span_ = 0;
  uint64_t inline_[kInlineSpan / 64] = {};
  std::vector<uint64_t> bits_;
  std::vector<int32_t> sparse_;
};

// Allowed small counts (0..63) as one mask: hit counts of self conditions
// and tail settings lie in 0..5, so larger values can never match.
inline uint64_t SmallValueMask(const ValueSet& set) {
  uint64_t mask = 0;
  for (int32_t x : set.Values())
    if (x >= 0 && x < 64) mask |= uint64_t{1} << x;
  return mask;
}

}  // namespace dlt
