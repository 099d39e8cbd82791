#include "gui/analysis/tf_filter_zbpxz.h"

namespace dlt::gui {

Tf_filter_zbpxz::Tf_filter_zbpxz(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_filter_zbpxz");
  setWindowTitle(QStringLiteral("过滤设置"));
  resize(640, 420);
}

}  // namespace dlt::gui
