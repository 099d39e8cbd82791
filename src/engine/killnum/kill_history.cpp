#include "killnum/kill_history.h"

#include <algorithm>

#include "history/draw_table.h"

namespace dlt {

KillHistory::KillHistory(std::vector<Draw> draws, std::vector<int32_t> testColumn,
                         const EvalEnv& env)
    : draws_(std::move(draws)), test_(std::move(testColumn)), env_(env) {
  Draw next;
  next.qs = kForecastQs;
  draws_.push_back(next);
  test_.resize(draws_.size(), 0);
}

KillHistory KillHistory::FromTable(const DrawTable& table, const EvalEnv& env) {
  const int last = table.LastRealIndex();
  const auto& all = table.Draws();
  const auto& test = table.ScratchColumn(ScratchField::Test);
  std::vector<Draw> draws(all.begin(), all.begin() + (last + 1));
  std::vector<int32_t> column;
  column.reserve(draws.size());
  for (int i = 0; i <= last; ++i)
    column.push_back(static_cast<size_t>(i) < test.size() ? test[static_cast<size_t>(i)] : 0);
  return KillHistory(std::move(draws), std::move(column), env);
}

int KillHistory::IndexOf(int32_t qs) const {
  const auto end = draws_.end() - 1;
  const auto it =
      std::lower_bound(draws_.begin(), end, qs, [](const Draw& d, int32_t q) { return d.qs < q; });
  return it != end && it->qs == qs ? static_cast<int>(it - draws_.begin()) : -1;
}

EvalContext KillHistory::Context(int index) const {
  EvalContext c;
  c.source = Source::Table;
  c.draws = draws_.data();
  c.count = static_cast<int>(draws_.size());
  c.pos = index;
  c.testColumn = test_.data();
  c.env = &env_;
  return c;
}

}  // namespace dlt
