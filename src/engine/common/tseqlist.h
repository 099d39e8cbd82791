#pragma once

#include <array>
#include <cstdint>

namespace dlt {

// Fixed-capacity list of 32-bit integers, 1-based, used for value sets,
// number lists and coefficients. Reading past the count gives -1.
class tseqlist {
 public:
  static constexpr int kCapacity = 2001;

  int Count() const { return count_; }
  // Returns false (and leaves the list unchanged) when the list is full.
  bool Add(int32_t value);
  // 1-based; -1 for an index outside 1..Count().
  int32_t Get(int index) const;
  bool Set(int index, int32_t value);
  void Clear() { count_ = 0; }
  bool Contains(int32_t value) const;
  int IndexOf(int32_t value) const;  // 1-based, 0 when absent

 private:
  std::array<int32_t, kCapacity> items_{};
  int count_ = 0;
};

}  // namespace dlt
