#include "gui/trend/tf_moredb.h"

namespace dlt::gui {

Tf_moredb::Tf_moredb(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_moredb");
  setWindowTitle(QStringLiteral("更多图表"));
  resize(640, 420);
}

}  // namespace dlt::gui
