#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "generator/condition_set.h"
#include "generator/study_series.h"

class QWidget;

namespace dlt::gui {

struct AppContext;

// One use of the value picker (Tf_getchoiceextend, or with `checkList`
// the long check-list picker Tf_getchoiceextend_plus).
struct PickRequest {
  int first = 0;
  int last = 0;
  std::optional<int> current;  // the newest draw's value: the rule group shows
  bool checkList = false;
  std::vector<int> selected;  // selected when the picker opens
  StudySubject study;
};

// Shows the picker modally (through the shell's ExecDialog); the picked
// values ascending on "确定", nullopt on "取消".
std::optional<std::vector<int>> PickValues(AppContext& app, QWidget* parent,
                                           const PickRequest& request);

// "增加  " of the self conditions: Tf_selfcond; nullopt on cancel.
std::optional<SelfCondition> EnterSelfCondition(AppContext& app, QWidget* parent);

// "增加  " of the tail settings: Tf_wsset; nullopt on cancel.
std::optional<TailSetting> EnterTailSetting(AppContext& app, QWidget* parent);

// " 辅助输入 ": Tf_fzsr, shown with an empty formula; the formula on "确定".
std::optional<std::string> EnterFormula(AppContext& app, QWidget* parent);

// Tf_xgzh "修改组号": the seven edits me_red1..me_red5, me_red6, me_blue
// filled with `initial`; their trimmed texts on "确定", nullopt on cancel.
std::optional<std::array<std::string, 7>> EditNumbers(AppContext& app, QWidget* parent,
                                                      const std::array<std::string, 7>& initial);

}  // namespace dlt::gui
