#pragma once

#include <QString>
#include <optional>

#include "gui/common/edit_values.h"
#include "killnum/kill_history.h"

class QComboBox;
class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace dlt::gui {

struct AppContext;

// Fills a combo with the catalogue's rows, "key" and its label, and selects `key`.
void FillIndicatorCombo(QComboBox& combo, const QString& key = QStringLiteral("z_hw"));
// The key of an entry: the text before its first blank.
QString IndicatorOfEntry(const QString& entry);

// Lists every real draw number, oldest first, and selects the one at `index`.
void FillDrawPicker(QComboBox& combo, const KillHistory& history, int index);
// History index of the picked draw; -1 when the text is no draw of it.
int PickedDraw(const QComboBox& combo, const KillHistory& history);

// Why a formula typed by the user cannot be used (its message after
// "公式有误:"): first the check every formula entry makes (a misspelt name,
// a literal zero divisor), then its evaluation at the draw to come (a zero
// divisor there depends on the draw and is no fault of the text); empty
// when it can be used.
QString FormulaEntryError(const KillHistory& history, const QString& formula);
// The same at the last draw of the shared table.
QString FormulaEntryError(const AppContext& app, const QString& formula);

// The seed edit: blank means a new seed from the clock.
std::optional<uint64_t> SeedOf(const QLineEdit& edit);

// A combo of the counts 1..last with `selected` chosen.
QComboBox* CountChoice(QWidget* parent, const char* name, int last, int selected);
// The dialog's "应用" and "取消" at the right, accepting and rejecting it.
QHBoxLayout* ApplyCancelRow(QDialog* dialog, QPushButton** apply, QPushButton** cancel);

// A rate for the result fields: at most two decimals, no trailing zeros.
QString RateNumberText(double rate);

}  // namespace dlt::gui
