#include "gui/generator/tf_qh.h"

namespace dlt::gui {

Tf_qh::Tf_qh(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_qh");
  setWindowTitle(QStringLiteral("选择期号"));
  resize(640, 420);
}

}  // namespace dlt::gui
