#include "common/tseqlist.h"

namespace dlt {

bool tseqlist::Add(int32_t value) {
  if (count_ >= kCapacity) return false;
  items_[count_++] = value;
  return true;
}

int32_t tseqlist::Get(int index) const {
  if (index < 1 || index > count_) return -1;
  return items_[index - 1];
}

bool tseqlist::Set(int index, int32_t value) {
  if (index < 1 || index > count_) return false;
  items_[index - 1] = value;
  return true;
}

bool tseqlist::Contains(int32_t value) const { return IndexOf(value) != 0; }

int tseqlist::IndexOf(int32_t value) const {
  for (int i = 0; i < count_; ++i)
    if (items_[i] == value) return i + 1;
  return 0;
}

}  // namespace dlt
