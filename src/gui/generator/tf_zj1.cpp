#include "gui/generator/tf_zj1.h"

namespace dlt::gui {

Tf_zj1::Tf_zj1(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_zj1");
  setWindowTitle(QStringLiteral("组件"));
  resize(640, 420);
}

}  // namespace dlt::gui
