#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "common/draw.h"
#include "common/last_occurrence.h"
#include "generator/combination.h"
#include "generator/known_kernels.h"
#include "history/memory_history.h"
#include "indicators/base_indicators.h"
#include "indicators/eval_context.h"
#include "indicators/indicator_id.h"
#include "indicators/statistics.h"

namespace dlt {

// One candidate being judged; lives on the judging thread's stack, so a
// judgement allocates nothing.
struct Candidate {
  Draw draw;                       // the candidate as draw N+1
  const Draw* previous = nullptr;  // draw N, null for an empty history
  bool inBuffer = false;           // this thread's history copy holds the candidate
};

// Draws since each value of a base series last occurred before the candidate.
// Positions count from the first draw the tables ever held, so that the
// history can move forward; those before `first` have left it.
struct OmissionTable {
  bool ready = false;
  int32_t n = 0;      // draws in the history
  int32_t first = 0;  // position of its oldest draw
  LastOccurrence last;
  int32_t before = 0;  // the omission at draw N (0 when none)

  // Never seen: as many draws as the history holds.
  int32_t Of(int32_t v) const { return Omission(last.Find(v)); }
  // Only when last.Dense(): the inner loops' lookup.
  int32_t DenseOf(int32_t v) const { return Omission(last.FindDense(v)); }
  int32_t Omission(int32_t position) const {
    return position >= first ? first + n - 1 - position : n;
  }
};

// How a catalogue value at the candidate is computed, resolved once.
struct FastValue {
  enum class Kernel : uint8_t {
    Position,        // c[a]
    LineSum,         // c[a] + c[b]
    LineDifference,  // c[a] - c[b]
    Sum,             // constant + table[c1] + ... + table[c5]: counts and sums of the numbers
    Max,             // max(constant, table[c1], ..., table[c5]): 偏度 against draw N
    PositionTable,   // table[c[a]]: the omission of the number at a position
    Known,           // the base row's own computation, called inline
    Draw,            // the base row's computation on the candidate and draw N
    Generic,         // the base row's history walk on a copy of the history
  };
  enum class Transform : uint8_t {
    None,
    Amplitude,          // |v - value at draw N|
    Omission,           // draws since v last occurred
    OmissionAmplitude,  // |omission of v - omission at draw N|
  };

  Kernel kernel = Kernel::Draw;
  Transform transform = Transform::None;
  int8_t a = 0, b = 0;  // 0-based positions
  KnownKernel known = KnownKernel::None;
  int32_t constant = 0;
  const int32_t* table = nullptr;  // 36 entries indexed by number
  DrawFn draw = nullptr;
  ContextFn context = nullptr;
  int32_t before = 0;  // Amplitude: the base at draw N; OmissionAmplitude: its omission
  const OmissionTable* omission = nullptr;

  // The table kernels on five numbers; the judge's flat dispatch uses them too.
  int32_t SumOver(const Combo& c) const {
    return constant + table[c[0]] + table[c[1]] + table[c[2]] + table[c[3]] + table[c[4]];
  }
  int32_t MaxOver(const Combo& c) const {
    int32_t m = constant;
    for (uint8_t x : c) m = table[x] > m ? table[x] : m;
    return m;
  }
};

// Everything about the history that a catalogue value at the candidate
// needs, computed once: the base values of draw N, the last occurrence of
// every value of a base series (omissions), the omission of each number
// (遗漏和值) and the cold/warm/hot class of each number, and per-number
// tables for the counts and sums. Read-only once prepared, so any number of
// threads can judge with it.
class CandidateTables {
 public:
  CandidateTables(const MemoryHistory& history, const EvalEnv& env, int32_t tableTest);
  CandidateTables(const CandidateTables&) = delete;
  CandidateTables& operator=(const CandidateTables&) = delete;

  int N() const { return n_; }
  int32_t TableTest() const { return tableTest_; }
  const EvalEnv& Env() const { return env_; }

  // Setup, single-threaded: how to compute `ref` at the candidate. Every
  // shortcut is checked against the base row's own computation first.
  FastValue Compile(IndicatorRef ref);

  // The history moves on: `draw` joins it as draw N + 1 (the oldest leaves
  // once it holds as many as the in-memory history), every table follows,
  // and the candidate becomes the draw after it. Exactly the tables of a
  // history made of those draws. Values compiled before are stale (and
  // their tables gone: no judge made before may judge after); compile them
  // again: a base keeps the shortcut it was checked for, so that is cheap.
  void Advance(const Draw& draw);
  // The `test` scratch value read for the candidate from now on.
  void SetTableTest(int32_t test) { tableTest_ = test; }
  // Bounds of the value over every valid combination, when known.
  std::optional<std::pair<int64_t, int64_t>> Bounds(const FastValue& v) const;

  void Start(Candidate& cand, const Combo& c) const {
    cand.draw = draws_[n_];
    cand.draw.front = c;
    cand.previous = n_ > 0 ? &draws_[n_ - 1] : nullptr;
    cand.inBuffer = false;
  }

  // The value at the candidate, exactly as the catalogue computes it.
  int32_t Eval(const FastValue& v, Candidate& cand) const {
    const int32_t base = Kernel(v, cand);
    switch (v.transform) {
      case FastValue::Transform::None:
        return base;
      case FastValue::Transform::Amplitude:
        return AbsDifference(base, v.before);
      case FastValue::Transform::Omission:
        return v.omission->Of(base);
      case FastValue::Transform::OmissionAmplitude:
        return AbsDifference(v.omission->Of(base), v.before);
    }
    return base;
  }

  // Valid combinations spread over the whole range, for setup-time estimates.
  const std::vector<Combo>& Samples() const { return samples_; }

  // Setup only: the history with the template candidate slot, at `pos`.
  EvalContext SetupContext(int pos) const;
  // While judging: this thread's copy of the history with the candidate
  // written into slot N, at `pos`. For computations without a table.
  EvalContext GenericContext(Candidate& cand, int pos) const;

 private:
  int32_t Kernel(const FastValue& v, Candidate& cand) const {
    const auto& c = cand.draw.front;
    switch (v.kernel) {
      case FastValue::Kernel::Position:
        return c[v.a];
      case FastValue::Kernel::LineSum:
        return c[v.a] + c[v.b];
      case FastValue::Kernel::LineDifference:
        return c[v.a] - c[v.b];
      case FastValue::Kernel::Sum:
        return v.SumOver(c);
      case FastValue::Kernel::Max:
        return v.MaxOver(c);
      case FastValue::Kernel::PositionTable:
        return v.table[c[v.a]];
      case FastValue::Kernel::Known:
        return KnownValueCall(v.known, cand.draw);
      case FastValue::Kernel::Draw:
        return v.draw(cand.draw, cand.previous);
      case FastValue::Kernel::Generic:
        return v.context(GenericContext(cand, n_));
    }
    return 0;
  }
  // The ways a base can be computed without its row's history walk, in the
  // order they are tried.
  enum class Shortcut : uint8_t { Unknown, Line, Numbers, Sum, Max, Known, Plain };

  int32_t BaseAtHistory(BaseId id, int pos) const;
  const OmissionTable& PrepareOmission(BaseId id);
  // The kernel that computes base `id` without a history walk, verified.
  FastValue BaseKernel(BaseId id);
  // The kernel of one shortcut from the current history, unchecked; nullopt
  // when the shortcut does not apply to the base.
  std::optional<FastValue> MakeShortcut(Shortcut s, BaseId id);
  bool Agrees(const FastValue& v, BaseId id);
  void FillPreviousValues();
  void FillNumberTables();
  const int32_t* AddTable(const std::array<int32_t, 36>& t);

  std::vector<Draw> draws_;  // the N draws and the template candidate slot
  int n_ = 0;
  int first_ = 0;  // draws that have left the history as it moved forward
  EvalEnv env_;
  int32_t tableTest_ = 0;
  uint64_t id_ = 0;  // tells this tables' thread copies from another's
  std::array<int32_t, kBaseIndicatorCount> previousValue_{};  // at draw N; 0 when none
  std::array<OmissionTable, kBaseIndicatorCount> omission_;
  // The shortcut each base was checked for; a new history keeps it, as each
  // is exact by its base's definition once a draw has a previous one.
  std::array<Shortcut, kBaseIndicatorCount> shortcut_{};
  std::array<int32_t, 36> numberOmission_{};              // per front number, at the candidate
  std::array<std::array<int32_t, 36>, 3> classMember_{};  // cold, warm, hot: 1 per member
  std::vector<std::unique_ptr<std::array<int32_t, 36>>> tables_;  // stable addresses
  std::vector<Combo> samples_;  // combinations every shortcut is checked on
};

}  // namespace dlt
