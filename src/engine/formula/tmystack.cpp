#include "formula/tmystack.h"

namespace dlt {

bool tmystack::Push(int32_t v) {
  if (top_ + 1 >= kSlots) return false;
  slots_[++top_] = v;
  return true;
}

int32_t tmystack::Pop() {
  if (top_ < 0) return 0;
  return slots_[top_--];
}

}  // namespace dlt
