#include "gui/trend/tf_tjq.h"

namespace dlt::gui {

Tf_tjq::Tf_tjq(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_tjq");
  setWindowTitle(QStringLiteral("统计区"));
  resize(640, 420);
}

}  // namespace dlt::gui
