#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/numbers.h"
#include "generator/condition_table.h"
#include "generator/value_set.h"

namespace dlt {

// One indicator condition (front 1..118 except the two range conditions, or
// back 1..8): cb_<stem>, e_<stem>, cb_<stem>rc.
struct IndicatorCondition {
  bool enabled = false;
  ValueSet values;        // the allowed values; empty = not chosen
  bool tolerant = false;  // a violation is counted against the total tolerance

  // An enabled condition with an empty value set lets every combination through.
  bool Applies() const { return enabled && !values.Empty(); }
  bool operator==(const IndicatorCondition&) const = default;
};

// 标准差 (35) and 离散系数 (36): two-digit bounds typed into masked edits.
struct RangeCondition {
  bool enabled = false;
  std::optional<int32_t> from;  // blank edit = nullopt; otherwise 0..99
  std::optional<int32_t> to;
  bool tolerant = false;

  bool HasBounds() const { return from.has_value() && to.has_value(); }
  bool operator==(const RangeCondition&) const = default;
};

// 自设条件: how many of the five numbers lie in a group.
struct SelfCondition {
  std::vector<int> numbers;  // 1..35 distinct front numbers, ascending
  ValueSet counts;           // allowed hit counts
  bool tolerant = false;
  bool operator==(const SelfCondition&) const = default;
};

// 尾数设置: how many numbers (or, with `distinct`, how many of the group's
// digits) have their tail in a digit group.
struct TailSetting {
  std::vector<int> digits;  // 1..10 distinct tail digits 0..9, ascending
  ValueSet counts;
  bool tolerant = false;
  bool distinct = true;  // 相同尾数仅计算一次
  bool operator==(const TailSetting&) const = default;
};

// 自定义指标: a formula whose value at the candidate must be in the set.
struct CustomIndicator {
  std::string formula;  // UTF-8, trimmed, not empty, at most 200 bytes in GBK
  ValueSet values;
  bool tolerant = false;
  bool operator==(const CustomIndicator&) const = default;
};

// The three switches below the conditions. None of them knows tolerance.
struct GlobalSwitches {
  bool notHistory = false;   // cb_nothistory 不与历史五个主号完全相同
  bool notEqualDist = true;  // cb_notequaldist 去除等间距组合
  bool specNext = true;      // cb_specnext 去除特殊连号
  bool operator==(const GlobalSwitches&) const = default;
};

// 总容错: cb_rcnumlimit with combo_rcnum_from / combo_rcnum_to (0..100).
// With it on, a combination is accepted only when from <= violations <= to.
struct TotalTolerance {
  bool enabled = false;
  int32_t from = 0;
  int32_t to = 3;
  bool operator==(const TotalTolerance&) const = default;
};

// cb_f_rcnumlimit with combo_f_rcnum (1..15): at most `limit` tolerated
// violations of the back conditions.
struct BackTolerance {
  bool enabled = false;
  int32_t limit = 3;
  bool operator==(const BackTolerance&) const = default;
};

// Number flags indexed by the number itself (element 0 unused).
using FrontFlags = std::array<bool, kFrontMax + 1>;
using BackFlags = std::array<bool, kBackMax + 1>;

// The back-zone conditions of "副区过滤": eight indicator conditions, the
// pool, at most two bankers and the tolerance limit.
class BackConditionSet {
 public:
  static constexpr int kMaxBankers = 2;

  BackConditionSet() { Reset(); }

  // 重置 of the back zone: all twelve numbers selectable, no bankers, every
  // condition and the limit box unchecked (the limit keeps its value).
  void Reset();

  // number 1..8; any other number gives a disabled condition.
  const IndicatorCondition& Condition(int number) const;
  // Toggle: unchecking also empties the value set and clears tolerant.
  bool SetEnabled(int number, bool enabled, std::string* error = nullptr);
  // Only for an enabled condition (the picker and 容错 are disabled otherwise).
  bool SetValues(int number, ValueSet values, std::string* error = nullptr);
  bool SetTolerant(int number, bool tolerant, std::string* error = nullptr);

  bool InPool(int n) const { return n >= 1 && n <= kBackMax && pool_[n]; }
  bool IsBanker(int n) const { return n >= 1 && n <= kBackMax && bankers_[n]; }
  std::vector<int> PoolNumbers() const;    // ascending
  std::vector<int> BankerNumbers() const;  // ascending
  // Replaces the pool completely; numbers outside 1..12 are refused.
  bool SetPool(std::span<const int> numbers, std::string* error = nullptr);
  // Replaces the bankers. More than two: "选择副区胆码不能大于2个", and all
  // back bankers are cleared, as the picker does.
  bool SetBankers(std::span<const int> numbers, std::string* error = nullptr);

  const BackTolerance& Tolerance() const { return tolerance_; }
  bool SetTolerance(BackTolerance tolerance, std::string* error = nullptr);

  bool operator==(const BackConditionSet&) const = default;

 private:
  std::array<IndicatorCondition, kBackConditionCount + 1> conditions_{};
  BackFlags pool_{};
  BackFlags bankers_{};
  BackTolerance tolerance_;
};

// Everything the user sets in the generator window: the front conditions of
// "主区过滤" and the back set of "副区过滤". A plain value: copy it, compare
// it, hand it to a judge on any thread.
//
// Invariants the mutators keep (a refused change leaves the set as it was
// and says why in Chinese, ready for a message box):
// - a disabled condition has an empty value set and is not tolerant;
// - reserved six-number conditions and number 37 are never enabled;
// - at most 5 front bankers, 200 self conditions, 20 tail settings and 100
//   custom indicators, each formula at most 200 bytes in GBK;
// - a list whose master box is unchecked is empty (unchecking empties it,
//   adding an entry checks it, as every window that adds entries does).
class ConditionSet {
 public:
  static constexpr int kMaxFrontBankers = 5;
  static constexpr int kMaxSelfConditions = 200;
  static constexpr int kMaxTailSettings = 20;
  static constexpr int kMaxCustomIndicators = 100;
  static constexpr int kMaxFormulaBytes = 200;  // GBK bytes; the file record holds 200 + NUL
  static constexpr int kMaxRangeBound = 99;     // two-digit masked edits
  static constexpr int kMaxTotalTolerance = 100;

  // As the window is created: both zones reset, the switches at their defaults.
  ConditionSet() { ResetFront(); }

  // 重置 of the front zone (also run before a condition file is loaded):
  // full pool, no bankers, cb_nothistory, cb_rcnumlimit, every indicator and
  // range condition and the three lists off and empty. 去除等间距组合 and
  // 去除特殊连号 keep their state, and so do the two total-tolerance bounds.
  void ResetFront();

  // --- Indicator and range conditions, by number 1..118 ---
  // Any number; reserved, unused and range numbers give a disabled condition.
  const IndicatorCondition& Indicator(int number) const;
  // 35 or 36; any other number gives a disabled range.
  const RangeCondition& Range(int number) const;
  bool IsEnabled(int number) const;   // indicator or range condition
  bool IsTolerant(int number) const;  // indicator or range condition

  // The check box of any selectable condition (range ones included).
  // Unchecking empties the values (or the bounds) and clears tolerant.
  bool SetEnabled(int number, bool enabled, std::string* error = nullptr);
  // The 容错 box; only for an enabled condition.
  bool SetTolerant(int number, bool tolerant, std::string* error = nullptr);
  // The picker's OK; only for an enabled indicator condition.
  bool SetValues(int number, ValueSet values, std::string* error = nullptr);
  // The two bound edits of an enabled range condition; nullopt = blank.
  bool SetRangeBounds(int number, std::optional<int32_t> from, std::optional<int32_t> to,
                      std::string* error = nullptr);

  // --- Number pool and bankers (1..35) ---
  bool InPool(int n) const { return n >= 1 && n <= kFrontMax && pool_[n]; }
  bool IsBanker(int n) const { return n >= 1 && n <= kFrontMax && bankers_[n]; }
  std::vector<int> PoolNumbers() const;    // ascending
  std::vector<int> BankerNumbers() const;  // ascending
  // Replaces the pool completely; numbers outside 1..35 are refused.
  bool SetPool(std::span<const int> numbers, std::string* error = nullptr);
  // Replaces the bankers. More than five: "选择主区胆码不能大于5个", and all
  // front bankers are cleared, as the picker does.
  bool SetBankers(std::span<const int> numbers, std::string* error = nullptr);

  // --- Switches and total tolerance ---
  const GlobalSwitches& Switches() const { return switches_; }
  GlobalSwitches& Switches() { return switches_; }
  const TotalTolerance& Tolerance() const { return tolerance_; }
  // Bounds 0..100 (from > to is allowed and accepts nothing).
  bool SetTolerance(TotalTolerance tolerance, std::string* error = nullptr);

  // --- 自设条件 (cb_selfcond) ---
  bool SelfConditionsEnabled() const { return selfCondEnabled_; }
  const std::vector<SelfCondition>& SelfConditions() const { return selfConditions_; }
  // Unchecking empties the list.
  void SetSelfConditionsEnabled(bool enabled);
  // Appends (numbers sorted); refused beyond 200 entries or for a group that
  // is empty or holds a number outside 1..35 or twice.
  bool AddSelfCondition(SelfCondition entry, std::string* error = nullptr);
  // index 0-based; none selected gives "请先在中间的列表框中选择一项要删除的数据".
  bool RemoveSelfCondition(int index, std::string* error = nullptr);

  // --- 尾数设置 (cb_wsset) ---
  bool TailSettingsEnabled() const { return tailEnabled_; }
  const std::vector<TailSetting>& TailSettings() const { return tailSettings_; }
  void SetTailSettingsEnabled(bool enabled);
  // Refused beyond 20 entries or for an empty group or a digit outside 0..9.
  bool AddTailSetting(TailSetting entry, std::string* error = nullptr);
  bool RemoveTailSetting(int index, std::string* error = nullptr);

  // --- 自定义指标 (cb_selfzb) ---
  bool CustomIndicatorsEnabled() const { return customEnabled_; }
  const std::vector<CustomIndicator>& CustomIndicators() const { return customIndicators_; }
  void SetCustomIndicatorsEnabled(bool enabled);
  // The formula is trimmed of blanks; refused when empty, beyond 100
  // entries, longer than 200 bytes in GBK or without a GBK form.
  bool AddCustomIndicator(CustomIndicator entry, std::string* error = nullptr);
  // none selected gives "请先在自定义指标列表框中选择一项要删除的指标".
  bool RemoveCustomIndicator(int index, std::string* error = nullptr);

  // --- Back zone ---
  const BackConditionSet& Back() const { return back_; }
  BackConditionSet& Back() { return back_; }

  bool operator==(const ConditionSet&) const = default;

  // Checks a formula as a custom indicator stores it: trims it and measures
  // it in GBK. Returns the trimmed text, or nullopt with a message.
  static std::optional<std::string> CheckFormula(std::string_view formula,
                                                 std::string* error = nullptr);

 private:
  std::array<IndicatorCondition, kFrontConditionCount + 1> indicators_{};
  RangeCondition stdDev_;     // 35 标准差
  RangeCondition variation_;  // 36 离散系数(%)
  FrontFlags pool_{};
  FrontFlags bankers_{};
  GlobalSwitches switches_;
  TotalTolerance tolerance_;
  bool selfCondEnabled_ = false;
  std::vector<SelfCondition> selfConditions_;
  bool tailEnabled_ = false;
  std::vector<TailSetting> tailSettings_;
  bool customEnabled_ = false;
  std::vector<CustomIndicator> customIndicators_;
  BackConditionSet back_;
};

// Some condition in force is tolerant: a run can keep combinations that
// violate it (custom indicators, self conditions and tail settings count
// when their group is on).
bool HasTolerantConditions(const ConditionSet& set);

}  // namespace dlt
