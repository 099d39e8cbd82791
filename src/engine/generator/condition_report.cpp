// The two condition reports of the generator's front zone. Both are built by
// one walk over the set, so their lines can only differ by the labels of the
// position conditions and the "正确 "/"错误 " marks of the check.
#include "generator/condition_report.h"

#include "common/gbk_text.h"
#include "common/numbers.h"
#include "generator/condition_table.h"

namespace dlt {
namespace {

constexpr std::string_view kComma = "，";

// Collects the lines; with a draw to check, condition lines get their mark
// and only the ones the mode asks for are kept.
class ReportLines {
 public:
  ReportLines(const PastDrawCheck* check, CheckMode mode) : check_(check), mode_(mode) {}

  bool Checking() const { return check_ != nullptr; }
  const PastDrawCheck& Check() const { return *check_; }

  // A header, blank line or note: never marked, always written.
  void Plain(std::string line) { lines_.push_back(std::move(line)); }

  // A condition line. `holds` is asked only when checking.
  template <typename Holds>
  void Item(std::string line, Holds holds) {
    if (!Checking()) {
      lines_.push_back(std::move(line));
      return;
    }
    const bool right = holds();
    if ((mode_ == CheckMode::kRight && !right) || (mode_ == CheckMode::kWrong && right)) return;
    lines_.push_back((right ? "正确 " : "错误 ") + line);
  }

  std::vector<std::string> Take() { return std::move(lines_); }

 private:
  const PastDrawCheck* check_;
  CheckMode mode_;
  std::vector<std::string> lines_;
};

// Front numbers are written with two digits, as every list of draws shows them.
std::string NumbersText(const std::vector<int>& numbers) {
  std::string s;
  for (int n : numbers) s += TwoDigit(n) + std::string(kComma);
  return s;
}

std::string PlainNumbersText(const std::vector<int>& numbers) {
  std::string s;
  for (int n : numbers) s += std::to_string(n) + std::string(kComma);
  return s;
}

std::string ValuesText(const ValueSet& values) {
  std::string s;
  for (int32_t v : values.Values()) s += std::to_string(v) + std::string(kComma);
  return s;
}

std::string BoundText(const std::optional<int32_t>& bound) {
  return bound ? std::to_string(*bound) : std::string();
}

void PoolAndBankers(const ConditionSet& set, ReportLines& out) {
  const std::string pool = out.Checking() ? "可选红号：" : "可选主号：";
  out.Item(pool + NumbersText(set.PoolNumbers()), [&] { return out.Check().PoolHolds(set); });
  out.Item("胆码：" + NumbersText(set.BankerNumbers()),
           [&] { return out.Check().BankersHold(set); });
}

void IndicatorConditions(const ConditionSet& set, ReportLines& out) {
  out.Plain("");
  out.Plain("指标过滤设置：");
  out.Plain("");
  for (const FrontCondition& fc : FrontConditions()) {
    if (!fc.Selectable() || !set.IsEnabled(fc.number)) continue;
    std::string line(out.Checking() ? fc.checkLabel : fc.listLabel);
    if (fc.IsRange()) {
      const RangeCondition& range = set.Range(fc.number);
      line += BoundText(range.from) + "<=取值范围<=" + BoundText(range.to);
    } else {
      line += ValuesText(set.Indicator(fc.number).values);
    }
    if (set.IsTolerant(fc.number)) line += "（容错）";
    out.Item(std::move(line), [&] { return out.Check().IndicatorHolds(set, fc.number); });
  }
}

void Section(std::string_view header, ReportLines& out) {
  out.Plain("");
  out.Plain(std::string(header));
  out.Plain("");
}

void CustomIndicators(const ConditionSet& set, ReportLines& out) {
  const auto& entries = set.CustomIndicators();
  if (!set.CustomIndicatorsEnabled() || entries.empty()) return;
  Section("自定义指标过滤设置：", out);
  for (size_t k = 0; k < entries.size(); ++k) {
    const CustomIndicator& e = entries[k];
    std::string line =
        "自定义指标" + std::to_string(k + 1) + "（" + e.formula + "）：" + ValuesText(e.values);
    if (e.tolerant) line += "（容错）";
    out.Item(std::move(line), [&] { return out.Check().CustomIndicatorHolds(e); });
  }
}

void SelfConditions(const ConditionSet& set, ReportLines& out) {
  const auto& entries = set.SelfConditions();
  if (!set.SelfConditionsEnabled() || entries.empty()) return;
  Section("自设条件过滤设置：", out);
  for (size_t k = 0; k < entries.size(); ++k) {
    const SelfCondition& e = entries[k];
    std::string line = "自设条件" + std::to_string(k + 1) + "：（号码组：" +
                       NumbersText(e.numbers) + "出号个数：" + ValuesText(e.counts) + "）";
    if (e.tolerant) line += "容错";
    out.Item(std::move(line), [&] { return out.Check().SelfConditionHolds(e); });
  }
}

void TailSettings(const ConditionSet& set, ReportLines& out) {
  const auto& entries = set.TailSettings();
  if (!set.TailSettingsEnabled() || entries.empty()) return;
  Section("尾数过滤设置：", out);
  for (size_t k = 0; k < entries.size(); ++k) {
    const TailSetting& e = entries[k];
    std::string line = "尾数设置" + std::to_string(k + 1) + "：（尾号组：" +
                       PlainNumbersText(e.digits) + "出号个数：" + ValuesText(e.counts) + "）";
    if (e.tolerant) line += "容错";
    if (e.distinct) line += "(相同尾数仅计算一次)";
    out.Item(std::move(line), [&] { return out.Check().TailSettingHolds(e); });
  }
}

void Switches(const ConditionSet& set, ReportLines& out) {
  out.Plain("");
  const GlobalSwitches& sw = set.Switches();
  // A past draw is always in the history, so this switch gets no mark.
  if (sw.notHistory) out.Plain("不允许和历史数据相同");
  if (sw.notEqualDist) out.Item("去除等间距组合", [&] { return out.Check().NotEqualGaps(); });
  if (sw.specNext) out.Item("去除特殊连号", [&] { return out.Check().NotSpecialRun(); });
  const TotalTolerance& t = set.Tolerance();
  if (t.enabled) {
    out.Plain("已设定了容错个数");
    out.Plain(std::to_string(t.from) + "<=总容错<=" + std::to_string(t.to));
  }
}

std::vector<std::string> Build(const ConditionSet& set, const PastDrawCheck* check,
                               CheckMode mode) {
  ReportLines out(check, mode);
  PoolAndBankers(set, out);
  IndicatorConditions(set, out);
  CustomIndicators(set, out);
  SelfConditions(set, out);
  TailSettings(set, out);
  Switches(set, out);
  return out.Take();
}

}  // namespace

std::optional<CheckMode> CheckModeByName(std::string_view name) {
  if (name == "all") return CheckMode::kAll;
  if (name == "right") return CheckMode::kRight;
  if (name == "wrong") return CheckMode::kWrong;
  return std::nullopt;
}

std::vector<std::string> ConditionListReport(const ConditionSet& set) {
  return Build(set, nullptr, CheckMode::kAll);
}

std::vector<std::string> ConditionCheckReport(const ConditionSet& set, const PastDrawCheck& draw,
                                              CheckMode mode) {
  return Build(set, &draw, mode);
}

bool WriteConditionReport(const std::string& path, const std::vector<std::string>& lines,
                          std::string* error) {
  return WriteGbkLines(path, lines, error);
}

}  // namespace dlt
