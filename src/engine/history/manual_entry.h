#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/draw.h"

namespace dlt {

// The hand entry of the data-update window: a draw number and the masked
// texts "03-05-12-18-22" and "05-11". Returns the draw, or nullopt with the
// message to show ("期数必须是七位比如2009001", "请输入副号", ...). The numbers
// are checked as any draw entering the history.
std::optional<Draw> ParseManualEntry(std::string_view qsText, std::string_view frontText,
                                     std::string_view backText, std::string* message);

// The board of the graphical entry: 40 cells, seven result slots filled in
// two phases. While fewer than five front numbers are chosen a click on a
// cell of 35 or less marks a front number; then a click on a cell of 12 or
// less marks a back number. Each zone's slots show its marked numbers
// ascending. A number already marked as a front number can still be chosen
// as a back number, so every valid draw can be entered.
class DrawEntryBoard {
 public:
  static constexpr int kCells = 40;
  static constexpr int kSlots = 7;

  void Reset();
  // Returns true when the click marked a number.
  bool Click(int number);

  // 1-based slot the next number goes into; 8 when all seven are filled.
  int NextSlot() const { return nextSlot_; }
  bool FrontPhase() const { return nextSlot_ < 6; }
  bool Complete() const { return nextSlot_ > kSlots; }
  // Slot contents, 0 when empty.
  const std::array<int, kSlots>& Slots() const { return slots_; }
  bool MarkedFront(int number) const;
  bool MarkedBack(int number) const;
  bool Marked(int number) const { return MarkedFront(number) || MarkedBack(number); }

  // The draw of the filled board with the typed number; nullopt with the
  // message when the number is not seven characters, a slot is empty or
  // the draw is not valid.
  std::optional<Draw> ToDraw(std::string_view qsText, std::string* message) const;

 private:
  void Refill();

  std::array<bool, kCells + 1> front_{};
  std::array<bool, kCells + 1> back_{};
  std::array<int, kSlots> slots_{};
  int nextSlot_ = 1;
};

}  // namespace dlt
