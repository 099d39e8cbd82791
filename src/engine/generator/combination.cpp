#include "generator/combination.h"

#include <algorithm>

namespace dlt {
namespace {

constexpr std::array<std::array<int, 6>, 36> MakeBinomials() {
  std::array<std::array<int, 6>, 36> b{};
  for (int n = 0; n < 36; ++n) {
    b[n][0] = 1;
    for (int k = 1; k < 6; ++k) b[n][k] = n == 0 ? 0 : b[n - 1][k - 1] + b[n - 1][k];
  }
  return b;
}
constexpr auto kBinomial = MakeBinomials();

// The recursive enumeration: chosen[0..k) holds the numbers so far
// (bankers first), `a` counts the pool positions still open (P[1..a-1]).
template <int Size, class Out>
void Enumerate(const std::vector<int>& pool, const std::array<bool, 36>& isBanker,
               std::array<uint8_t, Size>& chosen, int k, int a, Out& out) {
  if (k > Size || k + a <= Size) return;
  if (k == Size) {
    std::array<uint8_t, Size> sorted = chosen;
    std::sort(sorted.begin(), sorted.end());
    out.push_back(sorted);
    return;
  }
  if (a == 1) return;
  const int m = pool[a - 2];
  if (!isBanker[m]) {
    chosen[k] = static_cast<uint8_t>(m);
    Enumerate<Size>(pool, isBanker, chosen, k + 1, a - 1, out);
  }
  Enumerate<Size>(pool, isBanker, chosen, k, a - 1, out);
}

template <int Size>
std::vector<std::array<uint8_t, Size>> EnumerateAll(const std::vector<int>& pool,
                                                    const std::vector<int>& bankers) {
  std::vector<std::array<uint8_t, Size>> out;
  if (static_cast<int>(bankers.size()) > Size) return out;
  std::array<bool, 36> isBanker{};
  std::array<uint8_t, Size> chosen{};
  std::vector<int> sortedBankers = bankers;
  std::sort(sortedBankers.begin(), sortedBankers.end());
  int k = 0;
  for (int b : sortedBankers) {
    isBanker[b] = true;
    chosen[k++] = static_cast<uint8_t>(b);
  }
  Enumerate<Size>(pool, isBanker, chosen, k, static_cast<int>(pool.size()) + 1, out);
  return out;
}

}  // namespace

int ComboRank(const Combo& c) {
  int r = 0;
  for (int i = 0; i < 5; ++i) r += kBinomial[c[i] - 1][i + 1];
  return r;
}

std::vector<Combo> EnumerateCombos(const std::vector<int>& pool, const std::vector<int>& bankers) {
  return EnumerateAll<5>(pool, bankers);
}

std::vector<std::array<uint8_t, 2>> EnumeratePairs(const std::vector<int>& pool,
                                                   const std::vector<int>& bankers) {
  return EnumerateAll<2>(pool, bankers);
}

bool HasEqualGaps(const Combo& c) {
  const int g = c[1] - c[0];
  return c[2] - c[1] == g && c[3] - c[2] == g && c[4] - c[3] == g;
}

bool IsSpecialRun(const Combo& c) {
  return c[4] - c[0] == 4 || c[3] - c[0] == 3 || c[4] - c[1] == 3 ||
         (c[1] - c[0] == 1 && c[4] - c[2] == 2) || (c[2] - c[0] == 2 && c[4] - c[3] == 1);
}

void HistoryComboSet::Add(const Combo& c) {
  // Only proper combinations have a rank (a pseudo-draw may hold anything).
  for (int i = 0; i < 5; ++i)
    if (c[i] < 1 || c[i] > 35 || (i > 0 && c[i] <= c[i - 1])) return;
  const int r = ComboRank(c);
  bits_[r >> 6] |= uint64_t{1} << (r & 63);
}

bool HistoryComboSet::Contains(const Combo& c) const {
  const int r = ComboRank(c);
  return (bits_[r >> 6] >> (r & 63)) & 1;
}

}  // namespace dlt
