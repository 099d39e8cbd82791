#include "gui/killnum/tf_tdsh.h"

namespace dlt::gui {

Tf_tdsh::Tf_tdsh(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_tdsh");
  setWindowTitle(QStringLiteral("提胆与杀号"));
  resize(640, 420);
}

}  // namespace dlt::gui
