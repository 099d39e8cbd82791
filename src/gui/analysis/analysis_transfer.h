#pragma once

#include <cstdint>
#include <string>
#include <vector>

class QWidget;

namespace dlt::gui {

struct AppContext;

// Appends a custom indicator (formula, allowed values, tolerance) to the
// generator's list as "过滤设置" does: the list line in the window's own
// wording, the entry edits cleared and the list's box checked, then the
// message "过滤设置成功。…". A list already holding 100 entries, or values
// the list cannot take, refuse with their message. False when nothing was
// added.
bool TransferToGenerator(AppContext& app, QWidget* parent, const std::string& formula,
                         const std::vector<int32_t>& values, bool tolerant);

}  // namespace dlt::gui
