#include "analysis/run_chart.h"

#include <algorithm>

#include "analysis/series_fill.h"
#include "common/numbers.h"
#include "indicators/series.h"

namespace dlt {
namespace {

int32_t CeilHalf(int64_t x) {
  return static_cast<int32_t>(x >= 0 ? (x + 1) / 2 : x / 2);
}

void OwnRange(RunSeries& r) {
  if (r.values.empty()) {
    r.shownMin = 0;
    r.shownMax = 4;
    return;
  }
  const auto [lo, hi] = std::minmax_element(r.values.begin(), r.values.end());
  r.shownMin = *lo;
  r.shownMax = *hi == *lo ? *lo + 4 : *hi;
}

}  // namespace

RunSeries ComputeRunSeries(std::span<const int32_t> series, const RunBaseChoice& choice,
                           int32_t from, int32_t to) {
  RunSeries r;
  const int divisor = std::clamp(choice.divisor, 2, 20);
  switch (choice.kind) {
    case RunBase::Regular:
      r.values.assign(series.begin(), series.end());
      r.shownMin = from;
      r.shownMax = to;
      r.suffix = "常规图";
      r.threshold = CeilHalf(static_cast<int64_t>(from) + to);
      break;
    case RunBase::Tail:
      for (int32_t v : series) r.values.push_back(v % 10);
      r.shownMin = 0;
      r.shownMax = 9;
      r.suffix = "尾数图";
      r.threshold = 5;
      break;
    case RunBase::Remainder:
      for (int32_t v : series) r.values.push_back(v % divisor);
      r.shownMin = 0;
      r.shownMax = divisor - 1;
      r.suffix = "除" + std::to_string(divisor) + "余数图";
      r.threshold = CeilHalf(divisor - 1);
      break;
    case RunBase::Amplitude:
    case RunBase::Omission:
    case RunBase::OmissionAmplitude: {
      StatisticSeries s = SeriesFromValues(std::vector<int32_t>(series.begin(), series.end()));
      if (choice.kind == RunBase::Amplitude) {
        r.values = std::move(s.amplitude);
        r.suffix = "振幅图";
        r.threshold = CeilHalf(static_cast<int64_t>(to) - from);
      } else if (choice.kind == RunBase::Omission) {
        r.values = std::move(s.omission);
        r.suffix = "遗漏图";
        r.threshold = 20;
      } else {
        r.values = std::move(s.omissionAmplitude);
        r.suffix = "遗漏振幅图";
        r.threshold = 20;
      }
      OwnRange(r);
      break;
    }
  }
  r.threshold = std::clamp(r.threshold, 1, std::max(kSeriesMax, 1));
  return r;
}

std::vector<bool> SignalBits(std::span<const int32_t> base, RunSignal signal, int32_t threshold) {
  std::vector<bool> bits;
  bits.reserve(base.size());
  for (size_t i = 0; i < base.size(); ++i) {
    const int32_t v = base[i];
    switch (signal) {
      case RunSignal::RiseFall:
        bits.push_back(v > base[i == 0 ? 0 : i - 1]);
        break;
      case RunSignal::OddEven:
        bits.push_back(v % 2 == 0);
        break;
      case RunSignal::PrimeComposite:
        bits.push_back(!IsPrime(v));
        break;
      case RunSignal::BigSmall:
        bits.push_back(v < threshold);
        break;
    }
  }
  return bits;
}

std::string SignalWord(RunSignal signal, bool bit) {
  switch (signal) {
    case RunSignal::RiseFall:
      return bit ? "升" : "降";
    case RunSignal::OddEven:
      return bit ? "偶" : "奇";
    case RunSignal::PrimeComposite:
      return bit ? "合" : "质";
    case RunSignal::BigSmall:
      return bit ? "小" : "大";
  }
  return {};
}

std::vector<SignalColumn> SignalGrid(std::span<const Draw> draws, const std::vector<bool>& bits) {
  std::vector<SignalColumn> columns(1);
  int row = 0;
  bool previous = false;
  const size_t n = std::min(draws.size(), bits.size());
  for (size_t i = 0; i < n; ++i) {
    if (bits[i] == previous) {
      if (++row == 6) {
        columns.emplace_back();
        row = 1;
      }
    } else {
      columns.emplace_back();
      row = 1;
      previous = bits[i];
    }
    SignalColumn& c = columns.back();
    c.marks[row - 1] = bits[i] ? 1 : 0;
    if (row == 1) c.qs = draws[i].qs;
  }
  return columns;
}

std::string MarkText(RunSignal signal, int8_t mark, bool words) {
  if (mark < 0) return {};
  if (words) return SignalWord(signal, mark == 1);
  return mark == 1 ? "X" : "O";
}

}  // namespace dlt
