// The whole enumeration judged on every core. The generator lists the
// combinations by the non-banker numbers it chose, largest first, in
// descending lexicographic order of that list. Numbering the free pool
// numbers from the top (j = 0 for the largest), that is the plain
// lexicographic order of the index sets j1 < j2 < ... < jr, which can be
// entered at any rank; so every stretch of the order can be enumerated on
// its own.
#include <algorithm>
#include <span>

#include "common/numbers.h"
#include "generator/index_sets.h"
#include "generator/judge_runs.h"

namespace dlt {
namespace {

// Both ascending; the combination in ascending order.
Combo Merge(const uint8_t* a, int na, const uint8_t* b, int nb) {
  Combo c{};
  int i = 0, j = 0, n = 0;
  while (i < na && j < nb) c[n++] = a[i] < b[j] ? a[i++] : b[j++];
  while (i < na) c[n++] = a[i++];
  while (j < nb) c[n++] = b[j++];
  return c;
}

}  // namespace

void CountViolations(std::vector<int64_t>& histogram, const Verdict& v) {
  const size_t bucket = static_cast<size_t>(std::max(v.failures, 0));
  if (histogram.size() <= bucket) histogram.resize(bucket + 1, 0);
  ++histogram[bucket];
}

void MergeViolations(std::vector<int64_t>& into, const std::vector<int64_t>& from) {
  if (into.size() < from.size()) into.resize(from.size(), 0);
  for (size_t k = 0; k < from.size(); ++k) into[k] += from[k];
}

EnumerationVerdicts JudgeEnumeration(const FrontJudge& judge, const std::vector<int>& pool,
                                     const std::vector<int>& bankers, const ProgressFn& progress) {
  EnumerationVerdicts result;
  // Inputs the generator never makes (numbers out of range, repeats) take
  // the plain road, which defines the order.
  std::array<bool, kFrontMax + 1> isBanker{}, inPool{};
  bool plain = bankers.size() > 5;
  for (int b : bankers) {
    if (b < 1 || b > kFrontMax || isBanker[b]) plain = true;
    if (!plain) isBanker[b] = true;
  }
  for (int n : pool) {
    if (n < 1 || n > kFrontMax || inPool[n]) plain = true;
    if (!plain) inPool[n] = true;
  }
  if (plain || !std::is_sorted(pool.begin(), pool.end())) {
    const std::vector<Combo> all = EnumerateCombos(pool, bankers);
    bool cancelled = false;
    const std::vector<Verdict> v = JudgeAll(judge, all, false, progress, &cancelled);
    result.cancelled = cancelled;
    if (cancelled) return result;
    result.judged = static_cast<int64_t>(all.size());
    for (size_t i = 0; i < all.size(); ++i)
      if (v[i].accepted) {
        result.accepted.push_back(all[i]);
        CountViolations(result.violations, v[i]);
      }
    return result;
  }

  // The free numbers from the top, and the bankers ascending.
  std::vector<uint8_t> freeNumbers;
  for (auto it = pool.rbegin(); it != pool.rend(); ++it)
    if (!isBanker[*it]) freeNumbers.push_back(static_cast<uint8_t>(*it));
  std::vector<uint8_t> fixed;
  for (int n = 1; n <= kFrontMax; ++n)
    if (isBanker[n]) fixed.push_back(static_cast<uint8_t>(n));
  const int q = static_cast<int>(freeNumbers.size());
  const int r = 5 - static_cast<int>(fixed.size());
  const int64_t total = Binomial(q, r);
  if (total == 0) return result;

  ParallelOptions options;
  options.progress = progress;
  // A few stretches per thread, handed out in turn, even out uneven speeds.
  const int64_t stretches = std::min<int64_t>(total, int64_t{ParallelThreads(options)} * 8);
  options.blockSize = (total + stretches - 1) / stretches;
  std::vector<std::vector<Combo>> parts(static_cast<size_t>(stretches));
  // Each stretch counts its own violations; merged in order at the end.
  std::vector<std::vector<int64_t>> histograms(static_cast<size_t>(stretches));

  const auto work = [&](int64_t begin, int64_t end, int, ParallelControl&) {
    std::vector<Combo>& part = parts[static_cast<size_t>(begin / options.blockSize)];
    std::vector<int64_t>& histogram = histograms[static_cast<size_t>(begin / options.blockSize)];
    part.reserve(static_cast<size_t>(end - begin));  // pages are touched only as filled
    IndexSets sets(q, r, begin);
    std::array<uint8_t, 5> chosen{};
    // Runs of combinations that differ only in their smallest number go to
    // the judge together.
    std::array<Combo, kFrontMax> block;
    std::array<Verdict, kFrontMax> verdicts;
    size_t filled = 0;
    const auto flush = [&] {
      judge.JudgeSharedTop(std::span(block.data(), filled), verdicts.data());
      for (size_t i = 0; i < filled; ++i)
        if (verdicts[i].accepted) {
          part.push_back(block[i]);
          CountViolations(histogram, verdicts[i]);
        }
      filled = 0;
    };
    if (fixed.empty()) {
      // Without bankers a run is the sets that share their first four
      // members: the smallest number takes each later free number in turn.
      for (int64_t k = begin; k < end;) {
        const std::array<int, 5>& j = sets.Indices();
        const int64_t run = std::min<int64_t>(q - j[4], end - k);
        for (int64_t m = 0; m < run; ++m)
          block[static_cast<size_t>(m)] = {freeNumbers[static_cast<size_t>(j[4] + m)],
                                           freeNumbers[j[3]], freeNumbers[j[2]], freeNumbers[j[1]],
                                           freeNumbers[j[0]]};
        filled = static_cast<size_t>(run);
        flush();
        k += run;
        sets.SkipLast(run);
      }
      return;
    }
    for (int64_t k = begin; k < end; ++k, sets.Next()) {
      // Later indices are smaller numbers: read backwards for ascending order.
      for (int m = 0; m < r; ++m) chosen[m] = freeNumbers[sets.Indices()[r - 1 - m]];
      const Combo c = Merge(chosen.data(), r, fixed.data(), static_cast<int>(fixed.size()));
      if (filled > 0 &&
          (filled == block.size() || !std::equal(c.begin() + 1, c.end(), block[0].begin() + 1)))
        flush();
      block[filled++] = c;
    }
    if (filled > 0) flush();
  };
  if (RunParallel(total, work, options).cancelled) {
    result.cancelled = true;
    return result;
  }
  size_t count = 0;
  for (const auto& p : parts) count += p.size();
  result.accepted.reserve(count);
  for (auto& p : parts) {
    result.accepted.insert(result.accepted.end(), p.begin(), p.end());
    std::vector<Combo>().swap(p);
  }
  for (const auto& h : histograms) MergeViolations(result.violations, h);
  result.judged = total;
  return result;
}

}  // namespace dlt
