#pragma once

#include <string_view>

#include "generator/condition_set.h"
#include "gui/generator/value_pickers.h"
#include "indicators/eval_context.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

// The widgets of one condition row, front or back: cb_<stem> (enabled),
// e_<stem> (the values, read-only), b_<stem> ("...") and cb_<stem>rc (容错).
// A range row has no value edit and no button.
struct ConditionRow {
  QCheckBox* enable = nullptr;
  QLineEdit* values = nullptr;
  QPushButton* pick = nullptr;
  QCheckBox* tolerant = nullptr;
};

// Builds a row on the grid's widget: the switch in `column`, the value edit
// and its button in the next two (value rows only), 容错 in column + 3.
ConditionRow AddConditionRow(QGridLayout* grid, int row, int column, std::string_view stem,
                             std::string_view caption, bool valueRow);

// Shows a condition in its row; the boxes' signals are held meanwhile.
void ShowConditionRow(const ConditionRow& row, bool enabled, bool tolerant, const ValueSet* values);

// The picker request of a value condition: its offered range, the values it
// holds, the newest draw's value when the picker shows it, and the indicator
// the study buttons open.
struct ConditionPickerFacts {
  int32_t from = 0, to = 0;
  bool checkList = false;
  bool current = false;
  std::string_view key;
};
PickRequest ConditionPickRequest(const ConditionPickerFacts& facts, const ValueSet& held,
                                 const DrawTable& table, const EvalEnv& env);

}  // namespace dlt::gui
