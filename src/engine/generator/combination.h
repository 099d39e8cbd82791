#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace dlt {

// Five distinct front numbers, ascending.
using Combo = std::array<uint8_t, 5>;

constexpr int kAllCombos = 324632;  // C(35, 5)

// A dense index 0..324631 of a combination (combinatorial number system).
int ComboRank(const Combo& c);

// The front combinations built from a pool around bankers, in the order
// the generator lists them: the largest pool numbers are taken first and
// inclusion is tried before exclusion, so the full pool begins
// 31 32 33 34 35, 30 32 33 34 35, ..., 1 32 33 34 35, 30 31 33 34 35.
// A banker outside the pool is part of every combination; bankers inside
// the pool are not chosen twice. `pool` ascending, up to 35 numbers.
std::vector<Combo> EnumerateCombos(const std::vector<int>& pool, const std::vector<int>& bankers);

// Back pairs the same way (2 numbers of 1..12).
std::vector<std::array<uint8_t, 2>> EnumeratePairs(const std::vector<int>& pool,
                                                   const std::vector<int>& bankers);

// 去除等间距组合: the four gaps are all equal.
bool HasEqualGaps(const Combo& c);
// 去除特殊连号: all five consecutive, a run of four, or a pair and a run of
// three covering all five.
bool IsSpecialRun(const Combo& c);

// The front numbers of past draws as an exact set (a bit per combination).
class HistoryComboSet {
 public:
  void Clear() { bits_.assign(bits_.size(), 0); }
  void Add(const Combo& c);
  bool Contains(const Combo& c) const;

 private:
  std::vector<uint64_t> bits_ = std::vector<uint64_t>((kAllCombos + 63) / 64, 0);
};

}  // namespace dlt
