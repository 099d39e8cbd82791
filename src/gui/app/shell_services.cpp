#include "gui/app/shell_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace dlt::gui {

void DesktopShell::Inform(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

bool DesktopShell::Confirm(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool DesktopShell::OpenUrl(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

QString DesktopShell::SaveFileName(QWidget* parent, const QString& title, const QString& dir,
                                   const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

QString DesktopShell::OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                                   const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

int DesktopShell::ExecDialog(QDialog& dialog) {
  return dialog.exec();
}

}  // namespace dlt::gui
