#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace dlt::gui {

struct AppContext;

// The caption-less message box shown over long work: an aqua box with one
// line of text, and for work that reports progress a progress bar and a
// cancel button.
class Tf_showpic : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_showpic(AppContext& app, QWidget* parent = nullptr);

  // Shows the text alone, centred, painted at once.
  void ShowMessage(const QString& text);
  // Shows the text with a progress bar (busy until a total is known) and,
  // when `cancellable`, the cancel button.
  void ShowProgress(const QString& text, bool cancellable);
  void SetProgress(int done, int total);
  void HideBox();
  QString Text() const;
  bool CancelRequested() const { return cancelRequested_; }

 signals:
  void cancelRequested();

 private:
  void Place(const QString& text);

  QLabel* label_;
  QProgressBar* progress_;
  QPushButton* cancel_;
  bool cancelRequested_ = false;
};

}  // namespace dlt::gui
