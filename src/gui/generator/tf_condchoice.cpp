#include "gui/generator/tf_condchoice.h"

namespace dlt::gui {

Tf_condchoice::Tf_condchoice(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_condchoice");
  setWindowTitle(QStringLiteral("选择"));
  resize(640, 420);
}

}  // namespace dlt::gui
