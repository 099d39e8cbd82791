#include "generator/snapshot_ring.h"

namespace dlt {

void SnapshotRing::Push() {
  if (head_ == -1) {
    head_ = 0;
    current_ = 0;
    return;
  }
  current_ = (current_ + 1) % kSlots;
  if (current_ == head_) head_ = (current_ + 1) % kSlots;
  if (count_ < kSlots - 1) ++count_;
}

SnapshotRing SnapshotRing::Pushed() const {
  SnapshotRing next = *this;
  next.Push();
  return next;
}

bool SnapshotRing::StepBack() {
  if (count_ <= 0) return false;
  --count_;
  current_ = current_ == 0 ? kSlots - 1 : current_ - 1;
  return true;
}

}  // namespace dlt
