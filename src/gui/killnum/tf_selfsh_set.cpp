#include "gui/killnum/tf_selfsh_set.h"

namespace dlt::gui {

Tf_selfsh_set::Tf_selfsh_set(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_selfsh_set");
  setWindowTitle(QStringLiteral("自定义杀号设置"));
  resize(640, 420);
}

}  // namespace dlt::gui
