#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/condition_set.h"

namespace CLI {
class App;
}

namespace dlt::cli {

// Integers and ranges separated by commas: "2,3", "80-120", "0,2-4",
// "1-10,15". Blanks around the pieces are ignored; an empty text gives an
// empty list. Every value must lie in from..to. Throws CliError naming
// `what` (the option as typed) otherwise.
std::vector<int> ParseIntegerList(std::string_view text, int from, int to, const std::string& what);

// --cond STEM[~]=VALUES
struct CondArg {
  std::string stem;
  bool tolerant = false;
  std::vector<int> values;  // checked against the condition's picker range when applied
  std::string text;         // as typed, for messages
};
CondArg ParseCondArg(std::string_view text);

// --range bzc[~]=FROM-TO (either bound may be left blank: the filter then
// refuses to run, as with a blank bound edit); "7" is 7-7.
struct RangeArg {
  std::string stem;
  bool tolerant = false;
  std::optional<int32_t> from, to;
};
RangeArg ParseRangeArg(std::string_view text);

// --self 'NUMBERS:COUNTS[~]'
SelfCondition ParseSelfArg(std::string_view text);
// --tail 'DIGITS:COUNTS[*][~]' (* = every number counts, 相同尾数仅计算一次 off)
TailSetting ParseTailArg(std::string_view text);
// --formula 'EXPR:VALUES[~]', split at the last colon.
CustomIndicator ParseFormulaArg(std::string_view text);
// --switch nothistory|equaldist|special=on|off, applied to `switches`.
void ApplySwitchArg(std::string_view text, GlobalSwitches& switches);
// --tolerance FROM-TO (0..100), or "off".
TotalTolerance ParseToleranceArg(std::string_view text);

// The inline conditions of `dlt filter` and `dlt pick`, as typed.
struct ConditionArgs {
  std::vector<std::string> conds, ranges, selfs, tails, formulas, switches;
  std::optional<std::string> pool, banker, tolerance;
  std::optional<int> limit;

  bool Any() const;
  // Options that only the front zone knows (ranges, self conditions, tail
  // settings, formulas, switches, total tolerance), as "--range" etc.
  std::vector<std::string> FrontOnlyGiven() const;
};

// Registers --cond, --range, --self, --tail, --formula, --pool, --banker,
// --switch and --tolerance on `cmd` (each may be repeated where a list
// makes sense); `withLimit` adds --limit of the back zone.
void AddConditionOptions(CLI::App& cmd, ConditionArgs& args, bool withLimit);

// Apply the inline conditions on top of a set. Throws CliError with the
// set's own message (or one naming the option) when one is refused.
void ApplyFrontConditionArgs(const ConditionArgs& args, ConditionSet& set);
void ApplyBackConditionArgs(const ConditionArgs& args, BackConditionSet& set);

}  // namespace dlt::cli
