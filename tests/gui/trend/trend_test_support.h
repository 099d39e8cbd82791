#pragma once

#include <QTabWidget>

#include "gui/trend/chart_view.h"
#include "gui/trend/tf_fxd.h"
#include "gui_test_support.h"

namespace dlt::gui::test {

// The trend window's page of that caption, shown; null when there is none.
inline QWidget* Sheet(Tf_fxd& w, const char* sheet) {
  if (!w.ShowPage(QString::fromUtf8(sheet))) return nullptr;
  return w.Pages()->currentWidget();
}

// The chart a picture of the page shows; an empty chart when there is none.
inline const Chart& ChartOf(QWidget* page, const char* picture) {
  static const Chart none;
  auto* view = Child<ChartView>(page, picture);
  return view ? view->CurrentChart() : none;
}

}  // namespace dlt::gui::test
