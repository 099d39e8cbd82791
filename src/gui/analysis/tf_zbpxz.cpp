#include "gui/analysis/tf_zbpxz.h"

namespace dlt::gui {

Tf_zbpxz::Tf_zbpxz(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_zbpxz");
  setWindowTitle(QStringLiteral(""));
  resize(640, 420);
}

}  // namespace dlt::gui
