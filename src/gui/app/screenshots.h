#pragma once

#include <QString>

#include "gui/app/shell_services.h"

namespace dlt::gui {

class DltApp;

// The desktop of the picture tour: it never waits for an answer, so the
// tour ends on any data folder (an empty one too). Messages go to stderr,
// questions are answered no, file dialogs and modal dialogs are cancelled.
class TourShell : public DesktopShell {
 public:
  void Inform(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
  QString SaveFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter) override;
  QString OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter) override;
  int ExecDialog(QDialog& dialog) override;
};

// The tour's exit status when a shown window reached past the screen's
// available area (frame included); each such window is named on stderr.
inline constexpr int kWindowsOutsideStatus = 3;

// The pictures of ScheduleScreenshots, taken now; `settle` lets the windows
// draw for the given milliseconds between the steps.
void TakeTourPictures(DltApp& app, const QString& dir, void (*settle)(int));

// After the main window's first show: pictures of the main window, the
// data-update window, the graphical entry, the settings window, the
// generator, the trend window and the statistics windows are written as PNG
// files into `dir`, then the program ends.
void ScheduleScreenshots(DltApp& app, const QString& dir);

}  // namespace dlt::gui
