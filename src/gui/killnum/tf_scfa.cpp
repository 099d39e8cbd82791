#include "gui/killnum/tf_scfa.h"

namespace dlt::gui {

Tf_scfa::Tf_scfa(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_scfa");
  setWindowTitle(QStringLiteral("优化方案"));
  resize(640, 420);
}

}  // namespace dlt::gui
