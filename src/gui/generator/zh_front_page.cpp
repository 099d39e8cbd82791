#include "gui/generator/zh_front_page.h"

#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"

namespace dlt::gui {

ZhFrontPage::ZhFrontPage(AppContext& app, ZhSession& session, Tf_zh& window, QWidget* parent)
    : QWidget(parent), app_(app), session_(session), window_(window) {}

}  // namespace dlt::gui
