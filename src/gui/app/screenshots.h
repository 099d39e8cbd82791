#pragma once

#include <QString>

namespace dlt::gui {

class DltApp;

// After the main window's first show: pictures of the main window, the
// data-update window, the graphical entry, the settings window, the
// generator, the trend window and the statistics windows are written as PNG
// files into `dir`, then the program ends.
void ScheduleScreenshots(DltApp& app, const QString& dir);

}  // namespace dlt::gui
