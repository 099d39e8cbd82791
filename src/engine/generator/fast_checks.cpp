#include "generator/fast_checks.h"

namespace dlt::fast {

// Cost classes for the order of the non-tolerant tests.
int CostOf(const FastValue& v) {
  using K = FastValue::Kernel;
  int cost = 0;
  switch (v.kernel) {
    case K::Position:
    case K::LineSum:
    case K::LineDifference:
      cost = 1;
      break;
    case K::Sum:
    case K::Max:
    case K::PositionTable:
      cost = 2;
      break;
    case K::Known:
    case K::Draw:
      cost = 3;
      break;
    case K::Generic:
      cost = 6;
      break;
  }
  return cost + (v.transform == FastValue::Transform::None ? 0 : 1);
}

// 标准差 of five distinct numbers of 1..35 lies between sqrt(2) and 17.
bool StdDevCannotFail(const RangeCondition& r) {
  return r.HasBounds() && *r.from <= 1 && *r.to >= 17;
}

// The op of a value test.
Op OpOf(const Check& c) {
  using K = FastValue::Kernel;
  using T = FastValue::Transform;
  if (c.generic) return Op::Generic;
  const FastValue& v = c.value;
  if (v.transform == T::None) {
    switch (v.kernel) {
      case K::Position:
        return Op::Position;
      case K::LineSum:
        return Op::LineSum;
      case K::LineDifference:
        return Op::LineDifference;
      case K::Sum:
        return Op::Sum;
      case K::Max:
        return Op::Max;
      case K::Known:
        return Op::Known;
      default:
        return Op::AnyValue;
    }
  }
  if (v.transform == T::Omission && !v.omission->last.Dense()) return Op::AnyValue;
  if (v.transform == T::Omission && v.kernel == K::Sum) return Op::SumOmission;
  if (v.transform == T::Omission && v.kernel == K::Position) return Op::PositionOmission;
  if (v.transform == T::Omission && v.kernel == K::Known) return Op::KnownOmission;
  if (v.transform == T::Amplitude && v.kernel == K::Position) return Op::PositionAmplitude;
  return Op::AnyValue;
}

bool ReadsOnlyTop(const Check& c) {
  using K = FastValue::Kernel;
  if (!TestsAValue(c.op) || c.generic) return false;
  const FastValue& v = c.value;
  switch (v.kernel) {
    case K::Position:
    case K::PositionTable:
      return v.a >= 1;
    case K::LineSum:
    case K::LineDifference:
      return v.a >= 1 && v.b >= 1;
    default:
      return false;
  }
}

}  // namespace dlt::fast
