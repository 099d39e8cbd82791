#include "common/numbers.h"

namespace dlt {

std::vector<int> ZoneBounds(int k, int lo, int hi) {
  std::vector<int> z(k + 1);
  z[0] = lo - 1;
  const int size = hi - lo + 1;
  const int w = size / k;
  const int r = size % k;
  for (int e = 1; e <= k; ++e) z[e] = z[e - 1] + w + (k - e < r ? 1 : 0);
  return z;
}

int ZoneOf(const std::vector<int>& bounds, int n) {
  for (size_t e = 1; e < bounds.size(); ++e)
    if (n > bounds[e - 1] && n <= bounds[e]) return static_cast<int>(e);
  return 0;
}

std::string TwoDigit(int n) {
  std::string s = std::to_string(n);
  if (n >= 0 && n < 10) s.insert(s.begin(), '0');
  return s;
}

}  // namespace dlt
