#pragma once

#include <cstdint>

#include "formula/formula_syntax.h"

namespace dlt {

// Signed 32-bit arithmetic that wraps around as on a 32-bit machine
// (computed wider, then truncated), never undefined behaviour.
inline int32_t Wrap32(int64_t v) {
  return static_cast<int32_t>(static_cast<uint32_t>(v));
}
inline int32_t WrapAbs(int32_t v) {
  return Wrap32(v < 0 ? -static_cast<int64_t>(v) : v);
}
inline int32_t WrapSub(int32_t a, int32_t b) {
  return Wrap32(static_cast<int64_t>(a) - b);
}

// acc (code) operand; code kOpNone gives the operand itself. "/" truncates
// toward zero and "%" takes the dividend's sign. False for a zero divisor.
inline bool ApplyOperator(OperatorCode code, int32_t acc, int32_t operand, int32_t& out) {
  const int64_t a = acc, b = operand;
  switch (code) {
    case kOpNone:
      out = operand;
      return true;
    case kOpAdd:
      out = Wrap32(a + b);
      return true;
    case kOpSub:
      out = Wrap32(a - b);
      return true;
    case kOpMul:
      out = Wrap32(a * b);
      return true;
    case kOpDiv:
      if (operand == 0) return false;
      // -2^31 / -1 wraps to -2^31; every other quotient fits 32 bits.
      out = operand == -1 ? Wrap32(-a) : acc / operand;
      return true;
    case kOpMod:
      if (operand == 0) return false;
      out = operand == -1 ? 0 : acc % operand;
      return true;
  }
  return false;
}

}  // namespace dlt
