#include "gui/generator/tf_groupfilter.h"

namespace dlt::gui {

Tf_groupfilter::Tf_groupfilter(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_groupfilter");
  setWindowTitle(QStringLiteral("批量过滤"));
  resize(640, 420);
}

}  // namespace dlt::gui
