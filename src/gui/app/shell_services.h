#pragma once

#include <QString>
#include <QUrl>

class QDialog;
class QWidget;

namespace dlt::gui {

// Everything the windows ask of the desktop: message boxes, file dialogs,
// modal dialogs and the shell's "open". Tests put a double in its place
// that answers and records.
class ShellServices {
 public:
  virtual ~ShellServices() = default;

  virtual void Inform(QWidget* parent, const QString& text) = 0;
  // A yes/no question; true for yes.
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
  // Opens a web address or a file with the desktop's default program.
  virtual bool OpenUrl(const QUrl& url) = 0;
  // Empty when the user cancels.
  virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& dir,
                               const QString& filter) = 0;
  virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                               const QString& filter) = 0;
  // Runs a dialog modally; QDialog::Accepted or Rejected.
  virtual int ExecDialog(QDialog& dialog) = 0;
};

// The real desktop: QMessageBox, QFileDialog, QDesktopServices.
class DesktopShell : public ShellServices {
 public:
  void Inform(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
  bool OpenUrl(const QUrl& url) override;
  QString SaveFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter) override;
  QString OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter) override;
  int ExecDialog(QDialog& dialog) override;
};

}  // namespace dlt::gui
