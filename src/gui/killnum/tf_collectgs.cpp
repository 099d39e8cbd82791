#include "gui/killnum/tf_collectgs.h"

namespace dlt::gui {

Tf_collectgs::Tf_collectgs(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_collectgs");
  setWindowTitle(QStringLiteral("公式收集"));
  resize(640, 420);
}

}  // namespace dlt::gui
