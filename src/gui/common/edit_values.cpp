#include "gui/common/edit_values.h"

#include <QLineEdit>

namespace dlt::gui {

std::optional<int> IntegerOf(const QString& text) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok);
  return ok ? std::optional<int>(v) : std::nullopt;
}

std::optional<int> IntegerOf(const QLineEdit& edit) {
  return IntegerOf(edit.text());
}

std::optional<double> NumberOf(const QLineEdit& edit) {
  bool ok = false;
  const double v = edit.text().trimmed().toDouble(&ok);
  return ok ? std::optional<double>(v) : std::nullopt;
}

}  // namespace dlt::gui
