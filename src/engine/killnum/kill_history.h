#pragma once

#include <cstdint>
#include <vector>

#include "common/draw.h"
#include "history/draw_range.h"
#include "indicators/eval_context.h"

namespace dlt {

class DrawTable;

// The draws a kill or banker analysis reads: the real draws of the history
// (a forecast record written elsewhere is left out) and, after them, one
// virtual draw, the draw to come: number 9999999 and no numbers. Formulas
// for the prediction row are evaluated on that slot, so the draw table is
// never written to.
class KillHistory {
 public:
  KillHistory(std::vector<Draw> draws, std::vector<int32_t> testColumn, const EvalEnv& env);
  // The real draws of the table, with their `test` scratch values.
  static KillHistory FromTable(const DrawTable& table, const EvalEnv& env);

  // Contexts point into the history: it moves, but is never copied by accident.
  KillHistory(const KillHistory&) = delete;
  KillHistory& operator=(const KillHistory&) = delete;
  KillHistory(KillHistory&&) = default;
  KillHistory& operator=(KillHistory&&) = default;

  int RealCount() const { return static_cast<int>(draws_.size()) - 1; }
  int VirtualIndex() const { return RealCount(); }
  const Draw& At(int index) const { return draws_[static_cast<size_t>(index)]; }
  // Index of a real draw; -1 when absent.
  int IndexOf(int32_t qs) const;
  // The default start of a run: the hundredth draw before the last, so the
  // rows are the last 100 draws (or the first draw of a shorter history).
  int DefaultStart() const { return DefaultGridStart(RealCount()); }
  // A table-source context at `index` that sees every draw and the virtual one.
  EvalContext Context(int index) const;
  const EvalEnv& Env() const { return env_; }

 private:
  std::vector<Draw> draws_;    // real draws, then the virtual one
  std::vector<int32_t> test_;  // one per slot
  EvalEnv env_;
};

}  // namespace dlt
