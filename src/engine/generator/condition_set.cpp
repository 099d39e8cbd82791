#include "generator/condition_set.h"

#include <algorithm>

#include "common/gbk_text.h"
#include "common/text.h"

namespace dlt {
namespace {

bool Fail(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return false;
}

std::string NumberText(int number) {
  return std::to_string(number);
}

// Control characters and blanks, as the window trims its edits.
// Sorted distinct members within lo..hi, or nullopt.
std::optional<std::vector<int>> NormaliseGroup(std::vector<int> members, int lo, int hi) {
  std::sort(members.begin(), members.end());
  if (std::adjacent_find(members.begin(), members.end()) != members.end()) return std::nullopt;
  for (int m : members)
    if (m < lo || m > hi) return std::nullopt;
  return members;
}

template <size_t N>
bool SetFlags(std::array<bool, N>& flags, std::span<const int> numbers, const char* zoneName,
              std::string* error) {
  const int max = static_cast<int>(N) - 1;
  for (int n : numbers)
    if (n < 1 || n > max)
      return Fail(error,
                  std::string(zoneName) + "必须在1到" + NumberText(max) + "之间: " + NumberText(n));
  flags.fill(false);
  for (int n : numbers) flags[n] = true;
  return true;
}

template <size_t N>
std::vector<int> FlagNumbers(const std::array<bool, N>& flags) {
  std::vector<int> out;
  for (size_t n = 1; n < N; ++n)
    if (flags[n]) out.push_back(static_cast<int>(n));
  return out;
}

// Distinct numbers among `numbers` (duplicates count once).
size_t DistinctCount(std::span<const int> numbers) {
  std::vector<int> v(numbers.begin(), numbers.end());
  std::sort(v.begin(), v.end());
  return static_cast<size_t>(std::unique(v.begin(), v.end()) - v.begin());
}

bool RemoveAt(auto& list, int index, const char* message, std::string* error) {
  if (index < 0 || index >= static_cast<int>(list.size())) return Fail(error, message);
  list.erase(list.begin() + index);
  return true;
}

const IndicatorCondition kDisabledCondition{};
const RangeCondition kDisabledRange{};

}  // namespace

// ---------------------------------------------------------------- back zone

void BackConditionSet::Reset() {
  for (auto& c : conditions_) c = IndicatorCondition{};
  pool_.fill(true);
  pool_[0] = false;
  bankers_.fill(false);
  tolerance_.enabled = false;
}

const IndicatorCondition& BackConditionSet::Condition(int number) const {
  if (number < 1 || number > kBackConditionCount) return kDisabledCondition;
  return conditions_[number];
}

bool BackConditionSet::SetEnabled(int number, bool enabled, std::string* error) {
  if (!FindBackCondition(number)) return Fail(error, "副区条件" + NumberText(number) + "不存在");
  auto& c = conditions_[number];
  if (enabled) {
    c.enabled = true;
  } else {
    c = IndicatorCondition{};
  }
  return true;
}

bool BackConditionSet::SetValues(int number, ValueSet values, std::string* error) {
  const BackCondition* info = FindBackCondition(number);
  if (!info) return Fail(error, "副区条件" + NumberText(number) + "不存在");
  if (!conditions_[number].enabled) return Fail(error, "请先勾选条件" + std::string(info->caption));
  conditions_[number].values = std::move(values);
  return true;
}

bool BackConditionSet::SetTolerant(int number, bool tolerant, std::string* error) {
  const BackCondition* info = FindBackCondition(number);
  if (!info) return Fail(error, "副区条件" + NumberText(number) + "不存在");
  if (!conditions_[number].enabled && tolerant)
    return Fail(error, "请先勾选条件" + std::string(info->caption));
  conditions_[number].tolerant = tolerant;
  return true;
}

std::vector<int> BackConditionSet::PoolNumbers() const {
  return FlagNumbers(pool_);
}
std::vector<int> BackConditionSet::BankerNumbers() const {
  return FlagNumbers(bankers_);
}

bool BackConditionSet::SetPool(std::span<const int> numbers, std::string* error) {
  return SetFlags(pool_, numbers, "副号", error);
}

bool BackConditionSet::SetBankers(std::span<const int> numbers, std::string* error) {
  BackFlags picked{};
  if (!SetFlags(picked, numbers, "副号", error)) return false;
  if (DistinctCount(numbers) > static_cast<size_t>(kMaxBankers)) {
    bankers_.fill(false);
    return Fail(error, "选择副区胆码不能大于2个");
  }
  bankers_ = picked;
  return true;
}

bool BackConditionSet::SetTolerance(BackTolerance tolerance, std::string* error) {
  if (tolerance.limit < 1 || tolerance.limit > 15)
    return Fail(error, "容错时允许同时违反的条件数必须在1到15之间");
  tolerance_ = tolerance;
  return true;
}

// --------------------------------------------------------------- front zone

void ConditionSet::ResetFront() {
  for (auto& c : indicators_) c = IndicatorCondition{};
  stdDev_ = RangeCondition{};
  variation_ = RangeCondition{};
  pool_.fill(true);
  pool_[0] = false;
  bankers_.fill(false);
  switches_.notHistory = false;
  tolerance_.enabled = false;
  SetSelfConditionsEnabled(false);
  SetTailSettingsEnabled(false);
  SetCustomIndicatorsEnabled(false);
}

const IndicatorCondition& ConditionSet::Indicator(int number) const {
  const FrontCondition* info = FindFrontCondition(number);
  if (!info || !info->Selectable() || info->IsRange()) return kDisabledCondition;
  return indicators_[number];
}

const RangeCondition& ConditionSet::Range(int number) const {
  if (number == kStdDevCondition) return stdDev_;
  if (number == kVariationCondition) return variation_;
  return kDisabledRange;
}

bool ConditionSet::IsEnabled(int number) const {
  return Range(number).enabled || Indicator(number).enabled;
}

bool ConditionSet::IsTolerant(int number) const {
  return Range(number).tolerant || Indicator(number).tolerant;
}

namespace {

// The condition behind a number, or nullptr with the message for one that
// cannot be used.
const FrontCondition* SelectableCondition(int number, std::string* error) {
  const FrontCondition* info = FindFrontCondition(number);
  if (!info) {
    Fail(error, "条件号" + NumberText(number) + "不存在(应为1到118)");
    return nullptr;
  }
  if (!info->Selectable()) {
    Fail(error, "条件号" + NumberText(number) + "是保留或未用的条件号，不能使用");
    return nullptr;
  }
  return info;
}

}  // namespace

bool ConditionSet::SetEnabled(int number, bool enabled, std::string* error) {
  const FrontCondition* info = SelectableCondition(number, error);
  if (!info) return false;
  if (info->IsRange()) {
    RangeCondition& r = number == kStdDevCondition ? stdDev_ : variation_;
    if (enabled)
      r.enabled = true;
    else
      r = RangeCondition{};
    return true;
  }
  if (enabled)
    indicators_[number].enabled = true;
  else
    indicators_[number] = IndicatorCondition{};
  return true;
}

bool ConditionSet::SetTolerant(int number, bool tolerant, std::string* error) {
  const FrontCondition* info = SelectableCondition(number, error);
  if (!info) return false;
  if (tolerant && !IsEnabled(number))
    return Fail(error, "请先勾选条件" + std::string(info->caption));
  if (info->IsRange())
    (number == kStdDevCondition ? stdDev_ : variation_).tolerant = tolerant;
  else
    indicators_[number].tolerant = tolerant;
  return true;
}

bool ConditionSet::SetValues(int number, ValueSet values, std::string* error) {
  const FrontCondition* info = SelectableCondition(number, error);
  if (!info) return false;
  if (info->IsRange())
    return Fail(error, std::string(info->caption) + "没有取值集合，只能设定上下限");
  if (!indicators_[number].enabled) return Fail(error, "请先勾选条件" + std::string(info->caption));
  indicators_[number].values = std::move(values);
  return true;
}

bool ConditionSet::SetRangeBounds(int number, std::optional<int32_t> from,
                                  std::optional<int32_t> to, std::string* error) {
  const FrontCondition* info = SelectableCondition(number, error);
  if (!info) return false;
  if (!info->IsRange()) return Fail(error, std::string(info->caption) + "不是范围条件");
  RangeCondition& r = number == kStdDevCondition ? stdDev_ : variation_;
  if (!r.enabled) return Fail(error, "请先勾选条件" + std::string(info->caption));
  for (const auto& bound : {from, to})
    if (bound && (*bound < 0 || *bound > kMaxRangeBound))
      return Fail(error, std::string(info->caption) + "的范围必须在0到99之间");
  r.from = from;
  r.to = to;
  return true;
}

std::vector<int> ConditionSet::PoolNumbers() const {
  return FlagNumbers(pool_);
}
std::vector<int> ConditionSet::BankerNumbers() const {
  return FlagNumbers(bankers_);
}

bool ConditionSet::SetPool(std::span<const int> numbers, std::string* error) {
  return SetFlags(pool_, numbers, "主号", error);
}

bool ConditionSet::SetBankers(std::span<const int> numbers, std::string* error) {
  FrontFlags picked{};
  if (!SetFlags(picked, numbers, "主号", error)) return false;
  if (DistinctCount(numbers) > static_cast<size_t>(kMaxFrontBankers)) {
    bankers_.fill(false);
    return Fail(error, "选择主区胆码不能大于5个");
  }
  bankers_ = picked;
  return true;
}

bool ConditionSet::SetTolerance(TotalTolerance tolerance, std::string* error) {
  if (tolerance.from < 0 || tolerance.from > kMaxTotalTolerance || tolerance.to < 0 ||
      tolerance.to > kMaxTotalTolerance)
    return Fail(error, "总容错必须在0到100之间");
  tolerance_ = tolerance;
  return true;
}

void ConditionSet::SetSelfConditionsEnabled(bool enabled) {
  selfCondEnabled_ = enabled;
  if (!enabled) selfConditions_.clear();
}

bool ConditionSet::AddSelfCondition(SelfCondition entry, std::string* error) {
  if (static_cast<int>(selfConditions_.size()) >= kMaxSelfConditions)
    return Fail(error, "自设条件最多只能有200个");
  if (entry.numbers.empty()) return Fail(error, "未选择号码");
  auto numbers = NormaliseGroup(std::move(entry.numbers), 1, kFrontMax);
  if (!numbers) return Fail(error, "号码组必须是1到35之间互不相同的号码");
  entry.numbers = std::move(*numbers);
  selfConditions_.push_back(std::move(entry));
  selfCondEnabled_ = true;
  return true;
}

bool ConditionSet::RemoveSelfCondition(int index, std::string* error) {
  return RemoveAt(selfConditions_, index, "请先在中间的列表框中选择一项要删除的数据", error);
}

void ConditionSet::SetTailSettingsEnabled(bool enabled) {
  tailEnabled_ = enabled;
  if (!enabled) tailSettings_.clear();
}

bool ConditionSet::AddTailSetting(TailSetting entry, std::string* error) {
  if (static_cast<int>(tailSettings_.size()) >= kMaxTailSettings)
    return Fail(error, "尾数设置最多只能有20个");
  if (entry.digits.empty()) return Fail(error, "未选择号码");
  auto digits = NormaliseGroup(std::move(entry.digits), 0, 9);
  if (!digits) return Fail(error, "尾号组必须是0到9之间互不相同的数字");
  entry.digits = std::move(*digits);
  tailSettings_.push_back(std::move(entry));
  tailEnabled_ = true;
  return true;
}

bool ConditionSet::RemoveTailSetting(int index, std::string* error) {
  return RemoveAt(tailSettings_, index, "请先在中间的列表框中选择一项要删除的数据", error);
}

void ConditionSet::SetCustomIndicatorsEnabled(bool enabled) {
  customEnabled_ = enabled;
  if (!enabled) customIndicators_.clear();
}

std::optional<std::string> ConditionSet::CheckFormula(std::string_view formula,
                                                      std::string* error) {
  const std::string_view trimmed = Trim(formula);
  if (trimmed.empty()) {
    Fail(error, "自定义指标公式不能为空");
    return std::nullopt;
  }
  const auto gbk = trimmed.find('\0') == std::string_view::npos && IsValidUtf8(trimmed)
                       ? Utf8ToGbk(trimmed)
                       : std::nullopt;
  if (!gbk) {
    Fail(error, "自定义指标公式含有无法保存的字符");
    return std::nullopt;
  }
  if (gbk->size() > static_cast<size_t>(kMaxFormulaBytes)) {
    Fail(error, "自定义指标公式不能超过200个字节(现有" + NumberText(static_cast<int>(gbk->size())) +
                    "个字节)");
    return std::nullopt;
  }
  return std::string(trimmed);
}

bool ConditionSet::AddCustomIndicator(CustomIndicator entry, std::string* error) {
  if (static_cast<int>(customIndicators_.size()) >= kMaxCustomIndicators)
    return Fail(error, "自定义指标最多只能有100个");
  auto formula = CheckFormula(entry.formula, error);
  if (!formula) return false;
  entry.formula = std::move(*formula);
  customIndicators_.push_back(std::move(entry));
  customEnabled_ = true;
  return true;
}

bool ConditionSet::RemoveCustomIndicator(int index, std::string* error) {
  return RemoveAt(customIndicators_, index, "请先在自定义指标列表框中选择一项要删除的指标", error);
}

bool HasTolerantConditions(const ConditionSet& set) {
  for (const FrontCondition& fc : FrontConditions())
    if (fc.Selectable() && set.IsEnabled(fc.number) && set.IsTolerant(fc.number)) return true;
  const auto tolerant = [](const auto& e) { return e.tolerant; };
  const auto any = [&](bool on, const auto& entries) {
    return on && std::any_of(entries.begin(), entries.end(), tolerant);
  };
  return any(set.CustomIndicatorsEnabled(), set.CustomIndicators()) ||
         any(set.SelfConditionsEnabled(), set.SelfConditions()) ||
         any(set.TailSettingsEnabled(), set.TailSettings());
}

}  // namespace dlt
