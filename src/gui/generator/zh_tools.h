#pragma once

#include <cstdint>

#include "generator/condition_report.h"

class QWidget;

namespace dlt {
class ConditionSet;
}

namespace dlt::gui {

struct AppContext;
struct ZhSession;
class Tf_zh;

// The tools of the "主区过滤" tab that sit on top of the engine; the front
// page's buttons call them.

// " 显示条件  ": writes the list report of the front set to
// database/showcond.txt and opens it in the text editor.
void ShowConditionListReport(AppContext& app, ZhSession& session, QWidget* parent);

// "条件对错": asks for a past draw (Tf_qh) and the display mode
// (Tf_condchoice), writes the check report and opens it.
void ShowConditionCheckReport(AppContext& app, ZhSession& session, QWidget* parent);
// The check report of `set` on the draw `qs`, without asking.
void ShowConditionCheckReport(AppContext& app, const ConditionSet& set, int32_t qs, CheckMode mode,
                              QWidget* parent);

// "批量过滤": the batch dialog (Tf_groupfilter), then the runs, off the
// interface thread; refreshes the window's front list afterwards.
void RunBatchFilter(AppContext& app, ZhSession& session, Tf_zh& window);

}  // namespace dlt::gui
