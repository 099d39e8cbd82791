#include "generator/condition_list_lines.h"

#include "generator/value_list_text.h"

namespace dlt {
namespace {

std::string Spaced(const std::vector<int>& members) {
  std::string s;
  for (int m : members) s += std::to_string(m) + "  ";
  return s;
}

}  // namespace

std::string SelfConditionLine(const SelfCondition& entry, ListLineWording wording) {
  std::string s = wording == ListLineWording::kAdded
                      ? "号码组: " + Spaced(entry.numbers) + ";" + "出现个数: "
                      : "号码组合:" + Spaced(entry.numbers) + "  出现个数";
  s += ValueEditText(entry.counts);
  if (entry.tolerant) s += "容错";
  return s;
}

std::string TailSettingLine(const TailSetting& entry, ListLineWording wording) {
  std::string s = wording == ListLineWording::kAdded
                      ? "尾号组: " + Spaced(entry.digits) + ";" + "出现个数: "
                      : "尾号组:" + Spaced(entry.digits) + "  出现个数";
  s += ValueEditText(entry.counts);
  if (entry.tolerant) s += "容错";
  if (entry.distinct) s += "(相同尾数仅计算一次)";
  return s;
}

std::string CustomIndicatorLine(const CustomIndicator& entry, ListLineWording wording) {
  std::string s = entry.formula;
  if (entry.tolerant) s += "  容错";
  s += wording == ListLineWording::kAdded ? "  取值: " : "  取值：";
  s += ValueEditText(entry.values);
  return s;
}

}  // namespace dlt
