#include "gui/generator/zh_tools.h"

#include "gui/app/app_context.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"

namespace dlt::gui {

void ShowConditionListReport(AppContext&, ZhSession&, QWidget*) {}
void ShowConditionCheckReport(AppContext&, ZhSession&, QWidget*) {}
void RunBatchFilter(AppContext&, ZhSession&, Tf_zh&) {}

}  // namespace dlt::gui
