#include "gui/generator/tf_xgzh.h"

namespace dlt::gui {

Tf_xgzh::Tf_xgzh(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_xgzh");
  setWindowTitle(QStringLiteral("修改组号"));
  resize(640, 420);
}

}  // namespace dlt::gui
