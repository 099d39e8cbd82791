#include "gui/generator/tf_checkreward.h"

namespace dlt::gui {

Tf_checkreward::Tf_checkreward(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_checkreward");
  setWindowTitle(QStringLiteral("对奖"));
  resize(640, 420);
}

}  // namespace dlt::gui
