// The derived series of the trend pages. Each looks only at draws that exist
// before the current one on the same source; at the start of the history
// the missing draws count as absent.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "common/numbers.h"
#include "indicators/compound_internal.h"

namespace dlt::compound {
namespace {

int Tail(int n) {
  return std::abs(n) % 10;
}

// The class of a number by kind j: parity, prime (1 counts), remainder by 3,
// tail of 5 or more, tail 0-2 / 3-5 / 6-9.
int ClassOf(int kind, int n) {
  switch (kind) {
    case 0:
      return n % 2;
    case 1:
      return IsPrime(n) ? 1 : 0;
    case 2:
      return n % 3;
    case 3:
      return Tail(n) >= 5 ? 1 : 0;
    default:
      return Tail(n) <= 2 ? 0 : Tail(n) <= 5 ? 1 : 2;
  }
}

int Shared(const Draw& a, const Draw& b) {
  int n = 0;
  for (auto x : a.front)
    for (auto y : b.front) n += x == y;
  return n;
}

}  // namespace

Resolution AppearanceRange(const KeyParams& p) {
  const auto v = ParseNumbers(p.text, 3);
  if (!v || (*v)[0] < 0) return Malformed(p.key);
  return Make([window = (*v)[0], lo = (*v)[1], hi = (*v)[2]](const EvalContext& ctx) {
    std::array<int, 256> times{};
    const int first = std::max(0, ctx.pos - window);
    for (int q = first; q < ctx.pos; ++q)
      for (auto n : ctx.draws[q].front) ++times[n];
    int count = 0;
    for (auto n : ctx.Current().front) count += lo <= times[n] && times[n] <= hi;
    return Byte(count);
  });
}

Resolution SimilarDraws(const KeyParams& p) {
  const auto v = ParseNumbers(p.text, 3);
  // The first parameter is the style; only the count is defined.
  if (!v || (*v)[0] != 0 || (*v)[1] < 0) return Malformed(p.key);
  return Make([window = (*v)[1], least = (*v)[2]](const EvalContext& ctx) {
    int count = 0;
    const int first = std::max(0, ctx.pos - window);
    for (int q = first; q < ctx.pos; ++q) count += Shared(ctx.draws[q], ctx.Current()) >= least;
    return Byte(count);
  });
}

Resolution GapRepeats(const KeyParams& p) {
  const auto v = ParseNumbers(p.text, 3);
  if (!v || !IsStyle((*v)[0]) || (*v)[1] < 0 || (*v)[2] < 0) return Malformed(p.key);
  return Make([sum = (*v)[0] == 1, lo = (*v)[1], hi = (*v)[2]](const EvalContext& ctx) {
    std::array<bool, 256> seen{};
    // Draws lo+1 .. hi+1 before the current one.
    const int64_t nearest = static_cast<int64_t>(ctx.pos) - lo - 1;
    const int64_t farthest = std::max<int64_t>(0, static_cast<int64_t>(ctx.pos) - hi - 1);
    for (int64_t q = nearest; q >= farthest; --q)
      for (auto n : ctx.draws[q].front) seen[n] = true;
    int64_t total = 0;
    for (auto n : ctx.Current().front)
      if (seen[n]) total += sum ? n : 1;
    return Byte(total);
  });
}

Resolution SamePositionClass(const KeyParams& p) {
  const auto v = ParseNumbers(p.text, 3);
  if (!v || !IsStyle((*v)[0]) || (*v)[1] < 0 || (*v)[1] > 4 || (*v)[2] < 0) return Malformed(p.key);
  return Make([sum = (*v)[0] == 1, kind = (*v)[1], gap = (*v)[2]](const EvalContext& ctx) {
    const int64_t q = static_cast<int64_t>(ctx.pos) - gap - 1;
    if (q < 0) return int32_t{0};
    const auto& now = ctx.Current().front;
    const auto& then = ctx.draws[q].front;
    int64_t total = 0;
    for (int k = 0; k < 5; ++k)
      if (ClassOf(kind, now[k]) == ClassOf(kind, then[k])) total += sum ? now[k] : 1;
    return Byte(total);
  });
}

}  // namespace dlt::compound
