#include "gui/generator/value_pickers.h"

#include "gui/app/app_context.h"

// Placeholder bodies until the dialogs are built: every dialog is cancelled.
namespace dlt::gui {

std::optional<std::vector<int>> PickValues(AppContext&, QWidget*, const PickRequest&) {
  return std::nullopt;
}
std::optional<SelfCondition> EnterSelfCondition(AppContext&, QWidget*) {
  return std::nullopt;
}
std::optional<TailSetting> EnterTailSetting(AppContext&, QWidget*) {
  return std::nullopt;
}
std::optional<std::string> EnterFormula(AppContext&, QWidget*) {
  return std::nullopt;
}
std::optional<std::array<std::string, 7>> EditNumbers(AppContext&, QWidget*,
                                                      const std::array<std::string, 7>&) {
  return std::nullopt;
}

}  // namespace dlt::gui
