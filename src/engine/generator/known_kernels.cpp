#include "generator/known_kernels.h"

#include "common/rounding.h"

namespace dlt {

// FrontAverage's own rounding of each sum.
const std::array<int32_t, 31 + 32 + 33 + 34 + 35 + 1> kAverageOfSum = [] {
  std::array<int32_t, 31 + 32 + 33 + 34 + 35 + 1> t{};
  for (size_t s = 0; s < t.size(); ++s)
    t[s] = static_cast<int32_t>(DivRoundHalfEven(static_cast<int64_t>(s), 5));
  return t;
}();

KnownKernel KnownKernelOf(BaseId id) {
  using B = BaseId;
  using K = KnownKernel;
  switch (id) {
    case B::z_hw:
      return K::SumTail;
    case B::z_aver:
      return K::Average;
    case B::z_wzgs:
      return K::DistinctTails;
    case B::z_lmzs:
      return K::ConsecutivePairs;
    case B::z_maxlh:
      return K::LongestRun;
    case B::z_ac:
      return K::Ac;
    case B::z_zdjj:
      return K::LargestGap;
    case B::z_zxjj:
      return K::SmallestGap;
    case B::z_jjgs:
      return K::DistinctGaps;
    case B::z_jhlx:
      return K::OddPairs;
    case B::z_ohlx:
      return K::EvenPairs;
    case B::z_zhlx:
      return K::PrimePairs;
    case B::z_hhlx:
      return K::CompositePairs;
    case B::z_sd:
      return K::Scatter;
    default:
      return K::None;
  }
}

KnownRange KnownBounds(KnownKernel k) {
  using K = KnownKernel;
  switch (k) {
    case K::None:
      break;
    case K::SumTail:
      return {0, 9};
    case K::Average:
      return {3, 33};
    case K::DistinctTails:
      return {2, 5};
    case K::ConsecutivePairs:
    case K::OddPairs:
    case K::EvenPairs:
    case K::PrimePairs:
    case K::CompositePairs:
      return {0, 4};
    case K::LongestRun:
      return {1, 5};
    case K::Ac:
      return {0, 6};
    case K::LargestGap:
    case K::Scatter:
      return {1, 31};  // 1 2 3 4 35
    case K::SmallestGap:
      return {1, 8};  // 1 9 17 25 33
    case K::DistinctGaps:
      return {1, 4};
  }
  return {0, 0};
}

int32_t KnownValueCall(KnownKernel k, const Draw& d) {
  return KnownValue(k, d);
}

}  // namespace dlt
