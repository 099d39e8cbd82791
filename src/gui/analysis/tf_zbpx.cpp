#include "gui/analysis/tf_zbpx.h"

namespace dlt::gui {

Tf_zbpx::Tf_zbpx(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_zbpx");
  setWindowTitle(QStringLiteral("指标剖析"));
  resize(640, 420);
}

}  // namespace dlt::gui
