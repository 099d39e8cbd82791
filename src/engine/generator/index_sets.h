#pragma once

#include <array>
#include <cstdint>

namespace dlt {

// C(n, k); 0 when k < 0 or n < k.
constexpr int64_t Binomial(int n, int k) {
  if (k < 0 || n < k) return 0;
  int64_t r = 1;
  for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
  return r;
}

// The r-subsets (r <= 5) of 0..q-1 in lexicographic order, entered at any
// rank, so every stretch of the order can be walked on its own.
class IndexSets {
 public:
  IndexSets(int q, int r, int64_t rank) : q_(q), r_(r) {
    int next = 0;
    for (int m = 0; m < r_; ++m) {
      // The smallest first member whose block of later sets holds `rank`.
      for (;; ++next) {
        const int64_t block = Binomial(q_ - next - 1, r_ - m - 1);
        if (rank < block) break;
        rank -= block;
      }
      j_[m] = next++;
    }
  }
  const std::array<int, 5>& Indices() const { return j_; }
  // Past the next n sets that differ only in their last member (n at most
  // q - last member).
  void SkipLast(int64_t n) {
    j_[r_ - 1] += static_cast<int>(n) - 1;
    Next();
  }
  void Next() {
    int m = r_ - 1;
    while (m >= 0 && j_[m] == q_ - r_ + m) --m;
    if (m < 0) return;
    ++j_[m];
    for (int k = m + 1; k < r_; ++k) j_[k] = j_[k - 1] + 1;
  }

 private:
  int q_, r_;
  std::array<int, 5> j_{};
};

}  // namespace dlt
