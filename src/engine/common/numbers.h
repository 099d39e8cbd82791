#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dlt {

constexpr int kFrontMax = 35;
constexpr int kBackMax = 12;

// 1 counts as prime, 0 does not.
constexpr bool IsPrime(int n) {
  if (n == 1) return true;
  if (n < 2) return false;
  for (int d = 2; d * d <= n; ++d)
    if (n % d == 0) return false;
  return true;
}

// k + 1 bounds Z0..Zk dividing lo..hi into k zones; the last (size mod k)
// zones are one wider. Zone e holds Z(e-1)+1 .. Ze.
std::vector<int> ZoneBounds(int k, int lo, int hi);

// Zone (1-based) of number n among the bounds of ZoneBounds.
int ZoneOf(const std::vector<int>& bounds, int n);

// Numbers below 10 get a leading "0" everywhere draws are shown.
std::string TwoDigit(int n);

}  // namespace dlt
