#include "history/memory_history.h"

#include "history/draw_table.h"

namespace dlt {

void MemoryHistory::LoadFrom(const DrawTable& table) {
  std::vector<Draw> draws;
  const auto& rows = table.Draws();
  const int count = table.RecordCount();
  const int start = count > kMaxDraws ? count - kMaxDraws : 0;
  for (int i = start; i < count && rows[i].qs <= kLastRealQs; ++i) draws.push_back(rows[i]);
  Assign(std::move(draws));
}

void MemoryHistory::Assign(std::vector<Draw> draws) {
  if (draws.size() > static_cast<size_t>(kMaxDraws))
    draws.erase(draws.begin(), draws.end() - kMaxDraws);
  count_ = static_cast<int>(draws.size());
  slots_ = std::move(draws);
  slots_.emplace_back();  // the candidate slot N + 1
}

}  // namespace dlt
