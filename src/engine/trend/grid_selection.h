#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/draw.h"

namespace dlt {

// What the user marks on the selection rows of the omission grids: a flag
// per value 1..40 of the front grid's row (the front numbers, and the back
// numbers where that grid shows them), and a colour mark 0..3 per tail 0..9
// of the tail grid's row. The marks outlive refills of the grids.
class GridSelection {
 public:
  static constexpr int kMaxValue = 40;
  static constexpr int kTailCount = 10;
  // No mark and the three colours; a click moves a tail to the next.
  static constexpr int kTailMarkKinds = 4;

  // Values outside 1..kMaxValue are never marked and ignored when toggled.
  bool IsMarked(int value) const;
  void Toggle(int value);
  void ClearValues();

  // 0 unmarked, 1..3 the colour; tails outside 0..9 read 0 and are ignored.
  int TailMark(int tail) const;
  void CycleTail(int tail);
  void ClearTails();

  // The marked front numbers 1..35, ascending.
  std::vector<int> MarkedFront() const;

 private:
  std::array<bool, kMaxValue + 1> values_{};
  std::array<uint8_t, kTailCount> tails_{};
};

// "将选号导入到预测区": the forecast draw of exactly five marked front numbers,
// with 01 02 standing in for the back numbers; nullopt for any other count.
std::optional<Draw> ForecastOfSelection(const GridSelection& selection);

}  // namespace dlt
