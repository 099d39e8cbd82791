#include "gui/generator/tf_fzsr.h"

namespace dlt::gui {

Tf_fzsr::Tf_fzsr(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_fzsr");
  setWindowTitle(QStringLiteral("辅助输入"));
  resize(640, 420);
}

}  // namespace dlt::gui
