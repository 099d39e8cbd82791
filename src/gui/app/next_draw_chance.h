#pragma once

#include <optional>
#include <string>

#include "common/value_distribution.h"
#include "generator/next_draw_distribution.h"

class QWidget;

namespace dlt::gui {

struct AppContext;

// The exact chance of each value of a key or formula at the draw after the
// newest one of the history, worked out on every core off the interface
// thread under the message box, with its progress and cancel. nullopt when
// the user cancels or the text is refused (the refusal is shown).
std::optional<ValueDistribution> NextDrawChance(AppContext& app, QWidget* parent,
                                                const std::string& text, DrawZone zone);

}  // namespace dlt::gui
