#include "gui/generator/zh_front_dialogs.h"

namespace dlt::gui {

ZhFrontDialogs ZhFrontDialogs::Real(AppContext& app) {
  ZhFrontDialogs d;
  AppContext* a = &app;
  d.pick = [a](QWidget* parent, const PickRequest& r) { return PickValues(*a, parent, r); };
  d.selfCondition = [a](QWidget* parent) { return EnterSelfCondition(*a, parent); };
  d.tailSetting = [a](QWidget* parent) { return EnterTailSetting(*a, parent); };
  d.formula = [a](QWidget* parent) { return EnterFormula(*a, parent); };
  d.editNumbers = [a](QWidget* parent, const std::array<std::string, 7>& initial) {
    return EditNumbers(*a, parent, initial);
  };
  return d;
}

}  // namespace dlt::gui
