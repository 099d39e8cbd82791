#include "cli/condition_args.h"

#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "common/gbk_text.h"
#include "common/numbers.h"
#include "common/text.h"
#include "formula/formula_check.h"
#include "generator/condition_table.h"
#include "generator/value_list_text.h"

namespace dlt::cli {
namespace {

// Counts of a self condition or tail setting: how many of five numbers.
constexpr int kMaxCount = 5;
// Values the custom indicator picker offers.
constexpr int kMaxFormulaValue = 1000;

// Digits only, no sign; at most nine, so every value fits.
std::optional<int64_t> ParseNonNegative(std::string_view s) {
  s = Trim(s);
  if (s.size() > 9 || s.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  return IntegerOfText<int64_t>(s);
}

[[noreturn]] void Bad(const std::string& message) {
  throw CliError(message);
}

// Removes trailing markers ('~', '*') in any order; reports which were there.
std::string_view TakeMarkers(std::string_view s, bool* tolerant, bool* star) {
  for (;;) {
    s = Trim(s);
    if (!s.empty() && s.back() == '~' && tolerant && !*tolerant) {
      *tolerant = true;
      s.remove_suffix(1);
    } else if (!s.empty() && s.back() == '*' && star && !*star) {
      *star = true;
      s.remove_suffix(1);
    } else {
      return s;
    }
  }
}

// "STEM[~]=VALUES" into its three parts.
void SplitStem(std::string_view text, const std::string& option, std::string* stem, bool* tolerant,
               std::string_view* values) {
  const size_t eq = text.find('=');
  if (eq == std::string_view::npos)
    Bad(option + " " + std::string(text) + ": 应写成 名称=取值, 如 " +
        (option == "--range" ? "bzc=2-9" : "dsgs=2,3"));
  *tolerant = false;
  *stem = std::string(TakeMarkers(text.substr(0, eq), tolerant, nullptr));
  if (stem->empty()) Bad(option + " " + std::string(text) + ": 缺少条件名称");
  *values = text.substr(eq + 1);
}

ValueSet MakeValueSet(const std::vector<int>& values, const std::string& what) {
  std::string error;
  auto set = ValueSet::From(std::vector<int32_t>(values.begin(), values.end()), &error);
  if (!set) Bad(what + ": " + error);
  return *set;
}

const FrontCondition& FrontConditionOf(const std::string& stem, const std::string& what) {
  const FrontCondition* info = FindFrontConditionByStem(stem);
  if (!info) {
    if (FindBackConditionByStem(stem)) Bad(what + ": " + stem + " 是副区条件, 请加 --back");
    Bad(what + ": 没有名为 " + stem + " 的条件");
  }
  return *info;
}

void Require(bool ok, const std::string& what, const std::string& error) {
  if (!ok) Bad(what + ": " + error);
}

void ApplyFrontCond(const std::string& text, ConditionSet& set) {
  const CondArg arg = ParseCondArg(text);
  const std::string what = "--cond " + text;
  const FrontCondition& info = FrontConditionOf(arg.stem, what);
  if (info.IsRange())
    Bad(what + ": " + arg.stem + " 是范围条件, 请用 --range " + arg.stem + "=FROM-TO");
  for (int v : arg.values)
    if (v < info.pickerFrom || v > info.pickerTo)
      Bad(what + ": " + std::string(info.caption) + "的取值必须在" +
          std::to_string(info.pickerFrom) + "到" + std::to_string(info.pickerTo) + "之间");
  std::string error;
  Require(set.SetEnabled(info.number, true, &error), what, error);
  Require(set.SetValues(info.number, MakeValueSet(arg.values, what), &error), what, error);
  Require(set.SetTolerant(info.number, arg.tolerant, &error), what, error);
}

void ApplyBackCond(const std::string& text, BackConditionSet& set) {
  const CondArg arg = ParseCondArg(text);
  const std::string what = "--cond " + text;
  const BackCondition* info = FindBackConditionByStem(arg.stem);
  if (!info) {
    if (FindFrontConditionByStem(arg.stem)) Bad(what + ": " + arg.stem + " 不是副区条件");
    Bad(what + ": 没有名为 " + arg.stem + " 的副区条件");
  }
  for (int v : arg.values)
    if (v < info->pickerFrom || v > info->pickerTo)
      Bad(what + ": " + std::string(info->caption) + "的取值必须在" +
          std::to_string(info->pickerFrom) + "到" + std::to_string(info->pickerTo) + "之间");
  std::string error;
  Require(set.SetEnabled(info->number, true, &error), what, error);
  Require(set.SetValues(info->number, MakeValueSet(arg.values, what), &error), what, error);
  Require(set.SetTolerant(info->number, arg.tolerant, &error), what, error);
}

void ApplyRange(const std::string& text, ConditionSet& set) {
  const RangeArg arg = ParseRangeArg(text);
  const std::string what = "--range " + text;
  const FrontCondition& info = FrontConditionOf(arg.stem, what);
  if (!info.IsRange())
    Bad(what + ": " + arg.stem + " 不是范围条件, 请用 --cond " + arg.stem + "=VALUES");
  std::string error;
  Require(set.SetEnabled(info.number, true, &error), what, error);
  Require(set.SetRangeBounds(info.number, arg.from, arg.to, &error), what, error);
  Require(set.SetTolerant(info.number, arg.tolerant, &error), what, error);
}

std::vector<int> Numbers(const std::optional<std::string>& text, int max,
                         const std::string& option) {
  return ParseIntegerList(*text, 1, max, option + " " + *text);
}

// "A:B" split at the last colon.
void SplitAtLastColon(std::string_view text, const std::string& what, std::string_view* left,
                      std::string_view* right, const char* example) {
  const size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) Bad(what + ": 应写成 " + example);
  *left = text.substr(0, colon);
  *right = text.substr(colon + 1);
}

}  // namespace

std::vector<int> ParseIntegerList(std::string_view text, int from, int to,
                                  const std::string& what) {
  std::string error;
  std::optional<std::vector<int>> values = ParseNumberList(text, from, to, &error);
  if (!values) Bad(what + ": " + error);
  return std::move(*values);
}

CondArg ParseCondArg(std::string_view text) {
  CondArg arg;
  arg.text = std::string(text);
  std::string_view values;
  SplitStem(text, "--cond", &arg.stem, &arg.tolerant, &values);
  // The picker ranges are checked when the stem is known; here only the form.
  arg.values = ParseIntegerList(values, 0, 1000000, "--cond " + arg.text);
  return arg;
}

RangeArg ParseRangeArg(std::string_view text) {
  RangeArg arg;
  std::string_view values;
  SplitStem(text, "--range", &arg.stem, &arg.tolerant, &values);
  const std::string what = "--range " + std::string(text);
  values = Trim(values);
  const size_t dash = values.find('-');
  const std::string_view fromText = Trim(values.substr(0, dash));
  const std::string_view toText =
      dash == std::string_view::npos ? fromText : Trim(values.substr(dash + 1));
  const auto bound = [&](std::string_view s) -> std::optional<int32_t> {
    if (s.empty()) return std::nullopt;
    const auto v = ParseNonNegative(s);
    if (!v || *v > ConditionSet::kMaxRangeBound)
      Bad(what + ": 上下限必须是0到99之间的整数 (应写成如 bzc=2-9)");
    return static_cast<int32_t>(*v);
  };
  arg.from = bound(fromText);
  arg.to = bound(toText);
  if (arg.from && arg.to && *arg.from > *arg.to) Bad(what + ": 下限大于上限");
  return arg;
}

SelfCondition ParseSelfArg(std::string_view text) {
  const std::string what = "--self " + std::string(text);
  SelfCondition entry;
  std::string_view body = TakeMarkers(text, &entry.tolerant, nullptr);
  std::string_view numbers, counts;
  SplitAtLastColon(body, what, &numbers, &counts, "号码:出现个数, 如 1-10,15:1-2");
  entry.numbers = ParseIntegerList(numbers, 1, kFrontMax, what);
  if (entry.numbers.empty()) Bad(what + ": 未选择号码");
  entry.counts = MakeValueSet(ParseIntegerList(counts, 0, kMaxCount, what), what);
  return entry;
}

TailSetting ParseTailArg(std::string_view text) {
  const std::string what = "--tail " + std::string(text);
  TailSetting entry;
  bool everyNumber = false;
  std::string_view body = TakeMarkers(text, &entry.tolerant, &everyNumber);
  entry.distinct = !everyNumber;
  std::string_view digits, counts;
  SplitAtLastColon(body, what, &digits, &counts, "尾数:出现个数, 如 3,5:1-2");
  entry.digits = ParseIntegerList(digits, 0, 9, what);
  if (entry.digits.empty()) Bad(what + ": 未选择尾数");
  entry.counts = MakeValueSet(ParseIntegerList(counts, 0, kMaxCount, what), what);
  return entry;
}

CustomIndicator ParseFormulaArg(std::string_view text) {
  const std::string what = "--formula " + CutText(text);
  CustomIndicator entry;
  std::string_view body = TakeMarkers(text, &entry.tolerant, nullptr);
  std::string_view formula, values;
  SplitAtLastColon(body, what, &formula, &values, "公式:取值, 如 getylz(z_hz):0-10");
  entry.formula = std::string(Trim(formula));
  if (entry.formula.empty()) Bad(what + ": 自定义指标公式不能为空");
  if (auto problem = CheckFormula(entry.formula)) Bad(what + ": " + *problem);
  entry.values = MakeValueSet(ParseIntegerList(values, 0, kMaxFormulaValue, what), what);
  return entry;
}

void ApplySwitchArg(std::string_view text, GlobalSwitches& switches) {
  const std::string what = "--switch " + std::string(text);
  const size_t eq = text.find('=');
  const std::string_view name = Trim(text.substr(0, eq));
  const std::string_view value = eq == std::string_view::npos ? "" : Trim(text.substr(eq + 1));
  bool on = false;
  if (value == "on")
    on = true;
  else if (value != "off")
    Bad(what + ": 应写成 名称=on 或 名称=off");
  if (name == "nothistory")
    switches.notHistory = on;
  else if (name == "equaldist")
    switches.notEqualDist = on;
  else if (name == "special")
    switches.specNext = on;
  else
    Bad(what + ": 开关名称应为 nothistory, equaldist 或 special");
}

TotalTolerance ParseToleranceArg(std::string_view text) {
  const std::string what = "--tolerance " + std::string(text);
  if (Trim(text) == "off") return TotalTolerance{false, 0, 3};
  const size_t dash = text.find('-');
  if (dash == std::string_view::npos) Bad(what + ": 应写成 FROM-TO, 如 0-1");
  const auto from = ParseNonNegative(text.substr(0, dash));
  const auto to = ParseNonNegative(text.substr(dash + 1));
  if (!from || !to || *from > ConditionSet::kMaxTotalTolerance ||
      *to > ConditionSet::kMaxTotalTolerance)
    Bad(what + ": 总容错必须在0到100之间");
  if (*from > *to) Bad(what + ": 下限大于上限");
  return TotalTolerance{true, static_cast<int32_t>(*from), static_cast<int32_t>(*to)};
}

bool ConditionArgs::Any() const {
  return !conds.empty() || !FrontOnlyGiven().empty() || pool || banker || limit;
}

std::vector<std::string> ConditionArgs::FrontOnlyGiven() const {
  std::vector<std::string> given;
  if (!ranges.empty()) given.push_back("--range");
  if (!selfs.empty()) given.push_back("--self");
  if (!tails.empty()) given.push_back("--tail");
  if (!formulas.empty()) given.push_back("--formula");
  if (!switches.empty()) given.push_back("--switch");
  if (tolerance) given.push_back("--tolerance");
  return given;
}

void AddConditionOptions(CLI::App& cmd, ConditionArgs& a, bool withLimit) {
  // One value per occurrence: the option is repeated for more.
  const auto repeatable = [&](const char* name, std::vector<std::string>& into, const char* help) {
    cmd.add_option(name, into, help)->allow_extra_args(false)->group("Conditions");
  };
  repeatable("--cond", a.conds,
             "STEM[~]=VALUES: enable a condition by stem (dsgs, hmhz, red1yl, f_hz with "
             "--back ...); VALUES like 2,3 or 80-120 or 0,2-4, empty for none; ~ = tolerant");
  repeatable("--range", a.ranges, "bzc[~]=FROM-TO or lsxs[~]=FROM-TO (0..99)");
  repeatable("--self", a.selfs, "NUMBERS:COUNTS[~]: a self condition (自设条件)");
  repeatable("--tail", a.tails,
             "DIGITS:COUNTS[*][~]: a tail setting (尾数设置); * counts every number "
             "instead of each digit once");
  repeatable("--formula", a.formulas, "EXPR:VALUES[~]: a custom indicator (自定义指标)");
  repeatable("--switch", a.switches, "nothistory|equaldist|special=on|off");
  cmd.add_option("--pool", a.pool, "NUMBERS: the number pool (可选号码), like 1-20,25")
      ->group("Conditions");
  cmd.add_option("--banker", a.banker, "NUMBERS: the bankers (胆码)")->group("Conditions");
  cmd.add_option("--tolerance", a.tolerance, "FROM-TO: total tolerance (总容错), or off")
      ->group("Conditions");
  if (withLimit)
    cmd.add_option("--limit", a.limit, "N: with --back, at most N tolerated violations (1..15)")
        ->group("Conditions");
}

void ApplyFrontConditionArgs(const ConditionArgs& a, ConditionSet& set) {
  std::string error;
  if (a.pool)
    Require(set.SetPool(Numbers(a.pool, kFrontMax, "--pool")), "--pool " + *a.pool,
            "号码必须在1到35之间");
  if (a.banker) {
    const std::vector<int> bankers = Numbers(a.banker, kFrontMax, "--banker");
    if (!set.SetBankers(bankers, &error)) Bad(error);
  }
  for (const std::string& s : a.switches) ApplySwitchArg(s, set.Switches());
  if (a.tolerance) {
    if (!set.SetTolerance(ParseToleranceArg(*a.tolerance), &error))
      Bad("--tolerance " + *a.tolerance + ": " + error);
  }
  for (const std::string& c : a.conds) ApplyFrontCond(c, set);
  for (const std::string& r : a.ranges) ApplyRange(r, set);
  for (const std::string& s : a.selfs)
    Require(set.AddSelfCondition(ParseSelfArg(s), &error), "--self " + s, error);
  for (const std::string& t : a.tails)
    Require(set.AddTailSetting(ParseTailArg(t), &error), "--tail " + t, error);
  for (const std::string& f : a.formulas)
    Require(set.AddCustomIndicator(ParseFormulaArg(f), &error), "--formula " + CutText(f), error);
  if (a.limit) Bad("--limit 只能与 --back 一起使用");
}

void ApplyBackConditionArgs(const ConditionArgs& a, BackConditionSet& set) {
  const std::vector<std::string> frontOnly = a.FrontOnlyGiven();
  if (!frontOnly.empty()) Bad(frontOnly.front() + " 是主区的条件, 不能与 --back 一起使用");
  std::string error;
  if (a.pool)
    Require(set.SetPool(Numbers(a.pool, kBackMax, "--pool")), "--pool " + *a.pool,
            "号码必须在1到12之间");
  if (a.banker) {
    const std::vector<int> bankers = Numbers(a.banker, kBackMax, "--banker");
    if (!set.SetBankers(bankers, &error)) Bad(error);
  }
  for (const std::string& c : a.conds) ApplyBackCond(c, set);
  if (a.limit) {
    if (!set.SetTolerance(BackTolerance{true, *a.limit}, &error))
      Bad("--limit " + std::to_string(*a.limit) + ": " + error);
  }
}

}  // namespace dlt::cli
