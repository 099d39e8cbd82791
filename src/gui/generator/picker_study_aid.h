#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "gui/generator/value_pickers.h"

class QWidget;

namespace dlt {
class DrawTable;
struct EvalEnv;
}  // namespace dlt

namespace dlt::gui {

struct AppContext;

// The series "过滤助手" hands to the indicator analysis: one value per draw
// of the table, the caption and the value range of the analysis window.
struct StudySeries {
  std::vector<int32_t> values;
  QString caption;
  int32_t from = 0;
  int32_t to = 0;
  QString error;  // set when a formula fails; nothing is handed over then
  bool ok() const { return error.isEmpty(); }
};

// Computes the series of a subject over every draw of the table (table
// source, the table's own cursor untouched).
StudySeries ComputeStudySeries(const DrawTable& table, const EvalEnv& env,
                               const StudySubject& subject);

// "过滤助手": fills the scratch field `test` of every draw, moves the table
// 36 draws back from its end and shows the indicator analysis window with
// the caption and range, modal until the user closes it. A failed formula
// shows "公式有误:" + its error and hands nothing over. False when nothing
// was shown.
bool RunStudyAid(AppContext& app, QWidget* parent, const StudySubject& subject);

}  // namespace dlt::gui
