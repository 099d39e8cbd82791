#pragma once

#include "gui/generator/value_pickers.h"

class QWidget;

namespace dlt::gui {

struct AppContext;

// "过滤助手": fills the scratch field `test` of every draw, moves the table
// 36 draws back from its end and shows the indicator analysis window with
// the caption and range, modal until the user closes it. A failed formula
// shows "公式有误:" + its error and hands nothing over. False when nothing
// was shown.
bool RunStudyAid(AppContext& app, QWidget* parent, const StudySubject& subject);

}  // namespace dlt::gui
