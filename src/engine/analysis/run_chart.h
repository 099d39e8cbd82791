#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/draw.h"

namespace dlt {

// "信号图": a base series derived from the analysed one ("K线图类型") and a
// signal of one bit per draw from it ("信号图类型"), laid out in columns of
// runs.

enum class RunBase { Regular = 0, Tail, Remainder, Amplitude, Omission, OmissionAmplitude };
struct RunBaseChoice {
  RunBase kind = RunBase::Regular;
  int divisor = 2;  // "除" N "余数", 2..20
  bool operator==(const RunBaseChoice&) const = default;
};

struct RunSeries {
  std::vector<int32_t> values;  // per draw from the first (the scratch field `temp`)
  int32_t shownMin = 0, shownMax = 0;
  std::string suffix;     // the title is the window caption followed by it
  int32_t threshold = 1;  // the default of the big/small threshold (1..kSeriesMax)
};

// "常规图" the value over from..to; "尾数图" value mod 10 over 0..9; "除" N
// "余数图" value mod N over 0..N-1; "振幅图" |value - previous| (0 before the
// first draw), "遗漏图" the omission of the draw's own value over the whole
// history, "遗漏振幅图" |omission - previous omission|, each over its own
// min..max (max = min + 4 when equal).
RunSeries ComputeRunSeries(std::span<const int32_t> series, const RunBaseChoice& choice,
                           int32_t from, int32_t to);

// The signal: "升降图" X when the value exceeds the previous draw's (the
// first draw compares with itself), "奇偶图" X when even, "质合图" X when not
// prime (1 is prime), "大小图" X when below the threshold.
enum class RunSignal { RiseFall = 0, OddEven, PrimeComposite, BigSmall };
std::vector<bool> SignalBits(std::span<const int32_t> base, RunSignal signal, int32_t threshold);
// The word of a mark under "文字表示": 升/降, 偶/奇, 合/质, 小/大.
std::string SignalWord(RunSignal signal, bool bit);

// The grid sg_ftc_signal: per column the draw number in row 0 (0 when no
// mark of the column stands in row 1) and rows 1..5 (-1 empty, 0 O, 1 X).
// A bit equal to the previous one goes one row down, a sixth row wrapping to
// the next column; a different bit starts the next column. The walk begins
// in column 1 at row 0 with a previous bit of 0, so grid column 1 may stay
// empty; columns[0] is grid column 1.
struct SignalColumn {
  int32_t qs = 0;
  std::array<int8_t, 5> marks{-1, -1, -1, -1, -1};
  bool operator==(const SignalColumn&) const = default;
};
std::vector<SignalColumn> SignalGrid(std::span<const Draw> draws, const std::vector<bool>& bits);

// The mark's text: "X"/"O", or the signal's word.
std::string MarkText(RunSignal signal, int8_t mark, bool words);

}  // namespace dlt
