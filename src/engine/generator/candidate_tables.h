#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/draw.h"
#include "generator/combination.h"
#include "history/memory_history.h"
#include "indicators/eval_context.h"
#include "indicators/indicator_id.h"

namespace dlt {

// The values of one candidate computed so far; lives on the judging
// thread's stack, so a judgement allocates nothing.
struct Candidate {
  Draw draw;                        // the candidate as draw N+1
  const Draw* previous = nullptr;   // draw N, null for an empty history
  std::array<int32_t, kBaseIndicatorCount> base;
  std::array<uint64_t, (kBaseIndicatorCount + 63) / 64> have{};
  bool inBuffer = false;  // this thread's history copy holds the candidate
};

// Everything about the history that the value of a catalogue indicator at
// the candidate needs, computed once: the base values of draw N, the
// last occurrence of every value of a base series (omissions), the
// omission of each number (遗漏和值) and the cold/warm/hot class of each
// number. Read-only once prepared, so any number of threads can use it.
class CandidateTables {
 public:
  CandidateTables(const MemoryHistory& history, const EvalEnv& env, int32_t tableTest);

  int N() const { return n_; }
  int32_t TableTest() const { return tableTest_; }
  const EvalEnv& Env() const { return env_; }

  // Setup, single-threaded: builds what Value(ref) reads.
  void Prepare(IndicatorRef ref);

  void Start(Candidate& cand, const Combo& c) const;
  // The catalogue value `ref` at the candidate, as CatalogueValue computes it.
  int32_t Value(IndicatorRef ref, Candidate& cand) const;
  int32_t Base(BaseId id, Candidate& cand) const {
    const int i = static_cast<int>(id);
    const uint64_t bit = uint64_t{1} << (i & 63);
    if (cand.have[i >> 6] & bit) return cand.base[i];
    cand.have[i >> 6] |= bit;
    return cand.base[i] = ComputeBase(id, cand);
  }
  // Whether Value(ref) may need the generic context (a base computed by a
  // history walk other than the ones tabled here).
  static bool NeedsGenericContext(IndicatorRef ref);

  // Setup only: the history with the template candidate slot, at `pos`.
  EvalContext SetupContext(int pos) const;
  // While judging: this thread's copy of the history with the candidate
  // written into slot N, at `pos`. For computations without a table.
  EvalContext GenericContext(Candidate& cand, int pos) const;

 private:
  // Draws since the value last occurred before the candidate.
  struct OmissionTable {
    bool ready = false;
    int32_t lo = 0;
    std::vector<int32_t> last;                        // dense: value - lo -> index, -1 none
    std::vector<std::pair<int32_t, int32_t>> sparse;  // wide value ranges: (value, index) sorted
    int32_t before = 0;                               // the omission at draw N (0 when none)
  };

  int32_t ComputeBase(BaseId id, Candidate& cand) const;
  int32_t OmissionOf(const OmissionTable& t, int32_t v) const;
  int32_t BaseAtHistory(BaseId id, int pos) const;

  std::vector<Draw> draws_;  // the N draws and the template candidate slot
  int n_ = 0;
  EvalEnv env_;
  int32_t tableTest_ = 0;
  uint64_t id_ = 0;  // tells this tables' thread copies from another's
  std::array<int32_t, kBaseIndicatorCount> previousValue_{};  // at draw N; 0 when none
  std::array<OmissionTable, kBaseIndicatorCount> omission_;
  std::array<int32_t, 36> numberOmission_{};  // per front number, at the candidate
  std::array<uint8_t, 36> numberClass_{};     // 0 cold, 1 warm, 2 hot
};

}  // namespace dlt
