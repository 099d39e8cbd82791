#include "gui/trend/tf_bluefxd.h"

namespace dlt::gui {

Tf_bluefxd::Tf_bluefxd(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_bluefxd");
  setWindowTitle(QStringLiteral("蓝球分析"));
  resize(640, 420);
}

}  // namespace dlt::gui
