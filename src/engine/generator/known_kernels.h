#pragma once

#include <array>
#include <cstdint>

#include "common/draw.h"
#include "indicators/base_indicators.h"
#include "indicators/front_indicators.h"

namespace dlt {

// Base computations on the candidate's own numbers that a judgement calls
// inline instead of through the catalogue row's function pointer: the same
// functions the rows call, so only the call differs. The candidate tables
// still check each against its row before offering it.
enum class KnownKernel : uint8_t {
  None,
  SumTail,
  Average,
  DistinctTails,
  ConsecutivePairs,
  LongestRun,
  Ac,
  LargestGap,
  SmallestGap,
  DistinctGaps,
  OddPairs,
  EvenPairs,
  PrimePairs,
  CompositePairs,
  Scatter,
};

// The inline computation of a base, None when it has none.
KnownKernel KnownKernelOf(BaseId id);

// FrontAverage by the sum (every sum of five numbers of 1..35), without
// its out-of-line division.
extern const std::array<int32_t, 31 + 32 + 33 + 34 + 35 + 1> kAverageOfSum;
inline int32_t AverageOfSum(int32_t sum) {
  return kAverageOfSum[static_cast<size_t>(sum)];
}

// Inlined into the judge's loop: as a call it would cost what it saves.
[[gnu::always_inline]] inline int32_t KnownValue(KnownKernel k, const Draw& d) {
  switch (k) {
    case KnownKernel::None:
      break;
    case KnownKernel::SumTail:
      return FrontSumTail(d);
    case KnownKernel::Average:
      return AverageOfSum(FrontSum(d));
    case KnownKernel::DistinctTails:
      return DistinctTailCount(d);
    case KnownKernel::ConsecutivePairs:
      return ConsecutivePairCount(d);
    case KnownKernel::LongestRun:
      return LongestConsecutiveRun(d);
    case KnownKernel::Ac:
      return AcValue(d);
    case KnownKernel::LargestGap:
      return LargestGap(d);
    case KnownKernel::SmallestGap:
      return SmallestGap(d);
    case KnownKernel::DistinctGaps:
      return DistinctGapCount(d);
    case KnownKernel::OddPairs:
      return OddNeighbourPairs(d);
    case KnownKernel::EvenPairs:
      return EvenNeighbourPairs(d);
    case KnownKernel::PrimePairs:
      return PrimeNeighbourPairs(d);
    case KnownKernel::CompositePairs:
      return CompositeNeighbourPairs(d);
    case KnownKernel::Scatter:
      return FrontScatter(d);
  }
  return 0;
}

// The smallest and largest value of a kernel over every valid combination
// (five ascending numbers of 1..35); a test walks them all to confirm.
struct KnownRange {
  int32_t lo, hi;
};
KnownRange KnownBounds(KnownKernel k);

// KnownValue as a call, for the paths where inlining it would crowd out
// cheaper kernels (formula operands).
int32_t KnownValueCall(KnownKernel k, const Draw& d);

}  // namespace dlt
