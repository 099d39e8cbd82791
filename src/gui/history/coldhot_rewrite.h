#pragma once

#include <cstdint>
#include <optional>

namespace dlt::gui {

struct AppContext;

// After the cold/hot settings changed: the six lists are classified again
// at the last draw (or at `endQs`), and every draw's summary texts are
// rewritten under the message box. False when the rewrite failed (the
// message was shown).
bool ReclassifyAndRewrite(AppContext& app, std::optional<int32_t> endQs = {});

}  // namespace dlt::gui
