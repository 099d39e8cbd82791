#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace dlt {

// The fixed catalogue of the generator's conditions: the front conditions
// 1..118 and the eight back conditions. The window builds its controls from
// it, the condition files name their records by its numbers, the reports take
// their labels from it and the command line finds conditions by stem.
//
// Every text is UTF-8. The four controls of a condition are named from its
// stem: cb_<stem> (enabled), e_<stem> (values), b_<stem> ("..." picker) and
// cb_<stem>rc (容错).

// How the value a condition tests is computed for a candidate placed as the
// draw after the newest one of the history.
enum class ConditionKind : uint8_t {
  kCatalogue,       // the catalogue indicator `key` at the candidate
  kAmplitude,       // |baseKey at the candidate - baseKey at the newest draw|; `key` names it
  kOmission,        // omission of the candidate's baseKey value; `key` names it
  kLineSum,         // c[lineHigh] + c[lineLow] (1-based positions); `key` is xhAB
  kLineDifference,  // c[lineHigh] - c[lineLow]; `key` is xcAB
  kPosition,        // c[lineHigh]; `key` is z_numK
  kRange,           // 35 标准差 and 36 离散系数: two bounds instead of a value set
  kReserved,        // six-number layout: never shown, always disabled, number kept in files
  kUnused,          // 37
};

// How much history the value needs beyond the five numbers themselves; lets
// an engine compute history-only parts once per run.
enum class HistoryUse : uint8_t {
  kNone,          // the five numbers alone
  kPreviousDraw,  // also the newest draw (重号, 邻号, 偏度, amplitudes)
  kRecentDraws,   // the cold/warm/hot window before the candidate
  kOmission,      // walks back through the history (omissions, 遗漏和值 and its amplitude)
};

struct FrontCondition {
  int number;                // 1..118
  std::string_view stem;     // "dsgs"; empty for reserved and unused numbers
  std::string_view caption;  // caption of cb_<stem>: "大数个数"
  std::string_view tab;      // page of PageControl2: "常规1"
  std::string_view subTab;   // flat sub-tab inside the page, empty when none
  ConditionKind kind;
  std::string_view key;      // catalogue key the value is named by; empty for range/reserved/unused
  std::string_view baseKey;  // amplitude/omission: the indicator it is derived from
  HistoryUse history;
  int8_t lineHigh;     // line sum/difference: A of cA ± cB; position: K of cK; else 0
  int8_t lineLow;      // line sum/difference: B; else 0
  int32_t pickerFrom;  // values offered by the picker (range conditions: bounds 0..99)
  int32_t pickerTo;
  bool checkList;               // the long check-list picker (values up to 2000)
  bool pickerCurrent;           // the picker also gets the indicator's value for the newest draw
  std::string_view listLabel;   // label of the list report ("显示条件"): "主号一："
  std::string_view checkLabel;  // label of the check report ("条件对错"): "红号一："

  // Shown in the window and selectable; reserved and unused numbers are not.
  bool Selectable() const {
    return kind != ConditionKind::kReserved && kind != ConditionKind::kUnused;
  }
  bool IsRange() const { return kind == ConditionKind::kRange; }
};

struct BackCondition {
  int number;                // 1..8
  std::string_view stem;     // "f_num1"
  std::string_view caption;  // "副号一"
  ConditionKind kind;        // kCatalogue, or kOmission for 7 and 8
  std::string_view key;      // "f_num1", "f_num1yl"
  std::string_view baseKey;  // omission: "f_num1"
  int32_t pickerFrom;
  int32_t pickerTo;
  bool checkList;
  bool pickerCurrent;
};

constexpr int kFrontConditionCount = 118;
constexpr int kBackConditionCount = 8;
constexpr int kStdDevCondition = 35;     // 标准差
constexpr int kVariationCondition = 36;  // 离散系数(%)
// 不同间距个数: judged before the candidate joins the history. Its value
// depends on the five numbers alone, so the history it is judged against
// does not change it.
constexpr int kGapCountCondition = 14;

// All 118 front conditions; entry i is number i + 1.
std::span<const FrontCondition, kFrontConditionCount> FrontConditions();
// All 8 back conditions; entry i is number i + 1.
std::span<const BackCondition, kBackConditionCount> BackConditions();

// Null for a number outside 1..118 (reserved and unused numbers are found).
const FrontCondition* FindFrontCondition(int number);
// Null for an unknown stem; reserved and unused numbers have no stem.
const FrontCondition* FindFrontConditionByStem(std::string_view stem);
// The first condition whose value is the catalogue indicator `key`; null when none.
const FrontCondition* FindFrontConditionByKey(std::string_view key);
const BackCondition* FindBackCondition(int number);
const BackCondition* FindBackConditionByStem(std::string_view stem);

}  // namespace dlt
