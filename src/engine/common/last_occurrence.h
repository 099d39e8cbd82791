#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace dlt {

// Where each value of a series last occurred, built once and looked up per
// value: a dense table over the values' span while it stays small, a sorted
// list of (value, last position) beyond, so a wide series costs its length
// rather than its span.
class LastOccurrence {
 public:
  static constexpr int64_t kMaxDenseSpan = int64_t{1} << 20;

  // values[i] is the value at position first + i, in position order.
  void Build(std::span<const int32_t> values, int32_t first = 0);
  // v occurs at `position`, later than every position so far: a series
  // moving forward one value at a time.
  void Set(int32_t v, int32_t position);

  // The last position holding v, -1 when none does.
  int32_t Find(int32_t v) const { return sparse_.empty() ? FindDense(v) : FindSparse(v); }
  // Whether FindDense answers for every value (the inner loops' lookup).
  bool Dense() const { return sparse_.empty(); }
  int32_t FindDense(int32_t v) const {
    // Values below lo_ wrap to large offsets, so one comparison bounds both ends.
    const uint64_t off = static_cast<uint64_t>(int64_t{v} - lo_);
    return off < dense_.size() ? dense_[off] : -1;
  }

 private:
  int32_t FindSparse(int32_t v) const;

  int32_t lo_ = 0;
  std::vector<int32_t> dense_;                       // value - lo_ -> position, -1 none
  std::vector<std::pair<int32_t, int32_t>> sparse_;  // (value, position), by value
};

}  // namespace dlt
