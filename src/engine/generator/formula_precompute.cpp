#include "generator/formula_precompute.h"

#include <algorithm>
#include <optional>
#include <string>

#include "common/last_occurrence.h"
#include "formula/compiled_program.h"
#include "formula/formula_arithmetic.h"
#include "formula/formula_functions.h"
#include "formula/formula_scan.h"

namespace dlt {

namespace {
// The draw an offset moves to from `pos`, stopping at the first draw and at
// the candidate, as EvalContext::Moved does.
int MovedPosition(int pos, int32_t offset, int n) {
  const int64_t p = int64_t{pos} + offset;
  return static_cast<int>(std::clamp<int64_t>(p, 0, n));
}

// A compiled program as a fallible series, for the history walks.
auto SeriesOf(const CompiledProgram& program) {
  return [&program](const EvalContext& c) -> std::optional<int32_t> {
    int32_t v = 0;
    const std::string* error = nullptr;
    if (program.Run(c, v, error)) return v;
    return std::nullopt;
  };
}

}  // namespace

// One function call of a fast formula.
struct FastFormulaCall {
  enum class Mode : uint8_t { Fold, Indicator, Constant, Table, Generic };

  FormulaFunction function = FormulaFunction::Max;
  Mode mode = Mode::Fold;
  int at = 0;  // the draw the call reads, after its offset
  std::vector<std::unique_ptr<FastFormula>> leading;
  bool splitFailed = false;
  std::unique_ptr<FastFormula> last;  // Fold, and the value at the candidate for Table
  FastFormula::Op read;               // Indicator (getzb)

  // Constant: a history function at an earlier draw.
  bool constantOk = false;
  int32_t constantValue = 0;

  // Table: the argument's values over the history. Only occurrences after
  // the latest failing draw can be met by a walk back from the candidate.
  int32_t latestFailure = -1;
  LastOccurrence lastSeen;
  bool beforeOk = true;  // getzf: the value at draw N; getylzzf: its omission
  int32_t before = 0;

  // Table over an argument that is one catalogue value of known bounds:
  // the whole call's outcome for each value the argument can take.
  struct Outcome {
    int32_t value = 0;
    bool ok = false;
  };
  int32_t directLo = 0;
  std::vector<Outcome> direct;

  // Generic: the argument walked on the thread's copy of the history.
  std::unique_ptr<CompiledProgram> generic;

  // getylz at the candidate of a value v; nullopt when the walk fails.
  std::optional<int32_t> OmissionOf(int32_t v, int n) const {
    const int32_t p = lastSeen.Find(v);
    if (p >= 0) return n - 1 - p;
    if (latestFailure >= 0) return std::nullopt;
    return n;
  }

  // The Table call's value once its argument is `now`.
  std::optional<int32_t> Finish(int32_t now, int n) const {
    if (function != FormulaFunction::GetYlz && !beforeOk) return std::nullopt;
    if (function == FormulaFunction::GetZf) return AbsDifference(now, before);
    const std::optional<int32_t> omission = OmissionOf(now, n);
    if (!omission || function == FormulaFunction::GetYlz) return omission;
    return AbsDifference(*omission, before);
  }

  // Tabulates Finish over the argument's bounds, when it is one value whose
  // bounds are known and not too wide.
  void BuildDirect(const CandidateTables& tables) {
    constexpr int64_t kMaxSpan = int64_t{1} << 16;
    const FastValue* argument = last->Single();
    if (!argument) return;
    const auto bounds = tables.Bounds(*argument);
    if (!bounds || bounds->second - bounds->first >= kMaxSpan) return;
    directLo = static_cast<int32_t>(bounds->first);
    direct.resize(static_cast<size_t>(bounds->second - bounds->first + 1));
    for (size_t i = 0; i < direct.size(); ++i) {
      const auto v = Finish(static_cast<int32_t>(directLo + static_cast<int64_t>(i)), tables.N());
      direct[i] = {v.value_or(0), v.has_value()};
    }
  }

  void BuildTable(const CompiledProgram& program, const CandidateTables& tables) {
    const int n = tables.N();
    const auto series = SeriesOf(program);
    std::vector<std::optional<int32_t>> values(n);
    for (int p = 0; p < n; ++p) {
      values[p] = series(tables.SetupContext(p));
      if (!values[p]) latestFailure = p;
    }
    if (function == FormulaFunction::GetZf) {
      if (n > 0) {
        beforeOk = values[n - 1].has_value();
        before = values[n - 1].value_or(0);
      }
      return;
    }
    if (function == FormulaFunction::GetYlzZf && n > 0) {
      const auto b = CheckedValueOmission(tables.SetupContext(n - 1), series);
      beforeOk = b.has_value();
      before = b.value_or(0);
    }
    std::vector<int32_t> met;
    met.reserve(static_cast<size_t>(n - latestFailure - 1));
    for (int p = latestFailure + 1; p < n; ++p) met.push_back(*values[p]);
    lastSeen.Build(met, latestFailure + 1);
  }
};

// Records the scan's actions as fast operations: an operand is loaded,
// then applied by its own operation. Messages are not kept: a judge only
// needs to know that a formula failed.
class FastFormulaCompiler {
 public:
  FastFormulaCompiler(int pos, CandidateTables& tables, FastFormula& out)
      : pos0_(pos), tables_(tables), out_(out) {}

  void Fail(std::string_view) { Emit(Code::Fail); }
  void Number(OperatorCode, int32_t value) { Emit(Code::Const, kOpNone, value); }
  bool Read(OperatorCode, std::string_view name, bool hasOffset, int32_t offset) {
    const Op read = BindRead(name, PositionAfterOffset(hasOffset, offset));
    if (read.code == Code::Fail) {
      Emit(Code::Fail);
      return false;
    }
    out_.ops_.push_back(read);
    return true;
  }
  void AfterOperand(OperatorCode pending) { Emit(Code::Apply, pending); }
  void End() { Emit(Code::End); }
  void Open(OperatorCode) { Emit(Code::Open); }
  void Close(OperatorCode code) { Emit(Code::Close, code); }

  void Call(FormulaFunction f, const FunctionArguments& args, bool hasOffset, int32_t offset,
            std::optional<OperatorCode>) {
    auto call = std::make_unique<FastFormulaCall>();
    call->function = f;
    call->at = PositionAfterOffset(hasOffset, offset);
    for (std::string_view a : args.leading)
      call->leading.push_back(FastFormula::Compile(a, call->at, tables_));
    if (args.error) {
      call->splitFailed = true;
    } else if (f == FormulaFunction::GetZb) {
      call->mode = FastFormulaCall::Mode::Indicator;
      call->read = BindRead(args.last, call->at);
    } else if (FoldsLastArgument(f)) {
      call->mode = FastFormulaCall::Mode::Fold;
      call->last = FastFormula::Compile(args.last, call->at, tables_);
    } else {
      BindHistoryFunction(*call, args.last);
    }
    for (const auto& a : call->leading) out_.expensive_ |= a->Expensive();
    if (call->last) out_.expensive_ |= call->last->Expensive();
    Op op;
    op.code = Code::Call;
    op.index = static_cast<uint32_t>(out_.calls_.size());
    out_.calls_.push_back(std::move(call));
    out_.ops_.push_back(op);
  }

 private:
  using Code = FastFormula::Code;
  using Op = FastFormula::Op;

  void Emit(Code code, OperatorCode op = kOpNone, int32_t value = 0) {
    Op o;
    o.code = code;
    o.op = op;
    o.value = value;
    out_.ops_.push_back(o);
  }

  // What reading indicator `name` at `pos` (after its offset) binds to.
  Op BindRead(std::string_view name, int pos) {
    Op op;
    op.code = Code::Const;
    if (name == "test") {  // the table's current record whatever the draw
      op.value = tables_.TableTest();
      return op;
    }
    Resolution r = ResolveIndicator(name);
    if (!r.ok()) {
      if (!r.error.empty())
        op.code = Code::Fail;
      else
        op.value = kNoValue;
      return op;
    }
    if (const auto ref = r.indicator->CatalogueRef()) {
      if (pos < tables_.N()) {  // a value of the history alone
        op.value = r.indicator->Value(tables_.SetupContext(pos));
        return op;
      }
      const FastValue value = tables_.Compile(*ref);
      op.code = Code::ReadFast;
      op.index = static_cast<uint32_t>(out_.values_.size());
      out_.values_.push_back(value);
      if (value.kernel == FastValue::Kernel::Generic) out_.expensive_ = true;
      return op;
    }
    op.code = Code::ReadGeneric;
    op.pos = pos;
    op.indicator = r.indicator.get();
    out_.keep_.push_back(std::move(r.indicator));
    out_.readsGeneric_ = true;
    out_.expensive_ = true;
    return op;
  }

  int PositionAfterOffset(bool hasOffset, int32_t offset) {
    if (!hasOffset) return pos0_;
    if (offset > 0) out_.readsAhead_ = true;
    return MovedPosition(pos0_, offset, tables_.N());
  }

  void BindHistoryFunction(FastFormulaCall& call, std::string_view argument) {
    call.last = FastFormula::Compile(argument, call.at, tables_);
    auto program = CompileProgram(argument);
    // An argument that may read the candidate from an earlier draw, or whose
    // operands have no tables, is walked for every candidate.
    if (call.last->ReadsAhead() || call.last->ReadsGeneric()) {
      call.mode = FastFormulaCall::Mode::Generic;
      call.generic = std::move(program);
      out_.expensive_ = true;
      return;
    }
    if (call.at < tables_.N()) {
      call.mode = FastFormulaCall::Mode::Constant;
      const auto v =
          HistoryFunctionValue(call.function, tables_.SetupContext(call.at), SeriesOf(*program));
      call.constantOk = v.has_value();
      call.constantValue = v.value_or(0);
      return;
    }
    call.mode = FastFormulaCall::Mode::Table;
    call.BuildTable(*program, tables_);
    call.BuildDirect(tables_);
  }

  int pos0_;
  CandidateTables& tables_;
  FastFormula& out_;
};

FastFormula::FastFormula(const CandidateTables& tables) : tables_(&tables) {}
FastFormula::~FastFormula() = default;

std::unique_ptr<FastFormula> FastFormula::Compile(std::string_view text, int pos,
                                                  CandidateTables& tables) {
  std::unique_ptr<FastFormula> f(new FastFormula(tables));
  FastFormulaCompiler builder(pos, tables, *f);
  FormulaScan(text, builder).Run();
  // One operand taken as it is: [operand, Apply(none), End].
  const auto& ops = f->ops_;
  if (ops.size() == 3 && ops[1].code == Code::Apply && ops[1].op == kOpNone &&
      ops[2].code == Code::End) {
    if (ops[0].code == Code::ReadFast) f->single_ = &f->values_[ops[0].index];
    if (ops[0].code == Code::Call) f->singleCall_ = f->calls_[ops[0].index].get();
  }
  return f;
}

// Inlined into Run, where the compiler folds its switch into Run's own.
[[gnu::always_inline]] inline bool FastFormula::RunRead(const Op& op, Candidate& cand,
                                                        int32_t& value) const {
  switch (op.code) {
    case Code::Const:
      value = op.value;
      return true;
    case Code::ReadFast:
      value = tables_->Eval(values_[op.index], cand);
      return true;
    case Code::ReadGeneric:
      value = op.indicator->Value(tables_->GenericContext(cand, op.pos));
      return true;
    default:
      return false;
  }
}

bool FastFormula::Run(Candidate& cand, int32_t& value) const {
  int32_t accumulator = 0;
  int32_t operand = 0;
  int32_t saved[kMaxOpenBrackets];
  int depth = 0;
  for (const Op& op : ops_) {
    switch (op.code) {
      case Code::Const:
      case Code::ReadFast:
      case Code::ReadGeneric:
        RunRead(op, cand, operand);
        break;
      case Code::Call:
        if (!RunCall(*calls_[op.index], cand, operand)) return false;
        break;
      case Code::Apply:
        if (!ApplyOperator(op.op, accumulator, operand, accumulator)) return false;
        break;
      case Code::Open:
        saved[depth++] = accumulator;
        accumulator = 0;
        operand = 0;
        break;
      case Code::Close:
        operand = accumulator;
        if (!ApplyOperator(op.op, saved[--depth], operand, accumulator)) return false;
        break;
      case Code::Fail:
        return false;
      case Code::End:
        value = accumulator;
        return true;
    }
  }
  value = accumulator;
  return true;
}

bool FastFormula::RunCall(const FastFormulaCall& call, Candidate& cand, int32_t& value) const {
  FunctionFold fold(call.function);
  for (const auto& argument : call.leading) {
    int32_t v = 0;
    if (!argument->Value(cand, v)) return false;
    if (FoldsLeadingArguments(call.function)) fold.Add(v);
  }
  if (call.splitFailed) return false;
  const int n = tables_->N();
  switch (call.mode) {
    case FastFormulaCall::Mode::Fold: {
      int32_t v = 0;
      if (!call.last->Value(cand, v)) return false;
      fold.Add(v);
      value = fold.Result();
      return true;
    }
    case FastFormulaCall::Mode::Indicator:
      return RunRead(call.read, cand, value);
    case FastFormulaCall::Mode::Constant:
      value = call.constantValue;
      return call.constantOk;
    case FastFormulaCall::Mode::Table: {
      int32_t now = 0;
      if (!call.last->Value(cand, now)) return false;
      const uint64_t off = static_cast<uint64_t>(int64_t{now} - call.directLo);
      if (off < call.direct.size()) {
        value = call.direct[off].value;
        return call.direct[off].ok;
      }
      const std::optional<int32_t> v = call.Finish(now, n);
      value = v.value_or(value);
      return v.has_value();
    }
    case FastFormulaCall::Mode::Generic: {
      const EvalContext at = tables_->GenericContext(cand, call.at);
      const auto v = HistoryFunctionValue(call.function, at, SeriesOf(*call.generic));
      if (!v) return false;
      value = *v;
      return true;
    }
  }
  return false;
}

}  // namespace dlt
