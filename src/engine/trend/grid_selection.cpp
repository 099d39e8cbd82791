#include "trend/grid_selection.h"

#include "common/numbers.h"

namespace dlt {

bool GridSelection::IsMarked(int value) const {
  return value >= 1 && value <= kMaxValue && values_[value];
}

void GridSelection::Toggle(int value) {
  if (value >= 1 && value <= kMaxValue) values_[value] = !values_[value];
}

void GridSelection::ClearValues() {
  values_.fill(false);
}

int GridSelection::TailMark(int tail) const {
  return tail >= 0 && tail < kTailCount ? tails_[tail] : 0;
}

void GridSelection::CycleTail(int tail) {
  if (tail >= 0 && tail < kTailCount)
    tails_[tail] = static_cast<uint8_t>((tails_[tail] + 1) % kTailMarkKinds);
}

void GridSelection::ClearTails() {
  tails_.fill(0);
}

std::vector<int> GridSelection::MarkedFront() const {
  std::vector<int> front;
  for (int v = 1; v <= kFrontMax; ++v)
    if (values_[v]) front.push_back(v);
  return front;
}

std::optional<Draw> ForecastOfSelection(const GridSelection& selection) {
  const std::vector<int> front = selection.MarkedFront();
  Draw forecast;
  if (front.size() != forecast.front.size()) return std::nullopt;
  forecast.qs = kForecastQs;
  for (size_t k = 0; k < front.size(); ++k) forecast.front[k] = static_cast<uint8_t>(front[k]);
  forecast.back = {1, 2};
  return forecast;
}

}  // namespace dlt
