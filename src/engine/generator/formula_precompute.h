#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "formula/formula_syntax.h"
#include "generator/candidate_tables.h"
#include "indicators/indicator.h"

namespace dlt {

struct FastFormulaCall;

// A custom formula compiled for the candidate of one judge: the formula
// language's scan done once (as CompiledProgram does it), with every operand
// bound to where its value comes from at the one position it is read:
// - an indicator at an earlier draw is a constant of the history;
// - a catalogue indicator at the candidate is read from CandidateTables;
// - getylz / getzf / getylzzf over an argument that never reads ahead of its
//   draw nor a parameterised key look up tables of the argument's values
//   over the history, so no walk happens per candidate; a failing value met
//   by the walk before a match still makes the call fail;
// - anything else (parameterised "c_" keys, arguments reading ahead) is
//   computed by its generic Indicator on a copy of the history.
// Gives exactly the value, or the failure, of the formula interpreter.
class FastFormula {
 public:
  // `pos` (0..N) is the draw the formula is evaluated at; N is the candidate.
  static std::unique_ptr<FastFormula> Compile(std::string_view text, int pos,
                                              CandidateTables& tables);
  ~FastFormula();

  // The value at the candidate, or false when the formula fails.
  bool Run(Candidate& cand, int32_t& value) const;
  // Run, with a formula that is one catalogue value read straight from the
  // tables (the arguments of most calls are).
  // A formula that is one function call skips the interpreter loop too.
  bool Value(Candidate& cand, int32_t& value) const {
    if (single_) {
      value = tables_->Eval(*single_, cand);
      return true;
    }
    if (singleCall_) return RunCall(*singleCall_, cand, value);
    return Run(cand, value);
  }
  // The one catalogue value the formula is, null when it is more.
  const FastValue* Single() const { return single_; }

  bool ReadsAhead() const { return readsAhead_; }      // an offset above 0
  bool ReadsGeneric() const { return readsGeneric_; }  // an operand without a table
  // Whether running it costs more than a few table reads.
  bool Expensive() const { return expensive_; }

 private:
  friend class FastFormulaCompiler;
  friend struct FastFormulaCall;

  enum class Code : uint8_t { Const, ReadFast, ReadGeneric, Call, Apply, Open, Close, Fail, End };
  struct Op {
    Code code = Code::End;
    OperatorCode op = kOpNone;
    int32_t value = 0;   // Const
    int32_t pos = 0;     // ReadGeneric
    uint32_t index = 0;  // Call; ReadFast: the value in values_
    const Indicator* indicator = nullptr;
  };

  explicit FastFormula(const CandidateTables& tables);
  bool RunRead(const Op& op, Candidate& cand, int32_t& value) const;
  bool RunCall(const FastFormulaCall& call, Candidate& cand, int32_t& value) const;

  const CandidateTables* tables_;
  const FastValue* single_ = nullptr;            // into values_, fixed once compiled
  const FastFormulaCall* singleCall_ = nullptr;  // into calls_
  std::vector<Op> ops_;
  std::vector<FastValue> values_;
  std::vector<IndicatorPtr> keep_;
  std::vector<std::unique_ptr<FastFormulaCall>> calls_;
  bool readsAhead_ = false;
  bool readsGeneric_ = false;
  bool expensive_ = false;
};

}  // namespace dlt
