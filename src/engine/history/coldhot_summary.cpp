#include "history/coldhot_summary.h"

#include <algorithm>
#include <array>

#include "common/rounding.h"
#include "indicators/coldhot.h"

namespace dlt {
namespace {

// A decimal right-aligned in two characters.
std::string TwoWide(int64_t n) {
  std::string s = std::to_string(n);
  if (s.size() < 2) s.insert(s.begin(), 2 - s.size(), ' ');
  return s;
}

std::string JoinTwoWide(const std::array<int64_t, 3>& v) {
  return TwoWide(v[0]) + ":" + TwoWide(v[1]) + ":" + TwoWide(v[2]);
}

int HitsIn(const std::vector<int>& list, const Draw& d) {
  return static_cast<int>(std::count_if(d.front.begin(), d.front.end(), [&list](int n) {
    return std::binary_search(list.begin(), list.end(), n);
  }));
}

}  // namespace

ColdHotSummary ComputeColdHotSummary(std::span<const Draw> draws, int index,
                                     const ColdHotSettings& s) {
  ColdHotSummary summary;
  const ZoneClasses upTo = ClassifyZone(draws, index, s.qs, s.coldcs, s.hotcs, false);
  summary.one =
      JoinTwoWide({static_cast<int64_t>(upTo.cold.size()), static_cast<int64_t>(upTo.warm.size()),
                   static_cast<int64_t>(upTo.hot.size())});
  if (index == 0) return summary;

  const ZoneClasses before = ClassifyZone(draws, index - 1, s.qs, s.coldcs, s.hotcs, false);
  const Draw& d = draws[index];
  const std::array<const std::vector<int>*, 3> lists = {&before.cold, &before.warm, &before.hot};
  std::array<int64_t, 3> hits{}, rates{};
  for (int c = 0; c < 3; ++c) {
    hits[c] = HitsIn(*lists[c], d);
    // Two decimals of the fraction, halves to even, as a whole percent.
    const auto size = static_cast<int64_t>(lists[c]->size());
    rates[c] = size == 0 ? 0 : DivRoundHalfEven(hits[c] * 100, size);
  }
  summary.two =
      std::to_string(hits[0]) + ":" + std::to_string(hits[1]) + ":" + std::to_string(hits[2]);
  summary.three = JoinTwoWide(rates);
  return summary;
}

void WriteColdHotSummary(DrawTable& table, const ColdHotSettings& settings) {
  if (table.Empty()) return;
  const int index = table.Position();
  const ColdHotSummary s = ComputeColdHotSummary(table.Draws(), index, settings);
  table.SetColdHotTexts(index, &s.one, s.two ? &*s.two : nullptr, s.three ? &*s.three : nullptr);
}

bool RewriteAllColdHotSummaries(DrawTable& table, const ColdHotSettings& settings,
                                const SummaryProgress& progress) {
  CursorGuard guard(table);
  WriteBatch batch(table);
  const int total = table.RecordCount();
  for (int i = 0; i < total; ++i) {
    if (progress && !progress(i, total)) return false;
    const ColdHotSummary s = ComputeColdHotSummary(table.Draws(), i, settings);
    const DrawExtras& e = table.Extras(i);
    // Each write is a row of the table file: skip the ones that stay the same.
    const bool same = e.coldhotbone == s.one && (!s.two || e.coldhotbtwo == *s.two) &&
                      (!s.three || e.coldhotbthree == *s.three);
    if (!same)
      table.SetColdHotTexts(i, &s.one, s.two ? &*s.two : nullptr, s.three ? &*s.three : nullptr);
  }
  if (progress) progress(total, total);
  return true;
}

}  // namespace dlt
