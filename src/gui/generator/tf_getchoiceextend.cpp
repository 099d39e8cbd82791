#include "gui/generator/tf_getchoiceextend.h"

namespace dlt::gui {

Tf_getchoiceextend::Tf_getchoiceextend(AppContext& app, QWidget* parent)
    : QDialog(parent), app_(app) {
  setObjectName("Tf_getchoiceextend");
  setWindowTitle(QStringLiteral("选择"));
  resize(640, 420);
}

}  // namespace dlt::gui
