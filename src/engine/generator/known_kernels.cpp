#include "generator/known_kernels.h"

namespace dlt {

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

}  // namespace dlt
