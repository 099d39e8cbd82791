#include "gui/killnum/tf_searchgs.h"

namespace dlt::gui {

Tf_searchgs::Tf_searchgs(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_searchgs");
  setWindowTitle(QStringLiteral("公式搜索"));
  resize(640, 420);
}

}  // namespace dlt::gui
