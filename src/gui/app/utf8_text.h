#pragma once

#include <QString>
#include <string_view>

namespace dlt::gui {

// The engine's UTF-8 text as a QString.
inline QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace dlt::gui
