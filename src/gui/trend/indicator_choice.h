#pragma once

#include <QString>
#include <optional>

namespace dlt::gui {

struct AppContext;

// "选择" of an indicator: the indicator chooser Tf_selfsh_set, shown under
// the caption "选择指标" and given its own caption back afterwards, gives the
// catalogue key or the user's formula. nullopt on cancel.
std::optional<QString> ChooseIndicator(AppContext& app);

}  // namespace dlt::gui
