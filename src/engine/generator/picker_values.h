#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "indicators/eval_context.h"

namespace dlt {

class DrawTable;

// The value of the indicator `key` at the newest real draw of the table, as
// a value picker shows it beside its tiles. A forecast record after the
// newest draw is not history. Nullopt for an empty table or a key that does
// not resolve.
std::optional<int32_t> NewestDrawValue(const DrawTable& table, const EvalEnv& env,
                                       std::string_view key);

// The rules of the value pickers' selection box, read from its controls.
// Each set rule narrows what the rules before it kept, in this order.
struct PickerRules {
  std::optional<bool> odd;    // odd (true) or even (false) values
  std::optional<bool> prime;  // primes (true) or the others (false)
  // Tail digits a value's last digit must be one of (long list only).
  std::optional<std::string> tailDigits;
  // Remainder rules: divisor and the residues kept.
  struct Remainder {
    int divisor = 0;
    std::vector<bool> kept;  // one per residue 0..divisor-1
  };
  std::vector<Remainder> remainders;
  // A checked bounds rule; a bound left blank is nullopt.
  template <class T>
  struct Bounds {
    bool checked = false;
    std::optional<T> from, to;
  };
  Bounds<int> change;          // |v - current| within from..to
  Bounds<int> range;           // v within from..to
  Bounds<double> twoDrawMean;  // (v + current) / 2, to one decimal, within from..to
};

// The values of first..last that pass every set rule. A checked bounds rule
// with a blank bound stops there: its message, and `values` holds what the
// rules before it kept. `current` is the indicator's value at the newest draw.
struct PickerSelection {
  std::vector<int> values;
  std::string error;  // empty when every rule applied
};
PickerSelection SelectPickerValues(const PickerRules& rules, int first, int last, int current);

}  // namespace dlt
