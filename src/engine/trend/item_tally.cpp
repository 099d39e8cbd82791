#include "trend/item_tally.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "common/numbers.h"
#include "common/rounding.h"
#include "common/text.h"
#include "indicators/front_indicators.h"

namespace dlt {
namespace {

void Add(ItemTally::Extent& e, int32_t value, bool first) {
  e.sum += value;
  e.largest = first ? value : std::max(e.largest, value);
  e.smallest = first ? value : std::min(e.smallest, value);
}

std::string Decimals(double value, int decimals) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, RoundToDecimals(value, decimals));
  return buf;
}

// sum / n to `decimals` places; 0 for n = 0.
std::string Mean(int64_t sum, int64_t n, int decimals) {
  return Decimals(n > 0 ? static_cast<double>(sum) / static_cast<double>(n) : 0.0, decimals);
}

ItemLine Counted(std::string prefix, int64_t count, int64_t total, std::string suffix = {}) {
  return {prefix + std::to_string(count) + suffix, PercentText(count, total),
          BarWidth(count, total)};
}

ItemLine Plain(std::string text) {
  return {std::move(text), "", -1};
}

// Two complementary items and their difference; the second bar is what the
// first leaves of 70.
ItemGroup Pair(std::string id, std::string title, const char* first, const char* second,
               int64_t count, int64_t total) {
  ItemLine a = Counted(first, count, total);
  ItemLine b = Counted(second, total - count, total);
  if (total > 0) b.bar = 70 - a.bar;
  return {std::move(id),
          std::move(title),
          {a, b, Plain("个数差:" + std::to_string(std::llabs(count - (total - count))))},
          {}};
}

// Draws per count, then the count-weighted mean per draw.
ItemGroup Distribution(std::string id, std::string title, int lo, int hi, const char* unit,
                       const char* noun, std::span<const int64_t> draws, int64_t weighted, int c,
                       const char* meanText, const char* meanUnit) {
  ItemGroup g{std::move(id), std::move(title), {}, {}};
  for (int k = lo; k <= hi; ++k)
    g.lines.push_back(Counted(std::to_string(k) + unit + noun + ":", draws[k], c, "期"));
  g.lines.push_back(Plain(meanText + Mean(weighted, c, 1) + meanUnit));
  return g;
}

ItemGroup Extent(std::string id, std::string title, const ItemTally::Extent& e, int64_t n,
                 const char* mean, const char* largest, const char* smallest) {
  const bool any = n > 0;
  return {std::move(id),
          std::move(title),
          {Plain(mean + Mean(e.sum, n, 2)), Plain(largest + std::to_string(any ? e.largest : 0)),
           Plain(smallest + std::to_string(any ? e.smallest : 0))},
          {}};
}

ItemGroup Remainders(std::string id, std::string title, int divisor,
                     std::span<const int64_t> counts, int64_t total) {
  divisor = std::clamp(divisor, 3, 5);
  ItemGroup g{std::move(id), std::move(title), {}, {}};
  for (int r = 0; r < 5; ++r) {
    if (r >= divisor) {
      g.lines.push_back({"", "", -1, true});
      continue;
    }
    g.lines.push_back(
        Counted("除" + ChineseNumeral(divisor) + "余" + (r == 0 ? "零" : ChineseNumeral(r)) + "数:",
                counts[r], total));
  }
  return g;
}

template <size_t N>
std::span<const int64_t> Of(const std::array<int64_t, N>& a) {
  return {a.data(), a.size()};
}

ItemGroup Measured(ItemGroup group, std::vector<std::string> indicators) {
  group.indicators = std::move(indicators);
  return group;
}

// "z_c3y0" .. "z_c3y2" for 3: the front numbers with each remainder.
std::vector<std::string> RemainderCountKeys(int divisor) {
  divisor = std::clamp(divisor, 3, 5);
  std::vector<std::string> keys;
  for (int r = 0; r < divisor; ++r)
    keys.push_back("z_c" + std::to_string(divisor) + "y" + std::to_string(r));
  return keys;
}

}  // namespace

ItemTally TallyItems(std::span<const Draw> draws, const DrawRange& range) {
  ItemTally t;
  const int last = std::min(range.last, static_cast<int>(draws.size()) - 1);
  for (int i = last; i > last - range.count && i >= 0; --i) {
    const Draw& d = draws[i];
    const Draw* previous = i > 0 ? &draws[i - 1] : nullptr;
    const bool first = t.draws == 0;
    ++t.draws;
    for (int n : d.front) {
      t.odd += n % 2;
      t.big += n > 17 ? 1 : 0;
      ++t.thirds[n <= 11 ? 0 : n <= 23 ? 1 : 2];
      ++t.mod3[n % 3];
      ++t.mod4[n % 4];
      ++t.mod5[n % 5];
      ++t.sevenths[std::clamp((n - 1) / 5, 0, 6)];
    }
    const int32_t primes = PrimeCount(d), tails = DistinctTailCount(d);
    const int32_t repeats = RepeatCount(d, previous), runs = ConsecutivePairCount(d);
    ++t.primes[primes];
    ++t.tailGroups[tails];
    ++t.repeats[repeats];
    ++t.runs[std::min(runs, 4)];
    t.primeSum += primes;
    t.tailGroupSum += tails;
    t.repeatSum += repeats;
    t.runSum += runs;
    Add(t.skew, FrontDeviation(d, previous), first);
    Add(t.scatter, FrontScatter(d), first);
    Add(t.total, FrontSum(d), first);
    for (int k = 0; k < 4; ++k) Add(t.gaps, d.front[k + 1] - d.front[k], first && k == 0);
    for (int n : d.back) {
      t.backOdd += n % 2;
      t.backBig += n > 6 ? 1 : 0;
      t.backPrime += IsPrime(n) ? 1 : 0;
      ++t.backMod3[n % 3];
      ++t.backMod4[n % 4];
      ++t.backMod5[n % 5];
    }
  }
  return t;
}

std::vector<ItemGroup> ItemGroupsPageOne(const ItemTally& t) {
  const int c = t.draws;
  const int64_t numbers = 5LL * c;
  ItemGroup thirds{"sq", "三区", {}, {"z_3fq_1qgs", "z_3fq_2qgs", "z_3fq_3qgs"}};
  const char* const names[] = {"一区球数:", "二区球数:", "三区球数:"};
  for (int z = 0; z < 3; ++z) thirds.lines.push_back(Counted(names[z], t.thirds[z], numbers));
  return {Measured(Pair("jo", "奇偶", "奇数个数:", "偶数个数:", t.odd, numbers), {"z_jsgs"}),
          Measured(Pair("dx", "大小", "大数个数:", "小数个数:", t.big, numbers), {"z_dsgs"}),
          thirds,
          Measured(Distribution("ws", "尾数", 2, 5, "个", "尾数", Of(t.tailGroups), t.tailGroupSum,
                                c, "平均每期尾数个数:", "个"),
                   {"z_wzgs"}),
          Measured(Distribution("zs", "质数", 0, 5, "个", "质数", Of(t.primes), t.primeSum, c,
                                "平均每期质数个数:", "个"),
                   {"z_zsgs"}),
          Measured(Distribution("ch", "重号", 0, 5, "个", "重号", Of(t.repeats), t.repeatSum, c,
                                "平均每期重号个数:", "个"),
                   {"z_cmgs"}),
          Measured(Distribution("lh", "连号", 0, 3, "组", "连号", Of(t.runs), t.runSum, c,
                                "平均每期连号组数:", "组"),
                   {"z_lmzs"})};
}

std::vector<ItemGroup> ItemGroupsPageTwo(const ItemTally& t, int frontDivisor, int backDivisor) {
  const int c = t.draws;
  const int64_t numbers = 5LL * c, backNumbers = 2LL * c;
  auto front = [&](int d) { return d == 4 ? Of(t.mod4) : d == 5 ? Of(t.mod5) : Of(t.mod3); };
  auto back = [&](int d) {
    return d == 4 ? Of(t.backMod4) : d == 5 ? Of(t.backMod5) : Of(t.backMod3);
  };
  return {
      Measured(Extent("pd", "偏度", t.skew, c, "平均偏度值:", "最大偏度值:", "最小偏度值:"),
               {"z_pd"}),
      Measured(Extent("sd", "散度", t.scatter, c, "平均散度值:", "最大散度值:", "最小散度值:"),
               {"z_sd"}),
      Measured(Remainders("ys", "余数", frontDivisor, front(frontDivisor), numbers),
               RemainderCountKeys(frontDivisor)),
      Measured(Extent("jj", "间距", t.gaps, 4LL * c, "间距平均值:", "最大间距:", "最小间距:"),
               {"z_zdjj", "z_zxjj"}),
      Measured(Extent("hz", "和值", t.total, c, "和值平均值:", "最大和值:", "最小和值:"), {"z_hz"}),
      Pair("f_jo", "副区奇偶", "奇数个数:", "偶数个数:", t.backOdd, backNumbers),
      Pair("f_dx", "副区大小", "大数个数:", "小数个数:", t.backBig, backNumbers),
      Pair("f_zh", "副区质合", "质数个数:", "合数个数:", t.backPrime, backNumbers),
      Remainders("f_ys", "副区余数", backDivisor, back(backDivisor), backNumbers)};
}

const std::vector<std::string>& RemainderBoxTexts() {
  static const std::vector<std::string> texts = {"除三余数", "除四余数", "除五余数"};
  return texts;
}

std::string PercentText(int64_t count, int64_t total) {
  const double share = total > 0 ? 100.0 * static_cast<double>(count) / total : 0.0;
  return Decimals(share, 1) + "%";
}

int BarWidth(int64_t count, int64_t total) {
  return total > 0 ? static_cast<int>(DivRoundHalfEven(70 * count, total)) : 0;
}

}  // namespace dlt
