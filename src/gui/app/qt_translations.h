#pragma once

#include <QLocale>

class QCoreApplication;
class QTranslator;

namespace dlt::gui {

// Qt's own texts (file dialogs, message box buttons) in Chinese, the
// language of every window of the program: in the system's variant when
// `locale` is a Chinese one, else (and when that has no translation) in
// Simplified Chinese. The translations are Qt's (Debian package
// qt6-translations-l10n), installed on the application, which owns the
// translator returned (null when none was found).
QTranslator* LoadQtTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());

}  // namespace dlt::gui
