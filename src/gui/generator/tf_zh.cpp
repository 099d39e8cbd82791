#include "gui/generator/tf_zh.h"

namespace dlt::gui {

Tf_zh::Tf_zh(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_zh");
  setWindowTitle(QStringLiteral("超强组号"));
  resize(640, 420);
}

}  // namespace dlt::gui
