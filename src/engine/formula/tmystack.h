#pragma once

#include <array>
#include <cstdint>

namespace dlt {

// The bracket stack of the formula scan: 11 slots of 32-bit values. Every
// open bracket pushes the accumulator and the pending operator's code, so
// at most five brackets can be open at once.
class tmystack {
 public:
  static constexpr int kSlots = 11;

  void Clear() { top_ = -1; }
  int Count() const { return top_ + 1; }
  // False, storing nothing, when the stack is full.
  bool Push(int32_t v);
  // The top value; 0 when the stack is empty.
  int32_t Pop();

 private:
  std::array<int32_t, kSlots> slots_{};
  int top_ = -1;
};

}  // namespace dlt
