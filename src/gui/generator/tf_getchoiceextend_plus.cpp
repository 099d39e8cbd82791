#include "gui/generator/tf_getchoiceextend_plus.h"

namespace dlt::gui {

Tf_getchoiceextend_plus::Tf_getchoiceextend_plus(AppContext& app, QWidget* parent)
    : QDialog(parent), app_(app) {
  setObjectName("Tf_getchoiceextend_plus");
  setWindowTitle(QStringLiteral("选择"));
  resize(640, 420);
}

}  // namespace dlt::gui
