#include "gui/generator/tf_enterblue.h"

namespace dlt::gui {

Tf_enterblue::Tf_enterblue(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_enterblue");
  setWindowTitle(QStringLiteral("输入提示"));
  resize(640, 420);
}

}  // namespace dlt::gui
