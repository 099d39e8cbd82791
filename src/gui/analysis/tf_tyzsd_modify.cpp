#include "gui/analysis/tf_tyzsd_modify.h"

namespace dlt::gui {

Tf_tyzsd_modify::Tf_tyzsd_modify(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_tyzsd_modify");
  setWindowTitle(QStringLiteral("田野走势图修改"));
  resize(640, 420);
}

}  // namespace dlt::gui
