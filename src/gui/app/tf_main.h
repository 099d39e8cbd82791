#pragma once

#include <QWidget>
#include <vector>

class QToolButton;

namespace dlt::gui {

struct AppContext;
class StartupSync;

// The main window: one row of toolbar buttons across the top of the
// screen. Its creation step prepares the shared state, its first show
// brings the history up to date and opens the trend window, and closing it
// ends the program.
class Tf_main : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_main(AppContext& app, QWidget* parent = nullptr);

  bool ShowStepDone() const { return showStepDone_; }
  QToolButton* Button(const QString& name) const;
  // The background sync with the history service that the show step starts
  // when the settings ask for it.
  StartupSync& Sync() const { return *startupSync_; }

  // Close step (also run by closeEvent): exitset.zh, the snapshot files,
  // the notice's download pages.
  void RunCloseStep();

 signals:
  void showStepFinished();

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void RunCreationStep();
  // Rows of the table no draw can have: deleted when the user agrees, else
  // start-up ends with a message (DbError).
  void CheckStoredRows();
  // The ticket book beside the table; a damaged one is reported and left.
  void OpenBook();
  void RunShowStep();
  void LayOutButtons();
  void ShowFeature(const char* className, bool closeUpdateWindow);
  void ShowDataUpdate();
  void ShowHelp();

  AppContext& app_;
  std::vector<QToolButton*> buttons_;
  StartupSync* startupSync_;
  bool showStepStarted_ = false;
  bool showStepDone_ = false;
  bool closeStepDone_ = false;
};

}  // namespace dlt::gui
