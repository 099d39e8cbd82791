#include "gui/trend/tf_xtqz.h"

namespace dlt::gui {

Tf_xtqz::Tf_xtqz(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_xtqz");
  setWindowTitle(QStringLiteral("形态取值"));
  resize(640, 420);
}

}  // namespace dlt::gui
