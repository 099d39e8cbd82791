#pragma once

#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "generator/value_set.h"

class QLineEdit;

namespace dlt::gui {

// The value edits: each value in decimal followed by two blanks ("0  2  3  ").
QString ValuesText(const ValueSet& values);
// Shows a value set in its read-only edit from the first value on, with the
// whole set (runs joined: "6,8-110") as the tooltip: a long set runs past
// the edit's end.
void ShowValueSet(QLineEdit* edit, const ValueSet& values);
// The pool and banker memos: each number with two digits followed by two
// blanks ("01  02  ").
QString NumbersText(std::span<const int> numbers);

}  // namespace dlt::gui
