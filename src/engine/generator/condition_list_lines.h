#pragma once

#include <string>

#include "generator/condition_set.h"

namespace dlt {

// The lines of the list boxes lb_selfcond, lb_wsset and lb_selfzb. An entry
// added in the window and the same entry restored from a condition file are
// worded differently, and the window keeps both wordings.
enum class ListLineWording {
  kAdded,   // "号码组: 1  2  ;出现个数: 0  1  容错"
  kLoaded,  // "号码组合:1  2    出现个数0  1  容错"
};

std::string SelfConditionLine(const SelfCondition& entry, ListLineWording wording);
std::string TailSettingLine(const TailSetting& entry, ListLineWording wording);
std::string CustomIndicatorLine(const CustomIndicator& entry, ListLineWording wording);

}  // namespace dlt
