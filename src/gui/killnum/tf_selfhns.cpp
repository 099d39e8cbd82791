#include "gui/killnum/tf_selfhns.h"

namespace dlt::gui {

Tf_selfhns::Tf_selfhns(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_selfhns");
  setWindowTitle(QStringLiteral("设计行列式"));
  resize(640, 420);
}

}  // namespace dlt::gui
