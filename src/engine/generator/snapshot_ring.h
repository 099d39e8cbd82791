#pragma once

#include <cstdint>

namespace dlt {

// The ring of the condition sets of the last filter runs (`tjlq`): five
// slots, the files "hfset0.zh" .. "hfset4.zh". Every Filter and Continue
// filtering pushes and saves the set in force into slot `current`;
// "恢复上一次过滤条件" steps back and loads slot `current` again. At most
// four earlier sets can be stepped back to: after six runs the steps load
// the sets of runs 5, 4, 3 and 2, and the fifth finds nothing.
class SnapshotRing {
 public:
  static constexpr int kSlots = 5;

  int32_t Head() const { return head_; }  // -1 before the first push
  int32_t Current() const {
    return current_;
  }                                         // slot of the newest snapshot, -1 before the first push
  int32_t Count() const { return count_; }  // snapshots that can be stepped back to

  // The first push takes slot 0 and leaves the count at 0 (there is nothing
  // before it); later pushes advance `current` around the ring, move the
  // head on when it is caught up with, and count up to 4.
  void Push();
  // This ring after a Push, leaving this one as it is: the caller writes the
  // snapshot file first and keeps the new ring only when the file is written.
  SnapshotRing Pushed() const;

  bool CanStepBack() const { return count_ > 0; }
  // count - 1 and current - 1 (0 becomes 4). With nothing to step back to
  // it returns false and changes nothing.
  bool StepBack();

  bool operator==(const SnapshotRing&) const = default;

 private:
  int32_t head_ = -1;
  int32_t current_ = -1;
  int32_t count_ = 0;
};

}  // namespace dlt
