#include "generator/candidate_tables.h"

#include <algorithm>
#include <atomic>

#include "common/numbers.h"
#include "indicators/base_indicators.h"
#include "indicators/coldhot.h"
#include "indicators/statistics.h"

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

bool TabledContextBase(BaseId id) {
  return id == B::z_ylhz || id == B::z_lwr_lmgs || id == B::z_lwr_wmgs || id == B::z_lwr_rmgs;
}

}  // namespace

CandidateTables::CandidateTables(const MemoryHistory& history, const EvalEnv& env,
                                 int32_t tableTest)
    : draws_(history.Data(), history.Data() + history.Count() + 1),
      n_(history.Count()),
      env_(env),
      tableTest_(tableTest),
      id_(NextTablesId()) {
  if (n_ > 0)
    for (int i = 0; i < kBaseIndicatorCount; ++i)
      previousValue_[i] = BaseAtHistory(static_cast<BaseId>(i), n_ - 1);

  // Per number, asked of the statistics themselves with a candidate made of
  // that number alone, so the tables follow their definitions exactly.
  const Draw slot = draws_[n_];
  for (int x = 1; x <= kFrontMax; ++x) {
    draws_[n_].front = {static_cast<uint8_t>(x), static_cast<uint8_t>(x), static_cast<uint8_t>(x),
                        static_cast<uint8_t>(x), static_cast<uint8_t>(x)};
    const EvalContext ctx = SetupContext(n_);
    numberOmission_[x] = NumberOmission(ctx, 1);
    const ColdWarmHot cwh = ColdWarmHotCounts(ctx);
    numberClass_[x] = cwh.cold > 0 ? 0 : cwh.warm > 0 ? 1 : 2;
  }
  draws_[n_] = slot;
}

EvalContext CandidateTables::SetupContext(int pos) const {
  EvalContext ctx;
  ctx.source = Source::Memory;
  ctx.draws = draws_.data();
  ctx.count = n_ + 1;
  ctx.pos = pos;
  ctx.tableTest = tableTest_;
  ctx.env = &env_;
  return ctx;
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
  EvalContext ctx = SetupContext(pos);
  ctx.draws = copy.draws.data();
  return ctx;
}

int32_t CandidateTables::BaseAtHistory(BaseId id, int pos) const {
  const BaseRow& row = BaseIndicatorRow(id);
  if (row.draw) return row.draw(draws_[pos], pos > 0 ? &draws_[pos - 1] : nullptr);
  return row.context(SetupContext(pos));
}

void CandidateTables::Prepare(IndicatorRef ref) {
  if (ref.family != Family::Omission && ref.family != Family::OmissionAmplitude) return;
  OmissionTable& t = omission_[static_cast<int>(ref.base)];
  if (t.ready) return;
  t.ready = true;
  if (n_ == 0) return;
  std::vector<int32_t> values(n_);
  for (int p = 0; p < n_; ++p) values[p] = BaseAtHistory(ref.base, p);
  const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
  const int64_t span = int64_t{*hi} - *lo + 1;
  if (span <= (int64_t{1} << 20)) {
    t.lo = *lo;
    t.last.assign(static_cast<size_t>(span), -1);
    for (int p = 0; p < n_; ++p) t.last[static_cast<size_t>(int64_t{values[p]} - t.lo)] = p;
  } else {
    for (int p = 0; p < n_; ++p) t.sparse.emplace_back(values[p], p);
    // Sorted by value, the last occurrence of each value kept.
    std::stable_sort(t.sparse.begin(), t.sparse.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::pair<int32_t, int32_t>> unique;
    for (const auto& e : t.sparse) {
      if (!unique.empty() && unique.back().first == e.first)
        unique.back().second = e.second;
      else
        unique.push_back(e);
    }
    t.sparse = std::move(unique);
  }
  // The omission at draw N: its value's distance back to an earlier equal one.
  int32_t before = 0;
  for (int p = n_ - 2; p >= 0 && values[p] != values[n_ - 1]; --p) ++before;
  t.before = before;
}

void CandidateTables::Start(Candidate& cand, const Combo& c) const {
  cand.draw = draws_[n_];
  cand.draw.front = c;
  cand.previous = n_ > 0 ? &draws_[n_ - 1] : nullptr;
  cand.have = {};
  cand.inBuffer = false;
}

int32_t CandidateTables::ComputeBase(BaseId id, Candidate& cand) const {
  const BaseRow& row = BaseIndicatorRow(id);
  if (row.draw) return row.draw(cand.draw, cand.previous);
  const auto& f = cand.draw.front;
  switch (id) {
    case B::z_ylhz:
      return numberOmission_[f[0]] + numberOmission_[f[1]] + numberOmission_[f[2]] +
             numberOmission_[f[3]] + numberOmission_[f[4]];
    case B::z_lwr_lmgs:
    case B::z_lwr_wmgs:
    case B::z_lwr_rmgs: {
      const int want = static_cast<int>(id) - static_cast<int>(B::z_lwr_lmgs);
      int32_t count = 0;
      for (uint8_t x : f) count += numberClass_[x] == want;
      return count;
    }
    default:
      return row.context(GenericContext(cand, n_));
  }
}

int32_t CandidateTables::OmissionOf(const OmissionTable& t, int32_t v) const {
  if (!t.sparse.empty()) {
    const auto it = std::lower_bound(t.sparse.begin(), t.sparse.end(), std::make_pair(v, INT32_MIN));
    return it != t.sparse.end() && it->first == v ? n_ - 1 - it->second : n_;
  }
  const uint64_t off = static_cast<uint64_t>(int64_t{v} - t.lo);
  if (off < t.last.size() && t.last[off] >= 0) return n_ - 1 - t.last[off];
  return n_;
}

int32_t CandidateTables::Value(IndicatorRef ref, Candidate& cand) const {
  const int i = static_cast<int>(ref.base);
  switch (ref.family) {
    case Family::Base:
      return Base(ref.base, cand);
    case Family::Amplitude:
      return AbsDifference(Base(ref.base, cand), previousValue_[i]);
    case Family::Omission:
      return OmissionOf(omission_[i], Base(ref.base, cand));
    case Family::GlobalOmission:
      return numberOmission_[cand.draw.front[i - static_cast<int>(B::z_num1)]];
    case Family::OmissionAmplitude:
      return AbsDifference(OmissionOf(omission_[i], Base(ref.base, cand)), omission_[i].before);
  }
  return 0;
}

bool CandidateTables::NeedsGenericContext(IndicatorRef ref) {
  if (ref.family == Family::GlobalOmission) return false;
  const BaseRow& row = BaseIndicatorRow(ref.base);
  return !row.draw && !TabledContextBase(ref.base);
}

}  // namespace dlt
