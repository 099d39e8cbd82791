#include "common/last_occurrence.h"

#include <algorithm>
#include <climits>

namespace dlt {

void LastOccurrence::Build(std::span<const int32_t> values, int32_t first) {
  lo_ = 0;
  dense_.clear();
  sparse_.clear();
  if (values.empty()) return;
  const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
  const int64_t span = int64_t{*hi} - *lo + 1;
  if (span <= kMaxDenseSpan) {
    lo_ = *lo;
    dense_.assign(static_cast<size_t>(span), -1);
    for (size_t i = 0; i < values.size(); ++i)
      dense_[static_cast<size_t>(int64_t{values[i]} - lo_)] = first + static_cast<int32_t>(i);
    return;
  }
  sparse_.reserve(values.size());
  for (size_t i = 0; i < values.size(); ++i)
    sparse_.emplace_back(values[i], first + static_cast<int32_t>(i));
  // Stable, so among equal values the last position stays last.
  std::stable_sort(sparse_.begin(), sparse_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  size_t kept = 0;
  for (const auto& e : sparse_) {
    if (kept > 0 && sparse_[kept - 1].first == e.first)
      sparse_[kept - 1].second = e.second;
    else
      sparse_[kept++] = e;
  }
  sparse_.resize(kept);
}

void LastOccurrence::Set(int32_t v, int32_t position) {
  if (sparse_.empty()) {
    const int64_t lo = dense_.empty() ? v : std::min<int64_t>(lo_, v);
    const int64_t hi =
        dense_.empty() ? v : std::max<int64_t>(lo_ + static_cast<int64_t>(dense_.size()) - 1, v);
    if (hi - lo + 1 <= kMaxDenseSpan) {
      if (lo < lo_ || dense_.empty() || hi >= lo_ + static_cast<int64_t>(dense_.size())) {
        std::vector<int32_t> wider(static_cast<size_t>(hi - lo + 1), -1);
        if (!dense_.empty()) std::copy(dense_.begin(), dense_.end(), wider.begin() + (lo_ - lo));
        dense_ = std::move(wider);
        lo_ = static_cast<int32_t>(lo);
      }
      dense_[static_cast<size_t>(int64_t{v} - lo_)] = position;
      return;
    }
    // Too wide for a table from now on: the values met so far as a list.
    for (size_t i = 0; i < dense_.size(); ++i)
      if (dense_[i] >= 0)
        sparse_.emplace_back(static_cast<int32_t>(lo_ + static_cast<int64_t>(i)), dense_[i]);
    dense_.clear();
    lo_ = 0;
  }
  const auto it = std::lower_bound(sparse_.begin(), sparse_.end(), std::make_pair(v, INT32_MIN));
  if (it != sparse_.end() && it->first == v)
    it->second = position;
  else
    sparse_.insert(it, {v, position});
}

int32_t LastOccurrence::FindSparse(int32_t v) const {
  const auto it = std::lower_bound(sparse_.begin(), sparse_.end(), std::make_pair(v, INT32_MIN));
  return it != sparse_.end() && it->first == v ? it->second : -1;
}

}  // namespace dlt
