#include "gui/generator/tf_wsset.h"

namespace dlt::gui {

Tf_wsset::Tf_wsset(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_wsset");
  setWindowTitle(QStringLiteral("尾数设置"));
  resize(640, 420);
}

}  // namespace dlt::gui
