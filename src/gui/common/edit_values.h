#pragma once

#include <QString>
#include <optional>

class QLineEdit;

namespace dlt::gui {

// An integer typed into an edit (blanks around it allowed); nothing for an
// empty field or any other text.
std::optional<int> IntegerOf(const QString& text);
std::optional<int> IntegerOf(const QLineEdit& edit);
// A decimal number typed into an edit; nothing for any other text.
std::optional<double> NumberOf(const QLineEdit& edit);

}  // namespace dlt::gui
