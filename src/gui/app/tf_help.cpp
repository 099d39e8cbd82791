#include "gui/app/tf_help.h"

namespace dlt::gui {

Tf_help::Tf_help(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_help");
  setWindowTitle(QStringLiteral("帮助"));
  resize(640, 420);
}

}  // namespace dlt::gui
