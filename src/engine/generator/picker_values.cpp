#include "generator/picker_values.h"

#include <algorithm>
#include <cstdlib>

#include "common/numbers.h"
#include "common/rounding.h"
#include "history/draw_table.h"
#include "history/history_contexts.h"
#include "indicators/indicator.h"

namespace dlt {
namespace {

template <class Keep>
void Narrow(std::vector<int>& values, Keep keep) {
  values.erase(std::remove_if(values.begin(), values.end(), [&](int v) { return !keep(v); }),
               values.end());
}

template <class T>
bool Blank(const PickerRules::Bounds<T>& b) {
  return !b.from || !b.to;
}

}  // namespace

std::optional<int32_t> NewestDrawValue(const DrawTable& table, const EvalEnv& env,
                                       std::string_view key) {
  const int last = table.LastRealIndex();
  if (last < 0) return std::nullopt;
  // A forecast record after the newest draw must not count as history.
  EvalContext ctx = TableContext(table, &env);
  ctx.count = last + 1;
  ctx.pos = last;
  const int32_t value = IndicatorValue(ctx, key);
  if (value == kNoValue) return std::nullopt;
  return value;
}

PickerSelection SelectPickerValues(const PickerRules& rules, int first, int last, int current) {
  PickerSelection out;
  std::vector<int>& values = out.values;
  for (int v = first; v <= last; ++v) values.push_back(v);

  if (rules.odd) Narrow(values, [&](int v) { return (std::abs(v) % 2 == 1) == *rules.odd; });
  if (rules.prime) Narrow(values, [&](int v) { return IsPrime(v) == *rules.prime; });
  if (rules.tailDigits) {
    Narrow(values, [&](int v) {
      return rules.tailDigits->find(static_cast<char>('0' + std::abs(v) % 10)) != std::string::npos;
    });
  }
  for (const PickerRules::Remainder& r : rules.remainders) {
    if (r.divisor <= 0 || static_cast<int>(r.kept.size()) != r.divisor) continue;
    Narrow(values, [&](int v) {
      return r.kept[static_cast<size_t>(((v % r.divisor) + r.divisor) % r.divisor)];
    });
  }
  if (rules.change.checked) {
    if (Blank(rules.change)) {
      out.error = "变化量未输入数据";
      return out;
    }
    Narrow(values, [&](int v) {
      const int d = std::abs(v - current);
      return *rules.change.from <= d && d <= *rules.change.to;
    });
  }
  if (rules.range.checked) {
    if (Blank(rules.range)) {
      out.error = "取值范围未输入数据";
      return out;
    }
    Narrow(values, [&](int v) { return *rules.range.from <= v && v <= *rules.range.to; });
  }
  if (rules.twoDrawMean.checked) {
    if (Blank(rules.twoDrawMean)) {
      out.error = "二期均值未输入数据";
      return out;
    }
    Narrow(values, [&](int v) {
      const double mean = RoundToDecimals((v + current) / 2.0, 1);
      return *rules.twoDrawMean.from <= mean && mean <= *rules.twoDrawMean.to;
    });
  }
  return out;
}

}  // namespace dlt
