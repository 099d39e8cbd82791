#pragma once

#include <string>
#include <utility>
#include <vector>

namespace dlt {

// A list of records numbered from 1 with a fixed capacity, the common part
// of the front, back and two-zone lists. Growing beyond the capacity is
// refused with `fullMessage`, and a refused change leaves the list as it was.
template <typename T>
class RecordList {
 public:
  RecordList(int capacity, std::string fullMessage)
      : capacity_(capacity), fullMessage_(std::move(fullMessage)) {}

  int Count() const { return static_cast<int>(items_.size()); }
  int Capacity() const { return capacity_; }
  bool Empty() const { return items_.empty(); }
  bool Valid(int n) const { return n >= 1 && n <= Count(); }
  // Record n, 1-based; n must be valid.
  const T& At(int n) const { return items_.at(static_cast<size_t>(n - 1)); }
  T& MutableAt(int n) { return items_.at(static_cast<size_t>(n - 1)); }
  const std::vector<T>& Items() const { return items_; }
  // For the engine's in-place passes (continue filtering, sorting); the
  // caller keeps the size within the capacity.
  std::vector<T>& MutableItems() { return items_; }
  const std::string& FullMessage() const { return fullMessage_; }

  void Clear() { items_.clear(); }

  bool Append(const T& item, std::string* error = nullptr) {
    if (Count() >= capacity_) return Refuse(error);
    items_.push_back(item);
    return true;
  }

  // Replaces the whole list; refused (list unchanged) beyond the capacity.
  bool Assign(std::vector<T> items, std::string* error = nullptr) {
    if (items.size() > static_cast<size_t>(capacity_)) return Refuse(error);
    items_ = std::move(items);
    return true;
  }

  // Later records move up one place.
  bool Delete(int n) {
    if (!Valid(n)) return false;
    items_.erase(items_.begin() + (n - 1));
    return true;
  }

  bool Replace(int n, const T& item) {
    if (!Valid(n)) return false;
    items_[static_cast<size_t>(n - 1)] = item;
    return true;
  }

 private:
  bool Refuse(std::string* error) const {
    if (error) *error = fullMessage_;
    return false;
  }

  std::vector<T> items_;
  int capacity_;
  std::string fullMessage_;
};

}  // namespace dlt
