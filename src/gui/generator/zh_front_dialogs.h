#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "generator/condition_set.h"
#include "gui/generator/value_pickers.h"

class QWidget;

namespace dlt::gui {

struct AppContext;

// The dialogs the front page asks for values. They default to the real
// pickers and entry dialogs; a test may answer in their place.
struct ZhFrontDialogs {
  std::function<std::optional<std::vector<int>>(QWidget*, const PickRequest&)> pick;
  std::function<std::optional<SelfCondition>(QWidget*)> selfCondition;
  std::function<std::optional<TailSetting>(QWidget*)> tailSetting;
  std::function<std::optional<std::string>(QWidget*)> formula;
  std::function<std::optional<std::array<std::string, 7>>(QWidget*,
                                                          const std::array<std::string, 7>&)>
      editNumbers;

  static ZhFrontDialogs Real(AppContext& app);
};

}  // namespace dlt::gui
