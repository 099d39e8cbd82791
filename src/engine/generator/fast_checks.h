#pragma once

#include <array>
#include <cstdint>

#include "generator/candidate_tables.h"
#include "generator/combination.h"
#include "generator/condition_set.h"
#include "generator/judge_rules.h"
#include "generator/known_kernels.h"
#include "generator/value_bitmap.h"
#include "generator/variation_gate.h"
#include "indicators/indicator.h"
#include "indicators/statistics.h"

namespace dlt::fast {

// The fast judge's tests of one condition each: a flat code, what it
// reads, and the values it accepts.

// One flat code per test, so the inner loop dispatches once per test. The
// ops up to Generic test a value against a value set; they are chosen from
// the compiled value by OpOf.
enum class Op : uint8_t {
  Position,
  LineSum,
  LineDifference,
  Sum,
  SumOmission,
  PositionOmission,
  Max,
  Known,
  KnownOmission,
  PositionAmplitude,
  AnyValue,  // any other catalogue value, through the tables
  Generic,   // a key without a catalogue id
  StdDev,
  Variation,
  SelfCount,
  TailCount,
  TailDistinct,
};

inline bool TestsAValue(Op op) {
  return op <= Op::Generic;
}

struct Check {
  Op op = Op::AnyValue;
  bool tolerant = false;
  int mark = 0;
  int cost = 0;
  FastValue value;                     // Value
  const Indicator* generic = nullptr;  // Value without a catalogue id
  RangeCondition range;                // StdDev, Variation
  uint64_t group = 0;                  // SelfCount: numbers; Tail*: digits
  uint64_t allowedCounts = 0;          // SelfCount, Tail*
  ValueBitmap values;                  // Value
};

// Set bits of a ten-bit tail mask (std::popcount may be a library call here).
inline constexpr std::array<uint8_t, 1024> kBitCount = [] {
  std::array<uint8_t, 1024> t{};
  for (int i = 1; i < 1024; ++i) t[i] = static_cast<uint8_t>(t[i >> 1] + (i & 1));
  return t;
}();

// Setup: the cost class of a value (for the order of the tests), the op of
// a value test, whether a test reads none but the four largest numbers, and
// whether a 标准差 range can fail at all.
int CostOf(const FastValue& v);
Op OpOf(const Check& c);
bool ReadsOnlyTop(const Check& c);
bool StdDevCannotFail(const RangeCondition& r);

// Whether the combination passes one test. Inlined into the judge's loops:
// the switch is the only dispatch per test.
[[gnu::always_inline]] inline bool PassesCheck(const Check& check, const Combo& c, Candidate& cand,
                                               const CandidateTables& tables,
                                               const VariationGate* variation) {
  const FastValue& v = check.value;
  switch (check.op) {
    case Op::Position:
      return check.values.Contains(c[v.a]);
    case Op::LineSum:
      return check.values.Contains(c[v.a] + c[v.b]);
    case Op::LineDifference:
      return check.values.Contains(c[v.a] - c[v.b]);
    case Op::Sum:
      return check.values.Contains(v.SumOver(c));
    case Op::SumOmission:
      return check.values.Contains(v.omission->DenseOf(v.SumOver(c)));
    case Op::PositionOmission:
      return check.values.Contains(v.omission->DenseOf(c[v.a]));
    case Op::Max:
      return check.values.Contains(v.MaxOver(c));
    case Op::Known:
      return check.values.Contains(KnownValue(v.known, cand.draw));
    case Op::KnownOmission:
      return check.values.Contains(v.omission->DenseOf(KnownValue(v.known, cand.draw)));
    case Op::PositionAmplitude:
      return check.values.Contains(AbsDifference(c[v.a], v.before));
    case Op::AnyValue:
      return check.values.Contains(tables.Eval(v, cand));
    case Op::Generic:
      return check.values.Contains(check.generic->Value(tables.GenericContext(cand, tables.N())));
    case Op::StdDev:
      return StdDevWithin(c, check.range);
    case Op::Variation:
      return variation->Passes(c);
    case Op::SelfCount: {
      int hits = 0;
      for (uint8_t n : c) hits += static_cast<int>((check.group >> n) & 1);
      return (check.allowedCounts >> hits) & 1;
    }
    case Op::TailCount: {
      int hits = 0;
      for (uint8_t n : c) hits += (check.group >> (n % 10)) & 1;
      return (check.allowedCounts >> hits) & 1;
    }
    case Op::TailDistinct: {
      unsigned tails = 0;
      for (uint8_t n : c) tails |= 1u << (n % 10);
      return (check.allowedCounts >> kBitCount[tails & check.group]) & 1;
    }
  }
  return false;
}

}  // namespace dlt::fast
