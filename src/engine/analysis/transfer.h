#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/run_chart.h"

namespace dlt {

// "过滤设置": the allowed values of a filter condition taken from the run
// chart, and the formula that the generator evaluates for them.

inline constexpr const char* kNotTransferable = "该指标不能转至过滤";
inline constexpr const char* kTransferBoundsEmpty = "取值范围不能为空";
inline constexpr const char* kTransferBoundsReversed = "取值最小值不能大于最大值";
inline constexpr const char* kTransferDone =
    "过滤设置成功。该项过滤设置是在超强组号的自定义指标中实现的，可在超强组号的自定义指标的列表框中"
    "查看。";

// The dialog's choices; an unset option keeps every value.
struct TransferOptions {
  std::optional<int32_t> min, max;  // blank bounds are nullopt
  std::optional<bool> rise;         // "升" true, "降" false
  std::optional<bool> odd;          // "奇数" true, "偶数" false
  std::optional<bool> prime;        // "质数" true, "合数" false
  bool tolerant = false;            // "是否容错"
};

struct TransferValues {
  std::vector<int32_t> values;  // ascending
  std::string error;
  bool ok() const { return error.empty(); }
};

// Every n of min..max passing each chosen option: "升" n > the base value of
// the last draw, "降" n <= it; odd or even; prime (1 is prime) or not.
TransferValues AllowedValues(const TransferOptions& options, int32_t lastBaseValue);

// The analysed text wrapped by the base series: "getzf(" text ")",
// "getylz(" text ")", "getylzzf(" text ")", text "%10", text "%" N, or the
// text alone for "常规图".
std::string TransferFormula(const std::string& text, const RunBaseChoice& base);

// The analysed text: the remembered key, else the remembered formula; empty
// when there is neither.
std::string AnalysedText(const std::string& key, const std::string& formula);

}  // namespace dlt
