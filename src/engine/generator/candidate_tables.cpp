#include "generator/candidate_tables.h"

#include <algorithm>
#include <atomic>
#include <random>
#include <string_view>

#include "common/numbers.h"
#include "generator/condition_table.h"
#include "indicators/coldhot.h"

namespace dlt {
namespace {

using B = BaseId;

uint64_t NextTablesId() {
  static std::atomic<uint64_t> next{1};
  return next.fetch_add(1, std::memory_order_relaxed);
}

// One thread's copy of the history with a free slot for the candidate.
struct ThreadCopy {
  uint64_t owner = 0;
  std::vector<Draw> draws;
};
thread_local ThreadCopy threadCopy;

// Bases that count or add up something of each number on its own, so that
// their value is a constant plus one table entry per number. Only a hint:
// the table is derived from the base row's computation and checked.
bool CountsOrSumsEachNumber(BaseId id) {
  // clang-format off
  switch (id) {
    case B::z_hz: case B::z_wh:
    case B::z_jshe: case B::z_oshe: case B::z_zshe: case B::z_hshe:
    case B::z_dxqdshe: case B::z_dxqxshe: case B::z_dzxqdshe: case B::z_dzxqzshe:
    case B::z_dzxqxshe:
    case B::z_c3yshe: case B::z_c4yshe: case B::z_c5yshe:
    case B::z_0lhe: case B::z_1lhe: case B::z_2lhe: case B::z_gwhe:
    case B::z_dsgs: case B::z_jsgs: case B::z_zsgs: case B::z_cmgs: case B::z_nmzs:
    case B::z_c3y0: case B::z_c3y1: case B::z_c3y2:
    case B::z_c4y0: case B::z_c4y1: case B::z_c4y2: case B::z_c4y3:
    case B::z_c5y0: case B::z_c5y1: case B::z_c5y2: case B::z_c5y3: case B::z_c5y4:
    case B::z_3fq_1qgs: case B::z_3fq_2qgs: case B::z_3fq_3qgs: case B::z_gwgs:
    case B::z_xjhe: case B::z_djhe: case B::z_xohe: case B::z_dohe:
    case B::z_xzhe: case B::z_dzhe: case B::z_xhhe: case B::z_dhhe:
      return true;
    default:
      return false;
  }
  // clang-format on
}

Combo Sorted(Combo c) {
  std::sort(c.begin(), c.end());
  return c;
}

}  // namespace

CandidateTables::CandidateTables(const MemoryHistory& history, const EvalEnv& env,
                                 int32_t tableTest)
    : draws_(history.Data(), history.Data() + history.Count() + 1),
      n_(history.Count()),
      env_(env),
      tableTest_(tableTest),
      id_(NextTablesId()) {
  FillPreviousValues();
  FillNumberTables();

  // The combinations every shortcut is checked on: the extremes and a
  // reproducible spread of others. The check catches a shortcut built on a
  // wrong idea of its base (a base that is not additive, a line that is not
  // what its key says): such a one differs on nearly every combination. It
  // cannot prove agreement on the combinations it does not try, so a
  // shortcut is only offered where the base's definition makes it exact
  // (positions, line sums, per-number counts and sums); the check guards
  // that list, it does not replace it.
  samples_ = {{1, 2, 3, 4, 5},     {31, 32, 33, 34, 35}, {1, 2, 3, 34, 35},  {1, 9, 17, 25, 33},
              {1, 32, 33, 34, 35}, {1, 2, 3, 4, 35},     {5, 10, 15, 20, 25}};
  std::mt19937 rng(20240601);
  std::array<uint8_t, 35> all{};
  for (int i = 0; i < 35; ++i) all[i] = static_cast<uint8_t>(i + 1);
  for (int k = 0; k < 400; ++k) {
    std::shuffle(all.begin(), all.end(), rng);
    samples_.push_back(Sorted({all[0], all[1], all[2], all[3], all[4]}));
  }
  // Every number at every position at least once, for tables indexed by number.
  for (int x = 1; x <= kFrontMax; ++x) {
    const auto u = static_cast<uint8_t>(x);
    samples_.push_back(
        Sorted({u, static_cast<uint8_t>(x % 35 + 1), static_cast<uint8_t>((x + 1) % 35 + 1),
                static_cast<uint8_t>((x + 2) % 35 + 1), static_cast<uint8_t>((x + 3) % 35 + 1)}));
  }
}

void CandidateTables::FillPreviousValues() {
  if (n_ > 0)
    for (int i = 0; i < kBaseIndicatorCount; ++i)
      previousValue_[i] = BaseAtHistory(static_cast<BaseId>(i), n_ - 1);
}

void CandidateTables::FillNumberTables() {
  // Per number, asked of the statistics themselves with a candidate made of
  // that number alone, so the tables follow their definitions exactly.
  const Draw slot = draws_[n_];
  for (int x = 1; x <= kFrontMax; ++x) {
    const auto u = static_cast<uint8_t>(x);
    draws_[n_].front = {u, u, u, u, u};
    const EvalContext ctx = SetupContext(n_);
    numberOmission_[x] = NumberOmission(ctx, 1);
    const ColdWarmHot cwh = ColdWarmHotCounts(ctx);
    classMember_[0][x] = cwh.cold > 0;
    classMember_[1][x] = cwh.warm > 0;
    classMember_[2][x] = cwh.hot > 0;
  }
  draws_[n_] = slot;
}

void CandidateTables::Advance(const Draw& draw) {
  const Draw slot = draws_[n_];
  draws_[n_] = draw;
  draws_.push_back(slot);
  ++n_;
  if (n_ > MemoryHistory::kMaxDraws) {
    draws_.erase(draws_.begin());
    --n_;
    ++first_;
  }
  // The first previous draw: a base that compared the candidate with itself
  // no longer does, so every shortcut is checked again.
  if (n_ == 1) shortcut_.fill(Shortcut::Unknown);
  id_ = NextTablesId();  // the threads' history copies are out of date
  tables_.clear();       // the stale values' tables
  const int32_t newest = first_ + n_ - 1;
  for (int i = 0; i < kBaseIndicatorCount; ++i) {
    OmissionTable& t = omission_[i];
    if (!t.ready) continue;
    const int32_t v = BaseAtHistory(static_cast<BaseId>(i), n_ - 1);
    // The newest draw's own omission: back to an earlier equal value that
    // is still in the history.
    const int32_t seen = t.last.Find(v);
    t.before = seen >= first_ ? newest - 1 - seen : newest - first_;
    t.last.Set(v, newest);
    t.first = first_;
    t.n = n_;
  }
  FillPreviousValues();
  FillNumberTables();
}

EvalContext CandidateTables::SetupContext(int pos) const {
  return MemoryContext(draws_, pos, tableTest_, &env_);
}

EvalContext CandidateTables::GenericContext(Candidate& cand, int pos) const {
  ThreadCopy& copy = threadCopy;
  if (copy.owner != id_) {
    copy.draws = draws_;
    copy.owner = id_;
    cand.inBuffer = false;
  }
  if (!cand.inBuffer) {
    copy.draws[n_] = cand.draw;
    cand.inBuffer = true;
  }
  return MemoryContext(copy.draws, pos, tableTest_, &env_);
}

int32_t CandidateTables::BaseAtHistory(BaseId id, int pos) const {
  const BaseRow& row = BaseIndicatorRow(id);
  if (row.draw) return row.draw(draws_[pos], pos > 0 ? &draws_[pos - 1] : nullptr);
  return row.context(SetupContext(pos));
}

const int32_t* CandidateTables::AddTable(const std::array<int32_t, 36>& t) {
  tables_.push_back(std::make_unique<std::array<int32_t, 36>>(t));
  return tables_.back()->data();
}

const OmissionTable& CandidateTables::PrepareOmission(BaseId id) {
  OmissionTable& t = omission_[static_cast<int>(id)];
  if (t.ready) return t;
  t.ready = true;
  if (n_ == 0) return t;
  std::vector<int32_t> values(n_);
  for (int p = 0; p < n_; ++p) values[p] = BaseAtHistory(id, p);
  t.n = n_;
  t.first = first_;
  t.last.Build(values, first_);
  // The omission at draw N: its value's distance back to an earlier equal one.
  int32_t before = 0;
  for (int p = n_ - 2; p >= 0 && values[p] != values[n_ - 1]; --p) ++before;
  t.before = before;
  return t;
}

bool CandidateTables::Agrees(const FastValue& v, BaseId id) {
  const BaseRow& row = BaseIndicatorRow(id);
  const Draw slot = draws_[n_];
  bool agrees = true;
  for (const Combo& c : samples_) {
    Candidate cand;
    Start(cand, c);
    int32_t expected;
    if (row.draw) {
      expected = row.draw(cand.draw, cand.previous);
    } else {
      draws_[n_] = cand.draw;
      expected = row.context(SetupContext(n_));
    }
    if (Kernel(v, cand) != expected) {
      agrees = false;
      break;
    }
  }
  draws_[n_] = slot;
  return agrees;
}

FastValue CandidateTables::BaseKernel(BaseId id) {
  Shortcut& chosen = shortcut_[static_cast<int>(id)];
  if (chosen != Shortcut::Unknown)
    if (std::optional<FastValue> v = MakeShortcut(chosen, id)) return *v;
  for (Shortcut s :
       {Shortcut::Line, Shortcut::Numbers, Shortcut::Sum, Shortcut::Max, Shortcut::Known}) {
    const std::optional<FastValue> v = MakeShortcut(s, id);
    if (v && Agrees(*v, id)) {
      chosen = s;
      return *v;
    }
  }
  chosen = Shortcut::Plain;
  return *MakeShortcut(Shortcut::Plain, id);
}

std::optional<FastValue> CandidateTables::MakeShortcut(Shortcut s, BaseId id) {
  const BaseRow& row = BaseIndicatorRow(id);
  FastValue v;
  switch (s) {
    case Shortcut::Unknown:
      return std::nullopt;
    case Shortcut::Line: {
      // Positions and line sums and differences: the condition table names
      // the numbers they read.
      const FrontCondition* fc = FindFrontConditionByKey(row.key);
      if (!fc) return std::nullopt;
      using K = FastValue::Kernel;
      const bool line =
          fc->kind == ConditionKind::kLineSum || fc->kind == ConditionKind::kLineDifference;
      if (!line && fc->kind != ConditionKind::kPosition) return std::nullopt;
      v.kernel = fc->kind == ConditionKind::kPosition  ? K::Position
                 : fc->kind == ConditionKind::kLineSum ? K::LineSum
                                                       : K::LineDifference;
      v.a = static_cast<int8_t>(fc->lineHigh - 1);
      v.b = static_cast<int8_t>(line ? fc->lineLow - 1 : 0);
      return v;
    }
    case Shortcut::Numbers:
      if (id != B::z_ylhz && id != B::z_lwr_lmgs && id != B::z_lwr_wmgs && id != B::z_lwr_rmgs)
        return std::nullopt;
      v.kernel = FastValue::Kernel::Sum;
      v.constant = 0;
      v.table = id == B::z_ylhz
                    ? numberOmission_.data()
                    : classMember_[static_cast<int>(id) - static_cast<int>(B::z_lwr_lmgs)].data();
      return v;
    case Shortcut::Sum: {
      if (!row.draw || !CountsOrSumsEachNumber(id)) return std::nullopt;
      // An additive base is f(c) = constant + t[c1] + ... + t[c5]; only the
      // differences of t matter, so t[31] is taken as 0. From the row itself:
      // 31 swapped for x (1..30) in 31..35 gives t[x], 32..35 swapped for 30
      // gives t[y] - t[30]; the constant is what is left of f(31..35). The
      // guard keeps every entry and the constant within an eighth of the int32
      // range, so the judge's sum of six of them cannot overflow.
      const Draw* previous = n_ > 0 ? &draws_[n_ - 1] : nullptr;
      const auto f = [&](Combo c) {
        Draw d = draws_[n_];
        d.front = Sorted(c);
        return int64_t{row.draw(d, previous)};
      };
      std::array<int64_t, 36> t{};
      const Combo top{31, 32, 33, 34, 35};
      const int64_t fTop = f(top);
      for (int x = 1; x <= 30; ++x) t[x] = f({static_cast<uint8_t>(x), 32, 33, 34, 35}) - fTop;
      for (int y = 32; y <= 35; ++y) {
        Combo swapped = top;
        swapped[y - 31] = 30;
        t[y] = fTop - f(swapped) + t[30];
      }
      int64_t constant = fTop;
      for (int y = 31; y <= 35; ++y) constant -= t[y];
      std::array<int32_t, 36> table{};
      bool fits = constant >= INT32_MIN / 8 && constant <= INT32_MAX / 8;
      for (int x = 0; x <= 35; ++x) {
        fits = fits && t[x] >= INT32_MIN / 8 && t[x] <= INT32_MAX / 8;
        table[x] = static_cast<int32_t>(t[x]);
      }
      if (!fits) return std::nullopt;
      v.kernel = FastValue::Kernel::Sum;
      v.constant = static_cast<int32_t>(constant);
      v.table = AddTable(table);
      return v;
    }
    case Shortcut::Max: {
      if (!row.draw || id != B::z_pd) return std::nullopt;
      // The largest of the numbers' own distances to draw N: ask the row for
      // each number alone.
      std::array<int32_t, 36> table{};
      Draw d = draws_[n_];
      const Draw* previous = n_ > 0 ? &draws_[n_ - 1] : nullptr;
      for (int x = 1; x <= kFrontMax; ++x) {
        const auto u = static_cast<uint8_t>(x);
        d.front = {u, u, u, u, u};
        table[x] = row.draw(d, previous);
      }
      v.kernel = FastValue::Kernel::Max;
      v.constant = INT32_MIN;
      v.table = AddTable(table);
      return v;
    }
    case Shortcut::Known:
      if (!row.draw || KnownKernelOf(id) == KnownKernel::None) return std::nullopt;
      v.kernel = FastValue::Kernel::Known;
      v.known = KnownKernelOf(id);
      return v;
    case Shortcut::Plain:
      if (row.draw) {
        v.kernel = FastValue::Kernel::Draw;
        v.draw = row.draw;
      } else {
        v.kernel = FastValue::Kernel::Generic;
        v.context = row.context;
      }
      return v;
  }
  return std::nullopt;
}

FastValue CandidateTables::Compile(IndicatorRef ref) {
  const int i = static_cast<int>(ref.base);
  FastValue v;
  switch (ref.family) {
    case Family::Base:
      return BaseKernel(ref.base);
    case Family::Amplitude:
      v = BaseKernel(ref.base);
      v.transform = FastValue::Transform::Amplitude;
      v.before = previousValue_[i];
      return v;
    case Family::Omission:
      v = BaseKernel(ref.base);
      v.transform = FastValue::Transform::Omission;
      v.omission = &PrepareOmission(ref.base);
      return v;
    case Family::OmissionAmplitude:
      v = BaseKernel(ref.base);
      v.transform = FastValue::Transform::OmissionAmplitude;
      v.omission = &PrepareOmission(ref.base);
      v.before = v.omission->before;
      return v;
    case Family::GlobalOmission:
      v.kernel = FastValue::Kernel::PositionTable;
      v.a = static_cast<int8_t>(i - static_cast<int>(B::z_num1));
      v.table = numberOmission_.data();
      return v;
  }
  return v;
}

std::optional<std::pair<int64_t, int64_t>> CandidateTables::Bounds(const FastValue& v) const {
  std::optional<std::pair<int64_t, int64_t>> k;
  const int64_t a = v.a, b = v.b;
  switch (v.kernel) {
    case FastValue::Kernel::Position:
      k = {{a + 1, a + 31}};
      break;
    case FastValue::Kernel::LineSum:
      k = {{a + b + 2, a + b + 62}};
      break;
    case FastValue::Kernel::LineDifference:
      if (a > b) k = {{a - b, a - b + 30}};
      break;
    case FastValue::Kernel::Sum: {
      std::array<int32_t, 35> t{};
      for (int x = 1; x <= 35; ++x) t[x - 1] = v.table[x];
      std::sort(t.begin(), t.end());
      int64_t lo = v.constant, hi = v.constant;
      for (int i = 0; i < 5; ++i) {
        lo += t[i];
        hi += t[34 - i];
      }
      k = {{lo, hi}};
      break;
    }
    case FastValue::Kernel::Max: {
      int64_t lo = INT64_MAX, hi = INT64_MIN;
      for (int x = 1; x <= 35; ++x) {
        lo = std::min<int64_t>(lo, v.table[x]);
        hi = std::max<int64_t>(hi, v.table[x]);
      }
      k = {{std::max<int64_t>(lo, v.constant), std::max<int64_t>(hi, v.constant)}};
      break;
    }
    case FastValue::Kernel::Known: {
      const KnownRange r = KnownBounds(v.known);
      k = {{r.lo, r.hi}};
      break;
    }
    case FastValue::Kernel::PositionTable: {
      int64_t lo = INT64_MAX, hi = INT64_MIN;
      for (int x = v.a + 1; x <= v.a + 31; ++x) {
        lo = std::min<int64_t>(lo, v.table[x]);
        hi = std::max<int64_t>(hi, v.table[x]);
      }
      k = {{lo, hi}};
      break;
    }
    default:
      break;
  }
  switch (v.transform) {
    case FastValue::Transform::None:
      return k;
    case FastValue::Transform::Amplitude:
      if (!k) return std::nullopt;
      return {{0, std::max(std::abs(k->first - v.before), std::abs(k->second - v.before))}};
    case FastValue::Transform::Omission: {
      if (!k || k->second - k->first > (1 << 16)) return {{0, n_}};
      int64_t lo = n_, hi = 0;
      for (int64_t x = k->first; x <= k->second; ++x) {
        const int32_t o = v.omission->Of(static_cast<int32_t>(x));
        lo = std::min<int64_t>(lo, o);
        hi = std::max<int64_t>(hi, o);
      }
      return {{lo, hi}};
    }
    case FastValue::Transform::OmissionAmplitude:
      return {{0, std::max<int64_t>(v.before, n_ - v.before)}};
  }
  return std::nullopt;
}

}  // namespace dlt
