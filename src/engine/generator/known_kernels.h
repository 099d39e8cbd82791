#pragma once

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

inline int32_t KnownValue(KnownKernel k, const Draw& d) {
  switch (k) {
    case KnownKernel::None:
      break;
    case KnownKernel::SumTail:
      return FrontSumTail(d);
    case KnownKernel::Average:
      return FrontAverage(d);
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

}  // namespace dlt
