#include "gui/trend/tf_zbzh_set.h"

namespace dlt::gui {

Tf_zbzh_set::Tf_zbzh_set(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_zbzh_set");
  setWindowTitle(QStringLiteral("指标组合设置"));
  resize(640, 420);
}

}  // namespace dlt::gui
