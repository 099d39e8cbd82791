#include "gui/generator/tf_selfcond.h"

namespace dlt::gui {

Tf_selfcond::Tf_selfcond(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_selfcond");
  setWindowTitle(QStringLiteral("自设条件"));
  resize(640, 420);
}

}  // namespace dlt::gui
