#include "gui/trend/tf_fxd.h"

namespace dlt::gui {

Tf_fxd::Tf_fxd(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_fxd");
  setWindowTitle(QStringLiteral("走势分析"));
  resize(640, 420);
}

}  // namespace dlt::gui
