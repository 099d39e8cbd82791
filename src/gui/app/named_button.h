#pragma once

#include <QPushButton>
#include <QString>

namespace dlt::gui {

// A push button under the name the program knows it by. It never becomes a
// dialog's default by taking focus: Enter presses only the button a dialog
// names as its default.
inline QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace dlt::gui
