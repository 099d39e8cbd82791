#pragma once

#include <QString>
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
// added. Another window may say its own `done` message.
bool TransferToGenerator(AppContext& app, QWidget* parent, const std::string& formula,
                         const std::vector<int32_t>& values, bool tolerant,
                         const QString& done = {});

}  // namespace dlt::gui
