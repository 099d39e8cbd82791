#pragma once

#include <vector>

#include "common/draw.h"

namespace dlt {

class DrawTable;

// The newest draws (at most 3000, stopping at the first reserved number)
// packed for fast walks, plus one free slot after them for a candidate.
class MemoryHistory {
 public:
  static constexpr int kMaxDraws = 3000;

  // Loads from the table: from record (count - 2999) when there are more
  // than 3000 records, else from the first, until the end or the first qs
  // above 9999997. The table cursor is left where it was.
  void LoadFrom(const DrawTable& table);
  void Assign(std::vector<Draw> draws);  // tests and tools

  int Count() const { return count_; }  // N
  // 0-based storage: draws 0..N-1, the candidate slot at index N.
  const Draw* Data() const { return slots_.data(); }
  const Draw& At(int index0) const { return slots_.at(index0); }
  Draw& CandidateSlot() { return slots_[count_]; }
  const std::vector<Draw>& Slots() const { return slots_; }

 private:
  std::vector<Draw> slots_ = std::vector<Draw>(1);
  int count_ = 0;
};

}  // namespace dlt
