#include "gui/generator/tf_fqfw.h"

namespace dlt::gui {

Tf_fqfw::Tf_fqfw(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_fqfw");
  setWindowTitle(QStringLiteral("取值范围及分区"));
  resize(640, 420);
}

}  // namespace dlt::gui
