#pragma once

#include <optional>
#include <string>

class QWidget;

namespace dlt::gui {

struct AppContext;

// "选择" of an indicator condition: the indicator chooser Tf_selfsh_set under
// the caption "选择指标" gives the catalogue key (the text of its catalogue
// box before the first blank) or the user's formula. Until the chooser has
// its controls, the formula input aid Tf_fzsr gives a formula. nullopt on
// cancel.
std::optional<std::string> ChooseIndicator(AppContext& app, QWidget* parent);

}  // namespace dlt::gui
