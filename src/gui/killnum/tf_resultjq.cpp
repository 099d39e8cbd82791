#include "gui/killnum/tf_resultjq.h"

namespace dlt::gui {

Tf_resultjq::Tf_resultjq(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_resultjq");
  setWindowTitle(QStringLiteral("交集统计"));
  resize(640, 420);
}

}  // namespace dlt::gui
